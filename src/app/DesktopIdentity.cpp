// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DesktopIdentity.h"

#include <QFile>
#include <QGuiApplication>

namespace tarvik {

QString ApplicationId() { return QStringLiteral(TARVIK_APP_ID); }

QIcon ApplicationIcon() {
    QIcon icon;
    // The SVG serves where Qt can draw SVG; the PNGs everywhere else.
    const QString svg = QStringLiteral(":/icons/%1.svg").arg(ApplicationId());
    if (QFile::exists(svg)) icon.addFile(svg);
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString png = QStringLiteral(":/icons/%1x%1/%2.png").arg(size).arg(ApplicationId());
        if (QFile::exists(png)) icon.addFile(png, QSize(size, size));
    }
    return icon;
}

void ApplyDesktopIdentity() {
    QGuiApplication::setDesktopFileName(ApplicationId());
    QGuiApplication::setWindowIcon(ApplicationIcon());
}

}  // namespace tarvik
