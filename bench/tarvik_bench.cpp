// SPDX-License-Identifier: GPL-3.0-or-later
// Timing figures of the device link, printed, never asserted: a full read of a five-pedal unit whose
// pedals are all in the multi-chord mode, through the real connection manager and read flow, against
// the simulated unit answering at once and after 1 ms; the same read through the real hidapi backend
// and its I/O thread on a kernel-like hidraw node; and what the program costs while it sits idle.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "KernelUnit.h"
#include "device/HID_PnP.h"
#include "device/HidapiBackend.h"
#include "device/UnitFlows.h"
#include "model/DeviceState.h"
#include "sim/SimulatedUnit.h"

namespace {

using namespace tarvik;

UnitImage FivePedalsMultiChord() {
    UnitImage image;
    image.firmware = {2, 1, 0};
    image.pedals.resize(NUMBER_OF_PEDALS_MAX);
    for (std::size_t p = 0; p < image.pedals.size(); ++p) {
        PedalImage& pedal = image.pedals[p];
        pedal.mode = PLURAL_SIMULTANEOUS_KEY_OUTPUT;
        for (std::size_t i = 0; i < pedal.common.size(); ++i) pedal.common[i] = static_cast<std::uint8_t>(p + i);
        for (std::size_t i = 0; i < pedal.additional.size(); ++i) pedal.additional[i] = static_cast<std::uint8_t>(i);
    }
    return image;
}

struct ReadFigures {
    int exchanges = 0;
    double totalMs = 0;
    double answerMs = 0;  // the unit's own time per answer
};

ReadFigures FullRead(int answerDelayMs) {
    State() = DeviceState{};
    SimulatedUnit unit(FivePedalsMultiChord());
    unit.SetAnswerDelayMs(answerDelayMs);
    HID_PnP link(unit, State());
    UnitFlowListener quiet;
    QElapsedTimer clock;
    clock.start();
    const ReadOutcome outcome = ReadUnit(link, State(), quiet);
    const qint64 totalNs = clock.nsecsElapsed();
    if (outcome != ReadOutcome::Done) std::fprintf(stderr, "full read failed\n");
    ReadFigures f;
    for (const auto& line : unit.Transcript()) f.exchanges += line.sent ? 1 : 0;
    f.totalMs = static_cast<double>(totalNs) / 1e6;
    f.answerMs = unit.AnswerCount() > 0 ? static_cast<double>(unit.AnswerTimeNs()) / 1e6 / unit.AnswerCount() : 0;
    return f;
}

// The median of several runs, by total time: one slow run on a busy machine says little.
ReadFigures MedianRead(int answerDelayMs, int runs) {
    std::vector<ReadFigures> all;
    for (int i = 0; i < runs; ++i) all.push_back(FullRead(answerDelayMs));
    std::sort(all.begin(), all.end(), [](const ReadFigures& a, const ReadFigures& b) { return a.totalMs < b.totalMs; });
    return all[all.size() / 2];
}

void PrintFullRead(int answerDelayMs) {
    const ReadFigures f = MedianRead(answerDelayMs, 15);
    const double unitMs = f.answerMs * f.exchanges;
    const double overheadUs = f.exchanges > 0 ? (f.totalMs - unitMs) * 1000.0 / f.exchanges : 0;
    // The unit's measured answer time includes its timer's lateness; the nominal ratio counts that
    // lateness against the program as well.
    const double nominalMs = static_cast<double>(answerDelayMs) * f.exchanges;
    std::printf("full read (answer delay %d ms): %d exchanges in %.2f ms, unit answer time %.3f ms, ratio %.2f",
                answerDelayMs, f.exchanges, f.totalMs, f.answerMs, unitMs > 0 ? f.totalMs / unitMs : 0.0);
    if (nominalMs > 0) std::printf(" (%.2f against the nominal delay)", f.totalMs / nominalMs);
    std::printf("\nexchange overhead (answer delay %d ms): %.1f us\n", answerDelayMs, overheadUs);
}

// The real backend and connection manager on a kernel-like hidraw node of the same unit: every
// report goes through the backend's I/O thread, and the node answers `answerDelayMs` after a write.
struct HidrawRig {
    bool fresh = (State() = DeviceState{}, true);
    std::shared_ptr<test::KernelLikeNode> node;
    HidapiBackend backend;
    HID_PnP link;

