// SPDX-License-Identifier: GPL-3.0-or-later
// tarvik-shot UNITFILE OUT.png [MENUITEM]: saves a picture of the main window showing the simulated
// unit described by UNITFILE, once every pedal has been read. With MENUITEM (the object name of a
// menu command, e.g. menuItemInitialState or menuItemVersion), it runs that command and pictures the
// screen around the window and the message box the command shows, then closes the box with its
// harmless answer. For documentation; not installed.
#include <QAction>
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QBuffer>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <iostream>
#include <functional>
#include <memory>
#include <utility>

#include "app/AppDelegate.h"
#include "app/CommandLine.h"
#include "app/Preferences.h"
#include "i18n/Language.h"
#include "device/Alert.h"
#include "storage/SafeFile.h"
#include "ui/MainWindowViewController.h"
#include "ui/MessageBoxPresenter.h"

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
constexpr int kMargin = 24;     // of the screen around the window and the box

// Whole or not at all, like every file the programs write; says why on failure.
bool SavePicture(const QPixmap& picture, const QString& out) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!picture.save(&buffer, "PNG")) error = out + QStringLiteral(": the picture could not be encoded");
    if (error.isEmpty()) tarvik::WriteFileAtomically(out, png, tarvik::Existing::Replace, error);
    if (!error.isEmpty()) std::cerr << "tarvik-shot: " << error.toStdString() << '\n';
    return error.isEmpty();
}

bool SaveWindow(QWidget& window, const QString& out) { return SavePicture(window.grab(), out); }

// The screen as it shows the window and the box over it (window manager's frames included).
bool SaveScreenAround(QWidget& window, QWidget& box, const QString& out) {
    QScreen* screen = window.screen();
    const QRect area = window.frameGeometry()
                           .united(box.frameGeometry())
                           .adjusted(-kMargin, -kMargin, kMargin, kMargin)
                           .intersected(screen->geometry());
    return SavePicture(screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()), out);
}

// Calls back once, when the first message box is shown.
class BoxShownWatcher : public QObject {
public:
    explicit BoxShownWatcher(std::function<void(QMessageBox*)> shown) : shown_(std::move(shown)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = event->type() == QEvent::Show ? qobject_cast<QMessageBox*>(watched) : nullptr;
        if (box && shown_) std::exchange(shown_, {})(box);
        return false;
    }

private:
    std::function<void(QMessageBox*)> shown_;
};

// Runs the menu command and pictures its box once it is shown; the box is then closed.
void ShootBox(QApplication& app, QWidget& window, const QString& menuItem, const QString& out) {
    auto* action = window.findChild<QAction*>(menuItem);
    if (!action) {
        std::cerr << "tarvik-shot: no menu command named " << menuItem.toStdString() << '\n';
        QCoreApplication::exit(2);
        return;
    }
    // The box shows inside the command (a nested event loop); it is pictured once it has settled.
    auto* watcher = new BoxShownWatcher([&app, &window, out](QMessageBox* box) {
        QTimer::singleShot(kSettleMs, box, [&app, &window, box, out] {
            const bool saved = SaveScreenAround(window, *box, out);
            box->close();  // closing is the harmless answer of every box
            QTimer::singleShot(0, &app, [saved] { QCoreApplication::exit(saved ? 0 : 1); });
        });
    });
    watcher->setParent(&app);
    app.installEventFilter(watcher);
    action->trigger();
}

// Opens the menu `name` (and its submenu `sub`, when given) under the window and pictures both.
bool ShootMenu(QApplication& app, tarvik::MainWindowViewController& window, QMenu& menu, const QString& out) {
    const QList<QAction*> titles = window.menuBar()->actions();
    for (QAction* title : titles) {
        if (title->menu() == &menu) window.menuBar()->setActiveAction(title);
    }
    QMenu* sub = nullptr;
    for (QAction* item : menu.actions()) {
        if (item->menu() != nullptr) {
            sub = item->menu();
            menu.setActiveAction(item);
        }
    }
    QTimer::singleShot(kSettleMs, &app, [&app, &window, &menu, sub, out] {
        if (sub != nullptr && !sub->isVisible()) sub->popup(menu.geometry().topRight());
        QTimer::singleShot(kSettleMs, &app, [&window, &menu, sub, out] {
            QWidget& widest = (sub != nullptr && sub->isVisible()) ? static_cast<QWidget&>(*sub) : menu;
            const bool saved = SaveScreenAround(window, widest, out);
            QCoreApplication::exit(saved ? 0 : 1);
        });
    });
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tarvik::i18n::UseDesktopLanguage();
    // The pictures show the program as it starts for a new user, whatever this user has chosen;
    // TARVIK_SHOT_ADVANCED=1 pictures it with the advanced settings turned on.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    if (qEnvironmentVariableIntValue("TARVIK_SHOT_ADVANCED") == 1) tarvik::SetAdvancedSettingsWanted(true);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3 && args.size() != 4) {
        std::cerr << "usage: tarvik-shot UNITFILE OUT.png [MENUITEM]\n";
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
    std::unique_ptr<tarvik::MessageBoxPresenter> boxes;

    const QString out = args[2];
    const QString menuItem = args.size() > 3 ? args[3] : QString();
    QObject::connect(&window, &tarvik::MainWindowViewController::unitRead, &app, [&](bool shown) {
        if (!shown) {
            std::cerr << "tarvik-shot: the unit could not be read\n";
            QCoreApplication::exit(3);
            return;
        }
        QTimer::singleShot(kSettleMs, &app, [&] {
            // An empty name would match any menu.
            if (auto* menu = menuItem.isEmpty() ? nullptr : window.findChild<QMenu*>(menuItem)) {
                ShootMenu(app, window, *menu, out);
                return;
            }
            if (!menuItem.isEmpty()) {
                // The command's box is the picture: the program's own message boxes show it.
                boxes = std::make_unique<tarvik::MessageBoxPresenter>(&window);
                tarvik::SetAlertPresenter(boxes.get());
                ShootBox(app, window, menuItem, out);
                return;
            }
            if (!SaveWindow(window, out)) {
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
