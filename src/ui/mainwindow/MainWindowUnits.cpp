// SPDX-License-Identifier: GPL-3.0-or-later
// The main window among other programs and several units: the lock around each step, following
// writes made elsewhere, choosing the unit shown, reading it again, snapshots to and from files.
#include <QActionGroup>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

#include "device/Alert.h"
#include "device/HID_PnP.h"
#include "model/PedalNames.h"
#include "model/Texts.h"
#include "storage/UnitFile.h"
#include "ui/MainWindowViewController.h"
#include "units/ChosenUnitBackend.h"
#include "units/SimulatedUnits.h"
#include "units/Snapshot.h"
#include "units/UnitSequence.h"
#include "units/WriteWatcher.h"

namespace tarvik {

namespace {

QString PedalList(int count, const std::vector<int>& pedals) {
    QStringList names;
    for (const int p : pedals) names << QString::fromStdString(DisplayedPedalName(ShownPedalName(count, p)));
    // The separator between the names is the language's own.
    return names.join(MainWindowViewController::tr("、"));
}

}  // namespace

void MainWindowViewController::SetUnits(ChosenUnitBackend& chosen, SimulatedUnits* simulated, QMenu* unitsMenu) {
    chosen_ = &chosen;
    simulated_ = simulated;
    unitsMenu_ = unitsMenu;
    connect(&chosen, &ChosenUnitBackend::unitsChanged, this, &MainWindowViewController::RefreshUnitsMenu);
    RefreshUnitsMenu();
}

void MainWindowViewController::RequestReload() {
    reloadRequested_ = true;
    ScheduleSteps();
}

bool MainWindowViewController::BeginUnitSequence(UnitSequence& sequence) {
    switch (sequence.Begin(link_.myDevice(), lockWaitMs_)) {
    case UnitSequence::Start::Ready:
        return true;
    case UnitSequence::Start::Busy: {
        const LockHolder& holder = sequence.Holder();
        alertBox((holder.pid > 0 ? tr("Tarvikは他のプログラム（%1、プロセスID %2）が使用中です。\r\n"
                                      "そのプログラムが終わってから、もう一度お試し下さい。")
                                       .arg(holder.name.isEmpty() ? tr("名前不明") : holder.name)
                                       .arg(holder.pid)
                                 : tr("Tarvikは他のプログラムが使用中です。\r\n"
                                      "そのプログラムが終わってから、もう一度お試し下さい。"))
                     .toStdString());
        return false;
    }
    case UnitSequence::Start::Failed:
        alertBox(tr("ユニットのファイルを読めません：%1").arg(sequence.ErrorText()).toStdString());
        return false;
    }
    return false;
}

void MainWindowViewController::EndUnitSequence(UnitSequence& sequence, bool wrote) {
    if (!sequence.End(wrote) && simulated_ != nullptr) {
        alertBox(tr("シミュレーションのユニットのファイルに保存できませんでした：%1").arg(sequence.ErrorText()).toStdString());
    }
}

void MainWindowViewController::FollowShownUnit() {
    if (!watcher_) {
        watcher_ = std::make_unique<WriteWatcher>();
        connect(watcher_.get(), &WriteWatcher::changed, this, &MainWindowViewController::FollowedFileChanged);
    }
    const QString file = link_.HasDevice() ? FollowedFileOf(link_.myDevice(), simulated_) : QString();
    const QString absolute = file.isEmpty() ? QString() : QFileInfo(file).absoluteFilePath();
    if (absolute == followed_) return;
    if (!followed_.isEmpty()) watcher_->Forget(followed_);
    followed_ = absolute;
    if (!followed_.isEmpty()) watcher_->Follow(followed_);
}

void MainWindowViewController::FollowedFileChanged(const QString& file) {
    if (file == followed_ && link_.HasDevice()) RequestReload();
}

void MainWindowViewController::RefreshUnitsMenu() {
    if (unitsMenu_ == nullptr || chosen_ == nullptr) return;
    unitsMenu_->clear();
    auto* group = new QActionGroup(unitsMenu_);
    const QStringList units = chosen_->Units();
    for (qsizetype i = 0; i < units.size(); ++i) {
        const QString& path = units[i];
        const bool simulatedFile = simulated_ != nullptr && !simulated_->FileOf(path).isEmpty();
        QString title = simulatedFile ? QFileInfo(path).fileName() : path;
        // Units of one kind are told apart by their serial number, where they report one.
        if (const QString serial = chosen_->SerialNumberOf(path); !serial.isEmpty())
            title += tr("  シリアル番号 %1").arg(serial);
        for (const auto& [unit, details] : unitDetails_) {
            if (unit == path) title += QStringLiteral("  (") + details + QLatin1Char(')');
        }
        QAction* item = unitsMenu_->addAction(title);
        item->setObjectName(QStringLiteral("menuItemUnit%1").arg(i));
        item->setCheckable(true);
        item->setChecked(path == chosen_->Chosen());
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, path] { chosen_->Choose(path); });
    }
    if (units.isEmpty()) unitsMenu_->addAction(tr("（Tarvikが接続されていません）"))->setEnabled(false);
}

