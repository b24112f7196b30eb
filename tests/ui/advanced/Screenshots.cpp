// Renders each tab of the advanced dialog to a PNG in the given folder (docs/), with a record that
// fills the tab, so the layout can be looked at without a display.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QSlider>
#include <QTabWidget>
#include <cstdio>
#include <cstdlib>

#include "model/DeviceState.h"
#include "device/HID_PnP.h"
#include "sim/SimulatedUnit.h"
#include "ui/AdvancedSettingDialogViewController.h"
#include "ui/DialogHost.h"

namespace {

using namespace tarvik;

class Host : public DialogHost {
public:
    Host() : link(unit) {}
    void SettingDialog_OK() override {}
    HID_PnP& plugNPlay() override { return link; }
    SimulatedUnit unit;
    HID_PnP link;
};

bool Shoot(Host& host, int tab, const QString& file, int mode, std::array<std::uint8_t, NUMBER_OF_COMMON_DATA> common) {
    State().SelectedPedalNo = 1;
    State().PedalName = "左ペダル";
    State().OutputMode[1] = static_cast<std::uint8_t>(mode);
    State().CommonData[1] = common;
    AdvancedSettingDialogViewController dialog(host, nullptr);
    dialog.findChild<QTabWidget*>("tabsAdvanced")->setCurrentIndex(tab);
    if (auto* speed = dialog.findChild<QSlider*>("PM_hscrollbarThousandLogSpeedIndex")) speed->setValue(2000);
    dialog.show();
    QApplication::processEvents();
    const bool saved = dialog.grab().save(file);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(file));
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    Host host;
    const std::uint8_t additional[] = {0x02, 1, 0, 0, 0, 0, 0, 0x00, 2, 0, 0, 0, 0, 0};
    std::copy(std::begin(additional), std::end(additional), State().AdditionalData[1].begin());
    bool ok = true;
    ok &= Shoot(host, 0, out.filePath("screenshot-advanced-click.png"), SIMPLE_CLICK, {5});
    ok &= Shoot(host, 1, out.filePath("screenshot-advanced-key.png"), SIMPLE_KEY_OUTPUT, {0x02, 0x04});
    ok &= Shoot(host, 2, out.filePath("screenshot-advanced-pointer.png"), SIMPLE_KEY_OUTPUT, {});
    ok &= Shoot(host, 3, out.filePath("screenshot-advanced-chords.png"), PLURAL_SIMULTANEOUS_KEY_OUTPUT,
                {0x2C, 0x0A, 0x10, 0x83, 0, 5, 0x01, 0, 0, 0, 0, 0, 0});
    return ok ? 0 : 1;
}
