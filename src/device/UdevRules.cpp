// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/UdevRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "model/ProtocolConstants.h"

namespace tarvik {

namespace {

constexpr qint64 kMaxRulesFileBytes = 1024 * 1024;

}  // namespace

QStringList DefaultUdevRuleDirs() {
    return {QStringLiteral("/etc/udev/rules.d"), QStringLiteral("/run/udev/rules.d"),
            QStringLiteral("/usr/lib/udev/rules.d"), QStringLiteral("/lib/udev/rules.d")};
}

UdevRuleStatus FindUdevRule(const QStringList& dirs) {
    UdevRuleStatus status;
    status.searchedDirs = dirs;
    const QString vendor = QString::asprintf("%04x", unsigned(vendorID) & 0xFFFFu);
    // The ID on its own, as 0x1209, or zero-padded as in HID_ID / MODALIAS ("0003:00001209:...").
    const QRegularExpression pattern(QStringLiteral("(?<![0-9a-f])(?:0x|0000)?") + vendor + QStringLiteral("(?![0-9a-f])"),
                                     QRegularExpression::CaseInsensitiveOption);
    // udev reads a file name once: the first directory that has it wins and masks the others.
    QStringList seen;
    for (const QString& dirPath : dirs) {
        const QDir dir(dirPath);
        const QFileInfoList files = dir.entryInfoList({QStringLiteral("*.rules")}, QDir::Files, QDir::Name);
        for (const QFileInfo& fi : files) {
            if (seen.contains(fi.fileName())) continue;
            seen.append(fi.fileName());
            QFile file(fi.filePath());
            if (!file.open(QIODevice::ReadOnly)) continue;
            const QString text = QString::fromUtf8(file.read(kMaxRulesFileBytes));
            bool found = false;
            for (const QString& raw : text.split(u'\n')) {
                const QString line = raw.trimmed();
                if (line.isEmpty() || line.startsWith(u'#')) continue;
                if (pattern.match(line).hasMatch()) {
                    found = true;
                    break;
                }
            }
            if (found) status.files.append(fi.filePath());
        }
    }
    status.installed = !status.files.isEmpty();
    return status;
}

QStringList PrefixUdevRuleDirs() { return {QStringLiteral(TARVIK_PREFIX_UDEV_RULES_DIR)}; }

InstalledRule FindInstalledRule(const QStringList& udevDirs, const QStringList& otherDirs) {
    const QString name = QString::fromLatin1(UDEV_RULE_FILE_NAME);
    for (const QString& dir : udevDirs) {
        const QFileInfo file(QDir(dir).filePath(name));
        if (!file.exists() && !file.isSymLink()) continue;
        // This one masks any later one of the same name.
        if (file.isFile() && file.size() > 0) return {text::AccessRule::Installed, file.filePath()};
        return {};
    }
    for (const QString& dir : otherDirs) {
        if (udevDirs.contains(QDir::cleanPath(dir))) continue;
        const QFileInfo file(QDir(dir).filePath(name));
        if (file.isFile() && file.size() > 0) return {text::AccessRule::NotReadByUdev, file.filePath()};
    }
    return {};
}

}  // namespace tarvik
