// SPDX-License-Identifier: GPL-3.0-or-later
// KEYSPEC: modifiers, then keys, joined by '+'. A key is any row of the key table, by its name (any
// case, or an easier spelling such as enter, esc, pageup) or by its usage ID in hex (0x28). One
// reader serves every form that takes keys.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace tarvik::cli {

// One part of a KEYSPEC as typed.
struct KeySpecPart {
    QString text;  // trimmed
    bool modifier = false;
    int value = 0;  // the modifier bit, or the usage ID named (by hex: 0x00..0xff)
};

struct KeySpecSplit {
    enum class Problem { None, Empty, EmptyPart, TrailingPlus, Unknown, Ambiguous } problem = Problem::None;
    std::vector<KeySpecPart> parts;  // in the order typed
    QString token;                   // Unknown, Ambiguous: the part as typed
    qsizetype tokenStart = 0;        // where it stands in the text, for a suggestion in its place
    qsizetype tokenLength = 0;
    std::vector<int> usages;         // Ambiguous: the rows of that name
};

// Splits a KEYSPEC at its '+'s into modifiers and keys, in the order typed. A key name that holds a
// '+' ("キーパッド +") stays whole.
KeySpecSplit SplitKeySpec(const QString& text);

// How many keys a form's KEYSPEC takes, and the words that say so in a refusal.
struct KeyRule {
    int minKeys;
    int maxKeys;
    const char* allowed;
};
inline constexpr KeyRule KEY_OR_MODIFIERS{0, 1, "modifiers and one key joined by '+' (ctrl+shift+a), or modifiers alone"};
inline constexpr KeyRule CHORD_KEYS{1, 6, "modifiers and 1 to 6 keys joined by '+' (ctrl+a+b)"};
inline constexpr KeyRule ONE_KEY{1, 1, "none, or modifiers and one key joined by '+' (ctrl+a)"};
inline constexpr KeyRule MODIFIERS_ONLY{0, 0, "ctrl, shift, alt, cmd, rctrl, rshift, ralt or rcmd, several joined by '+'"};

struct ParsedKeys {
    std::uint8_t modifiers = 0;
    std::vector<std::uint8_t> keys;  // usage IDs 1..Max_KeyUsageID
};

// The modifiers and keys of a form's argument: modifiers first, then keys of the key table, as many
// as `rule` takes. Otherwise false and one line naming `argument` ("KEYSPEC 'ctrl+aa': unknown key
// 'aa'; did you mean ctrl+a?").
bool ParseFormKeys(const QString& argument, const QString& text, const KeyRule& rule, ParsedKeys& keys,
                   QString& error);

// What shell completion offers for a KEYSPEC: the modifier names, and every key name without a blank.
QStringList ModifierWords();
QStringList KeyWords();

}  // namespace tarvik::cli
