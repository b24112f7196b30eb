// SPDX-License-Identifier: GPL-3.0-or-later
// The rate, repeat count and acceleration of the repeating outputs (keys, wheel, clicks).
#pragma once

#include <QGroupBox>
#include <cstdint>

#include "model/ModeChoice.h"

class QAbstractSpinBox;
class QCheckBox;
class QDoubleSpinBox;
class QSpinBox;

namespace tarvik::advanced {

class RepeatCount;

class RepetitionBox : public QGroupBox {
    Q_OBJECT
public:
    // A rate in tenths (repeated keys and clicks: 0.1 to 6553.5 a second) or in whole numbers
    // (the wheel). Controls named prefix + "spinRate", the RepeatCount ones, "checkboxAccelerated"
    // and "spinAccelerate".
    enum class Rate { Tenths, Whole };
    RepetitionBox(const QString& prefix, Rate rate, QWidget* parent = nullptr);

    // The rate as the record holds it: tenths, or whole numbers.
    std::uint16_t RateValue() const;
    modes::Repetition Value() const;
    void SetValue(std::uint16_t rate, const modes::Repetition& repetition);

private:
    void Follow();

    const Rate unit_;
    QDoubleSpinBox* tenths_;
    QSpinBox* whole_;
    RepeatCount* repeats_;
    QCheckBox* accelerated_;
    QSpinBox* accelerate_;
};

}  // namespace tarvik::advanced
