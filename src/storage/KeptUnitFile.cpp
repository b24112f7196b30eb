// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/KeptUnitFile.h"

namespace tarvik {

UnitFileRead KeptUnitFile::Load(const QString& path, UnitImage& image) {
    path_ = path;
    const UnitFileRead read = ReadUnitFileAt(path, image, &identity_);
    if (read.outcome == UnitFileRead::Read) text_ = UnitFileText(image);
    return read;
}

Saved KeptUnitFile::Save(const UnitImage& image, QString& error) {
    const QByteArray text = UnitFileText(image);
    if (text == text_) return Saved::Yes;
    const Saved saved = SaveFile(path_, text, Existing::Replace, &identity_, error);
    if (saved != Saved::Yes) return saved;
    text_ = text;
    // The file is a new one now: the next save replaces it.
    WriteRefusal(path_, Existing::Replace, &identity_);
    return saved;
}

}  // namespace tarvik
