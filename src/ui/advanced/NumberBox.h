// SPDX-License-Identifier: GPL-3.0-or-later
// The number boxes of the advanced dialog, each with the stepper beside it.
#pragma once

class QLineEdit;

namespace tarvik::advanced {

class Stepper;

// The number a box holds (see IntValue), and showing one in it.
int BoxValue(const QLineEdit* box);
void ShowNumber(QLineEdit* box, int value);

// The box takes digits only. A step shows the stepper's number in the box; a number typed into the
// box goes to the stepper when the box is left or Return is pressed. The range is the stepper's,
// which clamps what is typed, so a number beyond it is still taken (as the nearest end).
void PairBoxWithStepper(QLineEdit* box, Stepper* stepper);

}  // namespace tarvik::advanced
