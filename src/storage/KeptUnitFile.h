// SPDX-License-Identifier: GPL-3.0-or-later
// The unit file a simulated unit is kept in: read once, and saved back only over the very file
// that was read (not over a link or another file put there meanwhile), only when it changed.
#pragma once

#include <QByteArray>
#include <QString>

#include "model/UnitImage.h"
#include "storage/SafeFile.h"
#include "storage/UnitFile.h"

namespace tarvik {

class KeptUnitFile {
public:
    // Reads `path` into `image`.
    UnitFileRead Load(const QString& path, UnitImage& image);
    // Writes `image` when its text differs from what the file holds; Saved::Yes also when nothing
    // needed writing.
    Saved Save(const UnitImage& image, QString& error);

private:
    QString path_;
    FileIdentity identity_;
    QByteArray text_;  // what the file holds, as UnitFileText writes it
};

}  // namespace tarvik
