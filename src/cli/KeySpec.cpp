#include "cli/KeySpec.h"

#include <QStringList>
#include <array>

#include "model/KeyTable.h"
#include "model/ProtocolConstants.h"
#include "model/StandardChoice.h"

namespace tarvik::cli {

namespace {

struct Named {
    const char* name;
    int value;
};

constexpr std::array<Named, 13> kModifiers{{
    {"ctrl", MODIFIER_CTRL},  {"control", MODIFIER_CTRL}, {"shift", MODIFIER_SHIFT}, {"alt", MODIFIER_ALT},
    {"option", MODIFIER_ALT}, {"opt", MODIFIER_ALT},      {"cmd", MODIFIER_GUI},     {"command", MODIFIER_GUI},
    {"gui", MODIFIER_GUI},    {"super", MODIFIER_GUI},    {"win", MODIFIER_GUI},     {"windows", MODIFIER_GUI},
    {"meta", MODIFIER_GUI},
}};

// Right-hand modifiers exist on the unit but not in the standard set.
constexpr std::array<const char*, 12> kRightModifiers{
    "rctrl", "rshift", "ralt", "rcmd", "right-ctrl", "right-shift", "right-alt", "right-cmd",
    "rcontrol", "roption", "rgui", "right-gui"};

// Names people type for keys whose key-list name is awkward to type.
constexpr std::array<Named, 30> kKeyAliases{{
    {"enter", 40},     {"return", 40},   {"esc", 41},       {"backspace", 42}, {"bs", 42},
    {"space", 44},     {"minus", 45},    {"hyphen", 45},    {"caret", 46},     {"at", 47},
    {"lbracket", 48},  {"rbracket", 50}, {"semicolon", 51}, {"colon", 52},     {"grave", 53},
    {"backquote", 53}, {"comma", 54},    {"period", 55},    {"dot", 55},       {"slash", 56},
    {"pageup", 75},    {"pgup", 75},     {"forward-delete", 76}, {"pagedown", 78}, {"pgdn", 78},
    {"right", 79},     {"left", 80},     {"down", 81},      {"up", 82},        {"insert", 98},
}};

int ModifierBits(const QString& token) {
    const QString t = token.trimmed().toLower();
    for (const Named& m : kModifiers) {
        if (t == QLatin1String(m.name)) return m.value;
    }
    return 0;
}

bool IsRightModifier(const QString& token) {
    const QString t = token.trimmed().toLower();
    for (const char* r : kRightModifiers) {
        if (t == QLatin1String(r)) return true;
    }
    return false;
}

QString KeyName(int usage) { return QString::fromStdString(GetKeyName(usage)); }

// -1 when the text names no key. Standard keys win over advanced keys of the same name
// ("clear" is both).
int FindKey(const QString& text, bool& isStandard) {
    const QString t = text.trimmed();
    const QString lower = t.toLower();
    if (lower.startsWith(QLatin1String("0x"))) {
        bool ok = false;
        const int value = lower.mid(2).toInt(&ok, 16);
        if (!ok || value < 0 || value > 0xFF) return -1;
        isStandard = IsStandardKey(value);
        return value;
    }
    for (const Named& a : kKeyAliases) {
        if (lower == QLatin1String(a.name)) {
            isStandard = IsStandardKey(a.value);
            return a.value;
        }
    }
    int advanced = -1;
    for (int u = 0; u <= Max_KeyUsageID; ++u) {
        const QString name = KeyName(u);
        if (name.compare(t, Qt::CaseInsensitive) != 0) continue;
        if (IsStandardKey(u)) {
            isStandard = true;
            return u;
        }
        if (advanced < 0) advanced = u;
    }
    isStandard = false;
    return advanced;
}

QString Hex(int value) { return QStringLiteral("0x%1").arg(value, 2, 16, QLatin1Char('0')); }

}  // namespace

QString StandardKeyNames() {
    QStringList names;
    for (int u = 0; u <= Max_KeyUsageID; ++u) {
        if (IsStandardKey(u)) names << KeyName(u);
    }
    return names.join(QStringLiteral(", "));
}

bool ParseKeySpec(const QString& keys, KeyChoice& choice, QString& error) {
    KeyChoice result;
    // Modifiers are taken from the left while a '+' follows them; the rest names the key, so that
    // a key whose name holds a '+' ("キーパッド +") still works.
    int pos = 0;
    for (;;) {
        const int plus = static_cast<int>(keys.indexOf(QLatin1Char('+'), pos));
        if (plus < 0) break;
        const QString token = keys.mid(pos, plus - pos);
        if (IsRightModifier(token)) {
            error = QStringLiteral("'%1': right-hand modifiers are outside the standard setting; use ctrl, shift, "
                                   "alt or cmd").arg(token);
            return false;
        }
        const int bits = ModifierBits(token);
        if (bits == 0) break;
        result.modifiers |= static_cast<std::uint8_t>(bits);
        pos = plus + 1;
    }
    const QString rest = keys.mid(pos);
    if (rest.trimmed().isEmpty()) {
        error = keys.trimmed().isEmpty() ? QStringLiteral("empty KEYSPEC; name a key, e.g. a, enter, f5, ctrl+shift+a")
                                         : QStringLiteral("'%1' ends with '+'; name the key after it").arg(keys);
        return false;
    }
    if (IsRightModifier(rest)) {
        error = QStringLiteral("'%1': right-hand modifiers are outside the standard setting; use ctrl, shift, alt "
                               "or cmd").arg(rest);
        return false;
    }
    if (const int bits = ModifierBits(rest); bits != 0) {
        // Modifiers only: the unit sends them without a key.
        result.modifiers |= static_cast<std::uint8_t>(bits);
        result.usageId = 0;
        choice = result;
        return true;
    }
    bool standard = false;
    const int usage = FindKey(rest, standard);
    if (usage < 0) {
        error = QStringLiteral("unknown key '%1'. Keys of the standard set: %2. Or give the HID usage ID in hex, "
                               "e.g. 0x28.").arg(rest.trimmed(), StandardKeyNames());
        return false;
    }
    if (!standard) {
        const QString name = KeyName(usage);
        error = QStringLiteral("key %1%2 is not in the standard set, which is all the standard setting writes")
                    .arg(Hex(usage), name.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(name));
        return false;
    }
    result.usageId = static_cast<std::uint8_t>(usage);
    choice = result;
    return true;
}

}  // namespace tarvik::cli