    explicit HidrawRig(int answerDelayMs)
        : node(test::KernelLikeNode::Create(bench::ReadOnlyFirmware(FivePedalsMultiChord()))),
          backend(bench::OptionsFor(node, QStringLiteral("/dev/hidraw-bench"))),
          link(backend, State()) {
        node->SetAnswerDelay(std::chrono::milliseconds(answerDelayMs));
    }
};

ReadFigures HidrawFullRead(int answerDelayMs) {
    HidrawRig rig(answerDelayMs);
    UnitFlowListener quiet;
    QElapsedTimer clock;
    clock.start();
    const ReadOutcome outcome = ReadUnit(rig.link, State(), quiet);
    const qint64 totalNs = clock.nsecsElapsed();
    if (outcome != ReadOutcome::Done) std::fprintf(stderr, "hidraw path full read failed\n");
    ReadFigures f;
    f.exchanges = rig.node->Writes();
    f.totalMs = static_cast<double>(totalNs) / 1e6;
    f.answerMs = answerDelayMs;  // the node makes each answer readable exactly this long after its write
    return f;
}

ReadFigures MedianHidrawRead(int answerDelayMs, int runs) {
    std::vector<ReadFigures> all;
    for (int i = 0; i < runs; ++i) all.push_back(HidrawFullRead(answerDelayMs));
    std::sort(all.begin(), all.end(), [](const ReadFigures& a, const ReadFigures& b) { return a.totalMs < b.totalMs; });
    return all[all.size() / 2];
}

void PrintHidrawPath() {
    const ReadFigures slow = MedianHidrawRead(1, 15);
    const double unitMs = slow.answerMs * slow.exchanges;
    std::printf("hidraw path full read (answer delay 1 ms): %d exchanges in %.2f ms, unit answer time %.3f ms, ratio %.2f\n",
                slow.exchanges, slow.totalMs, slow.answerMs, unitMs > 0 ? slow.totalMs / unitMs : 0.0);
    const ReadFigures fast = MedianHidrawRead(0, 15);
    std::printf("hidraw path exchange overhead (answer delay 0 ms): %.1f us\n",
                fast.exchanges > 0 ? fast.totalMs * 1000.0 / fast.exchanges : 0.0);

    // Held after a full read, then left alone.
    HidrawRig rig(0);
    UnitFlowListener quiet;
    ReadUnit(rig.link, State(), quiet);
    constexpr int idleMs = 2000;
    const int before = rig.node->Reads();
    QEventLoop loop;
    QTimer::singleShot(idleMs, &loop, &QEventLoop::quit);
    loop.exec();
    std::printf("hidraw path idle reads with a unit held: %.0f per second\n",
                (rig.node->Reads() - before) * 1000.0 / idleMs);
}

QString Sibling(const char* name) { return QDir(QCoreApplication::applicationDirPath()).filePath(name); }

// Context switches of the whole program (window, connection manager, backend) in a process of its
// own, per second over ten seconds; -1 when it could not be measured.
double IdleWakeups(const QString& mode) {
    QProcess child;
    child.start(Sibling("tarvik-idle-bench"), {mode});
    if (!child.waitForFinished(60000) || child.exitCode() != 0) return -1;
    double perSecond = -1;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n'))
        if (line.startsWith("wakeups ")) perSecond = line.mid(8).toDouble();
    return perSecond;
}

void PrintIdleWakeups() {
    if (!QFileInfo(Sibling("tarvik-idle-bench")).isExecutable()) {
        std::printf("idle wake-ups: not measured (tarvik-idle-bench was not built)\n");
        return;
    }
    const double none = IdleWakeups(QStringLiteral("none"));
    const double held = IdleWakeups(QStringLiteral("hidraw"));
    std::printf("idle wake-ups: %.1f/s without a unit, %.1f/s with a unit held\n", none, held);
}

// The window's start-up is measured from process start, so it runs in processes of its own: the
// window benchmark built beside this one.
void PrintWindowShown() {
    const QString program = Sibling("tarvik-window-bench");
    if (!QFileInfo(program).isExecutable()) {
        std::printf("window shown: not measured (tarvik-window-bench was not built)\n");
        return;
    }
    QProcess child;
    child.start(program, {});
    if (!child.waitForFinished(120000) || child.exitCode() != 0) {
        std::printf("window shown: not measured (%s)\n", qPrintable(child.errorString()));
        return;
    }
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        if (line.startsWith("window shown:") || line.startsWith("(median")) std::printf("%s\n", line.constData());
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // Each case prints its own lines; add more here.
    const std::vector<std::function<void()>> cases = {
        [] { PrintFullRead(0); },
        [] { PrintFullRead(1); },
        [] { PrintHidrawPath(); },
        [] { PrintIdleWakeups(); },
        [] { PrintWindowShown(); },
    };
    for (const auto& run : cases) run();
    std::fflush(stdout);
    return 0;
}
