// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AdvancedSettingDialogViewController.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <algorithm>

#include "device/HID_PnP.h"
#include "model/ChordList.h"
#include "model/ChordRecord.h"
#include "model/DeviceState.h"
#include "model/ModeDecoder.h"
#include "ui/DialogHost.h"
#include "ui/advanced/ChordTab.h"
#include "ui/advanced/ClickTab.h"
#include "ui/advanced/KeyOutputTab.h"
#include "ui/advanced/ModifierClickTab.h"
#include "ui/advanced/OnChangeTab.h"
#include "ui/advanced/PointerMoveTab.h"
#include "ui/advanced/RepeatClickTab.h"
#include "ui/advanced/RepeatKeyTab.h"
#include "ui/advanced/WheelTab.h"
#include "ui_AdvancedSettingDialogViewController.h"

namespace tarvik {

AdvancedSettingDialogViewController::AdvancedSettingDialogViewController(DialogHost& host, const DeviceState& state,
                                                                         int pedal, QWidget* parent)
    : QDialog(parent), pedal_(pedal), ui_(std::make_unique<Ui::AdvancedSettingDialogViewController>()) {
    ui_->setupUi(this);
    if (!state.PedalName.empty()) setWindowTitle(windowTitle() + " " + QString::fromStdString(state.PedalName));
    QPushButton* close = ui_->buttonBoxClose->button(QDialogButtonBox::Close);
    close->setText(tr("閉じる"));
    // Return in a number box confirms the number; it must not close the dialog on the way.
    close->setAutoDefault(false);
    close->setDefault(false);
    connect(ui_->buttonBoxClose, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Every tab title shows where the screen has room; on a smaller one (or with a larger font)
    // the titles scroll instead of pushing the dialog off the screen.
    ui_->tabsAdvanced->setUsesScrollButtons(true);
    const QMargins margins = layout()->contentsMargins();
    const int allTitles = ui_->tabsAdvanced->tabBar()->sizeHint().width() + margins.left() + margins.right() + 8;
    resize(QSize(std::max(allTitles, sizeHint().width()), sizeHint().height())
               .boundedTo(screen()->availableGeometry().size()));
    for (int i = 0; i < ui_->tabsAdvanced->count(); ++i) {
        auto* tab = static_cast<advanced::ModeTab*>(ui_->tabsAdvanced->widget(i));
        connect(tab, &advanced::ModeTab::okPressed, this, [this, tab] {
            choice_ = tab->Choice();
            accept();
        });
    }
    // The text field inside a key list or number box is read out by the name of its box.
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        if (edit->accessibleName().isEmpty() && edit->parentWidget() != nullptr)
            edit->setAccessibleName(edit->parentWidget()->accessibleName());
    }
    viewDidLoad(host, state);
}

AdvancedSettingDialogViewController::~AdvancedSettingDialogViewController() = default;

const std::optional<modes::ModeChoice>& AdvancedSettingDialogViewController::Choice() const { return choice_; }

void AdvancedSettingDialogViewController::viewDidLoad(DialogHost& host, const DeviceState& state) {
    // A pedal outside the records has nothing to show: the tabs keep their opening look.
    if (!IsPedalIndex(pedal_)) return;
    const auto p = static_cast<std::size_t>(pedal_);
    const std::uint8_t mode = state.OutputMode[p];
    CommonRecord common = state.CommonData[p];
    host.plugNPlay().Communicate_AdditionalData();
    if (mode == PLURAL_SIMULTANEOUS_KEY_OUTPUT) {
        ui_->tabPluralKeys->ShowUnitChords(chord::ChordLines(common, state.AdditionalData[p]));
        // The controls show the first chord: what a write keeps of a setting of several.
        if (modes::HoldsSeveralChords(mode, common))
            common[chord::COUNT_AND_SERIES] = static_cast<std::uint8_t>((common[chord::COUNT_AND_SERIES] & chord::SERIES_BIT) | 1);
    }
    advanced::ModeTab* tab = TabOf(mode);
    if (tab == nullptr) return;
    if (const auto choice = modes::DecodeChoice(mode, common)) tab->Load(*choice);
    ui_->tabsAdvanced->setCurrentWidget(tab);
}

advanced::ModeTab* AdvancedSettingDialogViewController::TabOf(int mode) const {
    switch (mode) {
        case SIMPLE_KEY_OUTPUT: return ui_->tabKeyOutput;
        case SIMPLE_CLICK:
        case SIMPLE_DOUBLE_CLICK: return ui_->tabClick;
        case MODIFIER_PLUS_CLICK:
        case MODIFIER_PLUS_DOUBLE_CLICK: return ui_->tabModifierClick;
        case CONTINUOUS_KEY_OUTPUT: return ui_->tabRepeatKey;
        case POINTER_MOVE: return ui_->tabPointerMove;
        case WHEEL_ROTATION: return ui_->tabWheel;
        case CONTINUOUS_CLICK: return ui_->tabRepeatClick;
        case PLURAL_SIMULTANEOUS_KEY_OUTPUT: return ui_->tabPluralKeys;
        case OUTPUT_AT_CHANGE: return ui_->tabOnChange;
        default: return nullptr;
    }
}

}  // namespace tarvik
