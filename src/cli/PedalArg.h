// SPDX-License-Identifier: GPL-3.0-or-later
// PEDAL of `set`: an index, the pedal's name for the unit's pedal count, or an English alias.
#pragma once

#include <QString>
#include <QStringList>

namespace tarvik::cli {

// Checks the form before the unit is read: true when `text` could name a pedal on some unit.
bool IsPedalArgument(const QString& text, QString& error);

// The pedal index `text` names on a unit with `count` pedals, or -1 with `error` set (naming the
// pedals this unit has).
int ResolvePedal(const QString& text, int count, QString& error);

// "0 中央ペダル (center), 1 左ペダル (left), …" for a unit with `count` pedals.
QString PedalList(int count);

// Every word that names a pedal on some unit: the indexes, the English aliases and the Japanese
// names (what shell completion offers).
QStringList PedalWords();

}  // namespace tarvik::cli
