// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppDelegate.h"

#include <QMenuBar>

#include "app/MenuClass.h"
#include "app/Preferences.h"
#include "app/SimulationMenu.h"
#include "device/Alert.h"
#include "device/HID_PnP.h"
#include "device/HidapiBackend.h"
#include "sim/SimulatedUnit.h"
#include "storage/UnitFile.h"
#include "units/ChosenUnitBackend.h"
#include "units/SimulatedUnits.h"
#include "ui/MainWindowViewController.h"
#include "ui/MessageBoxPresenter.h"

namespace tarvik {

AppDelegate::AppDelegate(const StartOptions& options, QObject* parent) : QObject(parent) {
    if (options.simulate) {
        auto units = std::make_unique<SimulatedUnits>();
        if (options.unitFiles.isEmpty()) units->AddImage(options.unitImage);
        for (const QString& file : options.unitFiles) {
            // Read once already; a file that changed into something unreadable since is shown as read.
            if (units->AddUnit(file).outcome != UnitFileRead::Read) units->AddImage(options.unitImage);
        }
        simulated_ = &units->Unit(0);
        simulatedSet_ = units.get();
        backend_ = std::move(units);
    } else {
        backend_ = std::make_unique<HidapiBackend>();
    }
    // Installed before the window exists: its first probe may already have something to say.
    presenter_ = std::make_unique<MessageBoxPresenter>();
    SetAlertPresenter(presenter_.get());

    chosen_ = std::make_unique<ChosenUnitBackend>(*backend_);
    link_ = std::make_unique<HID_PnP>(*chosen_, state_);
    window_ = std::make_unique<MainWindowViewController>(state_, *link_);
    presenter_->SetWindow(window_.get());
    menu_ = new MenuClass(*window_->menuBar(), state_, this);
    connect(menu_, &MenuClass::factoryResetRequested, window_.get(), &MainWindowViewController::RequestFactoryReset);
    connect(menu_, &MenuClass::advancedSettingsToggled, window_.get(),
            &MainWindowViewController::SetAdvancedSettingsEnabled);
    window_->SetAdvancedSettingsEnabled(AdvancedSettingsWanted());
    window_->SetUnits(*chosen_, simulatedSet_, menu_->UnitsMenu());
    connect(menu_, &MenuClass::reloadRequested, window_.get(), &MainWindowViewController::RequestReload);
    connect(menu_, &MenuClass::exportRequested, window_.get(), &MainWindowViewController::ExportSettings);
    connect(menu_, &MenuClass::importRequested, window_.get(), &MainWindowViewController::ImportSettings);
    if (simulatedSet_) simulationMenu_ = new SimulationMenu(*window_->menuBar(), *simulatedSet_, this);
    // The menu bar has its items now; the window's fixed height includes it.
    window_->InitializeControls();
}

AppDelegate::~AppDelegate() {
    // The window goes before the connection manager it uses, and that before its backend.
    window_.reset();
    link_.reset();
    chosen_.reset();
    SetAlertPresenter(nullptr);
}

}  // namespace tarvik
