// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds: every control of the window and of both dialogs has a name (on an
// English desktop, an English one); and what a larger font does to the dialogs' texts.
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
#include <set>

#include "WindowFixture.h"
#include "ui/AdvancedSettingDialogViewController.h"

namespace tarvik::test {
namespace {

bool IsControl(QAccessible::Role role) {
    static const std::set<QAccessible::Role> controls = {
        QAccessible::PushButton, QAccessible::RadioButton,  QAccessible::CheckBox, QAccessible::ComboBox,
        QAccessible::SpinBox,    QAccessible::EditableText, QAccessible::List,     QAccessible::Slider,
        QAccessible::PageTab,    QAccessible::MenuItem};
    return controls.contains(role);
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

TEST_F(AccessibilityTest, TheProgramsMenusAreNamedToo) {
    StartApp({"tarvik-config", "--simulate"});
    for (QMenu* menu : app->Window().menuBar()->findChildren<QMenu*>()) {
        menu->popup(QPoint());  // an item is in the tree while its menu is open
        ExpectNamed(*menu, menu->objectName().toStdString().c_str());
        menu->hide();
    }
    ExpectNamed(app->Window(), "window with its menus");
}

}  // namespace
}  // namespace tarvik::test
