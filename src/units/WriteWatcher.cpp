// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/WriteWatcher.h"

#include <QDir>
#include <QFileInfo>
#include <sys/stat.h>

#include "storage/NativeName.h"
#include "units/WriteMark.h"

namespace tarvik {

WriteWatcher::WriteWatcher(QObject* parent) : QObject(parent) {
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &WriteWatcher::Look);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &WriteWatcher::Look);
}

WriteWatcher::Stamp WriteWatcher::StampOf(const QString& file) {
    struct stat st {};
    Stamp stamp;
    if (::stat(NativeName(file).constData(), &st) != 0) return stamp;
    stamp.exists = true;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = st.st_size;
    stamp.seconds = st.st_mtim.tv_sec;
    stamp.nanoseconds = st.st_mtim.tv_nsec;
    return stamp;
}

void WriteWatcher::Watch(const QString& file) {
    const QString folder = QFileInfo(file).absolutePath();
    if (folder == QDir(MarkFolder()).absolutePath()) ::mkdir(NativeName(folder).constData(), 0700);
    if (!watcher_.directories().contains(folder)) watcher_.addPath(folder);
    if (QFileInfo::exists(file) && !watcher_.files().contains(file)) watcher_.addPath(file);
}

void WriteWatcher::Follow(const QString& file) {
    if (file.isEmpty()) return;
    const QString path = QFileInfo(file).absoluteFilePath();
    known_[path] = StampOf(path);
    Watch(path);
}

void WriteWatcher::Forget(const QString& file) {
    const QString path = QFileInfo(file).absoluteFilePath();
    known_.remove(path);
    watcher_.removePath(path);
}

void WriteWatcher::Acknowledge(const QString& file) {
    const QString path = QFileInfo(file).absoluteFilePath();
    if (!known_.contains(path)) return;
    known_[path] = StampOf(path);
    Watch(path);
}

void WriteWatcher::Look(const QString& folderOrFile) {
    QStringList changedFiles;
    for (auto it = known_.begin(); it != known_.end(); ++it) {
        if (it.key() != folderOrFile && QFileInfo(it.key()).absolutePath() != folderOrFile) continue;
        Watch(it.key());  // a file renamed over the old one is a new file to watch
        const Stamp now = StampOf(it.key());
        if (now == it.value()) continue;
        it.value() = now;
        if (now.exists) changedFiles.append(it.key());
    }
    for (const QString& file : changedFiles) emit changed(file);
}

}  // namespace tarvik
