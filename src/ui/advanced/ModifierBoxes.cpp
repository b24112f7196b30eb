// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/ModifierBoxes.h"

#include <QCheckBox>
#include <QGridLayout>

#include "ui/advanced/Accessible.h"

namespace tarvik::advanced {

ModifierBoxes::ModifierBoxes(const QString& prefix, const QString& title, QWidget* parent) : QGroupBox(title, parent) {
    setObjectName(prefix + "groupModifiers");
    const std::array<std::pair<const char*, QString>, 8> boxes{{
        {"checkboxLeftCtrl", tr("左 Ctrl")},
        {"checkboxLeftShift", tr("左 Shift")},
        {"checkboxLeftAlt", tr("左 Alt")},
        {"checkboxLeftWindowsKey", tr("左 Windows / Super")},
        {"checkboxRightCtrl", tr("右 Ctrl")},
        {"checkboxRightShift", tr("右 Shift")},
        {"checkboxRightAlt", tr("右 Alt")},
        {"checkboxRightWindowsKey", tr("右 Windows / Super")},
    }};
    auto* grid = new QGridLayout(this);
    for (std::size_t bit = 0; bit < boxes.size(); ++bit) {
        auto* box = new QCheckBox(boxes[bit].second, this);
        Named(box, prefix + QLatin1String(boxes[bit].first), boxes[bit].second);
        // Left hand in the first row, right hand below it.
        grid->addWidget(box, int(bit / 4), int(bit % 4));
        connect(box, &QCheckBox::toggled, this, &ModifierBoxes::changed);
        boxes_[bit] = box;
    }
}

std::uint8_t ModifierBoxes::Value() const {
    std::uint8_t modifiers = 0;
    for (std::size_t bit = 0; bit < boxes_.size(); ++bit)
        if (boxes_[bit]->isChecked()) modifiers = static_cast<std::uint8_t>(modifiers | 1u << bit);
    return modifiers;
}

void ModifierBoxes::SetValue(std::uint8_t modifiers) {
    for (std::size_t bit = 0; bit < boxes_.size(); ++bit) boxes_[bit]->setChecked((modifiers >> bit & 1u) != 0);
}

}  // namespace tarvik::advanced
