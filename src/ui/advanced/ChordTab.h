// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced dialog's multi-chord tab: one chord of up to six keys with modifiers, its on and off
// times and its repeats. A setting of several chords is listed as the unit holds it; only one
// chord can be written, since no command writes the chords after the first.
#pragma once

#include <QButtonGroup>
#include <array>
#include <string>
#include <vector>

#include "ui/advanced/ModeTab.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QRadioButton;
class QSpinBox;

namespace tarvik::advanced {

class KeyPicker;
class ModifierBoxes;
class RepeatCount;

class ChordTab : public ModeTab {
    Q_OBJECT
public:
    explicit ChordTab(QWidget* parent = nullptr);

    void Load(const modes::ModeChoice& choice) override;
    modes::ModeChoice Choice() const override;
    // Lists the chords the unit holds, one line each; with two or more, says that only one is written.
    void ShowUnitChords(const std::vector<std::string>& lines);

private:
    void Follow();

    QGroupBox* unitGroup_;
    QListWidget* unitChords_;
    QLabel* several_;
    QSpinBox* on_;
    QSpinBox* off_;
    RepeatCount* repeats_;
    QRadioButton* byChord_;
    QRadioButton* bySeries_;
    QButtonGroup unit_;
    ModifierBoxes* modifiers_;
    std::array<KeyPicker*, modes::CHORD_KEYS_MAX> keys_{};
};

}  // namespace tarvik::advanced
