// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/RepeatCount.h"

#include <QHBoxLayout>
#include <QRadioButton>
#include <QSpinBox>

#include "model/ProtocolConstants.h"
#include "ui/advanced/Accessible.h"

namespace tarvik::advanced {

RepeatCount::RepeatCount(const QString& prefix, int most, QWidget* parent)
    : QWidget(parent),
      untilRelease_(new QRadioButton(tr("ペダルを離すまで"), this)),
      setNumber_(new QRadioButton(tr("回数を指定"), this)),
      count_(new QSpinBox(this)) {
    Named(untilRelease_, prefix + "radiobuttonUntilRelease", untilRelease_->text());
    Named(setNumber_, prefix + "radiobuttonSetNumber", setNumber_->text());
    Named(count_, prefix + "spinRepeats", tr("繰り返し数"));
    count_->setRange(1, most);
    count_->setSuffix(tr(" 回"));
    group_.addButton(untilRelease_);
    group_.addButton(setNumber_);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(untilRelease_);
    row->addWidget(setNumber_);
    row->addWidget(count_);
    row->addStretch();
    connect(&group_, &QButtonGroup::buttonToggled, this, &RepeatCount::Follow);
    connect(count_, &QSpinBox::valueChanged, this, &RepeatCount::changed);
    SetValue(0);
}

int RepeatCount::Value() const { return setNumber_->isChecked() ? count_->value() : 0; }

bool RepeatCount::SetNumber() const { return setNumber_->isChecked(); }

void RepeatCount::SetValue(int repeats) {
    (repeats == 0 ? untilRelease_ : setNumber_)->setChecked(true);
    count_->setValue(repeats == 0 ? DEFAULT_NUMBER_OF_REPEATS : repeats);
    Follow();
}

void RepeatCount::Follow() {
    count_->setEnabled(setNumber_->isChecked());
    emit changed();
}

}  // namespace tarvik::advanced