void MainWindowViewController::ExportSettings() {
    if (!link_.HasDevice() || state_.NumberOfPedals <= 0) {
        alertBox(tr("書き出す設定がありません。Tarvikを接続して下さい。").toStdString());
        return;
    }
    const QString file = askFile_(true);
    if (file.isEmpty()) return;
    QString error;
    if (!ExportSnapshot(file, state_, Existing::Replace, error)) {
        alertBox(tr("設定を書き出せませんでした：%1").arg(error).toStdString());
        return;
    }
    alertBox(tr("設定を %1 に書き出しました。").arg(QFileInfo(file).fileName()).toStdString());
}

void MainWindowViewController::ImportSettings() {
    if (!link_.HasDevice() || state_.NumberOfPedals <= 0) {
        alertBox(tr("設定を読み込むTarvikがありません。Tarvikを接続して下さい。").toStdString());
        return;
    }
    const QString file = askFile_(false);
    if (file.isEmpty()) return;
    // The import is a step: what is asked for meanwhile runs after it.
    const bool outermost = !stepRunning_;
    stepRunning_ = true;
    RunImport(file);
    if (!outermost) return;
    stepRunning_ = false;
    if (connectionChanged_ || resetRequested_ || reloadRequested_) ScheduleSteps();
}

void MainWindowViewController::RunImport(const QString& file) {
    UnitImage snapshot;
    QString error;
    if (!ReadUnitFile(file, snapshot, error)) {
        alertBox(tr("設定を読み込めませんでした：%1").arg(error).toStdString());
        return;
    }
    const int count = state_.NumberOfPedals;
    RestorePlan plan = PlanRestore(snapshot, state_);
    if (!plan.CountMatches()) {
        alertBox(tr("このファイルは%1ペダルのユニットの設定です。このTarvikは%2ペダルです。何も書き込みませんでした。")
                     .arg(plan.snapshotCount)
                     .arg(plan.unitCount)
                     .toStdString());
        return;
    }
    QString question;
    if (plan.toWrite.empty()) {
        question = tr("書き込む設定はありません：Tarvikはすでにこのファイルの設定です。");
    } else {
        question = tr("次のペダルの設定がTarvikと異なります。書き込みますか？\r\n%1").arg(PedalList(count, plan.toWrite));
    }
    if (!plan.unwritable.empty()) {
        question += tr("\r\n\r\n次のペダルは複数の同時キー出力を含むため書き込めません：%1")
                        .arg(PedalList(count, plan.unwritable));
    }
    if (plan.toWrite.empty()) {
        alertBox(question.toStdString());
        return;
    }
    if (ConfirmBox(text::ProductTitle, question.toStdString()) != ALERT_FIRST_BUTTON) return;

    UnitSequence sequence(simulated_, watcher_.get());
    if (!BeginUnitSequence(sequence)) return;
    // Another program may have written since the window read the unit: plan against what it holds.
    const RestoreOutcome outcome = WriteRestore(link_, state_, snapshot, PlanRestore(snapshot, state_));
    EndUnitSequence(sequence, !outcome.written.empty());
    for (const int p : outcome.written) WritePedalContents(p);
    switch (outcome.result) {
    case RestoreOutcome::WriteFailed:
        AlertExchangeFailure(outcome.ending);
        InitializeControls();
        return;
    case RestoreOutcome::Mismatch:
        alertBox(tr("次のペダルは書き込んだ設定と異なる設定を読み返しました：%1")
                     .arg(PedalList(count, outcome.mismatched))
                     .toStdString());
        return;
    case RestoreOutcome::Done:
        break;
    }
    alertBox(tr("%1個のペダルの設定を書き込み、読み返して確かめました。").arg(outcome.written.size()).toStdString());
}

bool MainWindowViewController::OfferExportBeforeReset(std::string& confirmText) {
    const std::vector<int> lost = PedalsNoCommandRebuilds(state_);
    if (lost.empty() || !link_.HasDevice()) return true;
    const QString names = PedalList(state_.NumberOfPedals, lost);
    confirmText += tr("\r\n\r\n次のペダルの設定（複数の同時キー出力）は、工場出荷状態に戻すと元に戻せません：%1")
                       .arg(names)
                       .toStdString();
    const int answer = ConfirmBox(text::ProductTitle,
                                  tr("次のペダルの設定は、工場出荷状態に戻すと元に戻せません：%1\r\n"
                                     "先に設定をファイルに書き出しますか？")
                                      .arg(names)
                                      .toStdString());
    if (answer == ALERT_FIRST_BUTTON) ExportSettings();
    return true;
}

}  // namespace tarvik
