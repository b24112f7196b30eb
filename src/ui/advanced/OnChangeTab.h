// SPDX-License-Identifier: GPL-3.0-or-later
// The on-change tab: one output when the pedal goes down and another when it comes up, each a key
// with modifiers, or nothing.
#pragma once

#include <optional>

#include "ui/advanced/ModeTab.h"

class QCheckBox;

namespace tarvik::advanced {

class KeyPicker;
class ModifierBoxes;

class OnChangeTab : public ModeTab {
    Q_OBJECT
public:
    explicit OnChangeTab(QWidget* parent = nullptr);

    void Load(const modes::ModeChoice& choice) override;
    modes::ModeChoice Choice() const override;

private:
    struct Output {
        QCheckBox* on;
        KeyPicker* key;
        ModifierBoxes* modifiers;
    };
    Output MakeOutput(const QString& prefix, const QString& title, QLayout* into);
    static void Show(const Output& output, const std::optional<modes::KeyOutput>& value);
    static std::optional<modes::KeyOutput> Read(const Output& output);
    static void Follow(const Output& output);

    Output press_;
    Output release_;
};

}  // namespace tarvik::advanced
