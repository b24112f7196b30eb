// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the files the programs keep (unit files, snapshots, pictures) so that no
// input can hang a program and no failed write can damage a file. Every file both programs write
// goes through WriteFileAtomically.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace tarvik {

enum class Existing {
    Replace,  // an existing regular file (or a symbolic link to one) is replaced
    Keep,     // an existing file of any kind is left alone and the write refused
};

// Writes `data` to `path` whole or not at all: into a new file beside the target, every write
// checked, flushed to disk, then renamed over the target. Only a regular file, a symbolic link to
// one (written through; the link stays) or a missing file is written; FIFOs, devices, directories
// and sockets are refused before anything is created. On failure the target is as it was, no
// temporary file is left, and `error` names the path and the reason. True only when the data is on
// disk under `path`.
bool WriteFileAtomically(const QString& path, const QByteArray& data, Existing existing, QString& error);

// Why WriteFileAtomically(path, …, existing) would be refused before writing anything (the same
// message), or an empty string when it would go ahead. For refusing early, before any other work.
QString WriteRefusal(const QString& path, Existing existing);

// Reads the regular file at `path` (or what a symbolic link points to) into `data`. Anything else,
// a FIFO above all, is refused before it is opened, so that reading never blocks. Files larger than
// `maxBytes` are refused.
bool ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& data, QString& error);

}  // namespace tarvik
