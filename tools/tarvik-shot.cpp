// tarvik-shot UNITFILE OUT.png: saves a picture of the main window showing the simulated unit
// described by UNITFILE, once every pedal has been read. For documentation; not installed.
#include <QApplication>
#include <QBuffer>
#include <QPixmap>
#include <QTimer>
#include <iostream>

#include "app/AppDelegate.h"
#include "app/CommandLine.h"
#include "device/Alert.h"
#include "sim/SafeFile.h"
#include "ui/MainWindowViewController.h"

namespace {

// No one is there to answer a box: say what it was and take the harmless answer.
class Unattended : public tarvik::AlertPresenter {
public:
    int ShowMessage(const std::string& message) override {
        std::cerr << "tarvik-shot: message: " << message << '\n';
        return tarvik::ALERT_FIRST_BUTTON;
    }
    int Confirm(const std::string& title, const std::string& message) override {
        std::cerr << "tarvik-shot: confirmation: " << title << ": " << message << '\n';
        return tarvik::ALERT_SECOND_BUTTON;
    }
};

constexpr int kGiveUpMs = 15000;
constexpr int kSettleMs = 300;  // let the last layout and paint happen before grabbing

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3) {
        std::cerr << "usage: tarvik-shot UNITFILE OUT.png\n";
        return 2;
    }
    tarvik::StartOptions options;
    if (const int status = tarvik::ParseCommandLine({args[0], QStringLiteral("--simulate=") + args[1]}, options);
        status >= 0)
        return status;

    tarvik::AppDelegate delegate(options);
    Unattended unattended;
    tarvik::SetAlertPresenter(&unattended);
    tarvik::MainWindowViewController& window = delegate.Window();
    window.SetExitHandler([](int) { QCoreApplication::exit(3); });

    const QString out = args[2];
    QObject::connect(&window, &tarvik::MainWindowViewController::unitRead, &app, [&](bool shown) {
        if (!shown) {
            std::cerr << "tarvik-shot: the unit could not be read\n";
            QCoreApplication::exit(3);
            return;
        }
        QTimer::singleShot(kSettleMs, &app, [&] {
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            QString error;
            if (!window.grab().save(&buffer, "PNG")) error = out + QStringLiteral(": the picture could not be encoded");
            if (error.isEmpty()) tarvik::WriteFileAtomically(out, png, tarvik::Existing::Replace, error);
            if (!error.isEmpty()) {
                std::cerr << "tarvik-shot: " << error.toStdString() << '\n';
                QCoreApplication::exit(1);
                return;
            }
            QCoreApplication::exit(0);
        });
    });
    QTimer::singleShot(kGiveUpMs, &app, [] {
        std::cerr << "tarvik-shot: gave up waiting for the unit\n";
        QCoreApplication::exit(4);
    });
    window.show();
    const int status = app.exec();
    tarvik::SetAlertPresenter(nullptr);
    return status;
}
