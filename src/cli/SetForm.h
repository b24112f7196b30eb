// SPDX-License-Identifier: GPL-3.0-or-later
// `tarvikctl set PEDAL FORM`: the forms that program each output mode, read from the arguments
// after PEDAL into a typed choice, or refused with one line before anything is exchanged. Each
// form is declared in its mode's row (model/modes); this reader answers what the row asks.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "model/ModeChoice.h"

namespace tarvik::cli {

struct SetFormResult {
    std::optional<modes::ModeChoice> choice;
    QString error;  // when there is no choice: one line naming the argument and what it allows
};

// args: the form's name, then its arguments and options ("--rate 2.5" or "--rate=2.5"), e.g.
// {"repeat-key", "ctrl+a", "--rate", "2.5"}. Takes any text; never throws.
SetFormResult ParseSetForm(const QStringList& args);

struct SetFormHelp {
    const char* name;
    const char* usage;    // "wheel forward|backward [--rate N] [--repeats N] [--accelerate I]"
    const char* example;  // "wheel backward --rate 20"
    const char* description;  // what the pedal then does, for --help
};
// Every form, in the order of the output modes.
const std::vector<SetFormHelp>& SetForms();

}  // namespace tarvik::cli
