// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/TemporaryFiles.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvik {

namespace {

QByteArray Prefix(const QByteArray& base) { return "." + base + ".tmp-"; }

// What the handler may touch: a fixed buffer, set before the file exists.
char gTemp[PATH_MAX + 1];
volatile sig_atomic_t gTempSet = 0;
constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void RemoveTempAndEnd(int signal) {
    if (gTempSet) ::unlink(gTemp);
    std::signal(signal, SIG_DFL);
    ::raise(signal);
}

}  // namespace

QByteArray TemporaryName(const QByteArray& dir, const QByteArray& base, quint64 random) {
    return dir + "/" + Prefix(base) + QByteArray::number(::getpid()) + "-" + QByteArray::number(random, 16);
}

void RemoveStaleTemporaries(const QByteArray& dir, const QByteArray& base) {
    DIR* d = ::opendir(dir.constData());
    if (d == nullptr) return;
    const QByteArray prefix = Prefix(base);
    while (const dirent* entry = ::readdir(d)) {
        const QByteArray name(entry->d_name);
        if (!name.startsWith(prefix)) continue;
        const QByteArray rest = name.mid(prefix.size());
        const qsizetype dash = rest.indexOf('-');
        bool ok = false;
        const long pid = rest.left(dash).toLong(&ok);
        if (dash <= 0 || !ok || pid <= 0 || pid == ::getpid()) continue;
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;  // still running
        const QByteArray file = dir + "/" + name;
        struct stat st{};
        if (::lstat(file.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) {
            ::unlink(file.constData());
        }
    }
    ::closedir(d);
}

static_assert(std::size(kEndingSignals) == 3);

TemporaryFileGuard::TemporaryFileGuard(const QByteArray& temp) {
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(temp.size()), PATH_MAX);
    std::memcpy(gTemp, temp.constData(), n);
    gTemp[n] = '\0';
    gTempSet = 1;
    for (std::size_t i = 0; i < kSignals; ++i) {
        struct sigaction ours{};
        ours.sa_handler = RemoveTempAndEnd;
        sigemptyset(&ours.sa_mask);
        installed_[i] = ::sigaction(kEndingSignals[i], nullptr, &old_[i]) == 0 && old_[i].sa_handler == SIG_DFL &&
                        ::sigaction(kEndingSignals[i], &ours, nullptr) == 0;
    }
}

TemporaryFileGuard::~TemporaryFileGuard() {
    for (std::size_t i = 0; i < kSignals; ++i) {
        if (installed_[i]) ::sigaction(kEndingSignals[i], &old_[i], nullptr);
    }
    gTempSet = 0;
}

}  // namespace tarvik
