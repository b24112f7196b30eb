// SPDX-License-Identifier: GPL-3.0-or-later
// Follows files that change when another program writes to a unit (mark files, unit files) through
// file-system notification, not a timer. A file written by rename is a new file: the watcher looks
// at the folders too, so a replaced file is still followed.
#pragma once

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QString>
#include <QtGlobal>

namespace tarvik {

class WriteWatcher : public QObject {
    Q_OBJECT
public:
    explicit WriteWatcher(QObject* parent = nullptr);

    // Follows `file` (it need not exist yet; its folder must, or is made when it is the mark folder).
    void Follow(const QString& file);
    void Forget(const QString& file);
    // The file as it is now is our own doing: no changed() for it.
    void Acknowledge(const QString& file);

signals:
    // `file` is not as it was when last seen or acknowledged.
    void changed(const QString& file);

private:
    struct Stamp {
        bool exists = false;
        quint64 device = 0, inode = 0;
        qint64 size = 0, seconds = 0, nanoseconds = 0;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp StampOf(const QString& file);
    void Look(const QString& folderOrFile);
    void Watch(const QString& file);

    QFileSystemWatcher watcher_;
    QHash<QString, Stamp> known_;  // followed file → how it was
};

}  // namespace tarvik
