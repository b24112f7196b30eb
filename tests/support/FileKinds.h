// SPDX-License-Identifier: GPL-3.0-or-later
// A temporary folder with one entry of every kind a path can name, and fingerprints of them all:
// the tests of reading and writing files check that nothing but the target changed.
#pragma once

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <string>
#include <vector>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace tarvik::test {

inline const QByteArray kOld = "old contents\n";

// Writes `contents` to `name` in `dir`; its path.
inline QString WriteFile(const QTemporaryDir& dir, const char* name, const QByteArray& contents) {
    QFile file(dir.filePath(QLatin1String(name)));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
    return file.fileName();
}

// What the file at `path` holds now (empty if it cannot be read).
inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "file" (holding kOld), "fifo", "dir", "socket", and symbolic links "link-to-file", "link-to-fifo",
// "link-to-dir", "link-to-null" (/dev/null) and "dangling".
class Kinds {
public:
    Kinds() {
        Put("file", kOld);
        EXPECT_EQ(::mkfifo(Native("fifo").constData(), 0644), 0);
        EXPECT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("dir")));
        MakeSocket();
        for (const auto& [name, to] : {std::pair{"link-to-file", "file"}, {"link-to-fifo", "fifo"}, {"link-to-dir", "dir"},
                                       {"link-to-null", "/dev/null"}, {"dangling", "gone"}})
            Link(name, to);
    }
    QString Folder() const { return dir_.path(); }
    // `text` with "@/" standing for this folder.
    QString InFolder(QString text) const { return text.replace(QStringLiteral("@/"), Folder() + '/'); }
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QByteArray Native(const QString& name) const { return QFile::encodeName(Path(name)); }
    void Put(const QString& name, const QByteArray& bytes) {
        QFile f(Path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    // What is at `name`: its kind, the link text of a link, the owner, permissions and hash of a
    // regular file.
    QString Fingerprint(const QString& name) const {
        struct stat st{};
        if (::lstat(Native(name).constData(), &st) != 0) return QStringLiteral("missing");
        QString out = QString::number(st.st_mode & S_IFMT, 8);
        if (!S_ISLNK(st.st_mode)) out += QStringLiteral(" %1:%2 %3").arg(st.st_uid).arg(st.st_gid).arg(st.st_mode & 07777, 0, 8);
        if (S_ISLNK(st.st_mode)) out += " -> " + QFile::symLinkTarget(Path(name));
        if (S_ISREG(st.st_mode)) {
            QFile f(Path(name));
            if (f.open(QIODevice::ReadOnly)) out += " " + QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex();
        }
        return out;
    }
    // Every entry's fingerprint: a write must change no entry but its target, and leave no temporary.
    std::vector<std::string> All() const {
        std::vector<std::string> out;
        for (const QString& name :
             QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
            out.push_back((name + ": " + Fingerprint(name)).toStdString());
        }
        return out;
    }
    static std::vector<std::string> Without(std::vector<std::string> entries, const QString& name) {
        const std::string prefix = (name + ": ").toStdString();
        std::erase_if(entries, [&](const std::string& line) { return line.starts_with(prefix); });
        return entries;
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

}  // namespace tarvik::test
