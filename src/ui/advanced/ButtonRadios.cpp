// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/ButtonRadios.h"

#include <QHBoxLayout>
#include <QRadioButton>

#include "model/OutputCodes.h"
#include "ui/advanced/Accessible.h"

namespace tarvik::advanced {

ButtonRadios::ButtonRadios(const QString& prefix, QWidget* parent) : QGroupBox(tr("ボタン"), parent) {
    setObjectName(prefix + "groupButton");
    auto* row = new QHBoxLayout(this);
    const std::pair<const char*, QString> radios[] = {
        {"radiobuttonLeft", tr("左ボタン")}, {"radiobuttonRight", tr("右ボタン")}, {"radiobuttonCenter", tr("中央ボタン")}};
    const std::uint8_t codes[] = {BUTTON_LEFT, BUTTON_RIGHT, BUTTON_MIDDLE};
    for (int i = 0; i < 3; ++i) {
        auto* radio = Named(new QRadioButton(radios[i].second, this), prefix + QLatin1String(radios[i].first),
                            radios[i].second);
        group_.addButton(radio, codes[i]);
        row->addWidget(radio);
    }
    row->addStretch();
    SetValue(BUTTON_LEFT);
}

std::uint8_t ButtonRadios::Value() const { return static_cast<std::uint8_t>(group_.checkedId()); }

void ButtonRadios::SetValue(std::uint8_t button) {
    group_.button(IsSingleButton(button) ? button : BUTTON_LEFT)->setChecked(true);
}

}  // namespace tarvik::advanced
