// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced setting dialog: one tab per output mode (a click and a double click share one, as do
// their modifier forms), each a widget of its own. It reads one pedal's record and hands back the
// setting of the tab whose write button was pressed; the main window writes it.
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

namespace advanced {
class ModeTab;
}

class AdvancedSettingDialogViewController : public QDialog {
    Q_OBJECT
public:
    // Opens on the tab of pedal `pedal`'s output mode, showing its setting where a tab can, and
    // asks the unit for the pedal's additional data. `state` is read here and never written.
    AdvancedSettingDialogViewController(DialogHost& host, const DeviceState& state, int pedal, QWidget* parent);
    ~AdvancedSettingDialogViewController() override;

    // The setting of the tab whose "Tarvikに書き込む" was pressed, after which the dialog is
    // accepted; none when it was closed otherwise.
    const std::optional<modes::ModeChoice>& Choice() const;

private:
    void viewDidLoad(DialogHost& host, const DeviceState& state);
    advanced::ModeTab* TabOf(int mode) const;

    const int pedal_;
    std::unique_ptr<Ui::AdvancedSettingDialogViewController> ui_;
    std::optional<modes::ModeChoice> choice_;
};

}  // namespace tarvik
