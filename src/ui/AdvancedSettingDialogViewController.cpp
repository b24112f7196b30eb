// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AdvancedSettingDialogViewController.h"

#include <QPointer>
#include <QPushButton>

#include "device/HID_PnP.h"
#include "model/DeviceState.h"
#include "ui/DialogHost.h"
#include "ui/advanced/ChordTab.h"
#include "ui/advanced/ClickTab.h"
#include "ui/advanced/KeyOutputEncoding.h"
#include "ui/advanced/KeyOutputTab.h"
#include "ui/advanced/PointerMoveTab.h"
#include "ui_AdvancedSettingDialogViewController.h"

namespace tarvik {

AdvancedSettingDialogViewController::AdvancedSettingDialogViewController(DialogHost& host, DeviceState& state,
                                                                         int pedal, QWidget* parent)
    : QDialog(parent),
      host_(host),
      state_(state),
      pedal_(pedal),
      ui_(std::make_unique<Ui::AdvancedSettingDialogViewController>()) {
    ui_->setupUi(this);
    if (!state_.PedalName.empty()) setWindowTitle(windowTitle() + " " + QString::fromStdString(state_.PedalName));
    QPushButton* close = ui_->buttonBoxClose->button(QDialogButtonBox::Close);
    close->setText(QString::fromUtf8("閉じる"));
    // Return in a number box confirms the number; it must not close the dialog on the way.
    close->setAutoDefault(false);
    close->setDefault(false);

    connect(ui_->tabClick, &advanced::ClickTab::okPressed, this, &AdvancedSettingDialogViewController::okButtonPressed_C);
    connect(ui_->tabKeyOutput, &advanced::KeyOutputTab::okPressed, this,
            &AdvancedSettingDialogViewController::okButtonPressed_KO);
    connect(ui_->tabPointerMove, &advanced::PointerMoveTab::okPressed, this,
            &AdvancedSettingDialogViewController::okButtonPressed_PM);
    connect(ui_->buttonBoxClose, &QDialogButtonBox::rejected, this, &QDialog::reject);
    viewDidLoad();
}

AdvancedSettingDialogViewController::~AdvancedSettingDialogViewController() = default;

void AdvancedSettingDialogViewController::viewDidLoad() {
    // A pedal outside the records has nothing to show: the tabs keep their opening look.
    if (!IsPedalIndex(pedal_)) return;
    const auto p = static_cast<std::size_t>(pedal_);
    ui_->tabClick->Load(advanced::LoadClickTab(state_.OutputMode[p], state_.CommonData[p][0]));
    host_.plugNPlay().Communicate_AdditionalData();
    ui_->tabPluralKeys->Load(state_.OutputMode[p], state_.CommonData[p], state_.AdditionalData[p]);
}

void AdvancedSettingDialogViewController::Change_C_control_VisibleEnabled() {
    ui_->tabClick->Change_C_control_VisibleEnabled();
}

void AdvancedSettingDialogViewController::PSKO_SetControls() { ui_->tabPluralKeys->PSKO_SetControls(); }

// A pedal outside the records has no record to write; OK still hands over and closes.

void AdvancedSettingDialogViewController::okButtonPressed_C() {
    if (handingOver_) return;
    if (IsPedalIndex(pedal_)) {
        const auto p = static_cast<std::size_t>(pedal_);
        advanced::EncodeClick(ui_->tabClick->Choice(), state_.OutputMode[p], state_.CommonData[p]);
    }
    HandOver();
}

void AdvancedSettingDialogViewController::okButtonPressed_KO() {
    if (handingOver_) return;
    if (IsPedalIndex(pedal_)) {
        const advanced::KeyOutputChoice choice = ui_->tabKeyOutput->Choice();
        advanced::EncodeKeyOutput(choice.row, choice.modifiers, choice.keyListIndex,
                                  state_.CommonData[static_cast<std::size_t>(pedal_)]);
    }
    HandOver();
}

void AdvancedSettingDialogViewController::okButtonPressed_PM() {
    if (handingOver_) return;
    if (IsPedalIndex(pedal_)) {
        const auto p = static_cast<std::size_t>(pedal_);
        modes::EncodePointerMove(ui_->tabPointerMove->Choice(), {state_.OutputMode[p], state_.CommonData[p]});
    }
    HandOver();
}

void AdvancedSettingDialogViewController::HandOver() {
    // The main window sends pedal SelectedPedalNo: this dialog's pedal, whatever ran meanwhile.
    if (IsPedalIndex(pedal_)) state_.SelectedPedalNo = pedal_;
    // The main window's send runs the event loop; a second OK meanwhile must not send again, and
    // the dialog may be gone by the time it returns.
    handingOver_ = true;
    const QPointer<AdvancedSettingDialogViewController> alive(this);
    host_.SettingDialog_OK();
    if (!alive) return;
    handingOver_ = false;
    accept();
}

}  // namespace tarvik
