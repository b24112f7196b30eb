// SPDX-License-Identifier: GPL-3.0-or-later
// A pair of up/down arrow buttons that step an integer, kept apart from the text box it serves so
// each can be set on its own. Setting the value from code is silent; only a step by the user (or
// stepBy) emits valueChanged.
#pragma once

#include <QWidget>

class QToolButton;

namespace tarvik::advanced {

class Stepper : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue)
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(int singleStep READ singleStep WRITE setSingleStep)
public:
    explicit Stepper(QWidget* parent = nullptr);

    int value() const { return value_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int singleStep() const { return singleStep_; }

    // Clamped to the range; emits nothing.
    void setValue(int value);
    void setMinimum(int minimum);
    void setMaximum(int maximum);
    void setRange(int minimum, int maximum);
    void setSingleStep(int step);

    // A step by the user: `steps` × singleStep, clamped; emits valueChanged when the value moves.
    void stepBy(int steps);

    QSize sizeHint() const override;

signals:
    void valueChanged(int value);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void UpdateButtons();

    QToolButton* up_;
    QToolButton* down_;
    int value_ = 0;
    int minimum_ = 0;
    int maximum_ = 99;
    int singleStep_ = 1;
};

}  // namespace tarvik::advanced
