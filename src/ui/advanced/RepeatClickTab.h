// SPDX-License-Identifier: GPL-3.0-or-later
// The repeated click tab: one button clicked again and again.
#pragma once

#include "ui/advanced/ModeTab.h"

namespace tarvik::advanced {

class ButtonRadios;
class RepetitionBox;

class RepeatClickTab : public ModeTab {
    Q_OBJECT
public:
    explicit RepeatClickTab(QWidget* parent = nullptr);

    void Load(const modes::ModeChoice& choice) override;
    modes::ModeChoice Choice() const override;

private:
    ButtonRadios* button_;
    RepetitionBox* repetition_;
};

}  // namespace tarvik::advanced
