// SPDX-License-Identifier: GPL-3.0-or-later
// The repeated key tab: a key with modifiers, or modifiers alone, struck again and again.
#pragma once

#include "ui/advanced/ModeTab.h"

namespace tarvik::advanced {

class KeyPicker;
class ModifierBoxes;
class RepetitionBox;

class RepeatKeyTab : public ModeTab {
    Q_OBJECT
public:
    explicit RepeatKeyTab(QWidget* parent = nullptr);

    void Load(const modes::ModeChoice& choice) override;
    modes::ModeChoice Choice() const override;

private:
    void Follow();

    KeyPicker* key_;
    ModifierBoxes* modifiers_;
    RepetitionBox* repetition_;
};

}  // namespace tarvik::advanced
