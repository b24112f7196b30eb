// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/ModifierClickTab.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/advanced/Accessible.h"
#include "ui/advanced/ButtonRadios.h"
#include "ui/advanced/ModifierBoxes.h"
#include "ui/advanced/TimingBox.h"

namespace tarvik::advanced {

ModifierClickTab::ModifierClickTab(QWidget* parent)
    : ModeTab(parent),
      modifiers_(new ModifierBoxes(QStringLiteral("MC_"), tr("押しておくモディファイア"), this)),
      button_(new ButtonRadios(QStringLiteral("MC_"), this)),
      single_(new QRadioButton(tr("クリック"))),
      double_(new QRadioButton(tr("ダブルクリック"))),
      timing_(new TimingBox(QStringLiteral("MC_"), this)) {
    Named(single_, "MC_radiobuttonSingle", single_->text());
    Named(double_, "MC_radiobuttonDouble", double_->text());
    kind_.addButton(single_);
    kind_.addButton(double_);
    single_->setChecked(true);
    auto* kinds = new QGroupBox(tr("クリックの種類"), this);
    kinds->setObjectName("MC_groupKind");
    auto* kindRow = new QHBoxLayout(kinds);
    kindRow->addWidget(single_);
    kindRow->addWidget(double_);
    kindRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(modifiers_);
    layout->addWidget(button_);
    layout->addWidget(kinds);
    layout->addWidget(timing_);
    layout->addStretch();
    AddWriteRow(layout, QStringLiteral("MC_"));
    connect(modifiers_, &ModifierBoxes::changed, this, &ModifierClickTab::Follow);
    connect(&kind_, &QButtonGroup::buttonToggled, this, &ModifierClickTab::Follow);
    Follow();
}

void ModifierClickTab::Load(const modes::ModeChoice& choice) {
    if (const auto* click = std::get_if<modes::ModifierClick>(&choice)) {
        modifiers_->SetValue(click->modifiers);
        button_->SetValue(click->button);
        single_->setChecked(true);
    } else if (const auto* twice = std::get_if<modes::ModifierDoubleClick>(&choice)) {
        modifiers_->SetValue(twice->modifiers);
        button_->SetValue(twice->button);
        timing_->SetValue(twice->timing);
        double_->setChecked(true);
    }
    Follow();
}

modes::ModeChoice ModifierClickTab::Choice() const {
    if (single_->isChecked()) return modes::ModifierClick{modifiers_->Value(), button_->Value()};
    return modes::ModifierDoubleClick{modifiers_->Value(), button_->Value(), timing_->Value()};
}

void ModifierClickTab::Follow() {
    timing_->setEnabled(double_->isChecked());
    SetWritable(modifiers_->Value() != 0, tr("モディファイアを1つ以上選んでください。"));
}

}  // namespace tarvik::advanced
