// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced dialog's key output tab: any key of the key table with any of the eight modifier
// keys, or either alone.
#pragma once

#include <QButtonGroup>
#include <array>
#include <memory>

#include "ui/advanced/ModeTab.h"

class QCheckBox;

namespace Ui {
class KeyOutputTab;
}

namespace tarvik::advanced {

class KeyOutputTab : public ModeTab {
    Q_OBJECT
public:
    // Opens on key "a" with the ticked modifiers, no modifier ticked.
    explicit KeyOutputTab(QWidget* parent = nullptr);
    ~KeyOutputTab() override;

    void Load(const modes::ModeChoice& choice) override;
    modes::ModeChoice Choice() const override;

private:
    enum Row { KeyOnly, KeyWithModifiers, ModifiersOnly };
    std::uint8_t Modifiers() const;
    void Follow();

    std::unique_ptr<Ui::KeyOutputTab> ui_;
    QButtonGroup rows_;                  // ids are Row values
    std::array<QCheckBox*, 8> boxes_{};  // left Ctrl first: bit 0 of the modifier byte
};

}  // namespace tarvik::advanced
