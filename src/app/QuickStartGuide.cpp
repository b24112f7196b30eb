#include "app/QuickStartGuide.h"

#include <QFileInfo>
#include <QUrl>

namespace tarvik {

QStringList QuickStartGuideCandidates() {
    QStringList candidates{QStringLiteral(TARVIK_GUIDE_INSTALLED)};
    // A build installed under another prefix (/usr/local) still finds the packaged copy.
    const QString packaged = QStringLiteral("/usr/share/doc/tarvik-config/quickstart.html");
    if (!candidates.contains(packaged)) candidates << packaged;
    candidates << QStringLiteral(TARVIK_GUIDE_SOURCE);
    return candidates;
}

QString QuickStartGuideAddress(const QStringList& candidates) {
    for (const QString& path : candidates) {
        if (QFileInfo(path).isFile()) return QUrl::fromLocalFile(path).toString();
    }
    return candidates.isEmpty() ? QString() : QUrl::fromLocalFile(candidates.first()).toString();
}

}  // namespace tarvik
