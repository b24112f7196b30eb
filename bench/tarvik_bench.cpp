// Timing figures of the device link, printed, never asserted: a full read of a five-pedal unit whose
// pedals are all in the multi-chord mode, through the real connection manager and read flow, against
// the simulated unit answering at once and after 1 ms.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "device/HID_PnP.h"
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
    HID_PnP link(unit);
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

// The window's start-up is measured from process start, so it runs in processes of its own: the
// window benchmark built beside this one.
void PrintWindowShown() {
    const QString program = QDir(QCoreApplication::applicationDirPath()).filePath("tarvik-window-bench");
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
        [] { PrintWindowShown(); },
    };
    for (const auto& run : cases) run();
    std::fflush(stdout);
    return 0;
}
