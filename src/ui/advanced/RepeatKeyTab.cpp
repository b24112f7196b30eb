// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/RepeatKeyTab.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "ui/advanced/Accessible.h"
#include "ui/advanced/KeyPicker.h"
#include "ui/advanced/ModifierBoxes.h"
#include "ui/advanced/RepetitionBox.h"

namespace tarvik::advanced {

RepeatKeyTab::RepeatKeyTab(QWidget* parent)
    : ModeTab(parent),
      key_(new KeyPicker(this, true)),
      modifiers_(new ModifierBoxes(QStringLiteral("RK_"), tr("モディファイア"), this)),
      repetition_(new RepetitionBox(QStringLiteral("RK_"), RepetitionBox::Rate::Tenths, this)) {
    const QString keyName = tr("キー");
    Named(key_, "RK_listboxKeys", keyName);
    key_->SetUsage(4);  // a
    auto* keyRow = new QFormLayout;
    keyRow->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    keyRow->addRow(keyName, key_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(keyRow);
    layout->addWidget(modifiers_);
    layout->addWidget(repetition_);
    layout->addStretch();
    AddWriteRow(layout, QStringLiteral("RK_"));
    connect(key_, &KeyPicker::currentIndexChanged, this, &RepeatKeyTab::Follow);
    connect(modifiers_, &ModifierBoxes::changed, this, &RepeatKeyTab::Follow);
    Follow();
}

void RepeatKeyTab::Load(const modes::ModeChoice& choice) {
    const auto* repeat = std::get_if<modes::RepeatKey>(&choice);
    if (repeat == nullptr) return;
    key_->SetUsage(repeat->key.usage);
    modifiers_->SetValue(repeat->key.modifiers);
    repetition_->SetValue(repeat->rateTenths, repeat->repetition);
    Follow();
}

modes::ModeChoice RepeatKeyTab::Choice() const {
    return modes::RepeatKey{{modifiers_->Value(), key_->Usage()}, repetition_->RateValue(), repetition_->Value()};
}

void RepeatKeyTab::Follow() {
    SetWritable(key_->Usage() != 0 || modifiers_->Value() != 0, tr("キーかモディファイアを選んでください。"));
}

}  // namespace tarvik::advanced
