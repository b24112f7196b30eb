// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/KeyRows.h"

#include <array>

namespace tarvik {

namespace {

constexpr KeyLevel Standard = KeyLevel::Standard;
constexpr KeyLevel Advanced = KeyLevel::Advanced;

// Indexed by usage ID. Level, name as the user sees it, explanation ("" for none).
constexpr std::array<KeyRow, KEY_ROW_COUNT> kKeyRows{{
    {Advanced, "なし", "何も出力しない"},  // 0
    {Advanced, "Error Roll Over", ""},  // 1
    {Advanced, "POST Fail", ""},  // 2
    {Advanced, "Error Undefined", ""},  // 3
    {Standard, "a", "Shiftプラスこのキーで大文字 A"},  // 4
    {Standard, "b", "Shiftプラスこのキーで大文字 B"},  // 5
    {Standard, "c", "Shiftプラスこのキーで大文字 C"},  // 6
    {Standard, "d", "Shiftプラスこのキーで大文字 D"},  // 7
    {Standard, "e", "Shiftプラスこのキーで大文字 E"},  // 8
    {Standard, "f", "Shiftプラスこのキーで大文字 F"},  // 9
    {Standard, "g", "Shiftプラスこのキーで大文字 G"},  // 10
    {Standard, "h", "Shiftプラスこのキーで大文字 H"},  // 11
    {Standard, "i", "Shiftプラスこのキーで大文字 I"},  // 12
    {Standard, "j", "Shiftプラスこのキーで大文字 J"},  // 13
    {Standard, "k", "Shiftプラスこのキーで大文字 K"},  // 14
    {Standard, "l", "Shiftプラスこのキーで大文字 L"},  // 15
    {Standard, "m", "Shiftプラスこのキーで大文字 M"},  // 16
    {Standard, "n", "Shiftプラスこのキーで大文字 N"},  // 17
    {Standard, "o", "Shiftプラスこのキーで大文字 O"},  // 18
    {Standard, "p", "Shiftプラスこのキーで大文字 P"},  // 19
    {Standard, "q", "Shiftプラスこのキーで大文字 Q"},  // 20
    {Standard, "r", "Shiftプラスこのキーで大文字 R"},  // 21
    {Standard, "s", "Shiftプラスこのキーで大文字 S"},  // 22
    {Standard, "t", "Shiftプラスこのキーで大文字 T"},  // 23
    {Standard, "u", "Shiftプラスこのキーで大文字 U"},  // 24
    {Standard, "v", "Shiftプラスこのキーで大文字 V"},  // 25
    {Standard, "w", "Shiftプラスこのキーで大文字 W"},  // 26
    {Standard, "x", "Shiftプラスこのキーで大文字 X"},  // 27
    {Standard, "y", "Shiftプラスこのキーで大文字 Y"},  // 28
    {Standard, "z", "Shiftプラスこのキーで大文字 Z"},  // 29
    {Standard, "1", "Shiftプラスこのキーで !"},  // 30
    {Standard, "2", "Shiftプラスこのキーで \""},  // 31
    {Standard, "3", "Shiftプラスこのキーで #"},  // 32
    {Standard, "4", "Shiftプラスこのキーで $"},  // 33
    {Standard, "5", "Shiftプラスこのキーで %"},  // 34
    {Standard, "6", "Shiftプラスこのキーで &"},  // 35
    {Standard, "7", "Shiftプラスこのキーで '"},  // 36
    {Standard, "8", "Shiftプラスこのキーで ("},  // 37
    {Standard, "9", "Shiftプラスこのキーで )"},  // 38
    {Standard, "0", ""},  // 39
    {Standard, "Enter (Return)", ""},  // 40
    {Standard, "Escape", ""},  // 41
    {Standard, "delete", ""},  // 42
    {Standard, "Tab", ""},  // 43
    {Standard, "Space", ""},  // 44
    {Standard, "-", "Shiftプラスこのキーで ="},  // 45
    {Standard, "^", "Shiftプラスこのキーで ~"},  // 46
    {Standard, "@", "Shiftプラスこのキーで `"},  // 47
    {Standard, "[", "Shiftプラスこのキーで {"},  // 48
    {Advanced, "]", "Shiftプラスこのキーで }"},  // 49
    {Standard, "]", "Shiftプラスこのキーで }"},  // 50
    {Standard, ";", "Shiftプラスこのキーで +"},  // 51
    {Standard, ":", "Shiftプラスこのキーで *"},  // 52
    {Standard, "`", ""},  // 53
    {Standard, ",", "Shiftプラスこのキーで <"},  // 54
    {Standard, ".", "Shiftプラスこのキーで >"},  // 55
    {Standard, "/", "Shiftプラスこのキーで ?"},  // 56
    {Advanced, "Caps Lock", "Shiftとともに使う"},  // 57
    {Standard, "F1", ""},  // 58
    {Standard, "F2", ""},  // 59
    {Standard, "F3", ""},  // 60
    {Standard, "F4", ""},  // 61
    {Standard, "F5", ""},  // 62
    {Standard, "F6", ""},  // 63
    {Standard, "F7", ""},  // 64
    {Standard, "F8", ""},  // 65
    {Standard, "F9", ""},  // 66
    {Standard, "F10", ""},  // 67
    {Standard, "F11", ""},  // 68
    {Standard, "F12", ""},  // 69
    {Advanced, "Print Screen", ""},  // 70
    {Advanced, "Scroll Lock", ""},  // 71
    {Advanced, "Pause", ""},  // 72
    {Standard, "Fn", "キーボード独自のfnキーとは異なります"},  // 73
    {Standard, "Home", ""},  // 74
    {Standard, "Page Up", ""},  // 75
    {Standard, "del", ""},  // 76
    {Standard, "End", ""},  // 77
    {Standard, "Page Down", ""},  // 78
    {Standard, "→", "右矢印"},  // 79
    {Standard, "←", "左矢印"},  // 80
    {Standard, "↓", "下矢印"},  // 81
    {Standard, "↑", "上矢印"},  // 82
    {Standard, "clear", ""},  // 83
    {Standard, "キーパッド /", "キーパッド(テンキー)にあるキー"},  // 84
    {Standard, "キーパッド *", "キーパッド(テンキー)にあるキー"},  // 85
    {Standard, "キーパッド -", "キーパッド(テンキー)にあるキー"},  // 86
    {Standard, "キーパッド +", "キーパッド(テンキー)にあるキー"},  // 87
    {Standard, "キーパッド Enter (Return)", "キーパッド(テンキー)にあるキー"},  // 88
    {Standard, "キーパッド End", "キーパッド(テンキー)にあるキー NumLockオンで 1"},  // 89
    {Standard, "キーパッド ↓(下矢印)", "キーパッド(テンキー)にあるキー NumLockオンで 2"},  // 90
    {Standard, "キーパッド PageDown", "キーパッド(テンキー)にあるキー NumLockオンで 3"},  // 91
    {Standard, "キーパッド ←(左矢印)", "キーパッド(テンキー)にあるキー NumLockオンで 4"},  // 92
    {Standard, "キーパッド 5", "NumLockオンで使う オフでは出力なし"},  // 93
    {Standard, "キーパッド →(右矢印)", "キーパッド(テンキー)にあるキー NumLockオンで 6"},  // 94
    {Standard, "キーパッド Home", "キーパッド(テンキー)にあるキー NumLockオンで 7"},  // 95
    {Standard, "キーパッド ↑(上矢印)", "キーパッド(テンキー)にあるキー NumLockオンで 8"},  // 96
    {Standard, "キーパッド Page Up", "キーパッド(テンキー)にあるキー NumLockオンで 9"},  // 97
    {Standard, "キーパッド Insert", "キーパッド(テンキー)にあるキー NumLockオンで 0"},  // 98
    {Standard, "キーパッド Delete", "キーパッド(テンキー)にあるキー NumLockオンで ."},  // 99
    {Advanced, "Non-US...", ""},  // 100
    {Advanced, "Application", "マウス右クリックと同じ"},  // 101
    {Advanced, "Power", ""},  // 102
    {Advanced, "キーパッド =", "キーパッド(テンキー)にあるキー"},  // 103
    {Advanced, "F13", ""},  // 104
    {Advanced, "F14", ""},  // 105
    {Advanced, "F15", ""},  // 106
    {Advanced, "F16", ""},  // 107
    {Advanced, "F17", ""},  // 108
    {Advanced, "F18", ""},  // 109
    {Advanced, "F19", ""},  // 110
    {Advanced, "F20", ""},  // 111
    {Advanced, "F21", ""},  // 112
    {Advanced, "F22", ""},  // 113
    {Advanced, "F23", ""},  // 114
    {Advanced, "F24", ""},  // 115
    {Advanced, "Execute", ""},  // 116
    {Advanced, "Help", ""},  // 117
    {Advanced, "Menu", ""},  // 118
    {Advanced, "Select", ""},  // 119
    {Advanced, "Stop", ""},  // 120
    {Advanced, "Again", ""},  // 121
    {Advanced, "Undo", ""},  // 122
    {Advanced, "Cut", ""},  // 123
    {Advanced, "Copy", ""},  // 124
    {Advanced, "Paste", ""},  // 125
    {Advanced, "Find", ""},  // 126
    {Advanced, "Mute", ""},  // 127
    {Advanced, "Volume Up", ""},  // 128
    {Advanced, "Volume Down", ""},  // 129
    {Advanced, "Locking Caps Lock", ""},  // 130
    {Advanced, "Locking Num Lock", ""},  // 131
    {Advanced, "Locking Scroll Lock", ""},  // 132
    {Advanced, "キーパッド Comma", ""},  // 133
    {Advanced, "キーパッド Equal Sign", ""},  // 134
    {Advanced, "Keyboard International 1", ""},  // 135
    {Advanced, "Keyboard International 2", ""},  // 136
    {Advanced, "Keyboard International 3", ""},  // 137
    {Advanced, "Keyboard International 4", ""},  // 138
    {Advanced, "Keyboard International 5", ""},  // 139
    {Advanced, "Keyboard International 6", ""},  // 140
    {Advanced, "Keyboard International 7", ""},  // 141
    {Advanced, "Keyboard International 8", ""},  // 142
    {Advanced, "Keyboard International 9", ""},  // 143
    {Advanced, "かな", ""},  // 144
    {Advanced, "英数", ""},  // 145
    {Advanced, "Keyboard LANG 3", ""},  // 146
    {Advanced, "Keyboard LANG 4", ""},  // 147
    {Advanced, "Keyboard LANG 5", ""},  // 148
    {Advanced, "Keyboard LANG 6", ""},  // 149
    {Advanced, "Keyboard LANG 7", ""},  // 150
    {Advanced, "Keyboard LANG 8", ""},  // 151
    {Advanced, "Keyboard LANG 9", ""},  // 152
    {Advanced, "Alternate Erase", ""},  // 153
    {Advanced, "SysReq/Attention", ""},  // 154
    {Advanced, "Cancel", ""},  // 155
    {Advanced, "Clear", ""},  // 156
    {Advanced, "Prior", ""},  // 157
    {Advanced, "Return", ""},  // 158
    {Advanced, "Separator", ""},  // 159
    {Advanced, "Out", ""},  // 160
    {Advanced, "Oper", ""},  // 161
    {Advanced, "Clear/Again", ""},  // 162
    {Advanced, "CrSel/Props", ""},  // 163
    {Advanced, "ExSel", ""},  // 164
    {Advanced, "---", "Reserved"},  // 165
    {Advanced, "---", "Reserved"},  // 166
    {Advanced, "---", "Reserved"},  // 167
    {Advanced, "---", "Reserved"},  // 168
    {Advanced, "---", "Reserved"},  // 169
    {Advanced, "---", "Reserved"},  // 170
    {Advanced, "---", "Reserved"},  // 171
    {Advanced, "---", "Reserved"},  // 172
    {Advanced, "---", "Reserved"},  // 173
    {Advanced, "---", "Reserved"},  // 174
    {Advanced, "---", "Reserved"},  // 175
    {Advanced, "キーパッド 00", ""},  // 176
    {Advanced, "キーパッド 000", ""},  // 177
    {Advanced, "Thousands Separator", ""},  // 178
    {Advanced, "Decimal Separator", ""},  // 179
    {Advanced, "Currency Unit", ""},  // 180
    {Advanced, "Currency Sub-unit", ""},  // 181
    {Advanced, "キーパッド (", ""},  // 182
    {Advanced, "キーパッド )", ""},  // 183
    {Advanced, "キーパッド {", ""},  // 184
    {Advanced, "キーパッド }", ""},  // 185
    {Advanced, "キーパッド Tab", ""},  // 186
    {Advanced, "キーパッド Back Space", ""},  // 187
    {Advanced, "キーパッド A", ""},  // 188
    {Advanced, "キーパッド B", ""},  // 189
    {Advanced, "キーパッド C", ""},  // 190
    {Advanced, "キーパッド D", ""},  // 191
    {Advanced, "キーパッド E", ""},  // 192
    {Advanced, "キーパッド F", ""},  // 193
    {Advanced, "キーパッド XOR", ""},  // 194
    {Advanced, "キーパッド ^", ""},  // 195
    {Advanced, "キーパッド %", ""},  // 196
    {Advanced, "キーパッド <", ""},  // 197
    {Advanced, "キーパッド >", ""},  // 198
    {Advanced, "キーパッド &", ""},  // 199
    {Advanced, "キーパッド &&", ""},  // 200
    {Advanced, "キーパッド |", ""},  // 201
    {Advanced, "キーパッド ||", ""},  // 202
    {Advanced, "キーパッド :", ""},  // 203
    {Advanced, "キーパッド #", ""},  // 204
    {Advanced, "キーパッド Space", ""},  // 205
    {Advanced, "キーパッド @", ""},  // 206
    {Advanced, "キーパッド !", ""},  // 207
    {Advanced, "キーパッド Memory Store", ""},  // 208
    {Advanced, "キーパッド Memory Recall", ""},  // 209
    {Advanced, "キーパッド Memory Clear", ""},  // 210
    {Advanced, "キーパッド Memory Add", ""},  // 211
    {Advanced, "キーパッド Memory Subtract", ""},  // 212
    {Advanced, "キーパッド Memory Multiply", ""},  // 213
    {Advanced, "キーパッド Memory Divide", ""},  // 214
    {Advanced, "キーパッド +/-", ""},  // 215
    {Advanced, "キーパッド Clear", ""},  // 216
    {Advanced, "キーパッド Clear Entry", ""},  // 217
    {Advanced, "キーパッド Binary", ""},  // 218
    {Advanced, "キーパッド Octal", ""},  // 219
    {Advanced, "キーパッド Decimal", ""},  // 220
    {Advanced, "キーパッド Hexadecimal", ""},  // 221
    {Advanced, "---", "Reserved"},  // 222
    {Advanced, "---", "Reserved"},  // 223
    {Advanced, "(左)Control", ""},  // 224
    {Advanced, "(左)Shift", ""},  // 225
    {Advanced, "(左)Alt", ""},  // 226
    {Advanced, "(左)Commandキー(GUI)", ""},  // 227
    {Advanced, "右Control", ""},  // 228
    {Advanced, "右Shift", ""},  // 229
    {Advanced, "右Alt", ""},  // 230
    {Advanced, "右Commandキー(GUI)", ""},  // 231
}};

constexpr int CountLevel(KeyLevel level) {
    int n = 0;
    for (const KeyRow& row : kKeyRows) n += row.level == level ? 1 : 0;
    return n;
}
static_assert(CountLevel(KeyLevel::Standard) == 91);
static_assert(CountLevel(KeyLevel::Advanced) == 141);

}  // namespace

const KeyRow* FindKeyRow(int u) {
    if (u < 0 || u >= KEY_ROW_COUNT) return nullptr;
    return &kKeyRows[static_cast<std::size_t>(u)];
}

}  // namespace tarvik
