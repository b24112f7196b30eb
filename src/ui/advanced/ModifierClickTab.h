// SPDX-License-Identifier: GPL-3.0-or-later
// The modifier click tab: a click or a double click of one button with modifier keys held.
#pragma once

#include <QButtonGroup>

#include "ui/advanced/ModeTab.h"

class QRadioButton;

namespace tarvik::advanced {

class ButtonRadios;
class ModifierBoxes;
class TimingBox;

class ModifierClickTab : public ModeTab {
    Q_OBJECT
public:
    explicit ModifierClickTab(QWidget* parent = nullptr);

    void Load(const modes::ModeChoice& choice) override;
    modes::ModeChoice Choice() const override;

private:
    void Follow();

    ModifierBoxes* modifiers_;
    ButtonRadios* button_;
    QRadioButton* single_;
    QRadioButton* double_;
    QButtonGroup kind_;
    TimingBox* timing_;
};

}  // namespace tarvik::advanced
