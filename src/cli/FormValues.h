// SPDX-License-Identifier: GPL-3.0-or-later
// The values of a setting form: numbers within their ranges, rates with one decimal, buttons,
// directions and the other named codes. Each reader gives the value, or false and one line that
// names the argument and what it allows.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

#include "model/OutputCodes.h"

namespace tarvik::cli {

// Decimal digits only, within low..high. `unit` follows the range in a refusal (" ms").
bool ReadWhole(const QString& argument, const QString& text, int low, int high, const char* unit, int& value,
               QString& error);
// A rate of repetitions per second with at most one decimal, as tenths within low..high tenths.
bool ReadTenths(const QString& argument, const QString& text, int low, int high, int& tenths, QString& error);
// left, right or middle.
bool ReadButton(const QString& argument, const QString& text, std::uint8_t& code, QString& error);
// One button, or several joined by '+', each at most once.
bool ReadButtons(const QString& argument, const QString& text, std::uint8_t& code, QString& error);
bool ReadDirection(const QString& argument, const QString& text, MoveDirection& direction, QString& error);
// One of `names` (any case): its position.
bool ReadName(const QString& argument, const QString& text, const QStringList& names, int& index, QString& error);

// "a", "a or b", "a, b or c".
QString OrList(const QStringList& names);

}  // namespace tarvik::cli
