// set: one pedal to a standard key, a click or a double click, written as the standard dialog
// writes it, then read back.
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/KeySpec.h"
#include "cli/PedalArg.h"
#include "cli/UnitSession.h"
#include "model/DeviceState.h"
#include "model/PedalNames.h"
#include "model/StandardChoice.h"
#include "model/Texts.h"

namespace tarvik::cli {

namespace {

// What the standard dialog's write button puts into the record; other bytes keep their values.
struct Edit {
    enum Kind { Key, Click } kind = Key;
    KeyChoice key;
    ClickChoice click = ClickChoice::None;
};

bool ParseEdit(const QStringList& args, Edit& edit, QString& error) {
    const QString& what = args.at(1);
    if (what == QLatin1String("key")) {
        edit.kind = Edit::Key;
        return ParseKeySpec(args.at(2), edit.key, error);
    }
    if (what == QLatin1String("click")) {
        edit.kind = Edit::Click;
        const QString b = args.at(2).toLower();
        if (b == QLatin1String("left")) edit.click = ClickChoice::Left;
        else if (b == QLatin1String("right")) edit.click = ClickChoice::Right;
        else if (b == QLatin1String("middle") || b == QLatin1String("center")) edit.click = ClickChoice::Center;
        else {
            error = QStringLiteral("click '%1': choose left, right or middle").arg(args.at(2));
            return false;
        }
        return true;
    }
    edit.kind = Edit::Click;
    edit.click = ClickChoice::Double;
    return true;
}

void ApplyEdit(int p, const Edit& edit) {
    std::uint8_t& mode = State().OutputMode[static_cast<std::size_t>(p)];
    CommonRecord& common = State().CommonData[static_cast<std::size_t>(p)];
    if (edit.kind == Edit::Click) {
        StoreClickChoice(edit.click, mode, common);
        return;
    }
    KeyboardChoice choice;
    choice.radio = edit.key.modifiers == 0 ? ModifierRadio::NoModifiers
                   : edit.key.usageId == 0 ? ModifierRadio::OnlyModifiers
                                           : ModifierRadio::WithModifiers;
    choice.modifiers = edit.key.modifiers;
    choice.usageID = edit.key.usageId;
    StoreKeyboardChoice(choice, mode, common);
}

}  // namespace

int RunSet(UnitSession& session, const CliRequest& request) {
    // Everything the command line can get wrong is refused before the unit is touched.
    QString error;
    Edit edit;
    if (!IsPedalArgument(request.args.at(0), error) || !ParseEdit(request.args, edit, error)) {
        Error(error);
        return EXIT_USAGE;
    }
    if (const int status = session.Attach(); status != EXIT_OK) return status;
    if (const int status = session.Read(); status != EXIT_OK) return status;

    const int count = State().NumberOfPedals;
    const int p = ResolvePedal(request.args.at(0), count, error);
    if (p < 0) {
        Error(error);
        return EXIT_USAGE;
    }
    ApplyEdit(p, edit);
    State().SelectedPedalNo = p;
    const WrittenPedal written = RecordOf(p);
    if (session.Write(p) != EXIT_OK) {
        Error(QStringLiteral("writing pedal %1 failed (see above)").arg(p));
        return EXIT_UNIT;
    }
    if (const int status = session.VerifyWritten({written}); status != EXIT_OK) return status;
    Out(std::string(text::SettingDoneBefore) + ShownPedalName(count, p) + text::SettingDoneAfter + "\n");
    return EXIT_OK;
}

}  // namespace tarvik::cli
