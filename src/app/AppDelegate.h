// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the running program: the HID backend (the real one, or a simulated unit), the message
// boxes, the main window and its menus.
#pragma once

#include <QObject>
#include <memory>

#include "app/CommandLine.h"
#include "model/DeviceState.h"

namespace tarvik {

class HidBackend;
class HID_PnP;
class SimulatedUnit;
class SimulatedUnits;
class ChosenUnitBackend;
class MainWindowViewController;
class MessageBoxPresenter;
class MenuClass;
class SimulationMenu;

class AppDelegate : public QObject {
    Q_OBJECT
public:
    explicit AppDelegate(const StartOptions& options, QObject* parent = nullptr);
    ~AppDelegate() override;

    void applicationDidFinishLaunching() {}
    void applicationWillTerminate() {}
    // Closing the main window ends the program.
    bool applicationShouldTerminateAfterLastWindowClosed() const { return true; }

    MainWindowViewController& Window() { return *window_; }
    MenuClass& Menu() { return *menu_; }
    // The simulated unit in the simulated mode, else nullptr.
    SimulatedUnit* Simulated() { return simulated_; }
    // Every simulated unit (one per unit file) in the simulated mode, else nullptr.
    SimulatedUnits* SimulatedSet() { return simulatedSet_; }

private:
    // The program's one device state and its one connection manager, handed to the window and the
    // menu. State() reaches the same state for the few functions that take none.
    DeviceState state_;
    StateScope stateScope_{state_};
    std::unique_ptr<HidBackend> backend_;
    SimulatedUnit* simulated_ = nullptr;
    SimulatedUnits* simulatedSet_ = nullptr;
    // What the connection manager sees of the backend: the unit chosen among those attached.
    std::unique_ptr<ChosenUnitBackend> chosen_;
    std::unique_ptr<HID_PnP> link_;
    std::unique_ptr<MessageBoxPresenter> presenter_;
    std::unique_ptr<MainWindowViewController> window_;
    MenuClass* menu_ = nullptr;
    SimulationMenu* simulationMenu_ = nullptr;
};

}  // namespace tarvik
