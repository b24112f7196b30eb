// Renders the standard dialog's two tabs to PNG files: standard_dialog_screenshots <folder>.
// Run with QT_QPA_PLATFORM=offscreen where no display is at hand.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <cstdio>

#include "model/DeviceState.h"
#include "device/HID_PnP.h"
#include "sim/SimulatedUnit.h"
#include "ui/DialogHost.h"
#include "ui/SettingDialogViewController.h"

namespace {

// Nothing is written while the pictures are taken; the unit is only there to be held.
class NoHost : public tarvik::DialogHost {
public:
    void SettingDialog_OK() override {}
    tarvik::HID_PnP& plugNPlay() override { return link_; }

private:
    tarvik::SimulatedUnit unit_;
    tarvik::HID_PnP link_{unit_};
};

bool Shoot(tarvik::DialogHost& host, QWidget& window, std::uint8_t mode, std::array<std::uint8_t, 13> common,
           const QString& file) {
    auto& s = tarvik::State();
    s.NumberOfPedals = 3;
    s.SelectedPedalNo = 1;
    s.OutputMode[1] = mode;
    s.CommonData[1] = common;
    s.StandardSettingDialogOpen = true;
    tarvik::SettingDialogViewController dialog(host, &window);
    dialog.open();
    QApplication::processEvents();
    const bool ok = dialog.grab().save(file);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(file));
    dialog.reject();
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    NoHost host;
    QWidget window;
    window.resize(680, 400);
    bool ok = Shoot(host, window, tarvik::SIMPLE_KEY_OUTPUT, {0x03, 4}, out.filePath("screenshot-standard-keyboard.png"));
    ok = Shoot(host, window, tarvik::SIMPLE_DOUBLE_CLICK, {1, 15, 0, 15}, out.filePath("screenshot-standard-mouse.png")) && ok;
    return ok ? 0 : 1;
}
