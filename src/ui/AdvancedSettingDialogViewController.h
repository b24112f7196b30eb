// The advanced setting dialog: click, key output, pointer move and multi-chord tabs for pedal
// SelectedPedalNo. Reached only through MainWindowViewController::SetPedal2Advanced_clicked.
#pragma once

#include <QDialog>

namespace tarvik {

class DialogHost;

class AdvancedSettingDialogViewController : public QDialog {
    Q_OBJECT
public:
    AdvancedSettingDialogViewController(DialogHost& host, QWidget* parent);
    ~AdvancedSettingDialogViewController() override;

private:
    DialogHost& host_;
};

}  // namespace tarvik
