// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/KeyRows.h"

#include <array>

#include "model/Translate.h"

namespace tarvik {

namespace {

constexpr KeyLevel Standard = KeyLevel::Standard;
constexpr KeyLevel Advanced = KeyLevel::Advanced;

// Indexed by usage ID. Level, name as the user sees it, explanation ("" for none).
constexpr std::array<KeyRow, KEY_ROW_COUNT> kKeyRows{{
    {Advanced, TARVIK_TR_NOOP("Key", "なし"), TARVIK_TR_NOOP("Key", "何も出力しない")},              // 0
    {Advanced, TARVIK_TR_NOOP("Key", "Error Roll Over"), ""},                                        // 1
    {Advanced, TARVIK_TR_NOOP("Key", "POST Fail"), ""},                                              // 2
    {Advanced, TARVIK_TR_NOOP("Key", "Error Undefined"), ""},                                        // 3
    {Standard, TARVIK_TR_NOOP("Key", "a"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 A")},  // 4
    {Standard, TARVIK_TR_NOOP("Key", "b"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 B")},  // 5
    {Standard, TARVIK_TR_NOOP("Key", "c"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 C")},  // 6
    {Standard, TARVIK_TR_NOOP("Key", "d"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 D")},  // 7
    {Standard, TARVIK_TR_NOOP("Key", "e"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 E")},  // 8
    {Standard, TARVIK_TR_NOOP("Key", "f"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 F")},  // 9
    {Standard, TARVIK_TR_NOOP("Key", "g"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 G")},  // 10
    {Standard, TARVIK_TR_NOOP("Key", "h"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 H")},  // 11
    {Standard, TARVIK_TR_NOOP("Key", "i"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 I")},  // 12
    {Standard, TARVIK_TR_NOOP("Key", "j"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 J")},  // 13
    {Standard, TARVIK_TR_NOOP("Key", "k"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 K")},  // 14
    {Standard, TARVIK_TR_NOOP("Key", "l"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 L")},  // 15
    {Standard, TARVIK_TR_NOOP("Key", "m"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 M")},  // 16
    {Standard, TARVIK_TR_NOOP("Key", "n"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 N")},  // 17
    {Standard, TARVIK_TR_NOOP("Key", "o"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 O")},  // 18
    {Standard, TARVIK_TR_NOOP("Key", "p"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 P")},  // 19
    {Standard, TARVIK_TR_NOOP("Key", "q"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 Q")},  // 20
    {Standard, TARVIK_TR_NOOP("Key", "r"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 R")},  // 21
    {Standard, TARVIK_TR_NOOP("Key", "s"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 S")},  // 22
    {Standard, TARVIK_TR_NOOP("Key", "t"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 T")},  // 23
    {Standard, TARVIK_TR_NOOP("Key", "u"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 U")},  // 24
    {Standard, TARVIK_TR_NOOP("Key", "v"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 V")},  // 25
    {Standard, TARVIK_TR_NOOP("Key", "w"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 W")},  // 26
    {Standard, TARVIK_TR_NOOP("Key", "x"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 X")},  // 27
    {Standard, TARVIK_TR_NOOP("Key", "y"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 Y")},  // 28
    {Standard, TARVIK_TR_NOOP("Key", "z"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで大文字 Z")},  // 29
    {Standard, TARVIK_TR_NOOP("Key", "1"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで !")},        // 30
    {Standard, TARVIK_TR_NOOP("Key", "2"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで \"")},       // 31
    {Standard, TARVIK_TR_NOOP("Key", "3"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで #")},        // 32
    {Standard, TARVIK_TR_NOOP("Key", "4"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで $")},        // 33
    {Standard, TARVIK_TR_NOOP("Key", "5"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで %")},        // 34
    {Standard, TARVIK_TR_NOOP("Key", "6"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで &")},        // 35
    {Standard, TARVIK_TR_NOOP("Key", "7"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで '")},        // 36
    {Standard, TARVIK_TR_NOOP("Key", "8"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで (")},        // 37
    {Standard, TARVIK_TR_NOOP("Key", "9"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで )")},        // 38
    {Standard, TARVIK_TR_NOOP("Key", "0"), ""},                                                      // 39
    {Standard, TARVIK_TR_NOOP("Key", "Enter (Return)"), ""},                                         // 40
    {Standard, TARVIK_TR_NOOP("Key", "Escape"), ""},                                                 // 41
    {Standard, TARVIK_TR_NOOP("Key", "delete"), ""},                                                 // 42
    {Standard, TARVIK_TR_NOOP("Key", "Tab"), ""},                                                    // 43
    {Standard, TARVIK_TR_NOOP("Key", "Space"), ""},                                                  // 44
    {Standard, TARVIK_TR_NOOP("Key", "-"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで =")},        // 45
    {Standard, TARVIK_TR_NOOP("Key", "^"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで ~")},        // 46
    {Standard, TARVIK_TR_NOOP("Key", "@"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで `")},        // 47
    {Standard, TARVIK_TR_NOOP("Key", "["), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで {")},        // 48
    {Advanced, TARVIK_TR_NOOP("Key", "]"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで }")},        // 49
    {Standard, TARVIK_TR_NOOP("Key", "]"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで }")},        // 50
    {Standard, TARVIK_TR_NOOP("Key", ";"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで +")},        // 51
    {Standard, TARVIK_TR_NOOP("Key", ":"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで *")},        // 52
    {Standard, TARVIK_TR_NOOP("Key", "`"), ""},                                                      // 53
    {Standard, TARVIK_TR_NOOP("Key", ","), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで <")},        // 54
    {Standard, TARVIK_TR_NOOP("Key", "."), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで >")},        // 55
    {Standard, TARVIK_TR_NOOP("Key", "/"), TARVIK_TR_NOOP("Key", "Shiftプラスこのキーで ?")},        // 56
    {Advanced, TARVIK_TR_NOOP("Key", "Caps Lock"), TARVIK_TR_NOOP("Key", "Shiftとともに使う")},      // 57
    {Standard, TARVIK_TR_NOOP("Key", "F1"), ""},                                                     // 58
    {Standard, TARVIK_TR_NOOP("Key", "F2"), ""},                                                     // 59
    {Standard, TARVIK_TR_NOOP("Key", "F3"), ""},                                                     // 60
    {Standard, TARVIK_TR_NOOP("Key", "F4"), ""},                                                     // 61
    {Standard, TARVIK_TR_NOOP("Key", "F5"), ""},                                                     // 62
    {Standard, TARVIK_TR_NOOP("Key", "F6"), ""},                                                     // 63
    {Standard, TARVIK_TR_NOOP("Key", "F7"), ""},                                                     // 64
    {Standard, TARVIK_TR_NOOP("Key", "F8"), ""},                                                     // 65
    {Standard, TARVIK_TR_NOOP("Key", "F9"), ""},                                                     // 66
    {Standard, TARVIK_TR_NOOP("Key", "F10"), ""},                                                    // 67
    {Standard, TARVIK_TR_NOOP("Key", "F11"), ""},                                                    // 68
    {Standard, TARVIK_TR_NOOP("Key", "F12"), ""},                                                    // 69
    {Advanced, TARVIK_TR_NOOP("Key", "Print Screen"), ""},                                           // 70
    {Advanced, TARVIK_TR_NOOP("Key", "Scroll Lock"), ""},                                            // 71
    {Advanced, TARVIK_TR_NOOP("Key", "Pause"), ""},                                                  // 72
    {Standard, TARVIK_TR_NOOP("Key", "Fn"),
     TARVIK_TR_NOOP("Key", "キーボード独自のfnキーとは異なります")},          // 73
    {Standard, TARVIK_TR_NOOP("Key", "Home"), ""},                            // 74
    {Standard, TARVIK_TR_NOOP("Key", "Page Up"), ""},                         // 75
    {Standard, TARVIK_TR_NOOP("Key", "del"), ""},                             // 76
    {Standard, TARVIK_TR_NOOP("Key", "End"), ""},                             // 77
    {Standard, TARVIK_TR_NOOP("Key", "Page Down"), ""},                       // 78
    {Standard, TARVIK_TR_NOOP("Key", "→"), TARVIK_TR_NOOP("Key", "右矢印")},  // 79
    {Standard, TARVIK_TR_NOOP("Key", "←"), TARVIK_TR_NOOP("Key", "左矢印")},  // 80
    {Standard, TARVIK_TR_NOOP("Key", "↓"), TARVIK_TR_NOOP("Key", "下矢印")},  // 81
    {Standard, TARVIK_TR_NOOP("Key", "↑"), TARVIK_TR_NOOP("Key", "上矢印")},  // 82
    {Standard, TARVIK_TR_NOOP("Key", "clear"), ""},                           // 83
    {Standard, TARVIK_TR_NOOP("Key", "キーパッド /"),
     TARVIK_TR_NOOP("Key", "キーパッド(テンキー)にあるキー")},  // 84
    {Standard, TARVIK_TR_NOOP("Key", "キーパッド *"),
     TARVIK_TR_NOOP("Key", "キーパッド(テンキー)にあるキー")},  // 85
    {Standard, TARVIK_TR_NOOP("Key", "キーパッド -"),
     TARVIK_TR_NOOP("Key", "キーパッド(テンキー)にあるキー")},  // 86
    {Standard, TARVIK_TR_NOOP("Key", "キーパッド +"),
     TARVIK_TR_NOOP("Key", "キーパッド(テンキー)にあるキー")},  // 87
    {Standard, TARVIK_TR_NOOP("Key", "キーパッド Enter (Return)"),
     TARVIK_TR_NOOP("Key", "キーパッド(テンキー)にあるキー")},  // 88
    {Standard, TARVIK_TR_NOOP("Key", "キーパッド End"),
     TARVIK_TR_NOOP("Key", "キーパッド(テンキー)にあるキー NumLockオンで 1")},  // 89
    {Standard, TARVIK_TR_NOOP("Key", "キーパッド ↓(下矢印)"),
     TARVIK_TR_NOOP("Key", "キーパッド(テンキー)にあるキー NumLockオンで 2")},  // 90
    {Standard, TARVIK_TR_NOOP("Key", "キーパッド PageDown"),
     TARVIK_TR_NOOP("Key", "キーパッド(テンキー)にあるキー NumLockオンで 3")},  // 91
    {Standard, TARVIK_TR_NOOP("Key", "キーパッド ←(左矢印)"),
     TARVIK_TR_NOOP("Key", "キーパッド(テンキー)にあるキー NumLockオンで 4")},  // 92
    {Standard, TARVIK_TR_NOOP("Key", "キーパッド 5"),
     TARVIK_TR_NOOP("Key", "NumLockオンで使う オフでは出力なし")},  // 93
    {Standard, TARVIK_TR_NOOP("Key", "キーパッド →(右矢印)"),
     TARVIK_TR_NOOP("Key", "キーパッド(テンキー)にあるキー NumLockオンで 6")},  // 94
    {Standard, TARVIK_TR_NOOP("Key", "キーパッド Home"),
     TARVIK_TR_NOOP("Key", "キーパッド(テンキー)にあるキー NumLockオンで 7")},  // 95
    {Standard, TARVIK_TR_NOOP("Key", "キーパッド ↑(上矢印)"),
     TARVIK_TR_NOOP("Key", "キーパッド(テンキー)にあるキー NumLockオンで 8")},  // 96
    {Standard, TARVIK_TR_NOOP("Key", "キーパッド Page Up"),
     TARVIK_TR_NOOP("Key", "キーパッド(テンキー)にあるキー NumLockオンで 9")},  // 97
    {Standard, TARVIK_TR_NOOP("Key", "キーパッド Insert"),
     TARVIK_TR_NOOP("Key", "キーパッド(テンキー)にあるキー NumLockオンで 0")},  // 98
    {Standard, TARVIK_TR_NOOP("Key", "キーパッド Delete"),
     TARVIK_TR_NOOP("Key", "キーパッド(テンキー)にあるキー NumLockオンで .")},                          // 99
    {Advanced, TARVIK_TR_NOOP("Key", "Non-US..."), ""},                                                 // 100
    {Advanced, TARVIK_TR_NOOP("Key", "Application"), TARVIK_TR_NOOP("Key", "マウス右クリックと同じ")},  // 101
    {Advanced, TARVIK_TR_NOOP("Key", "Power"), ""},                                                     // 102
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド ="),
     TARVIK_TR_NOOP("Key", "キーパッド(テンキー)にあるキー")},                    // 103
    {Advanced, TARVIK_TR_NOOP("Key", "F13"), ""},                                 // 104
    {Advanced, TARVIK_TR_NOOP("Key", "F14"), ""},                                 // 105
    {Advanced, TARVIK_TR_NOOP("Key", "F15"), ""},                                 // 106
    {Advanced, TARVIK_TR_NOOP("Key", "F16"), ""},                                 // 107
    {Advanced, TARVIK_TR_NOOP("Key", "F17"), ""},                                 // 108
    {Advanced, TARVIK_TR_NOOP("Key", "F18"), ""},                                 // 109
    {Advanced, TARVIK_TR_NOOP("Key", "F19"), ""},                                 // 110
    {Advanced, TARVIK_TR_NOOP("Key", "F20"), ""},                                 // 111
    {Advanced, TARVIK_TR_NOOP("Key", "F21"), ""},                                 // 112
    {Advanced, TARVIK_TR_NOOP("Key", "F22"), ""},                                 // 113
    {Advanced, TARVIK_TR_NOOP("Key", "F23"), ""},                                 // 114
    {Advanced, TARVIK_TR_NOOP("Key", "F24"), ""},                                 // 115
    {Advanced, TARVIK_TR_NOOP("Key", "Execute"), ""},                             // 116
    {Advanced, TARVIK_TR_NOOP("Key", "Help"), ""},                                // 117
    {Advanced, TARVIK_TR_NOOP("Key", "Menu"), ""},                                // 118
    {Advanced, TARVIK_TR_NOOP("Key", "Select"), ""},                              // 119
    {Advanced, TARVIK_TR_NOOP("Key", "Stop"), ""},                                // 120
    {Advanced, TARVIK_TR_NOOP("Key", "Again"), ""},                               // 121
    {Advanced, TARVIK_TR_NOOP("Key", "Undo"), ""},                                // 122
    {Advanced, TARVIK_TR_NOOP("Key", "Cut"), ""},                                 // 123
    {Advanced, TARVIK_TR_NOOP("Key", "Copy"), ""},                                // 124
    {Advanced, TARVIK_TR_NOOP("Key", "Paste"), ""},                               // 125
    {Advanced, TARVIK_TR_NOOP("Key", "Find"), ""},                                // 126
    {Advanced, TARVIK_TR_NOOP("Key", "Mute"), ""},                                // 127
    {Advanced, TARVIK_TR_NOOP("Key", "Volume Up"), ""},                           // 128
    {Advanced, TARVIK_TR_NOOP("Key", "Volume Down"), ""},                         // 129
    {Advanced, TARVIK_TR_NOOP("Key", "Locking Caps Lock"), ""},                   // 130
    {Advanced, TARVIK_TR_NOOP("Key", "Locking Num Lock"), ""},                    // 131
    {Advanced, TARVIK_TR_NOOP("Key", "Locking Scroll Lock"), ""},                 // 132
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド Comma"), ""},                    // 133
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド Equal Sign"), ""},               // 134
    {Advanced, TARVIK_TR_NOOP("Key", "Keyboard International 1"), ""},            // 135
    {Advanced, TARVIK_TR_NOOP("Key", "Keyboard International 2"), ""},            // 136
    {Advanced, TARVIK_TR_NOOP("Key", "Keyboard International 3"), ""},            // 137
    {Advanced, TARVIK_TR_NOOP("Key", "Keyboard International 4"), ""},            // 138
    {Advanced, TARVIK_TR_NOOP("Key", "Keyboard International 5"), ""},            // 139
    {Advanced, TARVIK_TR_NOOP("Key", "Keyboard International 6"), ""},            // 140
    {Advanced, TARVIK_TR_NOOP("Key", "Keyboard International 7"), ""},            // 141
    {Advanced, TARVIK_TR_NOOP("Key", "Keyboard International 8"), ""},            // 142
    {Advanced, TARVIK_TR_NOOP("Key", "Keyboard International 9"), ""},            // 143
    {Advanced, TARVIK_TR_NOOP("Key", "かな"), ""},                                // 144
    {Advanced, TARVIK_TR_NOOP("Key", "英数"), ""},                                // 145
    {Advanced, TARVIK_TR_NOOP("Key", "Keyboard LANG 3"), ""},                     // 146
    {Advanced, TARVIK_TR_NOOP("Key", "Keyboard LANG 4"), ""},                     // 147
    {Advanced, TARVIK_TR_NOOP("Key", "Keyboard LANG 5"), ""},                     // 148
    {Advanced, TARVIK_TR_NOOP("Key", "Keyboard LANG 6"), ""},                     // 149
    {Advanced, TARVIK_TR_NOOP("Key", "Keyboard LANG 7"), ""},                     // 150
    {Advanced, TARVIK_TR_NOOP("Key", "Keyboard LANG 8"), ""},                     // 151
    {Advanced, TARVIK_TR_NOOP("Key", "Keyboard LANG 9"), ""},                     // 152
    {Advanced, TARVIK_TR_NOOP("Key", "Alternate Erase"), ""},                     // 153
    {Advanced, TARVIK_TR_NOOP("Key", "SysReq/Attention"), ""},                    // 154
    {Advanced, TARVIK_TR_NOOP("Key", "Cancel"), ""},                              // 155
    {Advanced, TARVIK_TR_NOOP("Key", "Clear"), ""},                               // 156
    {Advanced, TARVIK_TR_NOOP("Key", "Prior"), ""},                               // 157
    {Advanced, TARVIK_TR_NOOP("Key", "Return"), ""},                              // 158
    {Advanced, TARVIK_TR_NOOP("Key", "Separator"), ""},                           // 159
    {Advanced, TARVIK_TR_NOOP("Key", "Out"), ""},                                 // 160
    {Advanced, TARVIK_TR_NOOP("Key", "Oper"), ""},                                // 161
    {Advanced, TARVIK_TR_NOOP("Key", "Clear/Again"), ""},                         // 162
    {Advanced, TARVIK_TR_NOOP("Key", "CrSel/Props"), ""},                         // 163
    {Advanced, TARVIK_TR_NOOP("Key", "ExSel"), ""},                               // 164
    {Advanced, TARVIK_TR_NOOP("Key", "---"), TARVIK_TR_NOOP("Key", "Reserved")},  // 165
    {Advanced, TARVIK_TR_NOOP("Key", "---"), TARVIK_TR_NOOP("Key", "Reserved")},  // 166
    {Advanced, TARVIK_TR_NOOP("Key", "---"), TARVIK_TR_NOOP("Key", "Reserved")},  // 167
    {Advanced, TARVIK_TR_NOOP("Key", "---"), TARVIK_TR_NOOP("Key", "Reserved")},  // 168
    {Advanced, TARVIK_TR_NOOP("Key", "---"), TARVIK_TR_NOOP("Key", "Reserved")},  // 169
    {Advanced, TARVIK_TR_NOOP("Key", "---"), TARVIK_TR_NOOP("Key", "Reserved")},  // 170
    {Advanced, TARVIK_TR_NOOP("Key", "---"), TARVIK_TR_NOOP("Key", "Reserved")},  // 171
    {Advanced, TARVIK_TR_NOOP("Key", "---"), TARVIK_TR_NOOP("Key", "Reserved")},  // 172
    {Advanced, TARVIK_TR_NOOP("Key", "---"), TARVIK_TR_NOOP("Key", "Reserved")},  // 173
    {Advanced, TARVIK_TR_NOOP("Key", "---"), TARVIK_TR_NOOP("Key", "Reserved")},  // 174
    {Advanced, TARVIK_TR_NOOP("Key", "---"), TARVIK_TR_NOOP("Key", "Reserved")},  // 175
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド 00"), ""},                       // 176
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド 000"), ""},                      // 177
    {Advanced, TARVIK_TR_NOOP("Key", "Thousands Separator"), ""},                 // 178
    {Advanced, TARVIK_TR_NOOP("Key", "Decimal Separator"), ""},                   // 179
    {Advanced, TARVIK_TR_NOOP("Key", "Currency Unit"), ""},                       // 180
    {Advanced, TARVIK_TR_NOOP("Key", "Currency Sub-unit"), ""},                   // 181
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド ("), ""},                        // 182
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド )"), ""},                        // 183
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド {"), ""},                        // 184
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド }"), ""},                        // 185
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド Tab"), ""},                      // 186
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド Back Space"), ""},               // 187
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド A"), ""},                        // 188
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド B"), ""},                        // 189
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド C"), ""},                        // 190
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド D"), ""},                        // 191
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド E"), ""},                        // 192
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド F"), ""},                        // 193
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド XOR"), ""},                      // 194
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド ^"), ""},                        // 195
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド %"), ""},                        // 196
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド <"), ""},                        // 197
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド >"), ""},                        // 198
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド &"), ""},                        // 199
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド &&"), ""},                       // 200
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド |"), ""},                        // 201
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド ||"), ""},                       // 202
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド :"), ""},                        // 203
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド #"), ""},                        // 204
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド Space"), ""},                    // 205
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド @"), ""},                        // 206
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド !"), ""},                        // 207
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド Memory Store"), ""},             // 208
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド Memory Recall"), ""},            // 209
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド Memory Clear"), ""},             // 210
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド Memory Add"), ""},               // 211
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド Memory Subtract"), ""},          // 212
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド Memory Multiply"), ""},          // 213
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド Memory Divide"), ""},            // 214
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド +/-"), ""},                      // 215
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド Clear"), ""},                    // 216
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド Clear Entry"), ""},              // 217
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド Binary"), ""},                   // 218
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド Octal"), ""},                    // 219
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド Decimal"), ""},                  // 220
    {Advanced, TARVIK_TR_NOOP("Key", "キーパッド Hexadecimal"), ""},              // 221
    {Advanced, TARVIK_TR_NOOP("Key", "---"), TARVIK_TR_NOOP("Key", "Reserved")},  // 222
    {Advanced, TARVIK_TR_NOOP("Key", "---"), TARVIK_TR_NOOP("Key", "Reserved")},  // 223
    {Advanced, TARVIK_TR_NOOP("Key", "(左)Control"), ""},                         // 224
    {Advanced, TARVIK_TR_NOOP("Key", "(左)Shift"), ""},                           // 225
    {Advanced, TARVIK_TR_NOOP("Key", "(左)Alt"), ""},                             // 226
    {Advanced, TARVIK_TR_NOOP("Key", "(左)Commandキー(GUI)"), ""},                // 227
    {Advanced, TARVIK_TR_NOOP("Key", "右Control"), ""},                           // 228
    {Advanced, TARVIK_TR_NOOP("Key", "右Shift"), ""},                             // 229
    {Advanced, TARVIK_TR_NOOP("Key", "右Alt"), ""},                               // 230
    {Advanced, TARVIK_TR_NOOP("Key", "右Commandキー(GUI)"), ""},                  // 231
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
