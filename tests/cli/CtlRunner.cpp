#include "CtlRunner.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace tarvik::test {

CtlResult RunCtl(const QStringList& args) {
    QProcess process;
    process.setProgram(QStringLiteral(TARVIKCTL_PATH));
    process.setArguments(args);
    process.start();
    CtlResult result;
    if (!process.waitForStarted(10000)) {
        result.err = QStringLiteral("tarvikctl did not start: ") + process.errorString();
        return result;
    }
    process.closeWriteChannel();
    // A silent unit costs the real 3-second time-out; this bound only stops a hung program.
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        result.err = QStringLiteral("tarvikctl hung");
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QString UnitFolder::Write(const QString& name, const QByteArray& json) {
    QFile file(dir_.filePath(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(json);
    return file.fileName();
}

QByteArray UnitFolder::Read(const QString& name) const {
    QFile file(dir_.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QJsonArray UnitFolder::Pedals(const QString& name) const {
    return QJsonDocument::fromJson(Read(name)).object().value(QStringLiteral("pedals")).toArray();
}

QStringList LinesStartingWith(const QString& text, const QString& prefix) {
    QStringList out;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(prefix)) out << line;
    }
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

}  // namespace tarvik::test
