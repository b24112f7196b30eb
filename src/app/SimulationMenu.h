// SPDX-License-Identifier: GPL-3.0-or-later
// In the simulated mode: a menu that plugs and unplugs the simulated unit.
#pragma once

#include <QObject>

class QAction;
class QMenuBar;

namespace tarvik {

class SimulatedUnit;

class SimulationMenu : public QObject {
    Q_OBJECT
public:
    // Actions "menuItemSimulationPlug" and "menuItemSimulationUnplug"; only the one that applies is enabled.
    SimulationMenu(QMenuBar& bar, SimulatedUnit& unit, QObject* parent = nullptr);

private:
    void Refresh();

    SimulatedUnit& unit_;
    QAction* plug_ = nullptr;
    QAction* unplug_ = nullptr;
};

}  // namespace tarvik
