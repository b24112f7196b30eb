// SPDX-License-Identifier: GPL-3.0-or-later
// tarvik-window-bench: how long from process start until the main window shows a simulated
// five-pedal unit fully read, and how much memory the program holds then. Starts itself as a child
// process for each run, so loading, Qt's start-up and the first paint are all counted.
// Prints figures only; goals: 300 ms, 80 MB.
#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "device/Alert.h"
#include "sim/SimulatedUnit.h"
#include "device/HID_PnP.h"
#include "ui/MainWindowViewController.h"

namespace {

constexpr int kRuns = 7;
constexpr const char* kChildFlag = "--child";

// Five pedals in assorted modes, one with the multi-chord record (six exchanges).
tarvik::UnitImage FivePedals() {
    tarvik::UnitImage image;
    image.pedals.resize(5);
    image.pedals[0].mode = tarvik::SIMPLE_CLICK;
    image.pedals[0].common[0] = 1;
    image.pedals[1].mode = tarvik::SIMPLE_KEY_OUTPUT;
    image.pedals[1].common = {0x01, 0x06};
    image.pedals[2].mode = tarvik::SIMPLE_KEY_OUTPUT;
    image.pedals[2].common = {0x01, 0x19};
    image.pedals[3].mode = tarvik::PLURAL_SIMULTANEOUS_KEY_OUTPUT;
    image.pedals[3].common = {0x2c, 0x0a, 0x10, 0x03, 0, 0, 0x02, 0x04, 0x05};
    image.pedals[3].additional[1] = 0x06;
    image.pedals[4].mode = tarvik::WHEEL_ROTATION;
    image.pedals[4].common[0] = 1;
    image.pedals[4].common[9] = 3;
    return image;
}

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    }
    return -1;
}

class Quiet : public tarvik::AlertPresenter {
    int ShowMessage(const std::string&) override { return tarvik::ALERT_FIRST_BUTTON; }
    int Confirm(const std::string&, const std::string&) override { return tarvik::ALERT_SECOND_BUTTON; }
};

// The measured program: the window on the simulated unit; writes "ready <KB>" once it shows every pedal.
int Child(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    Quiet quiet;
    tarvik::SetAlertPresenter(&quiet);
    tarvik::SimulatedUnit unit(FivePedals());
    tarvik::HID_PnP link(unit, tarvik::State());
    tarvik::MainWindowViewController window(tarvik::State(), link);
    QObject::connect(&window, &tarvik::MainWindowViewController::unitRead, &app, [&](bool shown) {
        window.repaint();  // the fully read window is on screen
        std::printf("%s %ld\n", shown ? "ready" : "failed", ResidentKb());
        std::fflush(stdout);
        QCoreApplication::exit(shown ? 0 : 1);
    });
    QTimer::singleShot(10000, &app, [] { QCoreApplication::exit(2); });
    window.show();
    const int status = app.exec();
    tarvik::SetAlertPresenter(nullptr);
    return status;
}

struct Run {
    double ms = -1;
    double mb = -1;
};

Run Measure(const char* self) {
    int pipeFd[2];
    if (pipe(pipeFd) != 0) return {};
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFd[1], STDOUT_FILENO);
        // Qt's platform chatter would drown the figures.
        const int devNull = open("/dev/null", O_WRONLY);
        if (devNull >= 0) dup2(devNull, STDERR_FILENO);
        close(pipeFd[0]);
        close(pipeFd[1]);
        execl(self, self, kChildFlag, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFd[1]);
    char buffer[128] = {};
    std::size_t used = 0;
    while (used + 1 < sizeof buffer) {
        const ssize_t n = read(pipeFd[0], buffer + used, sizeof buffer - 1 - used);
        if (n <= 0) break;
        used += static_cast<std::size_t>(n);
        if (std::memchr(buffer, '\n', used)) break;
    }
    const auto end = std::chrono::steady_clock::now();
    close(pipeFd[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    long kb = -1;
    if (std::sscanf(buffer, "ready %ld", &kb) != 1) return {};
    return {std::chrono::duration<double, std::milli>(end - start).count(), kb / 1024.0};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], kChildFlag) == 0) return Child(argc, argv);

    std::vector<Run> runs;
    for (int i = 0; i < kRuns; ++i) {
        const Run run = Measure("/proc/self/exe");
        if (run.ms < 0) {
            std::fprintf(stderr, "run %d: the window did not show the unit\n", i + 1);
            return 1;
        }
        std::printf("run %d: %.0f ms, %.1f MB\n", i + 1, run.ms, run.mb);
        runs.push_back(run);
    }
    std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.ms < b.ms; });
    const Run& median = runs[runs.size() / 2];
    double maxMb = 0;
    for (const Run& r : runs) maxMb = std::max(maxMb, r.mb);
    std::printf("window shown: %.0f ms, resident memory %.1f MB\n", median.ms, maxMb);
    std::printf("(median of %d runs from process start, largest resident size; goals 300 ms, 80 MB)\n", kRuns);
    return 0;
}
