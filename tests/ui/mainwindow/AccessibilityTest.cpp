// SPDX-License-Identifier: GPL-3.0-or-later
// How a user gets round the program: every menu command reached from the keyboard (with the
// simulated mode's menu and the advanced settings' item); the message boxes, answered by key presses
// and clicks; what a screen reader finds in the window, its menus and both dialogs (on an English
// desktop, English names); the dialogs' texts at a larger font.
#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <set>

#include "WindowFixture.h"
#include "storage/UnitFile.h"
#include "support/OpenedUrls.h"
#include "ui/AdvancedSettingDialogViewController.h"
#include "ui/MessageBoxPresenter.h"

namespace tarvik::test {
namespace {

std::string Named(QAccessibleInterface* node) {
    QObject* object = node->object();
    return object ? object->objectName().toStdString() + " (" + object->metaObject()->className() + ")"
                  : "role " + std::to_string(node->role());
}

// Walking the visible tree down: the controls without an accessible name, and, on an English
// desktop, every name or description still in Japanese (a text left out of the translation).
void Walk(QAccessibleInterface* node, std::vector<std::string>& unnamed, std::vector<std::string>& japanese,
          int depth = 0) {
    static const std::set<QAccessible::Role> controls = {
        QAccessible::PushButton, QAccessible::RadioButton,  QAccessible::CheckBox, QAccessible::ComboBox,
        QAccessible::SpinBox,    QAccessible::EditableText, QAccessible::List,     QAccessible::Slider,
        QAccessible::PageTab,    QAccessible::MenuItem};
    // Japanese characters, or the Japanese way of showing an access key, "ファイル(F)".
    static const QRegularExpression japaneseKey(QStringLiteral("\\([A-Z]\\)$"));
    if (node == nullptr || depth > 40 || node->state().invisible) return;
    const QString name = node->text(QAccessible::Name);
    if (controls.contains(node->role()) && name.trimmed().isEmpty()) unnamed.push_back(Named(node));
    if (EnglishRun() && (HasJapanese(name) || HasJapanese(node->text(QAccessible::Description)) ||
                         japaneseKey.match(name).hasMatch()))
        japanese.push_back(Named(node) + ": " + name.toStdString());
    for (int i = 0; i < node->childCount(); ++i) Walk(node->child(i), unnamed, japanese, depth + 1);
}

void ExpectNamed(QWidget& top, const char* where) {
    std::vector<std::string> unnamed, japanese;
    Walk(QAccessible::queryAccessibleInterface(&top), unnamed, japanese);
    EXPECT_EQ(unnamed, std::vector<std::string>{}) << where;
    EXPECT_EQ(japanese, std::vector<std::string>{}) << where;
}

// Every visible label, button and tab of `top` shows its whole text: the dialogs' layouts grow
// with their texts (a longer translation, a larger font) rather than cutting them.
void ExpectTextsFit(QWidget& top, const std::string& where) {
    QApplication::processEvents();
    for (QWidget* w : top.findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        SCOPED_TRACE(where + ": " + w->objectName().toStdString());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->wordWrap()) EXPECT_LE(label->heightForWidth(label->width()), label->height());
            else EXPECT_LE(label->minimumSizeHint().width(), label->width());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty()) {
            EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                const QString text = QString(tabs->tabText(i)).remove(QLatin1Char('&'));
                EXPECT_LE(tabs->fontMetrics().horizontalAdvance(text), tabs->tabRect(i).width()) << i;
            }
        }
    }
}

using AccessibilityTest = AppTest;

