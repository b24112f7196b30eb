// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/WheelTab.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/advanced/Accessible.h"
#include "ui/advanced/RepetitionBox.h"

namespace tarvik::advanced {

WheelTab::WheelTab(QWidget* parent)
    : ModeTab(parent) {
    auto* directions = new QGroupBox(tr("回転方向"), this);
    directions->setObjectName("WH_groupDirection");
    auto* row = new QHBoxLayout(directions);
    const std::pair<const char*, QString> radios[] = {{"WH_radiobuttonForward", tr("前方")},
                                                      {"WH_radiobuttonBackward", tr("後方")}};
    for (std::size_t i = 0; i < kWheelDirections.size(); ++i) {
        auto* radio = Named(new QRadioButton(radios[i].second, directions), radios[i].first, radios[i].second);
        direction_.addButton(radio, kWheelDirections[i].code);
        row->addWidget(radio);
    }
    row->addStretch();
    direction_.button(kWheelDirections[0].code)->setChecked(true);
    // Made after the direction, so that Tab reaches it after the direction.
    repetition_ = new RepetitionBox(QStringLiteral("WH_"), RepetitionBox::Rate::Whole, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(directions);
    layout->addWidget(repetition_);
    layout->addStretch();
    AddWriteRow(layout, QStringLiteral("WH_"));
}

void WheelTab::Load(const modes::ModeChoice& choice) {
    const auto* wheel = std::get_if<modes::Wheel>(&choice);
    if (wheel == nullptr) return;
    if (QAbstractButton* radio = direction_.button(wheel->direction)) radio->setChecked(true);
    repetition_->SetValue(wheel->rate, wheel->repetition);
}

modes::ModeChoice WheelTab::Choice() const {
    return modes::Wheel{static_cast<std::uint8_t>(direction_.checkedId()), repetition_->RateValue(),
                        repetition_->Value()};
}

}  // namespace tarvik::advanced
