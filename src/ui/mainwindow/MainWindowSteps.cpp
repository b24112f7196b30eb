// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's steps: the attach read, the detach and the factory reset, run one at a time
// in that order when the connection manager or the menu asks for them.
#include <QMetaObject>

#include "device/Alert.h"
#include "device/Console.h"
#include "device/HID_PnP.h"
#include "device/UnitFlows.h"
#include "model/Texts.h"
#include "ui/MainWindowViewController.h"
#include "units/UnitSequence.h"
#include "units/WriteWatcher.h"

namespace tarvik {

// Between the steps of reading an attached unit the window follows what has been read.
class MainWindowViewController::ReadListener : public UnitFlowListener {
public:
    explicit ReadListener(MainWindowViewController& window) : window_(window) {}
    void PedalCountKnown(int count, int /*reported*/) override { window_.LayoutForPedalCount(count); }
    void PedalRecordReady(int pedal) override {
        window_.WritePedalContents(pedal);
        window_.ActivatePedal(pedal);
    }
    void ExchangeFailed(ExchangeEnding ending) override {
        AlertExchangeFailure(ending);
        window_.InitializeControls();
    }

private:
    MainWindowViewController& window_;
};

// The factory reset re-describes each pedal as its factory setting goes out.
class MainWindowViewController::ResetListener : public UnitFlowListener {
public:
    explicit ResetListener(MainWindowViewController& window) : window_(window) {}
    void PedalRecordReady(int pedal) override { window_.WritePedalContents(pedal); }
    void ExchangeFailed(ExchangeEnding ending) override {
        AlertExchangeFailure(ending);
        window_.InitializeControls();
    }

private:
    MainWindowViewController& window_;
};

void MainWindowViewController::ConnectionChanged() {
    connectionChanged_ = true;
    ScheduleSteps();
}

void MainWindowViewController::RequestFactoryReset() {
    resetRequested_ = true;
    ScheduleSteps();
}

// Queued, not run from inside the signal: an attach read waits for the unit, and the code that
// reported the unit (the backend's hotplug handling) must not be held in that wait.
void MainWindowViewController::ScheduleSteps() {
    if (stepsScheduled_) return;
    stepsScheduled_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            stepsScheduled_ = false;
            UpdateAppWindow();
        },
        Qt::QueuedConnection);
}

void MainWindowViewController::UpdateAppWindow() {
    if (stepRunning_ || exiting_) return;
    stepRunning_ = true;
    for (;;) {
        RefreshAccessHint();
        if (connectionChanged_) {
            connectionChanged_ = false;
            state_.DeviceDetectedChanged = false;
            if (link_.HasDevice()) {
                AttachSequence();
            } else {
                DetachSequence();
            }
        } else if (reloadRequested_) {
            reloadRequested_ = false;
            // Read again as after a plug; without a unit there is nothing to read.
            if (link_.HasDevice()) AttachSequence();
        } else if (resetRequested_) {
            resetRequested_ = false;
            RunFactoryReset();
        } else {
            break;
        }
        if (exiting_) break;
    }
    stepRunning_ = false;
}

void MainWindowViewController::RefreshAccessHint() {
    const bool denied = !link_.HasDevice() && link_.LastOpenResult() == OpenResult::PermissionDenied;
    if (denied == accessDenied_) return;
    accessDenied_ = denied;
    if (!link_.HasDevice()) ShowNoUnitExplanation();
}

void MainWindowViewController::AttachSequence() {
    attachRan_ = true;
    InitializeControls();
    SetExplanation(text::Tr(text::ExplanationConnected));
    UnitSequence sequence(simulated_, watcher_.get());
    if (!BeginUnitSequence(sequence)) {
        InitializeControls();
        emit unitRead(false);
        return;
    }
    ReadListener listener(*this);
    const ReadOutcome outcome = ReadUnit(link_, state_, listener);
    EndUnitSequence(sequence, false);
    FollowShownUnit();
    if (outcome == ReadOutcome::Unsupported) {
        InitializeControls();
        alertBox(text::Tr(text::UnsupportedFirmware));
        emit unitRead(false);
        exiting_ = true;
        exit_(0);
        return;
    }
    // Never show a unit as connected once it is gone, whatever the read got.
    if (outcome != ReadOutcome::Done || !link_.HasDevice()) {
        InitializeControls();
        emit unitRead(false);
        return;
    }
    const QString details = tr("%1ペダル、ファームウェア %2.%3.%4")
                                .arg(state_.NumberOfPedals)
                                .arg(state_.VersionNumberMajor)
                                .arg(state_.VersionNumberMinor)
                                .arg(state_.VersionNumberRevision);
    std::erase_if(unitDetails_, [this](const auto& d) { return d.first == link_.myDevice(); });
    unitDetails_.emplace_back(link_.myDevice(), details);
    RefreshUnitsMenu();
    emit unitRead(true);
}

void MainWindowViewController::DetachSequence() {
    InitializeControls();
    FollowShownUnit();
    RefreshUnitsMenu();
}

void MainWindowViewController::RunFactoryReset() {
    DeviceState& s = state_;
    s.InitialState = false;
    const int serial = link_.ConnectionSerial();
    // The confirmation keeps its text and answers; below it, what the reset would lose for good.
    std::string confirm = text::Tr(text::ResetConfirm);
    OfferExportBeforeReset(confirm);
    const int response = ConfirmBox(text::ProductTitle, confirm);
    if (response == ALERT_SECOND_BUTTON) {
        ConsoleLine(text::Tr(text::ConsoleCancelled));
        return;
    }
    if (response != ALERT_FIRST_BUTTON) {
        ConsoleLine(text::ConsoleOtherResponse + std::to_string(response));
        return;
    }
    ConsoleLine(text::ConsoleResetting);
    // The user agreed to reset the unit that was shown when asked; another one plugged in while the
    // box was open has not even been read yet.
    if (link_.ConnectionSerial() != serial) {
        InitializeControls();
        alertBox(text::Tr(text::ResetFailed));
        return;
    }
    UnitSequence sequence(simulated_, watcher_.get());
    if (!BeginUnitSequence(sequence)) return;
    ResetListener listener(*this);
    const ExchangeEnding ending = FactoryReset(link_, state_, listener);
    EndUnitSequence(sequence, true);
    // A pedal that did not take its factory setting leaves the reset unfinished: say so, rather
    // than let the user take the unit for reset.
    if (ending != ExchangeEnding::Answered) alertBox(text::Tr(text::ResetFailed));
}

}  // namespace tarvik
