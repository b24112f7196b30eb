// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/RepeatClickTab.h"

#include <QVBoxLayout>

#include "ui/advanced/ButtonRadios.h"
#include "ui/advanced/RepetitionBox.h"

namespace tarvik::advanced {

RepeatClickTab::RepeatClickTab(QWidget* parent)
    : ModeTab(parent),
      button_(new ButtonRadios(QStringLiteral("RC_"), this)),
      repetition_(new RepetitionBox(QStringLiteral("RC_"), RepetitionBox::Rate::Tenths, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(button_);
    layout->addWidget(repetition_);
    layout->addStretch();
    AddWriteRow(layout, QStringLiteral("RC_"));
}

void RepeatClickTab::Load(const modes::ModeChoice& choice) {
    const auto* click = std::get_if<modes::RepeatClick>(&choice);
    if (click == nullptr) return;
    button_->SetValue(click->button);
    repetition_->SetValue(click->rateTenths, click->repetition);
}

modes::ModeChoice RepeatClickTab::Choice() const {
    return modes::RepeatClick{button_->Value(), repetition_->RateValue(), repetition_->Value()};
}

}  // namespace tarvik::advanced
