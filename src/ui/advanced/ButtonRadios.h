// SPDX-License-Identifier: GPL-3.0-or-later
// One mouse button of three, as radio buttons: left, right, middle.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <cstdint>

namespace tarvik::advanced {

class ButtonRadios : public QGroupBox {
    Q_OBJECT
public:
    // The radios are named prefix + "radiobuttonLeft", "radiobuttonRight", "radiobuttonCenter".
    explicit ButtonRadios(const QString& prefix, QWidget* parent = nullptr);

    // The button code: 1 left, 2 right, 4 middle.
    std::uint8_t Value() const;
    // A code that is no single button chooses the left one.
    void SetValue(std::uint8_t button);

private:
    QButtonGroup group_;
};

}  // namespace tarvik::advanced
