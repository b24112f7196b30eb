// KEYSPEC of `set PEDAL key`: left-hand modifiers joined by '+', then one key of the standard set,
// as the standard dialog's keyboard tab offers them.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

namespace tarvik::cli {

struct KeyChoice {
    std::uint8_t modifiers = 0;  // bits 0x01..0x08 only
    std::uint8_t usageId = 0;    // 0: modifiers only
};

// True on success; otherwise `error` says what was wrong.
bool ParseKeySpec(const QString& keys, KeyChoice& choice, QString& error);

// "a, b, …": every key the standard set offers, by its key-list name.
QString StandardKeyNames();

// What shell completion offers for a KEYSPEC: the modifier names, and the keys of the standard set
// by alias and by key-list name.
QStringList ModifierWords();
QStringList StandardKeyWords();

}  // namespace tarvik::cli
