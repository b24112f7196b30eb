// SPDX-License-Identifier: GPL-3.0-or-later
#include <QByteArray>
#include <QString>

#include "FuzzEntries.h"
#include "storage/JsonDuplicateKeys.h"
#include "storage/UnitFile.h"

namespace tarvik::fuzz {

Problem UnitFile(const std::uint8_t* data, std::size_t size) {
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    (void)FirstDuplicateKey(json);  // promised safe on any text, not only on JSON

    UnitImage image = DefaultUnitImage();
    const QByteArray before = UnitFileText(image);
    QString error;
    if (!ParseUnitFile(json, image, error)) {
        if (error.isEmpty()) return "refused without a message";
        if (UnitFileText(image) != before) return "a refused file changed the unit: " + error.toStdString();
        return {};
    }
    // What was accepted is written so that it reads back the same.
    const QByteArray text = UnitFileText(image);
    UnitImage again;
    if (!ParseUnitFile(text, again, error)) return "the written file is refused: " + error.toStdString();
    if (UnitFileText(again) != text) return "the written file reads back different";
    return {};
}

}  // namespace tarvik::fuzz
