// SPDX-License-Identifier: GPL-3.0-or-later
// The menu and its commands. They reach the rest of the program only through their signals (and the
// InitialState flag the design keeps) and the alert box.
#pragma once

#include <QObject>
#include <functional>
#include <string>

class QMenu;
class QMenuBar;

namespace tarvik {

struct DeviceState;

class MenuClass : public QObject {
    Q_OBJECT
public:
    // Adds the menus to `bar`, and F10 to open them to the bar's window. Actions are found by object
    // name ("menuItemExit", …).
    // `state` (for the InitialState flag) must outlive the menu.
    MenuClass(QMenuBar& bar, DeviceState& state, QObject* parent = nullptr);

    void ExitToolStripMenuItem_Click();
    void InitialStateToolStripMenuItem_Click();
    void QuickStartGuideToolStripMenuItem_Click();
    void VersionToolStripMenuItem_Click();

    // How the exit command ends the program (tests record the status instead).
    using ExitHandler = std::function<void(int status)>;
    void SetExitHandler(ExitHandler handler) { exit_ = std::move(handler); }

    static std::string VersionText();
    static std::string QuickStartGuideText();

signals:
    // The user chose the factory reset; the main window confirms and runs it.
    void factoryResetRequested();
    // The user turned "高度な設定を使う" on or off (the choice is already kept for the next run).
    void advancedSettingsToggled(bool on);
    // "再読み込み": read the unit shown again.
    void reloadRequested();
    // "設定を書き出す…" and "設定を読み込む…": a snapshot of the unit shown, to or from a file.
    void exportRequested();
    void importRequested();

public:
    // "ユニットを選ぶ": filled by whoever knows the units attached.
    QMenu* UnitsMenu() const { return units_; }

private:
    static void AddMenuBarKey(QMenuBar& bar);
    QMenu* units_ = nullptr;

    DeviceState& state_;
    ExitHandler exit_;
};

}  // namespace tarvik
