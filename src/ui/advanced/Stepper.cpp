// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/Stepper.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

namespace tarvik::advanced {

namespace {
// Two arrows as tall together as a one-line text box beside them.
constexpr int kButtonWidth = 18;
constexpr int kButtonHeight = 13;
}  // namespace

Stepper::Stepper(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    up_->setObjectName("up");
    down_->setObjectName("down");
    up_->setAccessibleName(tr("増やす"));
    down_->setAccessibleName(tr("減らす"));
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(kButtonWidth, kButtonHeight);
        layout->addWidget(button);
    }
    connect(up_, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(down_, &QToolButton::clicked, this, [this] { stepBy(-1); });
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    UpdateButtons();
}

void Stepper::setValue(int value) {
    value_ = std::clamp(value, minimum_, maximum_);
    UpdateButtons();
}

void Stepper::setMinimum(int minimum) { setRange(minimum, std::max(minimum, maximum_)); }
void Stepper::setMaximum(int maximum) { setRange(std::min(minimum_, maximum), maximum); }

void Stepper::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    setValue(value_);
}

void Stepper::setSingleStep(int step) { singleStep_ = std::max(1, step); }

void Stepper::stepBy(int steps) {
    // In 64 bits, so a large step near the ends of int cannot overflow.
    const long long target = static_cast<long long>(value_) + static_cast<long long>(steps) * singleStep_;
    const int next = static_cast<int>(std::clamp<long long>(target, minimum_, maximum_));
    if (next == value_) return;
    value_ = next;
    UpdateButtons();
    emit valueChanged(value_);
}

QSize Stepper::sizeHint() const { return {kButtonWidth, 2 * kButtonHeight}; }

void Stepper::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up: stepBy(1); break;
    case Qt::Key_Down: stepBy(-1); break;
    case Qt::Key_PageUp: stepBy(10); break;
    case Qt::Key_PageDown: stepBy(-10); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void Stepper::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0 || !isEnabled()) {
        event->ignore();
        return;
    }
    stepBy(delta > 0 ? 1 : -1);
    event->accept();
}

void Stepper::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) UpdateButtons();
    QWidget::changeEvent(event);
}

void Stepper::UpdateButtons() {
    up_->setEnabled(isEnabled() && value_ < maximum_);
    down_->setEnabled(isEnabled() && value_ > minimum_);
}

}  // namespace tarvik::advanced
