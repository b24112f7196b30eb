// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/TimingBox.h"

#include <QFormLayout>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/advanced/Accessible.h"

namespace tarvik::advanced {

namespace {

QSpinBox* MillisecondBox(QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(modes::CLICK_MS_MIN, modes::CLICK_MS_MAX);
    box->setSuffix(QStringLiteral(" ms"));
    return box;
}

}  // namespace

TimingBox::TimingBox(const QString& prefix, QWidget* parent)
    : QGroupBox(tr("ダブルクリックのタイミング"), parent), first_(MillisecondBox(this)), interval_(MillisecondBox(this)) {
    setObjectName(prefix + "groupTiming");
    const QString firstName = tr("１番目のクリックの長さ");
    const QString intervalName = tr("クリックの間の長さ");
    Named(first_, prefix + "spinFirstMs", firstName);
    Named(interval_, prefix + "spinIntervalMs", intervalName);
    const QString same = tr("１番目のクリックと同じ");
    const QString hold = tr("ペダルを離すまで");
    auto* sameRadio = Named(new QRadioButton(same, this), prefix + "radiobuttonSecondSame", same);
    auto* holdRadio = Named(new QRadioButton(hold, this), prefix + "radiobuttonSecondHold", hold);
    second_.addButton(sameRadio, kSecondClicks[0].code);
    second_.addButton(holdRadio, kSecondClicks[1].code);
    auto* secondColumn = new QVBoxLayout;
    secondColumn->addWidget(sameRadio);
    secondColumn->addWidget(holdRadio);

    auto* form = new QFormLayout(this);

    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(firstName, first_);
    form->addRow(tr("２番目のクリックの長さ"), secondColumn);
    form->addRow(intervalName, interval_);
    SetValue({});
}

modes::DoubleClickTiming TimingBox::Value() const {
    return {static_cast<std::uint8_t>(first_->value()), static_cast<std::uint8_t>(second_.checkedId()),
            static_cast<std::uint8_t>(interval_->value())};
}

void TimingBox::SetValue(const modes::DoubleClickTiming& timing) {
    first_->setValue(timing.firstMs);
    interval_->setValue(timing.intervalMs);
    // The unit takes any other second-click code as "same".
    QAbstractButton* second = second_.button(timing.second);
    (second != nullptr ? second : second_.button(kSecondClicks[0].code))->setChecked(true);
}

}  // namespace tarvik::advanced
