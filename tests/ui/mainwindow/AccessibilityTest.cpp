// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds: every control of the window and of both dialogs has a name (on an
// English desktop, an English one), and the description boxes are named after their pedals.
#include <QAccessible>
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QDialog>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include "WindowFixture.h"
#include "support/TestLanguage.h"
#include "ui/AdvancedSettingDialogViewController.h"

namespace tarvik::test {
namespace {

bool IsControl(QAccessible::Role role) {
    switch (role) {
        case QAccessible::PushButton:
        case QAccessible::RadioButton:
        case QAccessible::CheckBox:
        case QAccessible::ComboBox:
        case QAccessible::SpinBox:
        case QAccessible::EditableText:
        case QAccessible::List:
        case QAccessible::Slider:
        case QAccessible::PageTab:
        case QAccessible::MenuItem:
            return true;
        default:
            return false;
    }
}

std::string Named(QAccessibleInterface* node) {
    QObject* object = node->object();
    return object ? object->objectName().toStdString() + " (" + object->metaObject()->className() + ")"
                  : "role " + std::to_string(node->role());
}

// Walking the visible tree down: the controls without an accessible name, and, on an English
// desktop, every name or description still in Japanese (a text left out of the translation).
struct Findings {
    std::vector<std::string> unnamed;
    std::vector<std::string> japanese;
};

void Walk(QAccessibleInterface* node, Findings& found, int depth = 0) {
    if (node == nullptr || depth > 40 || node->state().invisible) return;
    const QString name = node->text(QAccessible::Name);
    if (IsControl(node->role()) && name.trimmed().isEmpty()) found.unnamed.push_back(Named(node));
    // Japanese characters, or the Japanese way of showing an access key, "ファイル(F)".
    static const QRegularExpression japaneseKey(QStringLiteral("\\([A-Z]\\)$"));
    if (EnglishRun() && (HasJapanese(name) || HasJapanese(node->text(QAccessible::Description)) ||
                         japaneseKey.match(name).hasMatch()))
        found.japanese.push_back(Named(node) + ": " + name.toStdString());
    for (int i = 0; i < node->childCount(); ++i) Walk(node->child(i), found, depth + 1);
}

void ExpectNamed(QWidget& top, const char* where) {
    Findings found;
    Walk(QAccessible::queryAccessibleInterface(&top), found);
    EXPECT_EQ(found.unnamed, std::vector<std::string>{}) << where;
    EXPECT_EQ(found.japanese, std::vector<std::string>{}) << where;
}

// Every visible label, button and tab of `top` shows its whole text: the dialogs' layouts grow
// with their texts (a longer translation, a larger font) rather than cutting them.
void ExpectTextsFit(QWidget& top, const std::string& where) {
    QApplication::processEvents();
    for (QWidget* w : top.findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        SCOPED_TRACE(where + ": " + w->objectName().toStdString());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->wordWrap()) {
                EXPECT_LE(label->heightForWidth(label->width()), label->height());
            } else {
                EXPECT_LE(label->minimumSizeHint().width(), label->width());
            }
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

class AccessibilityTest : public AppTest {};

TEST_F(AccessibilityTest, EveryControlOfTheWindowAndItsDialogsHasAName) {
    Start(Unit(std::vector<PedalImage>(5, Pedal(0))));
    ASSERT_TRUE(ReadEnds());
    window->SetAdvancedSettingsEnabled(true);
    ExpectNamed(*window, "window");

    SettingDialogViewController* standard = OpenStandard(0);
    ASSERT_NE(standard, nullptr);
    for (int tab = 0; tab < 2; ++tab) {
        standard->findChild<QTabWidget*>()->setCurrentIndex(tab);
        ExpectNamed(*standard, tab == 0 ? "standard keyboard" : "standard mouse");
    }
    standard->reject();

    AdvancedSettingDialogViewController* advanced = window->SetPedal2Advanced_clicked(0);
    ASSERT_NE(advanced, nullptr);
    for (int tab = 0; tab < 9; ++tab) {
        advanced->findChild<QTabWidget*>()->setCurrentIndex(tab);
        ExpectNamed(*advanced, ("advanced tab " + std::to_string(tab)).c_str());
    }
    advanced->reject();
}

TEST_F(AccessibilityTest, TheProgramsMenusAreNamedToo) {
    StartApp({"tarvik-config", "--simulate"});
    for (QMenu* menu : app->Window().menuBar()->findChildren<QMenu*>()) {
        menu->popup(QPoint());  // an item is in the tree while its menu is open
        ExpectNamed(*menu, menu->objectName().toStdString().c_str());
        menu->hide();
    }
    ExpectNamed(app->Window(), "window with its menus");
}

TEST_F(AccessibilityTest, DescriptionBoxesAreNamedAfterTheirPedalsAndReachedByTab) {
    Start(Unit(std::vector<PedalImage>(3, Pedal(0))));
    ASSERT_TRUE(ReadEnds());
    auto* box = Find<QPlainTextEdit>(*window, "textboxPedal1Contents");
    EXPECT_EQ(box->accessibleName().toStdString(),
              EnglishRun() ? "Left pedal setting" : "左ペダルの設定内容");
    EXPECT_EQ(box->focusPolicy(), Qt::StrongFocus);
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_TRUE(box->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard));
}

TEST_F(AccessibilityTest, EveryTextOfBothDialogsFitsAtTheUsualAndALargerFont) {
    const QFont usual = QApplication::font();
    QFont large = usual;
    large.setPointSizeF(usual.pointSizeF() * 1.5);
    Start(Unit(std::vector<PedalImage>(5, Pedal(0))));
    ASSERT_TRUE(ReadEnds());
    window->SetAdvancedSettingsEnabled(true);
    for (const bool larger : {false, true}) {
        const QFont& font = larger ? large : usual;
        QApplication::setFont(font);
        const std::string size = std::to_string(font.pointSizeF()) + " points";
        SettingDialogViewController* standard = OpenStandard(4);
        ASSERT_NE(standard, nullptr);
        for (int tab = 0; tab < 2; ++tab) {
            standard->findChild<QTabWidget*>()->setCurrentIndex(tab);
            ExpectTextsFit(*standard, "standard tab " + std::to_string(tab) + ", " + size);
        }
        standard->reject();
        AdvancedSettingDialogViewController* advanced = window->SetPedal2Advanced_clicked(4);
        ASSERT_NE(advanced, nullptr);
        if (!larger) {  // every mode's title in view on a 1024-pixel screen, frame and margins included
            EXPECT_LE(advanced->findChild<QTabBar*>()->sizeHint().width(), 1024 - 60);
        }
        for (int tab = 0; tab < 9; ++tab) {
            advanced->findChild<QTabWidget*>()->setCurrentIndex(tab);
            ExpectTextsFit(*advanced, "advanced tab " + std::to_string(tab) + ", " + size);
        }
        advanced->reject();
    }
    QApplication::setFont(usual);
}

}  // namespace
}  // namespace tarvik::test
