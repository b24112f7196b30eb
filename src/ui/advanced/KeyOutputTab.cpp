// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/KeyOutputTab.h"

#include "model/Texts.h"
#include "ui/advanced/KeyOutputEncoding.h"
#include "ui_KeyOutputTab.h"

namespace tarvik::advanced {

KeyOutputTab::KeyOutputTab(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::KeyOutputTab>()) {
    ui_->setupUi(this);
    ui_->KO_buttonOK->setText(QString::fromUtf8(text::WriteButton));
    rows_.addButton(ui_->KO_radioKeyOnly, KO_ROW_KEY_ONLY);
    rows_.addButton(ui_->KO_radioKeyWithModifiers, KO_ROW_KEY_WITH_MODIFIERS);
    rows_.addButton(ui_->KO_radioModifiersOnly, KO_ROW_MODIFIERS_ONLY);
    boxes_ = {ui_->KO_checkboxLeftCtrl,  ui_->KO_checkboxLeftShift,  ui_->KO_checkboxLeftAlt,
              ui_->KO_checkboxLeftWindowsKey, ui_->KO_checkboxRightCtrl, ui_->KO_checkboxRightShift,
              ui_->KO_checkboxRightAlt, ui_->KO_checkboxRightWindowsKey};

    ui_->KO_radioKeyWithModifiers->setChecked(true);
    ui_->KO_listboxKeys->setCurrentIndex(0);
    connect(ui_->KO_buttonOK, &QAbstractButton::clicked, this, &KeyOutputTab::okPressed);
}

KeyOutputTab::~KeyOutputTab() = default;

KeyOutputChoice KeyOutputTab::Choice() const {
    KeyOutputChoice choice;
    choice.row = rows_.checkedId();
    for (std::size_t bit = 0; bit < boxes_.size(); ++bit)
        if (boxes_[bit]->isChecked()) choice.modifiers |= static_cast<std::uint8_t>(1u << bit);
    choice.keyListIndex = ui_->KO_listboxKeys->currentIndex();
    return choice;
}

}  // namespace tarvik::advanced
