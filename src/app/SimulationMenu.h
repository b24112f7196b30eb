// SPDX-License-Identifier: GPL-3.0-or-later
// In the simulated mode: a menu that plugs and unplugs each simulated unit.
#pragma once

#include <QObject>
#include <vector>

class QAction;
class QMenuBar;

namespace tarvik {

class SimulatedUnit;
class SimulatedUnits;

class SimulationMenu : public QObject {
    Q_OBJECT
public:
    // Actions "menuItemSimulationPlug" and "menuItemSimulationUnplug" for the first unit, with the
    // unit's number after them for each further one ("menuItemSimulationUnplug1"); only the one
    // that applies is enabled.
    SimulationMenu(QMenuBar& bar, SimulatedUnits& units, QObject* parent = nullptr);

private:
    struct Items {
        SimulatedUnit* unit;
        QAction* plug;
        QAction* unplug;
    };
    void Refresh();
    std::vector<Items> items_;
};

}  // namespace tarvik
