// SPDX-License-Identifier: GPL-3.0-or-later
// The eight modifier keys as check boxes, in the bit order of the modifier byte.
#pragma once

#include <QGroupBox>
#include <array>
#include <cstdint>

class QCheckBox;

namespace tarvik::advanced {

class ModifierBoxes : public QGroupBox {
    Q_OBJECT
public:
    // The boxes are named prefix + "checkboxLeftCtrl", … "checkboxRightWindowsKey".
    ModifierBoxes(const QString& prefix, const QString& title, QWidget* parent = nullptr);

    std::uint8_t Value() const;
    void SetValue(std::uint8_t modifiers);

signals:
    void changed();

private:
    std::array<QCheckBox*, 8> boxes_{};
};

}  // namespace tarvik::advanced
