// The menu commands, the simulated mode's menu, and the simulated mode on a unit file.
#include <QAction>
#include <QFile>
#include <QTemporaryDir>

#include "WindowFixture.h"
#include "app/AppDelegate.h"
#include "app/CommandLine.h"
#include "app/MenuClass.h"

namespace tarvik::test {
namespace {

QString WriteFile(const QTemporaryDir& dir, const char* name, const char* contents) {
    QFile file(dir.filePath(QLatin1String(name)));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
    return file.fileName();
}

QAction* Action(QWidget& window, const char* name) {
    QAction* action = window.findChild<QAction*>(QLatin1String(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
}

class MenuTest : public WindowTest {
protected:
    void StartApp(const QStringList& arguments) {
        ASSERT_EQ(ParseCommandLine(arguments, options), -1);
        app = std::make_unique<AppDelegate>(options);
        // The delegate installs the message boxes; the scripted presenter answers in tests.
        SetAlertPresenter(&presenter);
        app->Window().plugNPlay().SetTickIntervalMs(5);
        app->Menu().SetExitHandler([this](int status) { exitStatus = status; });
        app->Window().show();
    }
    void TearDown() override { app.reset(); }

    StartOptions options;
    std::unique_ptr<AppDelegate> app;
};

TEST_F(MenuTest, EveryCommandDoesItsOneThing) {
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

    Action(w, "menuItemVersion")->trigger();
    Action(w, "menuItemQuickStartGuide")->trigger();
    const std::vector<std::string> texts = presenter.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "Oremba Tarvik Macアプリ\r\nバージョン: 2.2.5");
    const std::string intro = "クイックスタートガイドは、下記からダウンロードすることができます。\r\nfile:///";
    EXPECT_EQ(texts[1].substr(0, intro.size()), intro);
    const std::string address = texts[1].substr(intro.size() - 8);
    // The guide it points to is there (installed, or in the source tree).
    EXPECT_TRUE(QFile::exists(QUrl(QString::fromStdString(address)).toLocalFile())) << address;
    EXPECT_TRUE(address.ends_with("/quickstart.html")) << address;

    presenter.Clear();
    Action(w, "menuItemInitialState")->trigger();
    EXPECT_TRUE(State().InitialState);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !presenter.All().empty(); }, 3000)) << "the main window confirms";
    EXPECT_TRUE(presenter.All()[0].confirmation);
    EXPECT_FALSE(State().InitialState);
    Action(w, "menuItemExit")->trigger();
    EXPECT_EQ(exitStatus, 0);
}

TEST_F(MenuTest, SimulatedModeRunsOnTheUnitFile) {
    QTemporaryDir dir;
    const QString good = WriteFile(dir, "good.json", R"({"firmware": [2, 0, 1], "pedals": [{"mode": 1,
        "common": "02 00 00 00 00 00 00 00 00 00 00 00 00"}]})");
    StartApp({"tarvik-config", "--simulate=" + good});
    auto* text0 = app->Window().findChild<QPlainTextEdit*>("textboxPedal0Contents");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !text0->toPlainText().isEmpty(); }, 3000));
    EXPECT_EQ(text0->toPlainText().toStdString(), "[設定されている機能] クリック\n[ボタン] 右");
    EXPECT_EQ(app->Window().findChild<QLabel*>("labelPedal0Name")->text().toStdString(), "ペダル");
}

}  // namespace
}  // namespace tarvik::test
