// SPDX-License-Identifier: GPL-3.0-or-later
#include "CtlRunner.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace tarvik::test {

namespace {

CtlResult RunProgram(const QString& program, const QStringList& args,
                     const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(args);
    process.setProcessEnvironment(env);
    process.start();
    CtlResult result;
    if (!process.waitForStarted(10000)) {
        result.err = program + QStringLiteral(" did not start: ") + process.errorString();
        return result;
    }
    process.closeWriteChannel();
    // A silent unit costs the real 3-second time-out; this bound only stops a hung program.
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        result.err = program + QStringLiteral(" hung");
        return result;
    }
    // A crash (Qt's abort when it finds no display, say) is not an exit code.
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

}  // namespace

CtlResult RunCtl(const QStringList& args) { return RunProgram(QStringLiteral(TARVIKCTL_PATH), args); }

CtlResult RunCtlThroughShell(const QString& script, const QStringList& args) {
    return RunProgram(QStringLiteral("/bin/sh"), QStringList{"-c", script, QStringLiteral(TARVIKCTL_PATH)} + args);
}

CtlResult RunCtlWithoutFileSpace(const QStringList& args) {
    // The signal a write past the limit raises is left at its default: tarvikctl must ignore it itself.
    return RunCtlThroughShell(QStringLiteral("ulimit -f 0 && exec \"$0\" \"$@\""), args);
}

CtlResult RunGuiWithoutDisplay(const QStringList& args) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(variable);
    return RunProgram(QStringLiteral(TARVIK_CONFIG_PATH), args, env);
}

QStringList LinesStartingWith(const QString& text, const QString& prefix) {
    QStringList out;
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (line.startsWith(prefix)) out << line;
    return out;
}

QByteArray UnitJson(const QList<QPair<int, QString>>& pedals, const QString& extra) {
    QStringList items;
    for (const auto& [mode, common] : pedals) {
        items << QStringLiteral("{\"mode\": %1, \"common\": \"%2\"}").arg(mode).arg(common);
    }
    return QStringLiteral("{\"firmware\": [2, 1, 0], \"pedals\": [%1]%2}")
        .arg(items.join(QStringLiteral(", ")), extra.isEmpty() ? QString() : QStringLiteral(", ") + extra)
        .toUtf8();
}

QByteArray ThreePedals() {
    return UnitJson({{1, "01 00 00 00 00 00 00 00 00 00 00 00 2a"},
                     {0, "00 28 00 00 00 00 00 00 00 00 00 00 00"},
                     {1, "02 00 00 00 00 00 00 00 00 00 00 00 00"}});
}

}  // namespace tarvik::test
