// SPDX-License-Identifier: GPL-3.0-or-later
// tarvik-config started where no display exists (a terminal over ssh, a build machine running
// help2man): its command line is answered, and nothing aborts inside Qt.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include "CtlRunner.h"

namespace tarvik::test {
namespace {

CtlResult RunWithoutDisplay(const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(variable);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TARVIK_CONFIG_PATH), args);
    CtlResult run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        run.err = QStringLiteral("tarvik-config hung");
        return run;
    }
    // A crash (Qt's abort when it finds no display) is not an exit code.
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

TEST(GuiCommandLine, AnsweredWithoutADisplay) {
    const struct {
        QStringList args;
        int exitCode;
        const char* out;  // standard output starts so (nothing on it for an error)
        const char* err;  // standard error contains it
    } cases[] = {
        {{"--bogus"}, 2, "", "tarvik-config: Unknown option 'bogus'.\nUsage: tarvik-config [--simulate[=FILE]]\n"},
        {{"-platform", "xcb", "--bogus"}, 2, "", "Usage: tarvik-config [--simulate[=FILE]]\n"},
        {{"stray"}, 2, "", "tarvik-config: unexpected argument 'stray'\nUsage: tarvik-config [--simulate[=FILE]]\n"},
        {{"--help"}, 0, "Usage: tarvik-config [--simulate[=FILE]]\n", ""},
        {{"--version"}, 0, "tarvik-config 2.2.5\n", ""},
        {{"--simulate"}, 1, "", "tarvik-config: no display to show the window on"},
    };
    for (const auto& c : cases) {
        const CtlResult r = RunWithoutDisplay(c.args);
        const std::string name = c.args.join(' ').toStdString();
        EXPECT_EQ(r.exitCode, c.exitCode) << name << "\n" << r.err.toStdString();
        const QString out = QString::fromUtf8(c.out);
        EXPECT_EQ(out.isEmpty() ? r.out : r.out.left(out.size()), out) << name;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.err))) << name << "\n" << r.err.toStdString();
    }
}

}  // namespace
}  // namespace tarvik::test
