// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/UnitSession.h"

#include <QObject>

#include "cli/CliOutput.h"
#include "cli/ExitStatus.h"
#include "device/Alert.h"
#include "device/UdevRules.h"
#include "device/HID_PnP.h"
#include "device/SelectedUnitBackend.h"
#include "device/UnitFlows.h"
#include "device/WriteFlow.h"
#include "model/DeviceState.h"
#include "model/PedalNames.h"
#include "model/Texts.h"
#include "units/SimulatedUnits.h"
#include "units/UnitSequence.h"
#include "storage/UnitFile.h"

namespace tarvik::cli {

namespace {

QString Bytes(const std::array<std::uint8_t, NUMBER_OF_COMMON_DATA>& bytes) {
    return QString::fromStdString(HexBytes(bytes.data(), static_cast<int>(bytes.size())));
}

// The read tells a failed exchange as the window does, on standard error.
class TellingListener : public UnitFlowListener {
public:
    void ExchangeFailed(ExchangeEnding ending) override { AlertExchangeFailure(ending); }
};

}  // namespace

QString FirmwareText() { return FirmwareText(State()); }

QString FirmwareText(const DeviceState& s) {
    return QStringLiteral("%1.%2.%3").arg(s.VersionNumberMajor).arg(s.VersionNumberMinor).arg(s.VersionNumberRevision);
}

WrittenPedal RecordOf(int p) { return RecordOf(State(), p); }

WrittenPedal RecordOf(const DeviceState& s, int p) {
    WrittenPedal w;
    w.pedal = p;
    if (!IsPedalIndex(p)) return w;
    w.mode = s.OutputMode[static_cast<std::size_t>(p)];
    w.common = s.CommonData[static_cast<std::size_t>(p)];
    return w;
}

UnitSession::UnitSession() : lockWaitMs_(UNIT_LOCK_WAIT_MS) {}

UnitSession::~UnitSession() {
    // The connection manager goes before the backend it talks to.
    Detach();
    link_.reset();
    view_.reset();
    backend_.reset();
}

void UnitSession::PrepareWith(const CliRequest& request, std::unique_ptr<HidBackend> backend) {
    request_ = request;
    backend_ = std::move(backend);
}

int UnitSession::Prepare(const CliRequest& request) {
    request_ = request;
    locking_ = true;
    if (!request.simulate) {
        backend_ = MakeHardwareBackend();
        return EXIT_OK;
    }
    auto sims = std::make_unique<SimulatedUnits>();
    const QStringList files = request.simulateFiles.isEmpty() ? QStringList{request.simulateFile} : request.simulateFiles;
    for (const QString& file : files) {
        const UnitFileRead read = sims->AddUnit(file);
        if (read.outcome != UnitFileRead::Read) {
            // The hint helps with a file that is no unit file, not with one that cannot be read.
            Error(read.outcome == UnitFileRead::Malformed
                      ? read.error + QStringLiteral(" (a unit file is what `tarvikctl --simulate dump FILE` writes)")
                      : read.error);
            return EXIT_USAGE;
        }
    }
    // The images carry the answer delay and the silent commands along with the settings.
    sims_ = sims.get();
    backend_ = std::move(sims);
    return EXIT_OK;
}

QStringList UnitSession::Units() { return backend_ ? backend_->Enumerate() : QStringList{}; }

int UnitSession::Attach(const QString& path) {
    Detach();
    // Every unit starts from a clean record set, as a newly attached unit does in the window; also
    // when it cannot be taken, so that nothing read from the unit before is taken for its own.
    state_ = DeviceState{};
    QString target = path.isEmpty() ? request_.device : path;
    const QStringList units = Units();
    if (units.isEmpty()) {
        Error(QStringLiteral("no Tarvik unit found (USB %1:%2). Plug it in; `tarvikctl doctor` shows what this "
                             "computer sees.").arg(HexDigits(vendorID, 4), HexDigits(productID, 4)));
        return EXIT_UNIT;
    }
    if (target.isEmpty() && units.size() > 1) {
        Error(QStringLiteral("%1 Tarvik units found; choose one with --device: %2")
                  .arg(units.size())
                  .arg(units.join(QStringLiteral(", "))));
        return EXIT_USAGE;
    }
    if (target.isEmpty()) target = units.first();
    if (!units.contains(target)) {
        Error(QStringLiteral("no Tarvik unit at %1; units found: %2").arg(target, units.join(QStringLiteral(", "))));
        return EXIT_UNIT;
    }
    if (locking_) {
        sequence_ = std::make_unique<UnitSequence>(sims_);
        switch (sequence_->Begin(target, lockWaitMs_)) {
        case UnitSequence::Start::Ready:
            break;
        case UnitSequence::Start::Busy: {
            const LockHolder& holder = sequence_->Holder();
            const QString who = holder.pid > 0 ? QStringLiteral("%1 (process %2)")
                                                     .arg(holder.name.isEmpty() ? QStringLiteral("another program")
                                                                                : holder.name)
                                                     .arg(holder.pid)
                                               : QStringLiteral("another program");
            Error(QStringLiteral("the Tarvik unit at %1 is in use by %2; waited %3 s, nothing was done. Try again "
                                 "when it has finished")
                      .arg(target, who)
                      .arg(lockWaitMs_ / 1000.0));
            sequence_.reset();
            return EXIT_UNIT;
        }
        case UnitSequence::Start::Failed:
            Error(sequence_->ErrorText());
            sequence_.reset();
            return EXIT_UNIT;
        }
    }
    attached_ = target;
    wrote_ = false;

    view_ = std::make_unique<SelectedUnitBackend>(*backend_, target);
    link_ = std::make_unique<HID_PnP>(*view_, state_);
    QObject::connect(link_.get(), &HID_PnP::reportSent, [this](const QByteArray& r) {
        const int command = r.isEmpty() ? 0 : static_cast<std::uint8_t>(r.at(0));
        if (command == SET_OUTPUT_MODE_AND_DATA || command == SET_PARAMETERS || command == SET_ADDITIONAL_DATA ||
            command == SET_NUMBER_OF_PEDALS || command == SET_KEYBOARD_MOUSE_ABILITY)
            wrote_ = true;
    });
    if (request_.transcript) {
        QObject::connect(link_.get(), &HID_PnP::reportSent, [](const QByteArray& r) { ErrorRaw(TranscriptLine(true, r)); });
        QObject::connect(link_.get(), &HID_PnP::reportReceived,
                         [](const QByteArray& r) { ErrorRaw(TranscriptLine(false, r)); });
    }
    if (link_->HasDevice()) return EXIT_OK;

    switch (link_->LastOpenResult()) {
    case OpenResult::PermissionDenied: {
        const InstalledRule rule = FindInstalledRule();
        Error(QStringLiteral("the Tarvik unit at %1 is there, but you may not open it (permission denied). %2")
                  .arg(target, QString::fromStdString(text::UnitAccessDeniedAdvice(rule.state, rule.path.toStdString()))));
        break;
    }
    case OpenResult::Failed: {
        const QString why = backend_->LastError();
        Error(QStringLiteral("cannot open the Tarvik unit at %1%2").arg(target, why.isEmpty() ? QString() : ": " + why));
        break;
    }
    default:
        Error(QStringLiteral("the Tarvik unit at %1 went away before it could be opened").arg(target));
        break;
    }
    return EXIT_UNIT;
}

void UnitSession::Detach() {
    // The connection manager leaves the unit open when it goes; the next unit must not find it so.
    if (link_ && link_->HasDevice()) backend_->Close();
    link_.reset();
    view_.reset();
    // A simulated unit's save has been told of already (SaveSimulation).
    if (sequence_ && !sequence_->End(wrote_) && sims_ == nullptr) {
        // The write itself is done; only a window following the unit may not notice it.
        Error(QStringLiteral("the unit was written, but could not be marked for other programs: %1")
                  .arg(sequence_->ErrorText()));
    }
    sequence_.reset();
    attached_.clear();
}

HID_PnP& UnitSession::Link() { return *link_; }

int UnitSession::Read() {
    TellingListener listener;
    switch (ReadUnit(*link_, state_, listener)) {
    case ReadOutcome::Done:
        return EXIT_OK;
    case ReadOutcome::Unsupported:
        ErrorRaw(text::Tr(text::UnsupportedFirmware));
        Error(QStringLiteral("firmware %1 is not supported: this program speaks to firmware before major version %2")
                  .arg(FirmwareText(state_)).arg(FIRST_UNSUPPORTED_FIRMWARE_MAJOR));
        return EXIT_UNIT;
    case ReadOutcome::Failed:
        break;
    }
    Error(QStringLiteral("reading the unit failed (see above); check the cable and try again"));
    return EXIT_UNIT;
}

int UnitSession::Write(int p) {
    const ExchangeEnding ending = WritePedal(*link_, state_, p);
    AlertExchangeFailure(ending);
    return ending == ExchangeEnding::Answered ? EXIT_OK : EXIT_UNIT;
}

int UnitSession::WriteChecked(int p, const modes::ModeChoice& choice) {
    const WriteResult result = WriteChoice(*link_, state_, p, choice);
    switch (result.outcome) {
    case WriteOutcome::Failed:
        AlertExchangeFailure(result.ending);
        Error(QStringLiteral("writing pedal %1 failed (see above)").arg(p));
        return EXIT_UNIT;
    case WriteOutcome::Differs:
        ReportDifference(p, result.mode, result.common);
        return EXIT_UNIT;
    case WriteOutcome::Stored:
        break;
    }
    // A simulated unit keeps its settings in its file: only once they are there has the write
    // succeeded, so the caller's confirmation comes after this.
    return SaveSimulation();
}

void UnitSession::ReportDifference(int p, std::uint8_t mode, const CommonRecord& common) {
    const WrittenPedal now = RecordOf(state_, p);
    Error(QStringLiteral("pedal %1 (%2): the unit reads back mode %3, common %4, but mode %5, common %6 was written")
              .arg(p)
              .arg(QString::fromStdString(ShownPedalName(state_.NumberOfPedals, p)))
              .arg(now.mode)
              .arg(Bytes(now.common))
              .arg(mode)
              .arg(Bytes(common)));
}

int UnitSession::VerifyWritten(const std::vector<WrittenPedal>& written) {
    if (written.empty()) return EXIT_OK;
    if (Read() != EXIT_OK) {
        Error(QStringLiteral("the written settings could not be read back to check them"));
        return EXIT_UNIT;
    }
    int status = EXIT_OK;
    for (const WrittenPedal& w : written) {
        const WrittenPedal now = RecordOf(state_, w.pedal);
        if (w.pedal < state_.NumberOfPedals && now.mode == w.mode && now.common == w.common) continue;
        ReportDifference(w.pedal, w.mode, w.common);
        status = EXIT_UNIT;
    }
    if (status != EXIT_OK) return status;
    // A simulated unit keeps its settings in its file: only once they are there has the write
    // succeeded, so the caller's confirmation comes after this.
    return SaveSimulation();
}

int UnitSession::SaveSimulation() {
    if (sims_ == nullptr || attached_.isEmpty()) return EXIT_OK;
    if (saveStatus_ != EXIT_OK) return saveStatus_;  // said once already
    QString error;
    const Saved saved = sims_->SaveUnit(attached_, error);
    if (saved == Saved::Yes) return EXIT_OK;
    Error(QStringLiteral("the simulated unit's settings were not saved: %1").arg(error));
    // A file that may not be written, or is no longer the one read, is the command line's; a
    // write that failed is the unit's store failing.
    saveStatus_ = saved == Saved::Refused ? EXIT_USAGE : EXIT_UNIT;
    return saveStatus_;
}

}  // namespace tarvik::cli
