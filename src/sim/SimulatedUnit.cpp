// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/SimulatedUnit.h"

#include <QElapsedTimer>
#include <QHash>
#include <QTimer>
#include <algorithm>

#include "device/Reports.h"

namespace tarvik {

namespace {
const QString kPath = QStringLiteral("sim:0");

QByteArray Bytes(const Report& r) { return QByteArray(reinterpret_cast<const char*>(r.data()), REPORT_SIZE); }
}  // namespace

struct SimulatedUnit::Impl {
    bool plugged = true;
    bool open = false;
    bool silent = false;
    bool failSends = false;
    bool writeResultLater = false;
    int dropOffCode = -1;
    OpenResult openResult = OpenResult::Opened;
    QString lastError;
    // Grows whenever the unit closes or goes away: answers still on their way are dropped.
    quint64 generation = 0;
    QList<TranscriptLine> transcript;
    int transcriptLimit = DEFAULT_TRANSCRIPT_LIMIT;
    QHash<int, int> commandCounts;
    qint64 answerTimeNs = 0;
    int answerCount = 0;
    QElapsedTimer clock;

    void Record(bool sent, const QByteArray& bytes) {
        if (transcriptLimit <= 0) return;
        transcript.append({sent, bytes});
        while (transcript.size() > transcriptLimit) transcript.removeFirst();
    }
};

SimulatedUnit::SimulatedUnit(UnitImage image, QObject* parent)
    : HidBackend(parent), d_(std::make_unique<Impl>()), image_(std::move(image)) {
    d_->clock.start();
}

SimulatedUnit::~SimulatedUnit() = default;

QStringList SimulatedUnit::Enumerate() { return d_->plugged ? QStringList{kPath} : QStringList{}; }

OpenResult SimulatedUnit::Open(const QString& path) {
    if (!d_->plugged || path != kPath) {
        d_->lastError = QStringLiteral("no such unit: %1").arg(path);
        return OpenResult::NoUnit;
    }
    if (d_->openResult != OpenResult::Opened) {
        d_->lastError = d_->openResult == OpenResult::PermissionDenied ? QStringLiteral("permission denied")
                                                                      : QStringLiteral("cannot open");
        return d_->openResult;
    }
    d_->open = true;
    return OpenResult::Opened;
}

void SimulatedUnit::Close() {
    d_->open = false;
    ++d_->generation;
}

bool SimulatedUnit::IsOpen() const { return d_->open; }
QString SimulatedUnit::OpenPath() const { return d_->open ? kPath : QString(); }
QString SimulatedUnit::LastError() const { return d_->lastError; }

void SimulatedUnit::Plug() {
    if (d_->plugged) return;
    d_->plugged = true;
    emit arrived(kPath);
}

void SimulatedUnit::Unplug() {
    if (!d_->plugged) return;
    d_->plugged = false;
    Close();
    emit removed(kPath);
}

bool SimulatedUnit::IsPlugged() const { return d_->plugged; }

void SimulatedUnit::SetAnswerDelayMs(int ms) { image_.answerDelayMs = std::max(0, ms); }
void SimulatedUnit::SetSilent(bool silent) { d_->silent = silent; }
void SimulatedUnit::SetSilentCommands(const QSet<int>& codes) {
    image_.silentCommands.assign(codes.begin(), codes.end());
    std::sort(image_.silentCommands.begin(), image_.silentCommands.end());
}
void SimulatedUnit::SetFailSends(bool fail) { d_->failSends = fail; }
void SimulatedUnit::SetDropOffOnCommand(int code) { d_->dropOffCode = code; }
void SimulatedUnit::SetOpenResult(OpenResult result) { d_->openResult = result; }
void SimulatedUnit::SetWriteResultLater(bool later) { d_->writeResultLater = later; }

void SimulatedUnit::SendUnsolicited(const QByteArray& report) {
    const quint64 generation = d_->generation;
    QTimer::singleShot(0, this, [this, report, generation] {
        if (!d_->open || generation != d_->generation) return;
        d_->Record(false, report);
        emit inputReport(report);
    });
}

const QList<SimulatedUnit::TranscriptLine>& SimulatedUnit::Transcript() const { return d_->transcript; }
void SimulatedUnit::ClearTranscript() {
    d_->transcript.clear();
    d_->commandCounts.clear();
}
void SimulatedUnit::SetTranscriptLimit(int lines) {
    d_->transcriptLimit = std::max(0, lines);
    while (d_->transcript.size() > d_->transcriptLimit) d_->transcript.removeFirst();
}
int SimulatedUnit::TranscriptLimit() const { return d_->transcriptLimit; }
int SimulatedUnit::CommandCount(int code) const { return d_->commandCounts.value(code, 0); }
qint64 SimulatedUnit::AnswerTimeNs() const { return d_->answerTimeNs; }
int SimulatedUnit::AnswerCount() const { return d_->answerCount; }

void SimulatedUnit::Write(const QByteArray& report) {
    auto finish = [this](bool ok) {
        if (!d_->writeResultLater) {
            emit writeDone(ok);
            return;
        }
        QTimer::singleShot(0, this, [this, ok] { emit writeDone(ok); });
    };
    if (!d_->open) {
        d_->lastError = QStringLiteral("unit not open");
        finish(false);
        return;
    }
    if (d_->failSends) {
        d_->lastError = QStringLiteral("send refused");
        finish(false);
        return;
    }
    if (report.size() != REPORT_SIZE) {
        d_->lastError = QStringLiteral("report of %1 bytes").arg(report.size());
        finish(false);
        return;
    }

    const qint64 takenAt = d_->clock.nsecsElapsed();
    Report request{};
    std::copy_n(reinterpret_cast<const std::uint8_t*>(report.constData()), REPORT_SIZE, request.begin());
    const int command = request[pos::COMMAND];
    d_->Record(true, report);
    d_->commandCounts[command] += 1;
    finish(true);

    if (command == d_->dropOffCode) {
        d_->dropOffCode = -1;
        // Gone right after taking the report, before any answer.
        QTimer::singleShot(0, this, [this] { Unplug(); });
        return;
    }

    // The firmware's side of each command. Pedal and block numbers come from the program and are
    // checked before they index anything; a pedal the unit does not have reads as zeros.
    Report answer{};
    answer[pos::COMMAND] = request[pos::COMMAND];
    answer[pos::PEDAL] = request[pos::PEDAL];
    const int pedal = request[pos::PEDAL];
    PedalImage* stored = pedal < static_cast<int>(image_.pedals.size()) ? &image_.pedals[pedal] : nullptr;
    switch (command) {
        case GET_VERSION_NUMBER:
            PutVersion(answer, {image_.firmware[0], image_.firmware[1], image_.firmware[2]});
            break;
        case GET_NUMBER_OF_PEDALS:
            PutPedalCount(answer, image_.ReportedPedalCount());
            break;
        case GET_OUTPUT_MODE_AND_DATA:
            if (stored) PutModeAndCommon(answer, stored->mode, stored->common);
            break;
        case GET_ADDITIONAL_DATA:
            if (stored) PutAdditionalBlock(answer, request[pos::BLOCK], stored->additional);
            break;
        case SET_OUTPUT_MODE_AND_DATA:
            if (stored) {
                stored->mode = request[pos::SET_MODE];
                std::copy_n(request.begin() + pos::SET_COMMON_FIRST, NUMBER_OF_COMMON_DATA, stored->common.begin());
            }
            answer[pos::PEDAL] = 0;
            break;
        default:
            answer[pos::PEDAL] = 0;
            break;
    }

    const auto& silent = image_.silentCommands;
    if (d_->silent || std::find(silent.begin(), silent.end(), command) != silent.end()) return;

    const quint64 generation = d_->generation;
    const QByteArray bytes = Bytes(answer);
    QTimer::singleShot(std::max(0, image_.answerDelayMs), Qt::PreciseTimer, this,
                       [this, bytes, generation, takenAt] {
                           if (!d_->open || generation != d_->generation) return;
                           d_->answerTimeNs += d_->clock.nsecsElapsed() - takenAt;
                           d_->answerCount += 1;
                           d_->Record(false, bytes);
                           emit inputReport(bytes);
                       });
}

}  // namespace tarvik
