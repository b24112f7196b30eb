// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/RepetitionBox.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <cmath>

#include "ui/advanced/Accessible.h"
#include "ui/advanced/RepeatCount.h"

namespace tarvik::advanced {

namespace {

constexpr int kAccelerateOpening = 10;

}  // namespace

RepetitionBox::RepetitionBox(const QString& prefix, Rate rate, QWidget* parent)
    : QGroupBox(tr("速度と繰り返し"), parent),
      unit_(rate),
      // Created in the order they are shown, which is the order Tab goes through them.
      tenths_(rate == Rate::Tenths ? new QDoubleSpinBox(this) : nullptr),
      whole_(rate == Rate::Whole ? new QSpinBox(this) : nullptr),
      repeats_(new RepeatCount(prefix, modes::REPEATS_MAX, this)),
      accelerated_(new QCheckBox(tr("加速する"), this)),
      accelerate_(new QSpinBox(this)) {
    setObjectName(prefix + "groupRepetition");
    const QString rateName = tr("速度");
    QWidget* rateBox = nullptr;
    if (rate == Rate::Tenths) {
        tenths_->setDecimals(1);
        tenths_->setRange(modes::RATE_TENTHS_MIN / 10.0, modes::RATE_TENTHS_MAX / 10.0);
        tenths_->setSingleStep(0.1);
        tenths_->setSuffix(tr(" 回/秒"));
        rateBox = Named(tenths_, prefix + "spinRate", rateName);
    } else {
        whole_->setRange(modes::WHEEL_RATE_MIN, modes::WHEEL_RATE_MAX);
        whole_->setSuffix(tr(" 回/秒"));
        rateBox = Named(whole_, prefix + "spinRate", rateName);
    }
    Named(accelerated_, prefix + "checkboxAccelerated", accelerated_->text());
    const QString indexName = tr("加速指標");
    Named(accelerate_, prefix + "spinAccelerate", indexName);
    accelerate_->setRange(modes::ACCELERATE_MIN, modes::ACCELERATE_MAX);

    auto* accelerationRow = new QHBoxLayout;
    accelerationRow->addWidget(accelerated_);
    auto* indexLabel = new QLabel(indexName, this);
    indexLabel->setBuddy(accelerate_);
    accelerationRow->addWidget(indexLabel);
    accelerationRow->addWidget(accelerate_);
    accelerationRow->addStretch();
    auto* form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(rateName, rateBox);
    form->addRow(tr("繰り返し"), repeats_);
    form->addRow(tr("加速"), accelerationRow);
    connect(accelerated_, &QCheckBox::toggled, this, &RepetitionBox::Follow);
    SetValue(rate == Rate::Tenths ? modes::RATE_TENTHS_DEFAULT : modes::WHEEL_RATE_DEFAULT, {});
}

std::uint16_t RepetitionBox::RateValue() const {
    if (unit_ == Rate::Whole) return static_cast<std::uint16_t>(whole_->value());
    return static_cast<std::uint16_t>(std::lround(tenths_->value() * 10));
}

modes::Repetition RepetitionBox::Value() const {
    modes::Repetition r;
    r.repeats = static_cast<std::uint16_t>(repeats_->Value());
    if (accelerated_->isChecked()) r.accelerate = static_cast<std::uint16_t>(accelerate_->value());
    return r;
}

void RepetitionBox::SetValue(std::uint16_t rate, const modes::Repetition& repetition) {
    if (unit_ == Rate::Whole) {
        whole_->setValue(rate);
    } else {
        tenths_->setValue(rate / 10.0);
    }
    repeats_->SetValue(repetition.repeats);
    accelerated_->setChecked(repetition.accelerate.has_value());
    accelerate_->setValue(repetition.accelerate.value_or(kAccelerateOpening));
    Follow();
}

void RepetitionBox::Follow() { accelerate_->setEnabled(accelerated_->isChecked()); }

}  // namespace tarvik::advanced
