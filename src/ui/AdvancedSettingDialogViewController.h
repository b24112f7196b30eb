// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced setting dialog: click, key output, pointer move and multi-chord tabs for one pedal,
// each tab a widget of its own. Reached only through MainWindowViewController::SetPedal2Advanced_clicked.
#pragma once

#include <QDialog>
#include <memory>
#include <optional>

#include "model/ModeChoice.h"

namespace Ui {
class AdvancedSettingDialogViewController;
}

namespace tarvik {

class DialogHost;
struct DeviceState;

class AdvancedSettingDialogViewController : public QDialog {
    Q_OBJECT
public:
    // Loads pedal `pedal`'s record of `state` into the click and multi-chord tabs (repairing what
    // they cannot show) and asks the unit for the pedal's additional data.
    AdvancedSettingDialogViewController(DialogHost& host, DeviceState& state, int pedal, QWidget* parent);
    ~AdvancedSettingDialogViewController() override;

    // The setting a tab chose for the main window to write; nullopt while the tabs still hand over
    // through the live record.
    const std::optional<modes::ModeChoice>& Choice() const { return choice_; }

    // The click tab's enabling rule, and the multi-chord tab's list.
    void Change_C_control_VisibleEnabled();
    void PSKO_SetControls();

    // Each tab's OK: writes that tab's choice into the pedal's record and hands it to the main window.
    void okButtonPressed_C();
    void okButtonPressed_KO();
    void okButtonPressed_PM();

private:
    void viewDidLoad();
    // Hands the written record to the main window and closes.
    void HandOver();

    DialogHost& host_;
    DeviceState& state_;
    const int pedal_;
    std::unique_ptr<Ui::AdvancedSettingDialogViewController> ui_;
    bool handingOver_ = false;
    std::optional<modes::ModeChoice> choice_;
};

}  // namespace tarvik