// Every control of the window and of both dialogs has a name, the description boxes after their
// pedals; every text of both dialogs fits, at the usual font and at a larger one.
TEST_F(AccessibilityTest, EveryControlIsNamedAndEveryTextOfBothDialogsFitsAtTheUsualAndALargerFont) {
    const QFont usual = QApplication::font();
    QFont large = usual;
    large.setPointSizeF(usual.pointSizeF() * 1.5);
    Start(Unit(std::vector<PedalImage>(5, Pedal(0))));
    ASSERT_TRUE(ReadEnds());
    window->SetAdvancedSettingsEnabled(true);
    ExpectNamed(*window, "window");
    auto* box = Find<QPlainTextEdit>(*window, "textboxPedal1Contents");
    EXPECT_EQ(box->accessibleName().toStdString(), Lang("左ペダルの設定内容", "Left pedal setting"));
    EXPECT_TRUE(box->isReadOnly() && box->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard));
    for (const bool larger : {false, true}) {
        QApplication::setFont(larger ? large : usual);
        for (const bool advanced : {false, true}) {
            QDialog* dialog = advanced ? window->SetPedal2Advanced_clicked(4) : static_cast<QDialog*>(OpenStandard(4));
            ASSERT_NE(dialog, nullptr);
            if (advanced && !larger) {  // every mode's title in view on a 1024-pixel screen, frame and margins included
                EXPECT_LE(dialog->findChild<QTabBar*>()->sizeHint().width(), 1024 - 60);
            }
            auto* tabs = dialog->findChild<QTabWidget*>();
            EXPECT_EQ(tabs->count(), advanced ? 9 : 2);
            for (int tab = 0; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                const std::string where = (advanced ? "advanced tab " : "standard tab ") + std::to_string(tab);
                if (!larger) ExpectNamed(*dialog, where.c_str());
                ExpectTextsFit(*dialog, where + (larger ? ", larger font" : ""));
            }
            dialog->reject();
        }
    }
    QApplication::setFont(usual);
}

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
    for (QMenu* menu : w.menuBar()->findChildren<QMenu*>()) {
        menu->popup(QPoint());  // an item is in a screen reader's tree while its menu is open
        ExpectNamed(*menu, menu->objectName().toStdString().c_str());
        menu->hide();
    }
    ExpectNamed(w, "window with its menus");

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

// Once a modal box shows: what it shows, then `answer` acts on it. The product name heads every box
// (no window manager hides it there); the message follows as the program gives it, each line break
// one line feed, each of its lines on one line of a box wide enough for it (the longest line of the
// program's boxes is the out-of-standard warning's).
void CheckAndAnswerNextBox(bool confirmation, const char* message, std::function<void(QMessageBox&)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        EXPECT_EQ(box->windowTitle().toStdString(), confirmation ? "Oremba Tarvik" : "");
        EXPECT_EQ(box->text().toStdString(), "Oremba Tarvik");
        EXPECT_EQ(box->informativeText().toStdString(), QString::fromUtf8(message).replace("\r\n", "\n").toStdString());
        auto* label = box->findChild<QLabel*>("qt_msgbox_informativelabel");
        for (const QString& line : label->text().split(u'\n'))
            EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(line), label->contentsRect().width()) << line.toStdString();
        QStringList buttons;
        for (QAbstractButton* b : box->buttons()) buttons << b->text();
        const std::string cancel = Lang("キャンセル", "Cancel");
        EXPECT_EQ(buttons.join(u'|').toStdString(), confirmation ? "OK|" + cancel : "OK");
        EXPECT_TRUE(!confirmation || box->defaultButton()->text().toStdString() == cancel);
        answer(*box);
    });
    poll->start(5);
}

void Press(QMessageBox& box, Qt::Key key) { QTest::keyClick(&box, key); }

TEST(MessageBoxPresenterTest, BoxesShowTheNameAndTheirLinesAndAConfirmationDefaultsToCancel) {
    const char* const version = Lang("Oremba Tarvik Macアプリ\r\nバージョン: 2.2.5", "Oremba Tarvik app\r\nVersion: 2.2.5");
    const struct {
        const char* what; bool confirmation; const char* message; std::function<void(QMessageBox&)> answer; int response;
    } cases[] = {
        {"message, Return", false, version, [](QMessageBox& b) { Press(b, Qt::Key_Return); }, ALERT_FIRST_BUTTON},
        {"Return", true, kConfirmReset, [](QMessageBox& b) { Press(b, Qt::Key_Return); }, ALERT_SECOND_BUTTON},
        {"Escape", true, kOutOfStandard, [](QMessageBox& b) { Press(b, Qt::Key_Escape); }, ALERT_FIRST_BUTTON},
        {"close button", true, kConfirmReset, [](QMessageBox& b) { b.close(); }, ALERT_SECOND_BUTTON},
        {"click OK", true, kConfirmReset, [](QMessageBox& b) { Click(b, "alertButtonOK"); }, ALERT_FIRST_BUTTON},
    };
    MessageBoxPresenter presenter;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CheckAndAnswerNextBox(c.confirmation, c.message, c.answer);
        EXPECT_EQ(c.confirmation ? presenter.Confirm("Oremba Tarvik", c.message) : presenter.ShowMessage(c.message),
                  c.response);
    }
}

}  // namespace
}  // namespace tarvik::test
