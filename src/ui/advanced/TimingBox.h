// SPDX-License-Identifier: GPL-3.0-or-later
// The timing of a double click: the first click's length, the second click as long as the first
// or held until the pedal is released, and the interval between them.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>

#include "model/ModeChoice.h"

class QSpinBox;

namespace tarvik::advanced {

class TimingBox : public QGroupBox {
    Q_OBJECT
public:
    // Controls named prefix + "spinFirstMs", "radiobuttonSecondSame", "radiobuttonSecondHold",
    // "spinIntervalMs"; they open at the defaults of a double click.
    explicit TimingBox(const QString& prefix, QWidget* parent = nullptr);

    modes::DoubleClickTiming Value() const;
    void SetValue(const modes::DoubleClickTiming& timing);

private:
    QSpinBox* first_;
    QSpinBox* interval_;
    QButtonGroup second_;  // ids are the second-click codes
};

}  // namespace tarvik::advanced
