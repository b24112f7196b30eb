// The standard setting dialog: one key with left-hand modifiers, or one click, for pedal
// SelectedPedalNo. Opened window-modal over the main window.
#pragma once

#include <QDialog>

namespace tarvik {

class DialogHost;

class SettingDialogViewController : public QDialog {
    Q_OBJECT
public:
    // Loads the pedal's record into the controls (the out-of-standard warning may already close it).
    SettingDialogViewController(DialogHost& host, QWidget* parent);
    ~SettingDialogViewController() override;

private:
    DialogHost& host_;
};

}  // namespace tarvik
