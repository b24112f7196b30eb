// SPDX-License-Identifier: GPL-3.0-or-later
// The standard setting dialog: one key with left-hand modifiers, or one click, for one pedal.
// Opened window-modal over the main window. It reads the pedal's record and hands back the setting
// chosen; the main window writes it.
#pragma once

#include <QDialog>
#include <QString>
#include <vector>
#include <memory>
#include <optional>

#include "model/ModeChoice.h"
#include "model/StandardChoice.h"
#include "ui/standard/StandardKeyList.h"

class QRadioButton;

namespace Ui {
class SettingDialogViewController;
}

namespace tarvik {

class DialogHost;
struct DeviceState;

class SettingDialogViewController : public QDialog {
    Q_OBJECT
public:
    // Loads pedal `pedal`'s record of `state` into the controls (the out-of-standard warning may
    // already close it). A pedal outside 0..4 shows nothing and can write nothing.
    SettingDialogViewController(DialogHost& host, const DeviceState& state, int pedal, QWidget* parent);

    // The setting the write button chose; the dialog then accept()s. nullopt when it closed
    // otherwise (OK closes it Accepted too, choosing nothing).
    const std::optional<modes::ModeChoice>& Choice() const { return choice_; }
    ~SettingDialogViewController() override;

    // Every way of closing ends here (write, OK, cancel, Escape, the window's close button, the
    // warning's キャンセル, the unit pulled out).
    void done(int result) override;
    // A dialog that was closed while it loaded is never shown.
    void setVisible(bool visible) override;

private slots:
    void listboxKeys_SelectedIndexChanged(int index);
    void tabView_didSelect(int index);
    void buttonProgramTarvik_Click();
    void okButtonPressed();
    void cancelButtonPressed();
    // The unit went away: the dialog closes at once, writing nothing.
    void UnitRemoved();

private:
    // Loading, in the order the pedal's record is read.
    void viewDidLoad();
    void LoadKeyList();
    void LoadKeyboardTab(int pedal);
    void LoadMouseTab(int pedal);
    void WarnOutOfStandard(int pedal);

    void listboxKeys_SelectedIndexChanged_manual();
    void Change_K_Controls_Enabled();
    void Change_K_buttonProgramTarvik_Enabled();
    void Change_buttonProgramTarvik_Enabled();

    void SetWriteEnabled(bool enabled);
    std::vector<QRadioButton*> ModifierRadios() const;
    std::vector<QRadioButton*> ClickRadios() const;
    static void OneTabStop(const std::vector<QRadioButton*>& radios);
    void ChooseModifierRadio(QRadioButton* chosen);
    void ChooseClick(QRadioButton* chosen);
    void SelectTab(int index);
    QString SelectedTabIdentifier() const;
    KeyboardChoice CurrentKeyboardChoice() const;
    ClickChoice CurrentClickChoice() const;

    void FinishPendingClose();

    DialogHost& host_;
    const DeviceState& state_;
    std::unique_ptr<Ui::SettingDialogViewController> ui_;

    const int pedal_;  // the pedal the dialog edits
    StandardKeyList keys_;
    bool WithinStandard = false;
    bool K_buttonProgramTarvik_Enabled = false;
    bool M_buttonProgramTarvik_Enabled = false;

    bool loading_ = true;        // the constructor is still running
    bool closePending_ = false;  // closed while loading: finish once the caller has the dialog
    int pendingResult_ = Rejected;
    bool closed_ = false;
    std::optional<modes::ModeChoice> choice_;
};

}  // namespace tarvik
