// SPDX-License-Identifier: GPL-3.0-or-later
// Unit files: JSON text for a UnitImage. A malformed file is refused with one message that names
// the field and the reason; nothing is taken from it.
#pragma once

#include <QByteArray>
#include <QString>

#include "storage/SafeFile.h"
#include "model/UnitImage.h"

namespace tarvik {

// Parses `json` into `image`. On failure returns false, leaves `image` unchanged and sets `error`
// (e.g. "pedals[1].common: 12 bytes, expected 13").
bool ParseUnitFile(const QByteArray& json, UnitImage& image, QString& error);
// Reads and parses the file at `path`; unreadable files, and anything but a regular file (checked
// before it is opened), are refused the same way.
bool ReadUnitFile(const QString& path, UnitImage& image, QString& error);
// The same, telling an unreadable file from one whose content is refused; `identity` (if given)
// is the file that was read.
struct UnitFileRead {
    enum Outcome { Read, Unreadable, Malformed } outcome = Unreadable;
    QString error;
};
UnitFileRead ReadUnitFileAt(const QString& path, UnitImage& image, FileIdentity* identity = nullptr);
// The JSON text of `image` (hex bytes separated by blanks; optional fields only when set).
QByteArray UnitFileText(const UnitImage& image);
// Writes UnitFileText(image) to `path` through SaveFile: whole or not at all, and with `expected`
// only over that file.
bool WriteUnitFile(const QString& path, const UnitImage& image, QString& error,
                   Existing existing = Existing::Replace, const FileIdentity* expected = nullptr);

}  // namespace tarvik
