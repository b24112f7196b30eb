// SPDX-License-Identifier: GPL-3.0-or-later
// The wheel tab: the wheel turning forward or backward, at a rate, until release or a set number of
// times, steadily or accelerating.
#pragma once

#include <QButtonGroup>

#include "ui/advanced/ModeTab.h"

namespace tarvik::advanced {

class RepetitionBox;

class WheelTab : public ModeTab {
    Q_OBJECT
public:
    explicit WheelTab(QWidget* parent = nullptr);

    void Load(const modes::ModeChoice& choice) override;
    modes::ModeChoice Choice() const override;

private:
    QButtonGroup direction_;  // ids are the wheel direction codes
    RepetitionBox* repetition_ = nullptr;
};

}  // namespace tarvik::advanced
