// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DisplayText.h"

namespace tarvik {

QString ForDisplay(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

}  // namespace tarvik
