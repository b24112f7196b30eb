// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOutput.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

#include "device/Console.h"
#include "storage/NativeName.h"

namespace tarvik::cli {

std::string UnixLines(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        // A lone CR also breaks the line in the product's texts.
        out.push_back(text[i] == '\r' ? '\n' : text[i]);
    }
    return out;
}

namespace {
int gOutputError = 0;  // errno of the first failed write to standard output
}  // namespace

void Error(const QString& message) {
    std::cerr << "tarvikctl: " << EscapedForMessage(message).toStdString() << std::endl;
}

void ErrorRaw(const std::string& line) { std::cerr << line << std::endl; }

void Out(const std::string& text) {
    if (gOutputError != 0) return;
    std::cout << text << std::flush;
    if (!std::cout) gOutputError = errno != 0 ? errno : EIO;
}

QString OutputFailure() { return gOutputError == 0 ? QString() : QString::fromLocal8Bit(std::strerror(gOutputError)); }

void GuardStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        const int opened = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
        if (fd == 1) gOutputError = EBADF;
    }
}

std::string HexBytes(const unsigned char* data, int size) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (int i = 0; i < size; ++i) {
        if (i > 0) out.push_back(' ');
        out.push_back(digits[data[i] >> 4]);
        out.push_back(digits[data[i] & 0x0F]);
    }
    return out;
}

QString HexDigits(int value, int width) { return QStringLiteral("%1").arg(value, width, 16, QLatin1Char('0')); }

std::string TranscriptLine(bool sent, const QByteArray& report) {
    return std::string(sent ? "> " : "< ") +
           HexBytes(reinterpret_cast<const unsigned char*>(report.constData()), static_cast<int>(report.size()));
}

int StderrAlertPresenter::ShowMessage(const std::string& message) {
    ErrorRaw(UnixLines(message));
    return ALERT_FIRST_BUTTON;
}

int StderrAlertPresenter::Confirm(const std::string& title, const std::string& message) {
    ErrorRaw(title + ": " + UnixLines(message));
    return ALERT_SECOND_BUTTON;
}

void InstallCliOutput() {
    static StderrAlertPresenter presenter;
    SetAlertPresenter(&presenter);
    SetConsoleSink([](const std::string& line) { ErrorRaw(line); });
}

}  // namespace tarvik::cli
