// SPDX-License-Identifier: GPL-3.0-or-later
// tarvik-soak [CYCLES] [--seed N]: plugs and unplugs the simulated unit under the real main window
// (offscreen) CYCLES times (default 1000), after a warm-up. Every cycle gives the unit new random
// records and a random pedal count; every second cycle pulls the unit out at a random point of the
// window's read (after a random report went out or came back). Prints one line:
//   soak: N cycles, resident memory start X MB, end Y MB, growth Z MB, stuck reads S, wrong displays W
// Goal: growth under 1 MB over 1000 cycles, no stuck read, no wrong display.
//
// A stuck read: the window's read of a newly plugged unit has not ended 5 s after the plug (a
// vanished unit must end it at once, a silent one after the 3-second time-out), or the connection
// still holds the unit once it is gone.
// A wrong display: once the read has ended and the unit is still there, a pedal's description
// differs from the description of the record the unit holds, a pedal the unit has is not shown or
// usable, or one it lacks is shown; once the unit is gone, the window still shows any pedal (within
// 2 s, the window's own update being 0.1 s).
// Resident memory is read from /proc after returning freed heap to the system, so that it counts
// what the program holds, not what the allocator keeps in reserve.
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <malloc.h>
#include <random>
#include <string>
#include <thread>

#include "device/Alert.h"
#include "device/Console.h"
#include "model/DeviceState.h"
#include "device/HID_PnP.h"
#include "model/PedalContents.h"
#include "sim/SimulatedUnit.h"
#include "ui/DisplayText.h"
#include "ui/MainWindowViewController.h"

namespace tarvik {
namespace {

constexpr int kWarmUpCycles = 50;
constexpr int kReadEndsWithinMs = 5000;
constexpr int kWindowClearsWithinMs = 2000;
constexpr int kWatchdogSeconds = 60;  // nothing at all happens for this long: the soak itself hangs

double ResidentMb() {
    malloc_trim(0);
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6) / 1024.0;
    }
    return -1;
}

class Quiet : public AlertPresenter {
    int ShowMessage(const std::string&) override { return ALERT_FIRST_BUTTON; }
    int Confirm(const std::string&, const std::string&) override { return ALERT_SECOND_BUTTON; }
};

// The description the window must show for `pedal` as pedal `p`, worked out on a copy of the state.
QString Described(const PedalImage& pedal, int p) {
    const DeviceState saved = State();
    DeviceState& s = State();
    const auto i = static_cast<std::size_t>(p);
    s.SelectedPedalNo = p;
    s.OutputMode[i] = pedal.mode;
    s.CommonData[i] = pedal.common;
    s.AdditionalData[i] = pedal.additional;
    const QString text = ForDisplay(PedalContentsText());
    State() = saved;
    return text;
}

class Soak {
public:
    explicit Soak(unsigned seed) : random_(seed), unit_(UnitImage{}), link_(Unplugged(unit_), State()), window_(State(), link_) {
        window_.SetExitHandler([this](int) { ++wrongDisplays_; });  // only a refused firmware exits
        QObject::connect(&window_, &MainWindowViewController::unitRead, [this](bool shown) {
            readEnded_ = true;
            readShown_ = shown;
        });
        // A cut at a random point of the read: after the k-th report went out or came back. The
        // removal is queued, as a real one arrives.
        auto count = [this] {
            progress_.fetch_add(1);
            if (cutAfter_ > 0 && --cutAfter_ == 0) QTimer::singleShot(0, &unit_, [this] { unit_.Unplug(); });
        };
        QObject::connect(&unit_, &HidBackend::writeDone, count);
        QObject::connect(&unit_, &HidBackend::inputReport, count);
        for (int p = 0; p < NUMBER_OF_PEDALS_MAX; ++p) {
            texts_[static_cast<std::size_t>(p)] =
                window_.findChild<QPlainTextEdit*>(QStringLiteral("textboxPedal%1Contents").arg(p));
            buttons_[static_cast<std::size_t>(p)] =
                window_.findChild<QPushButton*>(QStringLiteral("buttonSetPedal%1Standard").arg(p));
        }
        window_.show();
    }

    void Run(int cycles) {
        for (int i = 0; i < cycles; ++i) Cycle(i % 2 == 1);
    }
    int StuckReads() const { return stuckReads_; }
    int WrongDisplays() const { return wrongDisplays_; }
    const std::atomic<long>& Progress() const { return progress_; }

private:
    // The window starts without a unit; the first cycle plugs it in.
    static SimulatedUnit& Unplugged(SimulatedUnit& unit) {
        unit.Unplug();
        return unit;
    }
    // Says what went wrong, for the first few faults; the counts say the rest.
    void Fault(int& counter, const char* what) {
        ++counter;
        if (++faults_ <= 10) std::fprintf(stderr, "soak: cycle %d: %s\n", cycle_, what);
    }

    int Random(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }

