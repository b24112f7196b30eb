// SPDX-License-Identifier: GPL-3.0-or-later
// show: one pedal's or every pedal's name and description, and the set command that writes the
// setting again, as text or as JSON.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <optional>
#include <string>

#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/PedalArg.h"
#include "cli/ShellQuote.h"
#include "cli/UnitSession.h"
#include "model/DeviceState.h"
#include "model/ModeDecoder.h"
#include "model/ModeFields.h"
#include "model/PedalContents.h"
#include "model/PedalNames.h"

namespace tarvik::cli {

namespace {

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The arguments after `tarvikctl set PEDAL` that write pedal p's setting again, if a form can.
std::optional<QStringList> SetArguments(int p) {
    const auto i = static_cast<std::size_t>(p);
    const auto args = modes::SetArgs(State().OutputMode[i], State().CommonData[i]);
    if (!args) return std::nullopt;
    QStringList list;
    for (const std::string& a : *args) list << Text(a);
    return list;
}

QString SetLine(int p) {
    const auto args = SetArguments(p);
    if (!args) return QStringLiteral("# no tarvikctl set form writes this setting");
    return QStringLiteral("tarvikctl set %1 ").arg(p) + ShellCommand(*args);
}

QJsonValue JsonValue(const modes::FieldValue& value) {
    struct Visitor {
        QJsonValue operator()(std::monostate) const { return QJsonValue::Null; }
        QJsonValue operator()(bool b) const { return b; }
        QJsonValue operator()(long long v) const { return static_cast<qint64>(v); }
        QJsonValue operator()(double v) const { return v; }
        QJsonValue operator()(const std::string& s) const { return Text(s); }
        QJsonValue operator()(const std::vector<std::string>& list) const {
            QJsonArray array;
            for (const std::string& s : list) array.append(Text(s));
            return array;
        }
    };
    return std::visit(Visitor{}, value);
}

QJsonObject JsonPedal(int p, int count) {
    const auto i = static_cast<std::size_t>(p);
    QJsonArray common;
    for (const std::uint8_t b : State().CommonData[i]) common.append(b);
    QJsonObject fields;
    for (const modes::Field& f :
         modes::DecodeFields(State().OutputMode[i], State().CommonData[i], State().AdditionalData[i])) {
        fields.insert(Text(f.name), JsonValue(f.value));
    }
    const auto set = SetArguments(p);
    return {
        {QStringLiteral("pedal"), p},
        {QStringLiteral("name"), Text(ShownPedalName(count, p))},
        {QStringLiteral("mode"), State().OutputMode[i]},
        {QStringLiteral("common"), common},
        {QStringLiteral("description"), Text(PedalContentsText(State(), p))},
        {QStringLiteral("set"),
         set ? QJsonValue(QJsonArray::fromStringList(*set)) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("fields"), fields},
    };
}

std::string TextPedal(int p, int count) {
    return "pedal " + std::to_string(p) + ": " + ShownPedalName(count, p) + "\n" +
           UnixLines(PedalContentsText(State(), p)) + "\n" + SetLine(p).toStdString() + "\n\n";
}

}  // namespace

int RunShow(UnitSession& session, const CliRequest& request) {
    QString error;
    const QString pedal = request.args.value(0);
    if (!pedal.isEmpty() && !IsPedalArgument(pedal, error)) {
        Error(error);
        return EXIT_USAGE;
    }
    if (const int status = session.Attach(); status != EXIT_OK) return status;
    if (const int status = session.Read(); status != EXIT_OK) return status;

    const int count = State().NumberOfPedals;
    int first = 0;
    int last = count - 1;
    if (!pedal.isEmpty()) {
        first = last = ResolvePedal(pedal, count, error);
        if (first < 0) {
            Error(error);
            return EXIT_USAGE;
        }
    } else if (count == 0) {
        Error(QStringLiteral("the unit reports no pedals"));
    }
    if (request.json) {
        QJsonArray pedals;
        for (int p = first; p <= last; ++p) pedals.append(JsonPedal(p, count));
        Out(QJsonDocument(pedals).toJson(QJsonDocument::Indented).toStdString());
        return EXIT_OK;
    }
    std::string out;
    for (int p = first; p <= last; ++p) out += TextPedal(p, count);
    Out(out);
    return EXIT_OK;
}

}  // namespace tarvik::cli
