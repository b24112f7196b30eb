// SPDX-License-Identifier: GPL-3.0-or-later
// tarvik-idle-bench MODE: the program as a user has it (main window, connection manager, backend),
// left alone for ten seconds; prints how often its threads were switched in, all threads together.
// MODE: none  the real hidapi backend as on a machine without the unit
//       hidraw the real backend holding a kernel-like hidraw node of a five-pedal unit
//       sim    the simulated unit
// Prints "wakeups N" (per second). Figures only; the goal is no wake-up that the program causes.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "KernelUnit.h"
#include "device/Alert.h"
#include "device/HidapiBackend.h"
#include "sim/SimulatedUnit.h"
#include "device/HID_PnP.h"
#include "ui/MainWindowViewController.h"

namespace {

using namespace tarvik;

constexpr int kMeasureMs = 10000;

// Voluntary and involuntary context switches of every thread of this process.
long long ContextSwitches() {
    long long total = 0;
    const QStringList tasks =
        QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& task : tasks) {
        std::ifstream status(QStringLiteral("/proc/self/task/%1/status").arg(task).toStdString());
        std::string line;
        while (std::getline(status, line)) {
            for (const char* key : {"voluntary_ctxt_switches:", "nonvoluntary_ctxt_switches:"}) {
                if (line.rfind(key, 0) == 0) total += std::atoll(line.c_str() + std::strlen(key));
            }
        }
    }
    return total;
}

class Quiet : public AlertPresenter {
    int ShowMessage(const std::string&) override { return ALERT_FIRST_BUTTON; }
    int Confirm(const std::string&, const std::string&) override { return ALERT_SECOND_BUTTON; }
};

UnitImage FivePedals() {
    UnitImage image;
    image.pedals.resize(NUMBER_OF_PEDALS_MAX);
    for (PedalImage& pedal : image.pedals) {
        pedal.mode = SIMPLE_CLICK;
        pedal.common[0] = 1;
    }
    return image;
}

void RunEventsFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "none";
    if (mode != "none" && mode != "hidraw" && mode != "sim") {
        std::fprintf(stderr, "usage: tarvik-idle-bench none|hidraw|sim\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Quiet quiet;
    SetAlertPresenter(&quiet);

    std::unique_ptr<HidBackend> backend;
    if (mode == "none") {
        backend = std::make_unique<HidapiBackend>();
    } else if (mode == "hidraw") {
        auto node = test::KernelLikeNode::Create(bench::ReadOnlyFirmware(FivePedals()));
        backend =
            std::make_unique<HidapiBackend>(bench::OptionsFor(node, QStringLiteral("/dev/hidraw-bench")));
    } else {
        backend = std::make_unique<SimulatedUnit>(FivePedals());
    }

    int status = 0;
    {
        HID_PnP link(*backend, State());
        MainWindowViewController window(State(), link);
        bool read = false;
        QObject::connect(&window, &MainWindowViewController::unitRead, &app,
                         [&](bool shown) { read = shown; });
        window.show();
        // Settled: the unit (if any) is read and the window painted.
        RunEventsFor(1000);
        if (mode != "none" && !read) {
            std::fprintf(stderr, "the window did not read the unit\n");
            status = 1;
        } else {
            const long long before = ContextSwitches();
            RunEventsFor(kMeasureMs);
            const long long after = ContextSwitches();
            std::printf("wakeups %.1f\n", static_cast<double>(after - before) * 1000.0 / kMeasureMs);
        }
    }
    SetAlertPresenter(nullptr);
    return status;
}
