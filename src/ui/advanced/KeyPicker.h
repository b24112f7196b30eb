// SPDX-License-Identifier: GPL-3.0-or-later
// Every key of the key table in one list, found by typing any part of its name.
#pragma once

#include <QComboBox>
#include <cstdint>

namespace tarvik::advanced {

class KeyPicker : public QComboBox {
    Q_OBJECT
public:
    // With `offerNone` the list starts with "なし" (usage 0).
    explicit KeyPicker(QWidget* parent = nullptr, bool offerNone = false);

    // The usage ID of the key named in the box, else of the key chosen before; 0 for none.
    std::uint8_t Usage() const;
    // A usage ID the list does not hold chooses the first entry.
    void SetUsage(std::uint8_t usage);
};

}  // namespace tarvik::advanced