    // New records while the unit is out: every mode (and some unknown ones), random bytes.
    int NewRecords() {
        UnitImage& image = unit_.Image();
        image.pedals.resize(static_cast<std::size_t>(Random(1, NUMBER_OF_PEDALS_MAX)));
        int exchanges = 2;
        for (std::size_t p = 0; p < image.pedals.size(); ++p) {
            PedalImage& pedal = image.pedals[p];
            pedal.mode = static_cast<std::uint8_t>(Random(0, 12));
            for (auto& b : pedal.common) b = static_cast<std::uint8_t>(Random(0, 255));
            for (auto& b : pedal.additional) b = static_cast<std::uint8_t>(Random(0, 255));
            expected_[p] = Described(pedal, static_cast<int>(p));
            exchanges += 1 + (pedal.mode == PLURAL_SIMULTANEOUS_KEY_OUTPUT ? ADDITIONAL_DATA_BLOCKS : 0);
        }
        return exchanges;
    }

    template <class Done>
    bool WaitFor(Done done, int ms) {
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.elapsed() > ms) return false;
            // The window's 0.1 s update keeps events coming.
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        }
        return true;
    }

    bool ShowsNoPedal() const {
        for (std::size_t p = 0; p < texts_.size(); ++p) {
            if (texts_[p]->isVisible() || !texts_[p]->toPlainText().isEmpty() || buttons_[p]->isEnabled()) return false;
        }
        return true;
    }

    bool ShowsTheUnit() const {
        const std::size_t count = unit_.Image().pedals.size();
        for (std::size_t p = 0; p < texts_.size(); ++p) {
            const bool has = p < count;
            if (texts_[p]->isVisible() != has || buttons_[p]->isEnabled() != has) return false;
            if (has && texts_[p]->toPlainText() != expected_[p]) return false;
        }
        return true;
    }

    void Cycle(bool cutDuringRead) {
        ++cycle_;
        const int exchanges = NewRecords();
        // Each exchange is a report out and one back; the cut falls before the last one returns.
        cutAfter_ = cutDuringRead ? Random(1, 2 * exchanges - 1) : 0;
        readEnded_ = false;
        unit_.Plug();
        if (!WaitFor([this] { return readEnded_; }, kReadEndsWithinMs)) Fault(stuckReads_, "the read did not end");
        if (cutDuringRead) {
            if (cutAfter_ > 0) Fault(wrongDisplays_, "the read ended before the cut");
            WaitFor([this] { return !unit_.IsPlugged(); }, kWindowClearsWithinMs);
        }
        if (unit_.IsPlugged()) {
            if (!readShown_) Fault(wrongDisplays_, "a unit that stayed was not shown");
            else if (!ShowsTheUnit()) Fault(wrongDisplays_, "the window shows pedals other than the unit's");
            unit_.Unplug();
        }
        cutAfter_ = 0;
        if (!WaitFor([this] { return ShowsNoPedal(); }, kWindowClearsWithinMs)) {
            Fault(wrongDisplays_, "the window still shows pedals of a unit that is gone");
        }
        if (window_.plugNPlay().HasDevice()) Fault(stuckReads_, "the connection still holds a unit that is gone");
    }

    std::mt19937 random_;
    SimulatedUnit unit_;
    HID_PnP link_;
    MainWindowViewController window_;
    std::array<QPlainTextEdit*, NUMBER_OF_PEDALS_MAX> texts_{};
    std::array<QPushButton*, NUMBER_OF_PEDALS_MAX> buttons_{};
    std::array<QString, NUMBER_OF_PEDALS_MAX> expected_;
    int cycle_ = 0;
    int faults_ = 0;
    int cutAfter_ = 0;
    bool readEnded_ = false;
    bool readShown_ = false;
    int stuckReads_ = 0;
    int wrongDisplays_ = 0;
    std::atomic<long> progress_{0};
};

}  // namespace
}  // namespace tarvik

int main(int argc, char** argv) {
    int cycles = 1000;
    unsigned seed = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
            seed = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        } else if (const int n = std::atoi(argv[i]); n > 0) {
            cycles = n;
        } else {
            std::fprintf(stderr, "usage: tarvik-soak [CYCLES] [--seed N]\n");
            return 2;
        }
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The offscreen platform warns at every resize of the window; only the figures matter here.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    QApplication app(argc, argv);
    tarvik::Quiet quiet;
    tarvik::SetAlertPresenter(&quiet);
    tarvik::SetConsoleSink([](const std::string&) {});

    tarvik::Soak soak(seed);
    // A read that never ends would hold the soak inside the window's step: give up loudly.
    std::atomic<bool> finished{false};
    std::thread watchdog([&] {
        long seen = -1;
        int idle = 0;
        while (!finished.load()) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            const long now = soak.Progress().load();
            idle = now == seen ? idle + 1 : 0;
            seen = now;
            if (idle >= tarvik::kWatchdogSeconds) {
                std::fprintf(stderr, "soak: no report moved for %d s: a read is stuck for good\n", idle);
                std::_Exit(1);
            }
        }
    });

    soak.Run(tarvik::kWarmUpCycles);
    const double start = tarvik::ResidentMb();
    soak.Run(cycles);
    const double end = tarvik::ResidentMb();
    finished = true;
    watchdog.join();

    std::printf("soak: %d cycles, resident memory start %.1f MB, end %.1f MB, growth %.2f MB, stuck reads %d, "
                "wrong displays %d\n",
                cycles, start, end, end - start, soak.StuckReads(), soak.WrongDisplays());
    tarvik::SetConsoleSink({});
    tarvik::SetAlertPresenter(nullptr);
    return soak.StuckReads() == 0 && soak.WrongDisplays() == 0 ? 0 : 1;
}
