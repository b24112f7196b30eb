// SPDX-License-Identifier: GPL-3.0-or-later
// Each channel a refusal or a failed save reaches the user through, on the built tarvikctl: its exit
// status, what it says, whether it read the unit, and that every file is as it was, no temporary left.
#include <gtest/gtest.h>

#include <QStandardPaths>
#include <sys/stat.h>
#include <unistd.h>

#include "CtlRunner.h"

namespace tarvik::test {
namespace {

constexpr uid_t kNobody = 65534;

// What another user finds in the folder: a root-owned 0644 file in a folder anyone may write to, and
// his own writable file in a folder only root may write to. (His own read-only file is SafeFile's.)
void PutOthersFiles(Kinds& kinds) {
    const QByteArray unit = ThreePedals();
    ASSERT_EQ(::chmod(QFile::encodeName(kinds.Folder()).constData(), 0777), 0);
    kinds.Put("r644.json", unit);
    ASSERT_TRUE(QDir(kinds.Folder()).mkdir("ro"));
    ASSERT_EQ(::chmod(kinds.Native("ro").constData(), 0755), 0);
    kinds.Put("ro/n644.json", unit);
    ASSERT_EQ(::chown(kinds.Native("ro/n644.json").constData(), kNobody, kNobody), 0);
}

TEST(CtlRefusal, RefusedAndFailedCommandsLeaveTheUnitAndEveryFileAsTheyWere) {
    enum Run { Ctl, CtlWithoutFileSpace, CtlAsNobody, Gui };
    const QString S = QStringLiteral("--simulate=@/unit.json");
    const QString notSaved = QStringLiteral("tarvikctl: the simulated unit's settings were not saved: ");
    const struct {
        Run run; QStringList args; int exitCode; QString says;
        bool reads = false;  // the command gets as far as reading the unit
        const char* lacks = "(a unit file is what";
    } cases[] = {
        {Ctl, {S, "show", "a\nb\x01"}, 2, "tarvikctl: 'a\\nb\\x01' names no pedal; give an index 0..4"},
        {Ctl, {S, "reset"}, 2,
         "standard input is not a terminal; add --yes to reset without asking. Nothing was changed."},
        // dump replaces nothing unless told to, and then only a regular file.
        {Ctl, {S, "dump", "@/file"}, 2, "tarvikctl: @/file exists already; add --force to replace it. Nothing was written"},
        {Ctl, {S, "dump", "--force", "@/link-to-fifo"}, 2,
         "tarvikctl: @/link-to-fifo: cannot write (a symbolic link to @/fifo, which is a FIFO, not a regular file)"},
        // A write that fails half-way says why, and the old file stays whole: tarvikctl itself ignores
        // the signal a write past the limit raises.
        {CtlWithoutFileSpace, {S, "dump", "--force", "@/file"}, 2,
         "tarvikctl: @/file: cannot write (File too large); the file is unchanged", true},
        // A unit problem exits 1, after as much of the read as it takes to find it.
        {Ctl, {"--simulate=@/firmware3.json", "show"}, 1,
         "このバージョンは対応しておりません\ntarvikctl: firmware 3.0.0 is not supported", true},
        {Ctl, {S, "--device", "sim:9", "show"}, 1, "tarvikctl: no Tarvik unit at sim:9; units found: @/unit.json"},
        {CtlWithoutFileSpace, {S, "set", "0", "key", "a"}, 1,
         notSaved + "@/unit.json: cannot write (File too large); the file is unchanged", true},
        // A save refused (here a file its owner may not write, which holds for root too) is the user's: 2.
        {Ctl, {"--simulate=@/r444.json", "set", "0", "key", "a"}, 2,
         notSaved + "@/r444.json: cannot write (Permission denied); the file is unchanged", true},
        // Unit files and snapshots are read only from regular files, and strictly; the hint on what a
        // unit file is follows only a refused content.
        {Ctl, {"--simulate=@/fifo", "show"}, 2, "tarvikctl: @/fifo: cannot read (a FIFO, not a regular file)\n"},
        {Ctl, {"--simulate=@/twice.json", "show"}, 2,
         "tarvikctl: @/twice.json: pedal_count: given more than once (a unit file is what `tarvikctl --simulate "
         "dump FILE` writes)", false, ""},
        {Ctl, {S, "restore", "@/socket"}, 2, "tarvikctl: @/socket: cannot read (a socket, not a regular file)"},
        // Only a file the user may write himself is replaced; a folder that refuses is named.
        {CtlAsNobody, {"--simulate=@/r644.json", "set", "0", "key", "f13"}, 2,
         notSaved + "@/r644.json: cannot write (Permission denied); the file is unchanged", true},
        {CtlAsNobody, {"--simulate=@/ro/n644.json", "set", "0", "key", "f13"}, 2,
         notSaved + "@/ro/n644.json: cannot write (no file can be made in the folder @/ro: Permission denied); "
         "the file is unchanged", true},
        // tarvik-config answers its command line without a display, and says when it needs one.
        {Gui, {"--simulate=@/link-to-null"}, 2,
         "tarvik-config: @/link-to-null: cannot read (a character device, not a regular file)"},
        {Gui, {"--bogus"}, 2, "tarvik-config: Unknown option 'bogus'.\nUsage: tarvik-config [--simulate[=FILE]]\n"},
        {Gui, {"-platform", "xcb", "stray"}, 2,
         "tarvik-config: unexpected argument 'stray'\nUsage: tarvik-config [--simulate[=FILE]]\n"},
        {Gui, {"--simulate"}, 1, "tarvik-config: no display to show the window on"},
    };
    const bool asNobody = ::geteuid() == 0 && !QStandardPaths::findExecutable("setpriv").isEmpty();
    for (const auto& c : cases) {
        if (c.run == CtlAsNobody && !asNobody) continue;  // needs root to be another user
        Kinds kinds;
        for (const char* unit : {"unit.json", "r444.json"}) kinds.Put(unit, ThreePedals());
        kinds.Put("twice.json", R"({"pedal_count": 300, "pedals": [], "pedal_count": 0})");
        kinds.Put("firmware3.json", R"({"firmware": [3, 0, 0], "pedals": []})");
        ASSERT_EQ(::chmod(kinds.Native("r444.json").constData(), 0444), 0);
        if (c.run == CtlAsNobody) PutOthersFiles(kinds);
        QStringList args{"--transcript"};
        for (const QString& a : c.args) args << kinds.InFolder(a);
        SCOPED_TRACE(args.join(' ').toStdString());
        const std::vector<std::string> before = kinds.All();
        const QString inner = kinds.Fingerprint("ro/n644.json");
        const CtlResult r =
            c.run == Gui                   ? RunGuiWithoutDisplay(args.mid(1))
            : c.run == CtlWithoutFileSpace ? RunCtlWithoutFileSpace(args)
            : c.run == CtlAsNobody
                ? RunCtlThroughShell("exec setpriv --reuid=nobody --regid=nogroup --clear-groups \"$0\" \"$@\"", args)
                : RunCtl(args);
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(kinds.InFolder(c.says))) << r.err.toStdString();
        EXPECT_TRUE(*c.lacks == '\0' || !r.err.contains(c.lacks)) << r.err.toStdString();
        EXPECT_EQ(r.out, "") << "no data, and no confirmation of what failed";
        EXPECT_TRUE(c.reads || c.run == Gui || LinesStartingWith(r.err, "> ").isEmpty()) << "read, then refused";
        EXPECT_EQ(kinds.All(), before);
        EXPECT_EQ(kinds.Fingerprint("ro/n644.json"), inner);
    }
}

// Output that cannot be written has one status of its own, and the message says what was done.
TEST(CtlRefusal, StandardOutputThatFailsExitsThreeAndSaysWhatWasDone) {
    const struct { const char* redirect; QStringList args; const char* says; bool written; } cases[] = {
        {">/dev/full", {"--simulate=@/unit.json", "set", "0", "key", "f13"},
         "tarvikctl: standard output could not be written (No space left on device); the pedal was written and "
         "read back\n", true},
        {">&-", {"--simulate=@/unit.json", "show"},
         "tarvikctl: standard output could not be written (Bad file descriptor); what it received is incomplete\n",
         false},
        {">/dev/full", {"--help"}, "tarvikctl: cannot write to standard output (No space left on device)\n", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.redirect + c.args.join(' ').toStdString());
        QTemporaryDir dir;
        const QString unit = WriteFile(dir, "unit.json", ThreePedals());
        QStringList args;
        for (const QString& a : c.args) args << QString(a).replace("@/", dir.path() + "/");
        const CtlResult r = RunCtlThroughShell(QStringLiteral("exec \"$0\" \"$@\" ") + c.redirect, args);
        EXPECT_EQ(r.exitCode, 3) << r.err.toStdString();
        EXPECT_EQ(r.err, c.says);
        EXPECT_EQ(ReadFile(unit) != ThreePedals(), c.written);
    }
}

TEST(CtlRefusal, AFileNameThatIsNotUtf8IsTakenAsItsBytes) {
    QTemporaryDir dir;
    const QString name = "\"$1\"$(printf '/bad\\377name.json')";
    const CtlResult dumped = RunCtlThroughShell("exec \"$0\" --simulate dump " + name, {dir.path()});
    ASSERT_EQ(dumped.exitCode, 0) << dumped.err.toStdString();
    const CtlResult shown = RunCtlThroughShell("exec \"$0\" --simulate=" + name + " show 0", {dir.path()});
    EXPECT_EQ(shown.exitCode, 0) << shown.err.toStdString();
    EXPECT_TRUE(shown.out.startsWith("pedal 0: 中央ペダル\n")) << shown.out.toStdString();
    // There by its bytes; also, the folder's own clean-up could not spell it.
    EXPECT_EQ(::unlink((QFile::encodeName(dir.path()) + "/bad\377name.json").constData()), 0);
}

}  // namespace
}  // namespace tarvik::test
