// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/KeyOutputTab.h"

#include "ui_KeyOutputTab.h"

namespace tarvik::advanced {

KeyOutputTab::KeyOutputTab(QWidget* parent) : ModeTab(parent), ui_(std::make_unique<Ui::KeyOutputTab>()) {
    ui_->setupUi(this);
    AdoptWriteRow(ui_->KO_buttonOK, ui_->KO_okRow, QStringLiteral("KO_"));
    ui_->KO_listboxKeys->setAccessibleName(ui_->KO_labelKey->text());
    ui_->KO_labelKey->setBuddy(ui_->KO_listboxKeys);
    rows_.addButton(ui_->KO_radioKeyOnly, KeyOnly);
    rows_.addButton(ui_->KO_radioKeyWithModifiers, KeyWithModifiers);
    rows_.addButton(ui_->KO_radioModifiersOnly, ModifiersOnly);
    boxes_ = {ui_->KO_checkboxLeftCtrl,  ui_->KO_checkboxLeftShift,  ui_->KO_checkboxLeftAlt,
              ui_->KO_checkboxLeftWindowsKey, ui_->KO_checkboxRightCtrl, ui_->KO_checkboxRightShift,
              ui_->KO_checkboxRightAlt, ui_->KO_checkboxRightWindowsKey};

    ui_->KO_radioKeyWithModifiers->setChecked(true);
    ui_->KO_listboxKeys->SetUsage(4);  // a
    connect(&rows_, &QButtonGroup::buttonToggled, this, &KeyOutputTab::Follow);
    for (QCheckBox* box : boxes_) connect(box, &QCheckBox::toggled, this, &KeyOutputTab::Follow);
    Follow();
}

KeyOutputTab::~KeyOutputTab() = default;

void KeyOutputTab::Load(const modes::ModeChoice& choice) {
    const auto* key = std::get_if<modes::KeyOutput>(&choice);
    if (key == nullptr) return;
    for (std::size_t bit = 0; bit < boxes_.size(); ++bit) boxes_[bit]->setChecked((key->modifiers >> bit & 1u) != 0);
    if (key->usage != 0) ui_->KO_listboxKeys->SetUsage(key->usage);
    const Row row = key->usage == 0 ? ModifiersOnly : key->modifiers == 0 ? KeyOnly : KeyWithModifiers;
    rows_.button(row)->setChecked(true);
    Follow();
}

std::uint8_t KeyOutputTab::Modifiers() const {
    std::uint8_t modifiers = 0;
    for (std::size_t bit = 0; bit < boxes_.size(); ++bit)
        if (boxes_[bit]->isChecked()) modifiers = static_cast<std::uint8_t>(modifiers | 1u << bit);
    return modifiers;
}

modes::ModeChoice KeyOutputTab::Choice() const {
    const int row = rows_.checkedId();
    return modes::KeyOutput{row == KeyOnly ? std::uint8_t{0} : Modifiers(),
                            row == ModifiersOnly ? std::uint8_t{0} : ui_->KO_listboxKeys->Usage()};
}

void KeyOutputTab::Follow() {
    const int row = rows_.checkedId();
    ui_->KO_listboxKeys->setEnabled(row != ModifiersOnly);
    ui_->KO_groupModifiers->setEnabled(row != KeyOnly);
    SetWritable(row != ModifiersOnly || Modifiers() != 0, tr("モディファイアを1つ以上選んでください。"));
}

}  // namespace tarvik::advanced
