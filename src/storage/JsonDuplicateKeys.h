// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's JSON parser keeps the last of two equal keys in an object without a word, so a file could
// say one thing to a person and another to the program. This scan finds such keys.
#pragma once

#include <QByteArray>
#include <QString>

namespace tarvik {

// The field path of the first key that appears twice in one object ("pedal_count",
// "pedals[1].mode"), or an empty string when there is none. Meant for text that is valid JSON;
// other text gives some answer, but never a read outside `json`.
QString FirstDuplicateKey(const QByteArray& json);

}  // namespace tarvik
