// SPDX-License-Identifier: GPL-3.0-or-later
// Files are written whole or not at all, only over regular files, and read only from regular files,
// without ever blocking on a FIFO.
#include <gtest/gtest.h>

#include <QFile>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include "storage/KeptUnitFile.h"
#include "storage/NativeName.h"
#include "storage/SafeFile.h"
#include "storage/TemporaryFiles.h"
#include "support/FileKinds.h"

namespace tarvik::test {
namespace {

const QByteArray kNew = "new contents, longer than the old ones\n";

// What each kind of path gives a write and a read (which never blocks). A size limit (as a full disk)
// fails a write in the middle of the data, its signal ignored as tarvikctl does; tarvikctl's tests put it at 0.
TEST(SafeFile, WritesAndReadsOnlyRegularFilesAndChangesNothingElse) {
    const struct {
        const char* name; Existing existing;
        const char* says;            // empty: written
        const char* reads = nullptr;  // empty: read (at most 16 bytes); nullptr: not tried
        rlim_t limit = RLIM_INFINITY;
    } cases[] = {
        {"new", Existing::Replace, ""}, {"new", Existing::Keep, ""},
        {"file", Existing::Replace, "", ""}, {"link-to-file", Existing::Replace, "", ""},
        {"big", Existing::Replace, "", "cannot read (larger than 16 bytes)"},
        {"file", Existing::Keep, "@/file: cannot write (it exists already); nothing was written"},
        {"dangling", Existing::Keep, "@/dangling: cannot write (it exists already); nothing was written"},
        {"fifo", Existing::Replace, "@/fifo: cannot write (a FIFO, not a regular file); the file is unchanged",
         "cannot read (a FIFO, not a regular file)"},
        {"dir", Existing::Replace, "@/dir: cannot write (a directory, not a regular file); the file is unchanged",
         "cannot read (a directory, not a regular file)"},
        {"socket", Existing::Replace, "@/socket: cannot write (a socket, not a regular file); the file is unchanged",
         "cannot read (a socket, not a regular file)"},
        {"link-to-null", Existing::Replace,
         "@/link-to-null: cannot write (a symbolic link to /dev/null, which is a character device, not a regular "
         "file); the file is unchanged", "cannot read (a character device, not a regular file)"},
        {"link-to-fifo", Existing::Replace,
         "@/link-to-fifo: cannot write (a symbolic link to @/fifo, which is a FIFO, not a regular file); the file "
         "is unchanged", "cannot read (a FIFO, not a regular file)"},
        {"link-to-dir", Existing::Replace,
         "@/link-to-dir: cannot write (a symbolic link to @/dir, which is a directory, not a regular file); the "
         "file is unchanged"},
        {"dangling", Existing::Replace,
         "@/dangling: cannot write (a symbolic link to @/gone, which does not exist); the file is unchanged",
         "cannot read (No such file or directory)"},
        {"no/such/dir/file", Existing::Replace,
         "@/no/such/dir/file: cannot write (no file can be made in the folder @/no/such/dir: No such file or "
         "directory); nothing was written"},
        {"file", Existing::Replace, "@/file: cannot write (File too large); the file is unchanged", nullptr, 8},
        {"new", Existing::Replace, "@/new: cannot write (File too large); nothing was written", nullptr, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Kinds kinds;
        kinds.Put("big", QByteArray(17, 'x'));
        const QString name = QString::fromLatin1(c.name);
        if (c.reads != nullptr) {
            QByteArray data = "untouched";
            QString error;
            const bool read = ReadRegularFile(kinds.Path(name), 16, data, error);
            EXPECT_EQ(read ? QString() : error, *c.reads ? kinds.Path(name) + ": " + c.reads : QString());
            EXPECT_EQ(data, read ? kOld : QByteArray("untouched"));
        }
        const std::vector<std::string> expected = kinds.All();
        const QString refusal = WriteRefusal(kinds.Path(name), c.existing);
        QString error;
        rlimit saved{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limited{std::min(saved.rlim_cur, c.limit), saved.rlim_max};
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
        const bool written = WriteFileAtomically(kinds.Path(name), kNew, c.existing, error);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        EXPECT_EQ(written, *c.says == '\0');
        EXPECT_EQ(error, kinds.InFolder(QString::fromUtf8(c.says)));
        EXPECT_TRUE(!written || ReadFile(kinds.Path(name)) == kNew);
        // Only the target changed: a link stays a link, its file has the new bytes.
        const QString changed = !written ? QString() : name == QLatin1String("link-to-file") ? "file" : name;
        EXPECT_EQ(Kinds::Without(kinds.All(), changed), Kinds::Without(expected, changed));
        // The early look says the same, where it can know it.
        EXPECT_TRUE(error.contains("No such file") || c.limit != RLIM_INFINITY || refusal == error)
            << refusal.toStdString();
    }
}

// A save replaces the file that was read, and nothing put in its place since: here a unit file kept
// by a simulated unit, changed and saved after the swap.
TEST(SafeFile, ASaveRefusesAPathThatNoLongerNamesTheFileRead) {
    // link: the other file comes as a link to it, else renamed over the path
    const struct { bool link; const char* says; } cases[] = {
        {true, "@/unit.json: cannot write (it is now a symbolic link to @/other, not the file that was there at "
               "the start); the file is unchanged"},
        {false, "@/unit.json: cannot write (it is no longer the file that was there at the start); the file is "
                "unchanged"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.link);
        Kinds kinds;
        kinds.Put("unit.json", R"({"pedals": [{"mode": 1, "common": "01 00 00 00 00 00 00 00 00 00 00 00 00"}]})");
        KeptUnitFile kept;
        UnitImage image;
        ASSERT_EQ(kept.Load(kinds.Path("unit.json"), image).outcome, UnitFileRead::Read);
        kinds.Put("other", "someone else's\n");
        const QByteArray path = kinds.Native("unit.json"), other = kinds.Native("other");
        ASSERT_TRUE(c.link ? ::unlink(path) == 0 && ::symlink(other, path) == 0 : ::rename(other, path) == 0);
        kinds.Put("other", "someone else's\n");  // again, where it was renamed away
        const std::vector<std::string> swapped = kinds.All();
        image.pedals[0].common[0] = 2;
        QString error;
        EXPECT_EQ(kept.Save(image, error), Saved::Refused);
        EXPECT_EQ(error, kinds.InFolder(QString::fromUtf8(c.says)));
        EXPECT_EQ(kinds.All(), swapped);
    }
}

TEST(SafeFile, OnlyAFileTheUserMayWriteIsReplacedAndItKeepsItsOwner) {
    Kinds kinds;
    // Root may write anything, and is held to the owner's write bit instead.
    ASSERT_EQ(::chmod(kinds.Native("file").constData(), 0444), 0);
    const std::vector<std::string> before = kinds.All();
    QString error;
    EXPECT_EQ(SaveFile(kinds.Path("file"), kNew, Existing::Replace, nullptr, error), Saved::Refused);
    EXPECT_EQ(error, kinds.Path("file") + ": cannot write (Permission denied); the file is unchanged");
    EXPECT_EQ(kinds.All(), before);

    ASSERT_EQ(::chmod(kinds.Native("file").constData(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomically(kinds.Path("file"), kNew, Existing::Replace, error)) << error.toStdString();
    EXPECT_EQ(kinds.Fingerprint("file").section(' ', 2, 2), "640");  // kind, owner, permissions, hash

    if (::geteuid() != 0) GTEST_SKIP() << "giving a file to another user needs root";
    ASSERT_EQ(::chown(kinds.Native("file").constData(), 65534, 65534), 0);
    ASSERT_TRUE(WriteFileAtomically(kinds.Path("file"), kNew, Existing::Replace, error)) << error.toStdString();
    EXPECT_EQ(kinds.Fingerprint("file").section(' ', 1, 2), "65534:65534 640");
}

TEST(SafeFile, ATemporaryFileOfAProcessThatEndedGoesWithTheNextSave) {
    const pid_t ended = ::fork();
    if (ended == 0) ::_exit(0);
    ASSERT_GT(ended, 0);
    ::waitpid(ended, nullptr, 0);
    Kinds kinds;
    const QString stale = QStringLiteral(".file.tmp-%1-1f").arg(ended);
    kinds.Put(stale, "half a file");
    kinds.Put(".file.tmp-1-2e", "init's, still running");
    QString error;
    ASSERT_TRUE(WriteFileAtomically(kinds.Path("file"), kNew, Existing::Replace, error)) << error.toStdString();
    EXPECT_EQ(kinds.Fingerprint(stale), "missing");
    EXPECT_NE(kinds.Fingerprint(".file.tmp-1-2e"), "missing");
}

// A signal in the middle of a save takes the temporary file with it and still ends the program as
// it would have; an ignored signal leaves the save alone.
TEST(TemporaryFileGuard, ASignalDuringASaveRemovesTheTemporaryAndStillEndsTheProgram) {
    for (const auto& [sig, ignored] : {std::pair{SIGINT, false}, {SIGTERM, false}, {SIGHUP, false}, {SIGTERM, true}}) {
        SCOPED_TRACE(std::to_string(sig) + (ignored ? " ignored" : ""));
        Kinds kinds;
        kinds.Put(".file.tmp-x", "half a file");
        const QByteArray temp = kinds.Native(".file.tmp-x");
        const pid_t child = ::fork();
        if (child == 0) {
            if (ignored) ::signal(sig, SIG_IGN);
            TemporaryFileGuard guard(temp);
            ::raise(sig);
            ::_exit(7);
        }
        ASSERT_GT(child, 0);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(ignored ? WIFEXITED(status) && WEXITSTATUS(status) == 7
                            : WIFSIGNALED(status) && WTERMSIG(status) == sig);
        EXPECT_EQ(kinds.Fingerprint(".file.tmp-x") == "missing", !ignored);
    }
}

TEST(NativeName, NamesThatAreNotUtf8KeepTheirBytesAndShowEscaped) {
    for (const QByteArray& bytes : {QByteArray("bad\xffname.json"), QByteArray("caf\xc3\xa9"), QByteArray("\xed\xb2\x80"),
                                   QByteArray("\xc0\xaf"), QByteArray("\xe6\x97\xa5\xe6\x97")}) {
        EXPECT_EQ(NativeName(NameFromNative(bytes)), bytes) << bytes.toHex().toStdString();
    }
    Kinds kinds;
    const QString name = kinds.Folder() + "/" + NameFromNative("bad\xffname");
    QString error;
    ASSERT_TRUE(WriteFileAtomically(name, kNew, Existing::Keep, error)) << error.toStdString();
    QByteArray data;
    ASSERT_TRUE(ReadRegularFile(name, 100, data, error)) << error.toStdString();
    EXPECT_EQ(data, kNew);
    // There by its bytes; also, the folder's own clean-up could not spell it.
    EXPECT_EQ(::unlink((QFile::encodeName(kinds.Folder()) + "/bad\xffname").constData()), 0);
    EXPECT_EQ(EscapedForMessage(QStringLiteral("a\nb\t\x01") + QChar(0) + NameFromNative("\xff") + "日本\x7f"),
              QStringLiteral("a\\nb\\t\\x01\\x00\\xff日本\\x7f"));
}

}  // namespace
}  // namespace tarvik::test
