// SPDX-License-Identifier: GPL-3.0-or-later
// The menu commands, reached from the keyboard; the simulated mode's menu; the advanced settings.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <set>

#include "WindowFixture.h"
#include "storage/UnitFile.h"
#include "support/OpenedUrls.h"
#include "ui/AdvancedSettingDialogViewController.h"

namespace tarvik::test {
namespace {

QAction* Action(QWidget& window, const char* name) {
    QAction* action = window.findChild<QAction*>(QLatin1String(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
}

using MenuTest = AppTest;

// Every command does its one thing, and a user reaches each from the keyboard: every menu and item
// has an access key of its own, F10 opens the first menu and the arrows move along the bar, Alt and
// a letter open a menu, a letter picks an item.
TEST_F(MenuTest, EveryCommandDoesItsOneThingAndIsReachedFromTheKeyboard) {
    StartApp({"tarvik-config", "--simulate"});
    MainWindowViewController& w = app->Window();
    auto* standard0 = w.findChild<QPushButton*>("buttonSetPedal0Standard");
    ASSERT_TRUE(QTest::qWaitFor([&] { return standard0->isEnabled(); }, 3000));
    EXPECT_EQ(State().NumberOfPedals, 3);  // the built-in unit
    QAction* plug = Action(w, "menuItemSimulationPlug");
    EXPECT_FALSE(plug->isEnabled());
    Action(w, "menuItemSimulationUnplug")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !standard0->isEnabled(); }, 3000));
    EXPECT_TRUE(plug->isEnabled());
    plug->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return standard0->isEnabled(); }, 3000));

    std::set<QKeySequence> menuKeys;
    for (QAction* menu : w.menuBar()->actions()) {
        const std::string title = menu->text().toStdString();
        EXPECT_TRUE(menuKeys.insert(QKeySequence::mnemonic(menu->text())).second) << title;
        std::set<QKeySequence> itemKeys;
        for (QAction* item : menu->menu()->actions()) {
            if (item->isSeparator()) continue;
            EXPECT_TRUE(itemKeys.insert(QKeySequence::mnemonic(item->text())).second) << item->text().toStdString();
        }
        EXPECT_FALSE(itemKeys.contains(QKeySequence())) << title;
    }
    EXPECT_FALSE(menuKeys.contains(QKeySequence()));
    EXPECT_EQ(menuKeys.size(), 4u);  // file, unit, help, simulation

    auto openMenu = [] {
        return QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 1000)
                   ? qobject_cast<QMenu*>(QApplication::activePopupWidget())
                   : nullptr;
    };
    ASSERT_TRUE(Activate(w));
    QTest::keyClick(&w, Qt::Key_F10);
    ASSERT_NE(openMenu(), nullptr) << "F10 opens no menu";
    EXPECT_EQ(openMenu()->objectName().toStdString(), "menuFile");
    QTest::keyClick(openMenu(), Qt::Key_Right);
    ASSERT_TRUE(QTest::qWaitFor([&] { return openMenu() && openMenu()->objectName() == "menuTarvik"; }, 1000));
    QTest::keyClick(openMenu(), Qt::Key_R);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !presenter.All().empty(); }, 3000)) << "the main window confirms";
    EXPECT_TRUE(presenter.All()[0].confirmation);

    presenter.Clear();
    ClearOpenedUrls();
    ASSERT_TRUE(Activate(w));
    QTest::keyClick(&w, Qt::Key_H, Qt::AltModifier);
    ASSERT_NE(openMenu(), nullptr) << "Alt+H opens no menu";
    QTest::keyClick(openMenu(), Qt::Key_A);
    ASSERT_TRUE(Activate(w));
    QTest::keyClick(&w, Qt::Key_F1);
    const std::vector<std::string> texts = presenter.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], Lang("Oremba Tarvik Macアプリ\r\nバージョン: 2.2.5", "Oremba Tarvik app\r\nVersion: 2.2.5"));
    const std::string intro = Lang("クイックスタートガイドは、下記からダウンロードすることができます。\r\nfile:///",
                                   "The quick start guide can be downloaded from:\r\nfile:///");
    EXPECT_EQ(texts[1].substr(0, intro.size()), intro);
    const std::string address = texts[1].substr(intro.size() - 8);
    // The guide it opens in the browser, and still names, is there (installed, or in the source tree).
    EXPECT_EQ(OpenedUrls(), QList<QUrl>{QUrl(QString::fromStdString(address))});
    EXPECT_TRUE(QFile::exists(QUrl(QString::fromStdString(address)).toLocalFile())) << address;
    EXPECT_TRUE(address.ends_with("/quickstart.html")) << address;

    ASSERT_TRUE(Activate(w));
    QTest::keyClick(&w, Qt::Key_F, Qt::AltModifier);
    ASSERT_NE(openMenu(), nullptr);
    QTest::keyClick(openMenu(), Qt::Key_X);
    EXPECT_EQ(exitStatus, 0);
}

// Off on a fresh configuration: the advanced buttons are as they always were, and say why. On, every
// pedal of the unit has one that opens its dialog; the choice outlives the program.
TEST_F(MenuTest, AdvancedSettingsAreOffUntilTurnedOnAndTheChoiceIsKept) {
    QSettings(QStringLiteral("Oremba"), QStringLiteral("tarvik-config")).clear();
    QTemporaryDir dir;
    const QString five = dir.filePath("five.json");
    QString error;
    ASSERT_TRUE(WriteUnitFile(five, Unit(std::vector<PedalImage>(5, Pedal(1, {1}))), error));
    bool kept = false;  // a fresh configuration has it off
    for (const bool on : {false, true, true, false, false}) {
        SCOPED_TRACE(on);
        StartApp({"tarvik-config", "--simulate=" + five});
        ASSERT_TRUE(app);
        MainWindowViewController& w = app->Window();
        ASSERT_TRUE(QTest::qWaitFor([&] { return Enabled(w, "buttonSetPedal4Standard"); }, 3000));
        QAction* item = Action(w, "menuItemAdvancedSettings");
        // Each run finds the choice of the run before; the runs turn it on, keep it, and turn it off.
        EXPECT_EQ(item->isChecked(), kept);
        if (kept != on) item->trigger();
        kept = on;
        for (int p = 0; p < 5; ++p) {
            auto* button = Find<QPushButton>(w, "buttonSetPedal" + std::to_string(p) + "Advanced");
            EXPECT_EQ(button->isEnabled(), on) << p;
            EXPECT_EQ(button->isVisible(), on || p < 3) << p;
            EXPECT_EQ(button->toolTip().toStdString(),
                      on ? "" : Lang("高度な設定を使うには、「Tarvik」メニューの「高度な設定を使う」をオンにして下さい。",
                                     "To use the advanced settings, turn on \"Use advanced settings\" in the \"Tarvik\" menu."))
                << p;
        }
        if (on) {
            Click(w, "buttonSetPedal3Advanced");
            auto* dialog = w.findChild<AdvancedSettingDialogViewController*>();
            ASSERT_TRUE(dialog && dialog->isVisible());
            EXPECT_EQ(dialog->windowTitle().toStdString(), Lang("高度な設定 左端ペダル", "Advanced settings Far-left pedal"));
            dialog->reject();
        }
        app.reset();
    }
}

}  // namespace
}  // namespace tarvik::test
