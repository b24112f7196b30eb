// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/WriteMark.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>

#include "storage/NativeName.h"
#include "storage/SafeFile.h"

namespace tarvik {

QString MarkFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty()) return {};
    return QDir(runtime).filePath(QStringLiteral("tarvik"));
}

QString MarkFileOf(const QString& unitPath) {
    const QString folder = MarkFolder();
    if (folder.isEmpty()) return {};
    QString name = QFileInfo(unitPath).fileName();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) name = QStringLiteral("unit");
    return QDir(folder).filePath(name);
}

bool MarkWritten(const QString& unitPath, QString& error) {
    const QString file = MarkFileOf(unitPath);
    if (file.isEmpty()) return true;
    const QByteArray folder = NativeName(MarkFolder());
    if (::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST) {
        error = QCoreApplication::translate("WriteMark", "%1: cannot make the folder").arg(MarkFolder());
        return false;
    }
    // The text changes with every write, so a follower can tell one write from the next.
    const QByteArray text = QByteArray::number(QCoreApplication::applicationPid()) + ' ' +
                            QByteArray::number(QDateTime::currentMSecsSinceEpoch()) + '\n';
    return WriteFileAtomically(file, text, Existing::Replace, error);
}

}  // namespace tarvik
