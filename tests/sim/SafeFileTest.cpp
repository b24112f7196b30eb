// Files are written whole or not at all, only over regular files, and read only from regular files,
// without ever blocking on a FIFO.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "sim/SafeFile.h"

namespace tarvik::test {
namespace {

const QByteArray kOld = "old contents\n";
const QByteArray kNew = "new contents, longer than the old ones\n";

// A folder with one entry of every kind a path can name.
class Kinds {
public:
    Kinds() {
        Put("file", kOld);
        EXPECT_EQ(::mkfifo(Native("fifo").constData(), 0644), 0);
        EXPECT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("dir")));
        MakeSocket();
        Link("link-to-file", "file");
        Link("link-to-fifo", "fifo");
        Link("link-to-dir", "dir");
        Link("link-to-null", "/dev/null");
        Link("dangling", "gone");
    }
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QByteArray Native(const QString& name) const { return QFile::encodeName(Path(name)); }
    void Put(const QString& name, const QByteArray& bytes) {
        QFile f(Path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    // What is at `name`: its kind, the link text of a link and the hash of a regular file.
    QString Fingerprint(const QString& name) const {
        struct stat st{};
        if (::lstat(Native(name).constData(), &st) != 0) return QStringLiteral("missing");
        QString out = QString::number(st.st_mode & S_IFMT, 8);
        if (S_ISLNK(st.st_mode)) out += " -> " + QFile::symLinkTarget(Path(name));
        if (S_ISREG(st.st_mode)) {
            QFile f(Path(name));
            if (f.open(QIODevice::ReadOnly)) out += " " + QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex();
        }
        return out;
    }
    // Every entry's fingerprint: a write must change no entry but its target, and leave no temporary.
    QStringList All() const {
        QStringList out;
        for (const QString& name : QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
            out << name + ": " + Fingerprint(name);
        }
        return out;
    }

private:
    void Link(const char* name, const char* to) {
        const QByteArray target = to[0] == '/' ? QByteArray(to) : Native(QString::fromLatin1(to));
        EXPECT_EQ(::symlink(target.constData(), Native(QString::fromLatin1(name)).constData()), 0);
    }
    void MakeSocket() {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = Native("socket");
        ASSERT_LT(static_cast<std::size_t>(path.size()), sizeof address.sun_path);
        std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
        EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
    }
    QTemporaryDir dir_;
};

TEST(SafeFile, WritesOnlyOverRegularFilesAndChangesNothingElse) {
    const struct {
        const char* name;
        Existing existing;
        const char* says;  // empty: written
    } cases[] = {
        {"new", Existing::Replace, ""},
        {"new", Existing::Keep, ""},
        {"file", Existing::Replace, ""},
        {"link-to-file", Existing::Replace, ""},
        {"file", Existing::Keep, "file: cannot write (it exists already); nothing was written"},
        {"link-to-file", Existing::Keep, "link-to-file: cannot write (it exists already); nothing was written"},
        {"fifo", Existing::Replace, "fifo: cannot write (a FIFO, not a regular file); the file is unchanged"},
        {"dir", Existing::Replace, "dir: cannot write (a directory, not a regular file); the file is unchanged"},
        {"socket", Existing::Replace, "socket: cannot write (a socket, not a regular file); the file is unchanged"},
        {"link-to-fifo", Existing::Replace, "link-to-fifo: cannot write (a symbolic link to "},
        {"link-to-dir", Existing::Replace, "dir, which is a directory, not a regular file); the file is unchanged"},
        {"link-to-null", Existing::Replace,
         "link-to-null: cannot write (a symbolic link to /dev/null, which is a character device, not a regular file)"},
        {"dangling", Existing::Replace, "gone, which does not exist); the file is unchanged"},
        {"dangling", Existing::Keep, "dangling: cannot write (it exists already)"},
        {"no/such/dir/file", Existing::Replace, "cannot write (No such file or directory); nothing was written"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Kinds kinds;
        const QString name = QString::fromLatin1(c.name);
        QStringList expected = kinds.All();
        QString error;
        const QString refusal = WriteRefusal(kinds.Path(name), c.existing);
        const bool written = WriteFileAtomically(kinds.Path(name), kNew, c.existing, error);
        if (*c.says == '\0') {
            EXPECT_TRUE(written) << error.toStdString();
            EXPECT_TRUE(refusal.isEmpty()) << refusal.toStdString();
            QFile f(kinds.Path(name));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_EQ(f.readAll(), kNew);
            // Only the target changed: a link stays a link, its file has the new bytes.
            const QString changed = name == QLatin1String("link-to-file") ? QStringLiteral("file") : name;
            expected.removeIf([&](const QString& line) { return line.startsWith(changed + ": "); });
            QStringList now = kinds.All();
            now.removeIf([&](const QString& line) { return line.startsWith(changed + ": "); });
            EXPECT_EQ(now, expected);
            EXPECT_EQ(kinds.Fingerprint("link-to-file"), "120000 -> " + kinds.Path("file"));
        } else {
            EXPECT_FALSE(written);
            EXPECT_TRUE(error.contains(QString::fromUtf8(c.says))) << error.toStdString();
            EXPECT_TRUE(error.startsWith(kinds.Path(name) + ": cannot write (")) << error.toStdString();
            EXPECT_EQ(kinds.All(), expected);
            // The early look says the same, where it can know it.
            if (!error.contains("No such file")) {
                EXPECT_EQ(refusal, error);
            }
        }
    }
}

TEST(SafeFile, AReplacementKeepsTheOldFilesPermissions) {
    Kinds kinds;
    ASSERT_TRUE(QFile::setPermissions(kinds.Path("file"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                              QFileDevice::ReadGroup));
    QString error;
    ASSERT_TRUE(WriteFileAtomically(kinds.Path("file"), kNew, Existing::Replace, error)) << error.toStdString();
    struct stat st{};
    ASSERT_EQ(::stat(kinds.Native("file").constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// A full disk and a file-size limit fail the same way: on a write. Here it is the limit, with the
// signal that would otherwise end the process ignored (as tarvikctl does).
TEST(SafeFile, AFailedWriteSaysWhyAndLeavesTheOldFileWhole) {
    const struct {
        const char* name;
        rlim_t limit;
        const char* says;
    } cases[] = {
        {"file", 0, "cannot write (File too large); the file is unchanged"},
        {"file", 8, "cannot write (File too large); the file is unchanged"},
        {"link-to-file", 8, "cannot write (File too large); the file is unchanged"},
        {"new", 0, "cannot write (File too large); nothing was written"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.limit));
        Kinds kinds;
        const QStringList before = kinds.All();
        rlimit saved{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = c.limit;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
        QString error;
        const bool written = WriteFileAtomically(kinds.Path(c.name), kNew, Existing::Replace, error);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        EXPECT_FALSE(written);
        EXPECT_EQ(error, kinds.Path(c.name) + ": " + c.says);
        EXPECT_EQ(kinds.All(), before);
    }
}

TEST(SafeFile, ReadsOnlyRegularFilesAndNeverBlocks) {
    const struct {
        const char* name;
        const char* says;  // empty: read
    } cases[] = {
        {"file", ""},
        {"link-to-file", ""},
        {"fifo", "cannot read (a FIFO, not a regular file)"},
        {"link-to-fifo", "cannot read (a FIFO, not a regular file)"},
        {"dir", "cannot read (a directory, not a regular file)"},
        {"socket", "cannot read (a socket, not a regular file)"},
        {"link-to-null", "cannot read (a character device, not a regular file)"},
        {"dangling", "cannot read (No such file or directory)"},
        {"big", "cannot read (larger than 16 bytes)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Kinds kinds;
        kinds.Put("big", QByteArray(17, 'x'));
        QByteArray data = "untouched";
        QString error;
        const bool read = ReadRegularFile(kinds.Path(c.name), 16, data, error);
        if (*c.says == '\0') {
            EXPECT_TRUE(read) << error.toStdString();
            EXPECT_EQ(data, kOld);
        } else {
            EXPECT_FALSE(read);
            EXPECT_EQ(error, kinds.Path(c.name) + ": " + c.says);
            EXPECT_EQ(data, "untouched");
        }
    }
}

}  // namespace
}  // namespace tarvik::test
