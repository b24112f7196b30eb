// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MenuClass.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/Preferences.h"
#include "app/QuickStartGuide.h"
#include "device/Alert.h"
#include "model/DeviceState.h"
#include "model/Texts.h"

namespace tarvik {

namespace {

QAction* AddItem(QMenu* menu, const QString& title, const char* name) {
    QAction* action = menu->addAction(title);
    action->setObjectName(QLatin1String(name));
    return action;
}

}  // namespace

MenuClass::MenuClass(QMenuBar& bar, DeviceState& state, QObject* parent) : QObject(parent), state_(state) {
    exit_ = [](int status) { QCoreApplication::exit(status); };

    // Titles carry their access keys the Japanese way, "(&F)" after the word: Alt and the letter
    // open a menu, the letter alone picks an item of an open menu.
    QMenu* file = bar.addMenu(tr("ファイル(&F)"));
    file->setObjectName(QStringLiteral("menuFile"));
    QAction* exportItem = file->addAction(tr("設定を書き出す(&E)…"));
    exportItem->setObjectName(QStringLiteral("menuItemExportSettings"));
    connect(exportItem, &QAction::triggered, this, &MenuClass::exportRequested);
    QAction* importItem = file->addAction(tr("設定を読み込む(&I)…"));
    importItem->setObjectName(QStringLiteral("menuItemImportSettings"));
    connect(importItem, &QAction::triggered, this, &MenuClass::importRequested);
    file->addSeparator();
    QAction* exitItem = AddItem(file, tr("終了(&X)"), "menuItemExit");
    exitItem->setShortcut(QKeySequence::Quit);
    connect(exitItem, &QAction::triggered, this, &MenuClass::ExitToolStripMenuItem_Click);

    QMenu* unit = bar.addMenu(tr("Tarvik(&T)"));
    unit->setObjectName(QStringLiteral("menuTarvik"));
    units_ = unit->addMenu(tr("ユニットを選ぶ(&U)"));
    units_->setObjectName(QStringLiteral("menuUnits"));
    QAction* reload = unit->addAction(tr("再読み込み(&L)"));
    reload->setObjectName(QStringLiteral("menuItemReload"));
    reload->setShortcut(QKeySequence(Qt::Key_F5));
    connect(reload, &QAction::triggered, this, &MenuClass::reloadRequested);
    unit->addSeparator();
    connect(AddItem(unit, tr("工場出荷状態に戻す(&R)…"), "menuItemInitialState"), &QAction::triggered, this,
            &MenuClass::InitialStateToolStripMenuItem_Click);
    unit->addSeparator();
    QAction* advanced = AddItem(unit, QString::fromStdString(text::Tr(text::AdvancedSettingsItem)),
                                "menuItemAdvancedSettings");
    advanced->setCheckable(true);
    advanced->setChecked(AdvancedSettingsWanted());
    connect(advanced, &QAction::toggled, this, [this](bool on) {
        SetAdvancedSettingsWanted(on);
        emit advancedSettingsToggled(on);
    });

    QMenu* help = bar.addMenu(tr("ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("menuHelp"));
    QAction* guide = AddItem(help, tr("クイックスタートガイド(&Q)"), "menuItemQuickStartGuide");
    guide->setShortcut(QKeySequence::HelpContents);
    connect(guide, &QAction::triggered, this, &MenuClass::QuickStartGuideToolStripMenuItem_Click);
    connect(AddItem(help, tr("バージョン情報(&A)"), "menuItemVersion"), &QAction::triggered, this,
            &MenuClass::VersionToolStripMenuItem_Click);

    AddMenuBarKey(bar);
}

// F10 opens the first menu, as on other desktops; Qt leaves that key to the platform, and not every
// platform takes it.
void MenuClass::AddMenuBarKey(QMenuBar& bar) {
    QWidget* window = bar.window();
    auto* openBar = new QAction(window);
    openBar->setObjectName(QStringLiteral("actionOpenMenuBar"));
    openBar->setShortcut(QKeySequence(Qt::Key_F10));
    openBar->setShortcutContext(Qt::WindowShortcut);
    window->addAction(openBar);
    connect(openBar, &QAction::triggered, &bar, [&bar] {
        const QList<QAction*> menus = bar.actions();
        if (!menus.isEmpty()) bar.setActiveAction(menus.first());
    });
}

void MenuClass::ExitToolStripMenuItem_Click() { exit_(0); }

// The reset itself, with its confirmation, is the main window's step.
void MenuClass::InitialStateToolStripMenuItem_Click() {
    state_.InitialState = true;
    emit factoryResetRequested();
}

// The guide opens in the browser; the message with its address stays for a desktop that cannot.
void MenuClass::QuickStartGuideToolStripMenuItem_Click() {
    OpenQuickStartGuide();
    alertBox(QuickStartGuideText());
}

void MenuClass::VersionToolStripMenuItem_Click() { alertBox(VersionText()); }

std::string MenuClass::VersionText() {
    return text::Tr(text::VersionIntro) + std::to_string(Win_Major) + "." + std::to_string(Win_Minor) + "." +
           std::to_string(Win_Revision);
}

std::string MenuClass::QuickStartGuideText() {
    return text::Tr(text::QuickStartGuideIntro) + QuickStartGuideAddress().toStdString();
}

}  // namespace tarvik
