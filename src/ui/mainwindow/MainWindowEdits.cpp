// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's edits: opening a pedal's dialog and writing what it hands back.
#include <QLabel>
#include <QPushButton>

#include "device/Alert.h"
#include "device/HID_PnP.h"
#include "device/UnitFlows.h"
#include "model/Texts.h"
#include "ui/AdvancedSettingDialogViewController.h"
#include "ui/MainWindowViewController.h"
#include "ui/SettingDialogViewController.h"

namespace tarvik {

void MainWindowViewController::buttonSetPedal0Standard_Clicked() { OpenStandardDialog(0); }
void MainWindowViewController::buttonSetPedal1Standard_Clicked() { OpenStandardDialog(1); }
void MainWindowViewController::buttonSetPedal2Standard_Clicked() { OpenStandardDialog(2); }
void MainWindowViewController::buttonSetPedal3Standard_Clicked() { OpenStandardDialog(3); }
void MainWindowViewController::buttonSetPedal4Standard_Clicked() { OpenStandardDialog(4); }

void MainWindowViewController::OpenStandardDialog(int pedal) {
    DeviceState& s = state_;
    QPushButton* button = StandardButton(pedal);
    button->setEnabled(false);
    s.SettingEnabled = false;
    s.SelectedPedalNo = pedal;
    s.PedalName = NameLabel(pedal)->text().toStdString();
    button->setEnabled(true);
    s.StandardSettingDialogOpen = true;

    auto* dialog = new SettingDialogViewController(*this, s, pedal, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    settingDialog_ = dialog;
    dialog->open();
}

AdvancedSettingDialogViewController* MainWindowViewController::SetPedal2Advanced_clicked(int pedal) {
    if (!IsPedalIndex(pedal)) return nullptr;
    DeviceState& s = state_;
    // SettingEnabled is left as it is: this dialog's edits go out only when a standard edit armed
    // the send.
    s.SelectedPedalNo = pedal;
    s.PedalName = NameLabel(pedal)->text().toStdString();
    auto* dialog = new AdvancedSettingDialogViewController(*this, s, pedal, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->open();
    return dialog;
}

// The write is a step of its own: what is asked for while it waits for the unit runs after it.
void MainWindowViewController::SettingDialog_OK() {
    DeviceState& s = state_;
    if (!s.SettingEnabled) return;
    const bool outermost = !stepRunning_;
    stepRunning_ = true;
    WritePedalContents();
    const ExchangeEnding ending = WritePedal(link_, s, s.SelectedPedalNo);
    if (ending != ExchangeEnding::Answered) {
        AlertExchangeFailure(ending);
        InitializeControls();
    } else {
        alertBox(text::SettingDoneBefore + s.PedalName + text::SettingDoneAfter);
    }
    if (!outermost) return;
    stepRunning_ = false;
    if (connectionChanged_ || resetRequested_) ScheduleSteps();
}

}  // namespace tarvik
