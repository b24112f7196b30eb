// The menu commands, the simulated mode's menu and the command line.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>

#include "MainWindowFixture.h"
#include "app/AppDelegate.h"
#include "app/CommandLine.h"
#include "app/MenuClass.h"
#include "app/QuickStartGuide.h"

namespace tarvik::test {
namespace {

QAction* Action(QWidget& window, const char* name) {
    QAction* action = window.findChild<QAction*>(QLatin1String(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
}

class MenuTest : public MainWindowTest {
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

TEST_F(MenuTest, VersionAndGuideCommandsShowTheirTexts) {
    StartApp({"tarvik-config", "--simulate"});
    Action(app->Window(), "menuItemVersion")->trigger();
    Action(app->Window(), "menuItemQuickStartGuide")->trigger();
    const std::vector<std::string> texts = presenter.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "Oremba Tarvik Macアプリ\r\nバージョン: 2.2.5");
    const std::string intro = "クイックスタートガイドは、下記からダウンロードすることができます。\r\n";
    EXPECT_EQ(texts[1].substr(0, intro.size()), intro);
    const std::string address = texts[1].substr(intro.size());
    EXPECT_EQ(address.rfind("file:///", 0), 0u) << address;
    EXPECT_EQ(address.substr(address.size() - 15), "quickstart.html");
    // The guide it points to is there (installed, or in the source tree).
    EXPECT_TRUE(QFile::exists(QUrl(QString::fromStdString(address)).toLocalFile())) << address;
}

TEST_F(MenuTest, GuideAddressPrefersTheFirstExistingCopy) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.html");
    const QString present = dir.filePath("quickstart.html");
    QFile file(present);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(QuickStartGuideAddress({missing, present}), QUrl::fromLocalFile(present).toString());
    EXPECT_EQ(QuickStartGuideAddress({missing}), QUrl::fromLocalFile(missing).toString());
}

TEST_F(MenuTest, ExitEndsWithStatusZeroAndResetOnlyRaisesTheFlag) {
    StartApp({"tarvik-config", "--simulate"});
    Action(app->Window(), "menuItemExit")->trigger();
    EXPECT_EQ(exitStatus, 0);
    Action(app->Window(), "menuItemInitialState")->trigger();
    EXPECT_TRUE(State().InitialState);
    EXPECT_TRUE(presenter.All().empty());  // the confirmation comes with a later tick
}

TEST_F(MenuTest, SimulationMenuPlugsAndUnplugsTheSimulatedUnit) {
    StartApp({"tarvik-config", "--simulate"});
    MainWindowViewController& w = app->Window();
    auto* standard0 = w.findChild<QPushButton*>("buttonSetPedal0Standard");
    ASSERT_TRUE(WaitFor([&] { return standard0->isEnabled(); }));
    EXPECT_EQ(State().NumberOfPedals, 3);  // the built-in unit
    QAction* plug = Action(w, "menuItemSimulationPlug");
    QAction* unplug = Action(w, "menuItemSimulationUnplug");
    EXPECT_FALSE(plug->isEnabled());
    unplug->trigger();
    ASSERT_TRUE(WaitFor([&] { return !standard0->isEnabled(); }));
    EXPECT_TRUE(plug->isEnabled());
    plug->trigger();
    ASSERT_TRUE(WaitFor([&] { return standard0->isEnabled(); }));
}

TEST_F(MenuTest, CommandLineTakesAUnitFileAndRefusesABadOne) {
    QTemporaryDir dir;
    const QString good = dir.filePath("good.json");
    const QString bad = dir.filePath("bad.json");
    QFile g(good);
    ASSERT_TRUE(g.open(QIODevice::WriteOnly));
    g.write(R"({"firmware": [2, 0, 1], "pedals": [{"mode": 1, "common": "02 00 00 00 00 00 00 00 00 00 00 00 00"}]})");
    g.close();
    QFile b(bad);
    ASSERT_TRUE(b.open(QIODevice::WriteOnly));
    b.write(R"({"pedals": [{"mode": 1, "common": "02 00"}]})");
    b.close();

    const struct {
        QStringList arguments;
        int status;
        bool simulate;
        int pedals;
    } cases[] = {
        {{"tarvik-config"}, -1, false, 3},
        {{"tarvik-config", "--simulate"}, -1, true, 3},
        {{"tarvik-config", "--simulate=" + good}, -1, true, 1},
        {{"tarvik-config", "--simulate=" + bad}, 2, false, 0},
        {{"tarvik-config", "--simulate=" + dir.filePath("none.json")}, 2, false, 0},
        {{"tarvik-config", "--simulate="}, 2, false, 0},
        {{"tarvik-config", "--frobnicate"}, 2, false, 0},
        {{"tarvik-config", "extra"}, 2, false, 0},
        {{"tarvik-config", "--version"}, 0, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        StartOptions parsed;
        EXPECT_EQ(ParseCommandLine(c.arguments, parsed), c.status);
        if (c.status != -1) continue;
        EXPECT_EQ(parsed.simulate, c.simulate);
        EXPECT_EQ(static_cast<int>(parsed.unitImage.pedals.size()), c.pedals);
    }
    // A bad file is refused before the GUI would start.
    EXPECT_EQ(CheckUnitFileArgument({"tarvik-config", "--simulate=" + bad}), 2);
    EXPECT_EQ(CheckUnitFileArgument({"tarvik-config", "--simulate=" + good}), -1);
    EXPECT_EQ(CheckUnitFileArgument({"tarvik-config", "--simulate"}), -1);
    EXPECT_TRUE(AsksForHelpOrVersion({"tarvik-config", "--help"}));
    EXPECT_FALSE(AsksForHelpOrVersion({"tarvik-config", "--simulate"}));
}

TEST_F(MenuTest, SimulatedModeRunsOnTheUnitFile) {
    QTemporaryDir dir;
    const QString file = dir.filePath("unit.json");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(R"({"firmware": [2, 0, 1], "pedals": [{"mode": 1, "common": "02 00 00 00 00 00 00 00 00 00 00 00 00"}]})");
    f.close();
    StartApp({"tarvik-config", "--simulate=" + file});
    auto* text0 = app->Window().findChild<QPlainTextEdit*>("textboxPedal0Contents");
    ASSERT_TRUE(WaitFor([&] { return !text0->toPlainText().isEmpty(); }));
    EXPECT_EQ(text0->toPlainText().toStdString(), "[設定されている機能] クリック\n[ボタン] 右");
    EXPECT_EQ(app->Window().findChild<QLabel*>("labelPedal0Name")->text().toStdString(), "ペダル");
}

}  // namespace
}  // namespace tarvik::test
