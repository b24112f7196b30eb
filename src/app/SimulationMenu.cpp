// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SimulationMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "sim/SimulatedUnit.h"

namespace tarvik {

SimulationMenu::SimulationMenu(QMenuBar& bar, SimulatedUnit& unit, QObject* parent)
    : QObject(parent), unit_(unit) {
    QMenu* menu = bar.addMenu(tr("シミュレーション(&S)"));
    menu->setObjectName(QStringLiteral("menuSimulation"));
    plug_ = menu->addAction(tr("Tarvikを接続する(&P)"));
    plug_->setObjectName(QStringLiteral("menuItemSimulationPlug"));
    unplug_ = menu->addAction(tr("Tarvikを取り外す(&U)"));
    unplug_->setObjectName(QStringLiteral("menuItemSimulationUnplug"));
    connect(plug_, &QAction::triggered, this, [this] {
        if (!unit_.IsPlugged()) unit_.Plug();
        Refresh();
    });
    connect(unplug_, &QAction::triggered, this, [this] {
        if (unit_.IsPlugged()) unit_.Unplug();
        Refresh();
    });
    connect(menu, &QMenu::aboutToShow, this, &SimulationMenu::Refresh);
    Refresh();
}

void SimulationMenu::Refresh() {
    plug_->setEnabled(!unit_.IsPlugged());
    unplug_->setEnabled(unit_.IsPlugged());
}

}  // namespace tarvik
