// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced dialog's key output tab: a key with any of the eight modifier keys, or either alone.
#pragma once

#include <QButtonGroup>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

class QCheckBox;

namespace Ui {
class KeyOutputTab;
}

namespace tarvik::advanced {

struct KeyOutputChoice {
    int row = -1;                // KO_ROW_…, -1 for none
    std::uint8_t modifiers = 0;  // the ticked boxes in the bit order of the modifier byte
    int keyListIndex = -1;
};

class KeyOutputTab : public QWidget {
    Q_OBJECT
public:
    // Opens on the key with the ticked modifiers, key "a", no modifier ticked.
    explicit KeyOutputTab(QWidget* parent = nullptr);
    ~KeyOutputTab() override;

    // The controls as they stand: read once, when the tab's OK is pressed.
    KeyOutputChoice Choice() const;

signals:
    void okPressed();

private:
    std::unique_ptr<Ui::KeyOutputTab> ui_;
    QButtonGroup rows_;                  // ids are the KO_ROW_… rows
    std::array<QCheckBox*, 8> boxes_{};  // left Ctrl first: bit 0 of the modifier byte
};

}  // namespace tarvik::advanced
