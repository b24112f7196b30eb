// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures the two setting dialogs, every tab, for the documentation: dialog-shots [FOLDER]
// writes docs' screenshot-standard-*.png and screenshot-advanced-*.png there. Runs without a
// display on Qt's offscreen platform.
#include <QApplication>
#include <QDir>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "device/HID_PnP.h"
#include "i18n/Language.h"
#include "model/DeviceState.h"
#include "sim/SimulatedUnit.h"
#include "ui/AdvancedSettingDialogViewController.h"
#include "ui/DialogHost.h"
#include "ui/SettingDialogViewController.h"

namespace {

using namespace tarvik;

// Nothing is written while the pictures are taken; the unit is only there to be held.
class NoHost : public DialogHost {
public:
    HID_PnP& plugNPlay() override { return link_; }

private:
    SimulatedUnit unit_;
    HID_PnP link_{unit_, State()};
};

bool Save(QWidget& dialog, const QString& file) {
    dialog.show();
    QApplication::processEvents();
    const bool saved = dialog.grab().save(file);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(file));
    return saved;
}

void SetPedal1(int mode, CommonRecord common) {
    State().OutputMode[1] = static_cast<std::uint8_t>(mode);
    State().CommonData[1] = common;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    tarvik::i18n::UseDesktopLanguage();  // LANGUAGE=en pictures the English dialogs
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    NoHost host;
    QWidget window;
    window.resize(680, 400);
    auto& s = State();
    s.NumberOfPedals = 3;
    s.PedalName = "左ペダル";
    const std::uint8_t additional[] = {0x02, 5, 0, 0, 0, 0, 0, 0x00, 6, 7};
    std::copy(std::begin(additional), std::end(additional), s.AdditionalData[1].begin());
    bool ok = true;

    const std::pair<int, CommonRecord> standard[] = {{SIMPLE_KEY_OUTPUT, {0x03, 4}}, {SIMPLE_DOUBLE_CLICK, {1, 15, 0, 15}}};
    const char* standardFiles[] = {"screenshot-standard-keyboard.png", "screenshot-standard-mouse.png"};
    for (int i = 0; i < 2; ++i) {
        SetPedal1(standard[i].first, standard[i].second);
        SettingDialogViewController dialog(host, s, 1, &window);
        ok = Save(dialog, out.filePath(standardFiles[i])) && ok;
    }

    const struct {
        const char* file;
        const char* tab;  // opened on the pedal's own tab; named to be sure
        int mode;
        CommonRecord common;
    } advanced[] = {
        {"screenshot-advanced-key.png", "tabKeyOutput", SIMPLE_KEY_OUTPUT, {0x02, 0x04}},
        {"screenshot-advanced-click.png", "tabClick", SIMPLE_DOUBLE_CLICK, {1, 30, 1, 20}},
        {"screenshot-advanced-modifier-click.png", "tabModifierClick", MODIFIER_PLUS_DOUBLE_CLICK,
         {0x01, 1, 0, 30, 0, 20}},
        {"screenshot-advanced-repeat-key.png", "tabRepeatKey", CONTINUOUS_KEY_OUTPUT,
         {0x02, 4, 0, 0, 0, 0, 1, 0, 5, 0, 25, 0, 10}},
        {"screenshot-advanced-pointer.png", "tabPointerMove", POINTER_MOVE,
         {255, 1, 0, 100, 3, 232, 0, 0, 0, 0, 100, 0, 1}},
        {"screenshot-advanced-wheel.png", "tabWheel", WHEEL_ROTATION, {1, 0, 0, 0, 0, 0, 0, 0, 0, 10, 0, 0}},
        {"screenshot-advanced-repeat-click.png", "tabRepeatClick", CONTINUOUS_CLICK,
         {2, 0, 0, 0, 0, 1, 0, 3, 0, 50, 0, 4}},
        {"screenshot-advanced-chords.png", "tabPluralKeys", PLURAL_SIMULTANEOUS_KEY_OUTPUT,
         {0x2C, 0x0A, 0x10, 0x83, 0, 5, 0x01, 6}},
        {"screenshot-advanced-on-change.png", "tabOnChange", OUTPUT_AT_CHANGE, {3, 0x01, 6, 0, 40}},
    };
    for (const auto& shot : advanced) {
        SetPedal1(shot.mode, shot.common);
        AdvancedSettingDialogViewController dialog(host, s, 1, nullptr);
        auto* tabs = dialog.findChild<QTabWidget*>("tabsAdvanced");
        tabs->setCurrentWidget(tabs->findChild<QWidget*>(shot.tab));
        // The offscreen screen is 800 wide; show every title, as a 1024-wide screen does.
        dialog.resize(std::max(dialog.width(), tabs->tabBar()->sizeHint().width() + 24), dialog.height());
        ok = Save(dialog, out.filePath(shot.file)) && ok;
    }
    return ok ? 0 : 1;
}
