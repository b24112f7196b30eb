// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/ClickTab.h"

#include "model/Texts.h"
#include "ui_ClickTab.h"

namespace tarvik::advanced {

ClickTab::ClickTab(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::ClickTab>()) {
    ui_->setupUi(this);
    ui_->C_buttonOK->setText(QString::fromUtf8(text::WriteButton));
    ui_->C_radiobuttonLeftClick->setText(QString::fromUtf8(text::LeftClick));
    ui_->C_radiobuttonRightClick->setText(QString::fromUtf8(text::RightClick));
    ui_->C_radiobuttonCenterClick->setText(QString::fromUtf8(text::CenterClick));

    radios_.addButton(ui_->C_radiobuttonLeftClick, int(ClickRadio::Left));
    radios_.addButton(ui_->C_radiobuttonRightClick, int(ClickRadio::Right));
    radios_.addButton(ui_->C_radiobuttonCenterClick, int(ClickRadio::Center));
    radios_.addButton(ui_->C_radiobuttonLeftDoubleClick, int(ClickRadio::LeftDouble));
    radios_.addButton(ui_->C_radiobuttonRightDoubleClick, int(ClickRadio::RightDouble));
    radios_.addButton(ui_->C_radiobuttonCenterDoubleClick, int(ClickRadio::CenterDouble));

    connect(ui_->C_checkboxPluralButtonSimultaneousClick, &QAbstractButton::toggled, this,
            &ClickTab::Change_C_control_VisibleEnabled);
    connect(ui_->C_buttonOK, &QAbstractButton::clicked, this, &ClickTab::okPressed);
}

ClickTab::~ClickTab() = default;

void ClickTab::Load(const ClickTabState& tab) {
    ui_->C_checkboxPluralButtonSimultaneousClick->setChecked(tab.plural);
    if (tab.leftBox) ui_->C_checkboxLeftClick->setChecked(true);
    if (tab.rightBox) ui_->C_checkboxRightClick->setChecked(true);
    if (tab.centerBox) ui_->C_checkboxCenterClick->setChecked(true);
    if (tab.radio) radios_.button(int(*tab.radio))->setChecked(true);
    Change_C_control_VisibleEnabled();
}

ClickTabState ClickTab::Choice() const {
    ClickTabState tab;
    tab.plural = ui_->C_checkboxPluralButtonSimultaneousClick->isChecked();
    tab.leftBox = ui_->C_checkboxLeftClick->isChecked();
    tab.rightBox = ui_->C_checkboxRightClick->isChecked();
    tab.centerBox = ui_->C_checkboxCenterClick->isChecked();
    if (const int id = radios_.checkedId(); id >= 0) tab.radio = ClickRadio(id);
    return tab;
}

void ClickTab::Change_C_control_VisibleEnabled() {
    const bool plural = ui_->C_checkboxPluralButtonSimultaneousClick->isChecked();
    for (QWidget* box : {ui_->C_checkboxLeftClick, ui_->C_checkboxRightClick, ui_->C_checkboxCenterClick})
        box->setEnabled(plural);
    for (QAbstractButton* radio : radios_.buttons()) radio->setEnabled(!plural);
}

}  // namespace tarvik::advanced
