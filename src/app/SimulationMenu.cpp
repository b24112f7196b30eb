// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SimulationMenu.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include "sim/SimulatedUnit.h"
#include "units/SimulatedUnits.h"

namespace tarvik {

SimulationMenu::SimulationMenu(QMenuBar& bar, SimulatedUnits& units, QObject* parent) : QObject(parent) {
    QMenu* menu = bar.addMenu(tr("シミュレーション(&S)"));
    menu->setObjectName(QStringLiteral("menuSimulation"));
    for (int i = 0; i < units.Count(); ++i) {
        // The first unit keeps the items' access keys; further ones are named by their files.
        const QString name = QFileInfo(units.PathOf(i)).fileName();
        const QString suffix = i == 0 ? QString() : QString::number(i);
        if (i > 0) menu->addSeparator();
        Items items{&units.Unit(i), nullptr, nullptr};
        items.plug = menu->addAction(i == 0 ? tr("Tarvikを接続する(&P)") : tr("%1 を接続する").arg(name));
        items.plug->setObjectName(QStringLiteral("menuItemSimulationPlug") + suffix);
        items.unplug =
            menu->addAction(i == 0 ? tr("Tarvikを取り外す(&U)") : tr("%1 を取り外す").arg(name));
        items.unplug->setObjectName(QStringLiteral("menuItemSimulationUnplug") + suffix);
        SimulatedUnit* unit = items.unit;
        connect(items.plug, &QAction::triggered, this, [this, unit] {
            if (!unit->IsPlugged()) unit->Plug();
            Refresh();
        });
        connect(items.unplug, &QAction::triggered, this, [this, unit] {
            if (unit->IsPlugged()) unit->Unplug();
            Refresh();
        });
        items_.push_back(items);
    }
    connect(menu, &QMenu::aboutToShow, this, &SimulationMenu::Refresh);
    Refresh();
}

void SimulationMenu::Refresh() {
    for (const Items& items : items_) {
        items.plug->setEnabled(!items.unit->IsPlugged());
        items.unplug->setEnabled(items.unit->IsPlugged());
    }
}

}  // namespace tarvik
