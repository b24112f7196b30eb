// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the files the programs keep (unit files, snapshots, pictures) so that no
// input can hang a program and no failed write can damage a file. Every file both programs write
// goes through SaveFile (or WriteFileAtomically). Paths are names as NativeName.h keeps them.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <sys/types.h>

namespace tarvik {

enum class Existing {
    Replace,  // an existing regular file (or a symbolic link to one) is replaced
    Keep,     // an existing file of any kind is left alone and the write refused
};

// What a path named when it was read or looked at: nothing, a regular file, or a symbolic link to
// one. A save replaces only that same file.
struct FileIdentity {
    bool exists = false;
    bool link = false;  // the path was a symbolic link (to the file below)
    dev_t device = 0;
    ino_t inode = 0;
};

enum class Saved {
    Yes,
    Refused,  // the target may not be written, or is not what it was; nothing was tried
    Failed,   // the write itself failed (a full disk, say); the target is as it was
};

// Writes `data` to `path` whole or not at all: into a new file beside the target, every write
// checked, flushed to disk, then renamed over the target. Only a regular file the user may write
// (and whose owner the replacement can keep), a symbolic link to one (written through; the link
// stays) or a missing file is written; FIFOs, devices, directories and sockets are refused before
// anything is created. When `expected` is given, the path must still name that file, also just
// before the rename. SIGINT, SIGTERM and SIGHUP wait until the temporary file is renamed or gone;
// a temporary file left by a process that no longer runs is removed. On failure the target is as
// it was, no temporary file is left, and `error` names the path and the reason.
Saved SaveFile(const QString& path, const QByteArray& data, Existing existing, const FileIdentity* expected,
               QString& error);
// SaveFile without an expected file: true only when the data is on disk under `path`.
bool WriteFileAtomically(const QString& path, const QByteArray& data, Existing existing, QString& error);

// Why SaveFile(path, …, existing) would be refused before writing anything (the same message), or
// an empty string when it would go ahead; `seen` (if given) is what the path names now. For
// refusing early, before any other work.
QString WriteRefusal(const QString& path, Existing existing, FileIdentity* seen = nullptr);

// Reads the regular file at `path` (or what a symbolic link points to) into `data`. Anything else,
// a FIFO above all, is refused before it is opened, so that reading never blocks. Files larger than
// `maxBytes` are refused. `identity` (if given) is the file that was read.
bool ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& data, QString& error,
                     FileIdentity* identity = nullptr);

}  // namespace tarvik
