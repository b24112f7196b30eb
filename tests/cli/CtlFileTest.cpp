// Files on the command line: what the programs refuse to read or write, that a refusal or a failed
// write leaves every file byte for byte as it was, and where dump writes.
#include <gtest/gtest.h>

#include "CtlRunner.h"
#include "support/FileKinds.h"

namespace tarvik::test {
namespace {

// "@/" stands for the folder of the case.
QString InFolder(QString text, const Kinds& kinds) { return text.replace(QStringLiteral("@/"), kinds.Folder() + '/'); }

TEST(CtlFiles, RefusedFilesAndFailedWritesLeaveEveryFileAsItWas) {
    enum Run { Ctl, CtlWithoutFileSpace, Gui };
    const QString S = QStringLiteral("--simulate=@/unit.json");
    const struct {
        Run run;
        QStringList args;
        int exitCode;
        const char* says;
    } cases[] = {
        // dump replaces nothing unless told to, and then only a regular file.
        {Ctl, {S, "dump", "@/file"}, 2, "tarvikctl: @/file exists already; add --force to replace it. Nothing was written"},
        {Ctl, {S, "dump", "@/dangling"}, 2, "tarvikctl: @/dangling exists already; add --force to replace it."},
        {Ctl, {S, "dump", "--force", "@/fifo"}, 2,
         "tarvikctl: @/fifo: cannot write (a FIFO, not a regular file); the file is unchanged"},
        {Ctl, {S, "dump", "--force", "@/dir"}, 2,
         "tarvikctl: @/dir: cannot write (a directory, not a regular file); the file is unchanged"},
        {Ctl, {S, "dump", "--force", "@/socket"}, 2,
         "tarvikctl: @/socket: cannot write (a socket, not a regular file); the file is unchanged"},
        {Ctl, {S, "dump", "--force", "@/link-to-null"}, 2,
         "tarvikctl: @/link-to-null: cannot write (a symbolic link to /dev/null, which is a character device, "
         "not a regular file); the file is unchanged"},
        {Ctl, {S, "dump", "--force", "@/link-to-fifo"}, 2,
         "tarvikctl: @/link-to-fifo: cannot write (a symbolic link to @/fifo, which is a FIFO, not a regular file)"},
        {Ctl, {S, "dump", "--force", "@/dangling"}, 2,
         "tarvikctl: @/dangling: cannot write (a symbolic link to @/gone, which does not exist); the file is unchanged"},
        {Ctl, {S, "show", "--force"}, 2, "tarvikctl: --force goes with dump only"},
        // A write that fails half-way says why, and the old file stays whole.
        {CtlWithoutFileSpace, {S, "dump", "--force", "@/file"}, 2,
         "tarvikctl: @/file: cannot write (File too large); the file is unchanged"},
        {CtlWithoutFileSpace, {S, "dump", "--force", "@/link-to-file"}, 2,
         "tarvikctl: @/link-to-file: cannot write (File too large); the file is unchanged"},
        {CtlWithoutFileSpace, {S, "dump", "@/new.json"}, 2,
         "tarvikctl: @/new.json: cannot write (File too large); nothing was written"},
        {CtlWithoutFileSpace, {S, "set", "0", "key", "a"}, 1,
         "tarvikctl: the simulated unit's settings were not saved: @/unit.json: cannot write (File too large); "
         "the file is unchanged"},
        {CtlWithoutFileSpace, {"--simulate=@/keys.json", "reset", "--yes"}, 1,
         "tarvikctl: the simulated unit's settings were not saved: @/keys.json: cannot write (File too large)"},
        // Unit files are read only from regular files, and refused before they are opened: a FIFO
        // would block for ever.
        {Ctl, {"--simulate=@/fifo", "show"}, 2, "tarvikctl: @/fifo: cannot read (a FIFO, not a regular file)"},
        {Ctl, {"--simulate=@/link-to-fifo", "show"}, 2,
         "tarvikctl: @/link-to-fifo: cannot read (a FIFO, not a regular file)"},
        {Ctl, {"--simulate=@/dir", "show"}, 2, "tarvikctl: @/dir: cannot read (a directory, not a regular file)"},
        {Ctl, {"--simulate=@/link-to-null", "show"}, 2,
         "tarvikctl: @/link-to-null: cannot read (a character device, not a regular file)"},
        {Ctl, {S, "restore", "@/fifo"}, 2, "tarvikctl: @/fifo: cannot read (a FIFO, not a regular file)"},
        {Ctl, {S, "restore", "@/socket"}, 2, "tarvikctl: @/socket: cannot read (a socket, not a regular file)"},
        {Gui, {"--simulate=@/fifo"}, 2, "tarvik-config: @/fifo: cannot read (a FIFO, not a regular file)"},
        {Gui, {"--simulate=@/link-to-null"}, 2,
         "tarvik-config: @/link-to-null: cannot read (a character device, not a regular file)"},
        // Strict contents.
        {Ctl, {"--simulate=@/twice.json", "show"}, 2, "tarvikctl: @/twice.json: pedal_count: given more than once"},
        {Ctl, {S, "restore", "@/twice.json"}, 2, "tarvikctl: @/twice.json: pedal_count: given more than once"},
        {Ctl, {"--simulate=@/signed.json", "show"}, 2,
         "tarvikctl: @/signed.json: pedals[0].common: \"+1\" is not a hex byte (two digits, 00..ff)"},
    };
    for (const auto& c : cases) {
        Kinds kinds;
        kinds.Put("unit.json", ThreePedals());
        kinds.Put("twice.json", R"({"pedal_count": 300, "pedals": [], "pedal_count": 0})");
        kinds.Put("keys.json", UnitJson({{0, "00 04 00 00 00 00 00 00 00 00 00 00 00"}}));
        kinds.Put("signed.json", UnitJson({{1, "+1 00 00 00 00 00 00 00 00 00 00 00 00"}}));
        QStringList args;
        for (const QString& a : c.args) args << InFolder(a, kinds);
        SCOPED_TRACE(args.join(' ').toStdString());
        const std::vector<std::string> before = kinds.All();

        const CtlResult r = c.run == Gui                   ? RunProgram(QStringLiteral(TARVIK_CONFIG_PATH), args)
                            : c.run == CtlWithoutFileSpace ? RunCtlWithoutFileSpace(QStringList{"--transcript"} + args)
                                                           : RunCtl(QStringList{"--transcript"} + args);
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(InFolder(QString::fromUtf8(c.says), kinds))) << r.err.toStdString();
        EXPECT_EQ(r.out, "") << "no data, and no confirmation of what failed";
        if (c.exitCode == 2) {
            EXPECT_TRUE(WriteReports(r.err).isEmpty()) << "refused before the unit was written";
        }
        EXPECT_EQ(kinds.All(), before);
    }
}

TEST(CtlFiles, DumpWritesToStandardOutputOrToAFileItMayReplace) {
    const struct {
        QStringList args;
        const char* written;  // the entry that receives the snapshot; empty: standard output
    } cases[] = {
        {{"dump"}, ""},
        {{"dump", "-"}, ""},
        {{"dump", "@/new.json"}, "new.json"},
        {{"dump", "--force", "@/new.json"}, "new.json"},
        {{"dump", "--force", "@/file"}, "file"},
        // Through the link to its file; the link stays a link.
        {{"--force", "dump", "@/link-to-file"}, "file"},
    };
    const QByteArray snapshot = RunCtl({"--simulate", "dump"}).out.toUtf8();
    ASSERT_TRUE(snapshot.startsWith("{\n    \"firmware\": [\n        2,")) << snapshot.toStdString();
    for (const auto& c : cases) {
        Kinds kinds;
        QStringList args{"--simulate"};
        for (const QString& a : c.args) args << InFolder(a, kinds);
        SCOPED_TRACE(args.join(' ').toStdString());
        const QString written = QString::fromUtf8(c.written);
        const std::vector<std::string> before = kinds.All();
        const std::vector<std::string> others = kinds.AllBut(written);
        const CtlResult r = RunCtl(args);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.err, "");
        if (written.isEmpty()) {
            EXPECT_EQ(r.out.toUtf8(), snapshot);
            EXPECT_EQ(kinds.All(), before);
            continue;
        }
        EXPECT_EQ(r.out, "");
        QFile file(kinds.Path(written));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), snapshot);
        EXPECT_EQ(kinds.AllBut(written), others) << "only the target changed; no temporary file left";
    }
}

}  // namespace
}  // namespace tarvik::test
