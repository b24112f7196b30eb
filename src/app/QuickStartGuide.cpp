// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QuickStartGuide.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace tarvik {

namespace {

void AddOnce(QStringList& list, const QString& path) {
    const QString clean = QDir::cleanPath(path);
    if (!list.contains(clean)) list << clean;
}

// The first candidate that is a file, or empty.
QString ExistingGuide(const QStringList& candidates) {
    for (const QString& path : candidates) {
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

}  // namespace

QStringList QuickStartGuideCandidates() {
    QStringList candidates;
    if (QCoreApplication::instance()) {
        AddOnce(candidates, QCoreApplication::applicationDirPath() + QStringLiteral("/" TARVIK_GUIDE_RELATIVE));
    }
    AddOnce(candidates, QStringLiteral(TARVIK_GUIDE_INSTALLED));
    // A build installed under another prefix (/usr/local) still finds the packaged copy.
    AddOnce(candidates, QStringLiteral("/usr/share/tarvik-config/quickstart.html"));
    AddOnce(candidates, QStringLiteral(TARVIK_GUIDE_SOURCE));
    return candidates;
}

QString QuickStartGuideAddress(const QStringList& candidates) {
    const QString found = ExistingGuide(candidates);
    if (!found.isEmpty()) return QUrl::fromLocalFile(found).toString();
    return candidates.isEmpty() ? QString() : QUrl::fromLocalFile(candidates.first()).toString();
}

bool OpenQuickStartGuide(const QStringList& candidates) {
    const QString found = ExistingGuide(candidates);
    return !found.isEmpty() && QDesktopServices::openUrl(QUrl::fromLocalFile(found));
}

}  // namespace tarvik
