// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's edits: opening a pedal's dialog and writing the setting it hands back.
#include <QLabel>
#include <QPushButton>

#include "device/Alert.h"
#include "device/HID_PnP.h"
#include "device/WriteFlow.h"
#include "model/PedalContents.h"
#include "model/Texts.h"
#include "ui/AdvancedSettingDialogViewController.h"
#include "ui/MainWindowViewController.h"
#include "units/UnitSequence.h"
#include "units/WriteWatcher.h"
#include "ui/SettingDialogViewController.h"

namespace tarvik {

void MainWindowViewController::buttonSetPedal0Standard_Clicked() { OpenStandardDialog(0); }
void MainWindowViewController::buttonSetPedal1Standard_Clicked() { OpenStandardDialog(1); }
void MainWindowViewController::buttonSetPedal2Standard_Clicked() { OpenStandardDialog(2); }
void MainWindowViewController::buttonSetPedal3Standard_Clicked() { OpenStandardDialog(3); }
void MainWindowViewController::buttonSetPedal4Standard_Clicked() { OpenStandardDialog(4); }

void MainWindowViewController::OpenStandardDialog(int pedal) {
    DeviceState& s = state_;
    s.SelectedPedalNo = pedal;
    s.PedalName = NameLabel(pedal)->text().toStdString();
    s.StandardSettingDialogOpen = true;

    auto* dialog = new SettingDialogViewController(*this, s, pedal, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    settingDialog_ = dialog;
    connect(dialog, &QDialog::finished, this, [this, dialog, pedal](int result) {
        state_.StandardSettingDialogOpen = false;
        state_.CloseStandardSetting = false;
        if (result != QDialog::Accepted || !dialog->Choice()) return;
        const modes::ModeChoice choice = *dialog->Choice();
        WriteChoiceStep(pedal, choice);
    });
    dialog->open();
}

AdvancedSettingDialogViewController* MainWindowViewController::SetPedal2Advanced_clicked(int pedal) {
    if (!IsPedalIndex(pedal)) return nullptr;
    DeviceState& s = state_;
    s.SelectedPedalNo = pedal;
    s.PedalName = NameLabel(pedal)->text().toStdString();
    auto* dialog = new AdvancedSettingDialogViewController(*this, s, pedal, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QDialog::finished, this, [this, dialog, pedal](int result) {
        if (result != QDialog::Accepted || !dialog->Choice()) return;
        const modes::ModeChoice choice = *dialog->Choice();
        WriteChoiceStep(pedal, choice);
    });
    dialog->open();
    return dialog;
}

void MainWindowViewController::WriteChoiceStep(int pedal, const modes::ModeChoice& choice) {
    RunWrite(pedal, [&] { return WriteChoice(link_, state_, pedal, choice); });
}

// The write is a step of its own: what is asked for while it waits for the unit runs after it.
template <class Write>
void MainWindowViewController::RunWrite(int pedal, Write write) {
    const bool outermost = !stepRunning_;
    stepRunning_ = true;
    const std::string name = NameLabel(pedal)->text().toStdString();
    UnitSequence sequence(simulated_, watcher_.get());
    if (!BeginUnitSequence(sequence)) {
        if (outermost) stepRunning_ = false;
        return;
    }
    const WriteResult result = write();
    EndUnitSequence(sequence, true);
    switch (result.outcome) {
    case WriteOutcome::Stored:
        WritePedalContents(pedal);
        alertBox(contents::Fill(text::Tr(text::SettingDone), {name}));
        break;
    case WriteOutcome::Differs:
        WritePedalContents(pedal);
        alertBox(contents::Fill(text::Tr(text::SettingDiffered), {name, PedalContentsText(state_, pedal)}));
        break;
    case WriteOutcome::Failed:
        AlertExchangeFailure(result.ending);
        InitializeControls();
        break;
    }
    if (!outermost) return;
    stepRunning_ = false;
    if (connectionChanged_ || resetRequested_) ScheduleSteps();
}

}  // namespace tarvik
