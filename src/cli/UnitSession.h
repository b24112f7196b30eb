// SPDX-License-Identifier: GPL-3.0-or-later
// One run of tarvikctl against one unit: the backend (real or simulated), the connection manager
// aimed at the chosen unit, the read, the read-back check and saving a simulated unit's file.
#pragma once

#include <QByteArray>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "cli/CliArgs.h"
#include "model/DeviceState.h"
#include "model/ModeChoice.h"
#include "model/ProtocolConstants.h"

namespace tarvik {
class HidBackend;
class HID_PnP;
class SelectedUnitBackend;
class SimulatedUnits;
class UnitSequence;
}  // namespace tarvik

namespace tarvik::cli {

// A pedal's mode and common data as they were meant to be stored.
struct WrittenPedal {
    int pedal = 0;
    std::uint8_t mode = 0;
    std::array<std::uint8_t, NUMBER_OF_COMMON_DATA> common{};
};
// The record of pedal `p` in `state` now (without: in the state State() reaches).
WrittenPedal RecordOf(const DeviceState& state, int p);
WrittenPedal RecordOf(int p);
// "major.minor.revision" of the firmware version read from the unit into `state`.
QString FirmwareText(const DeviceState& state);
QString FirmwareText();

class UnitSession {
public:
    UnitSession();
    ~UnitSession();
    UnitSession(const UnitSession&) = delete;
    UnitSession& operator=(const UnitSession&) = delete;

    // Builds the backend the request asks for. An unreadable or malformed unit file gives EXIT_USAGE.
    int Prepare(const CliRequest& request);
    // Uses `backend` as it is (tests: a simulated unit set up to misbehave).
    void PrepareWith(const CliRequest& request, std::unique_ptr<HidBackend> backend);

    // Paths of the units present.
    QStringList Units();
    // Takes the unit at `path`, or (empty) the one --device names, else the only one found. Says
    // why none could be taken: none present, several and none chosen (EXIT_USAGE), another program
    // using it past the lock's wait, no access (the udev rule), open failed. Holds the unit's lock
    // until Detach().
    int Attach(const QString& path = {});
    // Ends the unit's sequence: a simulated unit's file saved, the unit marked when it was written
    // to, the lock let go.
    void Detach();
    // How long Attach waits for another program's sequence (tests shorten it).
    void SetLockWaitMs(int ms) { lockWaitMs_ = ms; }

    // The same read as the window's attach read. EXIT_OK when every pedal was read.
    int Read();
    // Writes pedal `p` as the window does (its record, then the timing parameters). EXIT_OK when
    // the unit took both; else the exchange's failure has been told.
    int Write(int p);
    // Writes pedal `p` with `choice` over its record and reads the pedal back (the one write flow
    // of both programs); then saves a simulated unit's file. EXIT_OK only when the unit holds the
    // record written; else what went wrong has been told.
    int WriteChecked(int p, const modes::ModeChoice& choice);
    // Reads the unit again and compares each written pedal with what the unit now stores; then
    // saves a simulated unit's file (SaveSimulation).
    int VerifyWritten(const std::vector<WrittenPedal>& written);
    // A simulated unit kept in a file: writes the file when the unit's settings changed.
    int SaveSimulation();

    HID_PnP& Link();
    // The session's device state: what the read found and the writes stored.
    DeviceState& Device() { return state_; }

    // Tells that pedal `p` holds what the state says, not `mode` and `common`.
    void ReportDifference(int p, std::uint8_t mode, const CommonRecord& common);

private:

    // The session's one device state, handed to its connection manager and flows. State() reaches
    // it too, for the commands that take none.
    DeviceState state_;
    StateScope stateScope_{state_};
    CliRequest request_;
    std::unique_ptr<HidBackend> backend_;
    SimulatedUnits* sims_ = nullptr;  // backend_ when simulating
    bool locking_ = false;            // backend_ is the program's own (not a test's)
    int lockWaitMs_;
    QString attached_;                // the unit whose sequence runs
    bool wrote_ = false;              // a command that changes the unit was sent in it
    std::unique_ptr<UnitSequence> sequence_;
    int saveStatus_ = 0;  // of the first failed save, told once
    std::unique_ptr<SelectedUnitBackend> view_;
    std::unique_ptr<HID_PnP> link_;
};

// The real hidraw backend (its own file: only it needs hidapi).
std::unique_ptr<HidBackend> MakeHardwareBackend();

}  // namespace tarvik::cli
