// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/ClickTab.h"

#include "model/Texts.h"
#include "ui/advanced/TimingBox.h"
#include "ui_ClickTab.h"

namespace tarvik::advanced {

namespace {

constexpr int kDouble = 0x10;  // above every button code

}  // namespace

ClickTab::ClickTab(QWidget* parent)
    : ModeTab(parent), ui_(std::make_unique<Ui::ClickTab>()), timing_(new TimingBox(QStringLiteral("C_"), this)) {
    ui_->setupUi(this);
    AdoptWriteRow(ui_->C_buttonOK, ui_->C_okRow, QStringLiteral("C_"));
    ui_->C_radiobuttonLeftClick->setText(QString::fromStdString(text::Tr(text::LeftClick)));
    ui_->C_radiobuttonRightClick->setText(QString::fromStdString(text::Tr(text::RightClick)));
    ui_->C_radiobuttonCenterClick->setText(QString::fromStdString(text::Tr(text::CenterClick)));
    ui_->C_layout->insertWidget(ui_->C_layout->indexOf(ui_->C_groupPlural) + 1, timing_);

    radios_.addButton(ui_->C_radiobuttonLeftClick, BUTTON_LEFT);
    radios_.addButton(ui_->C_radiobuttonRightClick, BUTTON_RIGHT);
    radios_.addButton(ui_->C_radiobuttonCenterClick, BUTTON_MIDDLE);
    radios_.addButton(ui_->C_radiobuttonLeftDoubleClick, kDouble | BUTTON_LEFT);
    radios_.addButton(ui_->C_radiobuttonRightDoubleClick, kDouble | BUTTON_RIGHT);
    radios_.addButton(ui_->C_radiobuttonCenterDoubleClick, kDouble | BUTTON_MIDDLE);
    ui_->C_radiobuttonLeftClick->setChecked(true);

    connect(ui_->C_checkboxPluralButtonSimultaneousClick, &QAbstractButton::toggled, this,
            &ClickTab::Change_C_control_VisibleEnabled);
    for (QCheckBox* box : {ui_->C_checkboxLeftClick, ui_->C_checkboxRightClick, ui_->C_checkboxCenterClick})
        connect(box, &QAbstractButton::toggled, this, &ClickTab::Change_C_control_VisibleEnabled);
    connect(&radios_, &QButtonGroup::buttonToggled, this, &ClickTab::Change_C_control_VisibleEnabled);
    Change_C_control_VisibleEnabled();
}

ClickTab::~ClickTab() = default;

void ClickTab::Load(const modes::ModeChoice& choice) {
    if (const auto* click = std::get_if<modes::Click>(&choice)) {
        const bool several = !IsSingleButton(click->buttons);
        ui_->C_checkboxPluralButtonSimultaneousClick->setChecked(several);
        ui_->C_checkboxLeftClick->setChecked(several && (click->buttons & BUTTON_LEFT) != 0);
        ui_->C_checkboxRightClick->setChecked(several && (click->buttons & BUTTON_RIGHT) != 0);
        ui_->C_checkboxCenterClick->setChecked(several && (click->buttons & BUTTON_MIDDLE) != 0);
        radios_.button(several ? BUTTON_LEFT : click->buttons)->setChecked(true);
    } else if (const auto* twice = std::get_if<modes::DoubleClick>(&choice)) {
        ui_->C_checkboxPluralButtonSimultaneousClick->setChecked(false);
        if (QAbstractButton* radio = radios_.button(kDouble | twice->button)) radio->setChecked(true);
        timing_->SetValue(twice->timing);
    }
    Change_C_control_VisibleEnabled();
}

std::uint8_t ClickTab::Boxes() const {
    return static_cast<std::uint8_t>((ui_->C_checkboxLeftClick->isChecked() ? BUTTON_LEFT : 0) |
                                     (ui_->C_checkboxRightClick->isChecked() ? BUTTON_RIGHT : 0) |
                                     (ui_->C_checkboxCenterClick->isChecked() ? BUTTON_MIDDLE : 0));
}

modes::ModeChoice ClickTab::Choice() const {
    if (ui_->C_checkboxPluralButtonSimultaneousClick->isChecked()) return modes::Click{Boxes()};
    const int id = radios_.checkedId();
    const auto button = static_cast<std::uint8_t>(id & ALL_BUTTONS);
    if ((id & kDouble) != 0) return modes::DoubleClick{button, timing_->Value()};
    return modes::Click{button};
}

void ClickTab::Change_C_control_VisibleEnabled() {
    const bool plural = ui_->C_checkboxPluralButtonSimultaneousClick->isChecked();
    for (QWidget* box : {ui_->C_checkboxLeftClick, ui_->C_checkboxRightClick, ui_->C_checkboxCenterClick})
        box->setEnabled(plural);
    for (QAbstractButton* radio : radios_.buttons()) radio->setEnabled(!plural);
    timing_->setEnabled(!plural && (radios_.checkedId() & kDouble) != 0);
    SetWritable(!plural || Boxes() != 0, tr("同時にクリックするボタンを選んでください。"));
}

}  // namespace tarvik::advanced
