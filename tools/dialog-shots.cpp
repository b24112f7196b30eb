// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures the two setting dialogs, every tab, for the documentation: dialog-shots [FOLDER]
// writes docs' screenshot-standard-*.png and screenshot-advanced-*.png there. Runs without a
// display on Qt's offscreen platform.
#include <QApplication>
#include <QDir>
#include <QSlider>
#include <QTabWidget>
#include <cstdio>
#include <cstdlib>

#include "device/HID_PnP.h"
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
    void SettingDialog_OK() override {}
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
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    NoHost host;
    QWidget window;
    window.resize(680, 400);
    auto& s = State();
    s.NumberOfPedals = 3;
    s.PedalName = "左ペダル";
    const std::uint8_t additional[] = {0x02, 1, 0, 0, 0, 0, 0, 0x00, 2};
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
        int mode;
        CommonRecord common;
    } advanced[] = {
        {"screenshot-advanced-click.png", SIMPLE_CLICK, {5}},
        {"screenshot-advanced-key.png", SIMPLE_KEY_OUTPUT, {0x02, 0x04}},
        {"screenshot-advanced-pointer.png", SIMPLE_KEY_OUTPUT, {}},
        {"screenshot-advanced-chords.png", PLURAL_SIMULTANEOUS_KEY_OUTPUT, {0x2C, 0x0A, 0x10, 0x83, 0, 5, 0x01}},
    };
    for (int tab = 0; tab < 4; ++tab) {
        SetPedal1(advanced[tab].mode, advanced[tab].common);
        AdvancedSettingDialogViewController dialog(host, s, 1, nullptr);
        dialog.findChild<QTabWidget*>("tabsAdvanced")->setCurrentIndex(tab);
        if (auto* speed = dialog.findChild<QSlider*>("PM_hscrollbarThousandLogSpeedIndex")) speed->setValue(2000);
        ok = Save(dialog, out.filePath(advanced[tab].file)) && ok;
    }
    return ok ? 0 : 1;
}
