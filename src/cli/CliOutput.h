// SPDX-License-Identifier: GPL-3.0-or-later
// Where tarvikctl writes: data on standard output; messages, alerts, console lines and the report
// transcript on standard error, so that `tarvikctl dump > file` stays clean.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>

#include "device/Alert.h"

namespace tarvik::cli {

// The unit's texts join lines with CR LF; a terminal wants line feeds.
std::string UnixLines(const std::string& text);

// One line on standard error, prefixed with "tarvikctl: "; control characters and bytes of names
// that are not UTF-8 are shown escaped ("\n", "\x00"), so that it stays one line.
void Error(const QString& message);
// One line on standard error as it is (product texts, console lines).
void ErrorRaw(const std::string& line);
// Text on standard output, no line feed added, flushed at once.
void Out(const std::string& text);
// Why standard output did not take everything Out() was given ("No space left on device"), or an
// empty string when it did.
QString OutputFailure();
// Standard input, output and error that are closed at start are opened on /dev/null, so that no file
// the program opens takes their place; output to a closed standard output fails.
void GuardStandardStreams();

// "> 94 00 01 …" / "< …": one report as the transcript shows it.
std::string TranscriptLine(bool sent, const QByteArray& report);
// Lower-case hex bytes separated by blanks.
std::string HexBytes(const unsigned char* data, int size);
// `value` as at least `width` lower-case hex digits, zero-filled ("1209").
QString HexDigits(int value, int width);

// Messages go to standard error. Confirmations are asked by the commands themselves on the
// terminal, so anything that still asks here gets the harmless answer.
class StderrAlertPresenter : public AlertPresenter {
public:
    int ShowMessage(const std::string& message) override;
    int Confirm(const std::string& title, const std::string& message) override;
};

// Installs the presenter and sends console lines to standard error for the process's life.
void InstallCliOutput();

}  // namespace tarvik::cli
