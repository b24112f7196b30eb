// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds: every control of the window and of both dialogs has a name, and the
// description boxes are named after their pedals.
#include <QAccessible>
#include <QDialog>
#include <QPlainTextEdit>

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

// The object names of the visible controls without an accessible name, walking the tree down.
void Unnamed(QAccessibleInterface* node, std::vector<std::string>& found, int depth = 0) {
    if (node == nullptr || depth > 40 || node->state().invisible) return;
    if (IsControl(node->role()) && node->text(QAccessible::Name).trimmed().isEmpty()) {
        QObject* object = node->object();
        found.push_back(object ? object->objectName().toStdString() + " (" +
                                     object->metaObject()->className() + ")"
                               : "role " + std::to_string(node->role()));
    }
    for (int i = 0; i < node->childCount(); ++i) Unnamed(node->child(i), found, depth + 1);
}

std::vector<std::string> Unnamed(QWidget& top) {
    std::vector<std::string> found;
    Unnamed(QAccessible::queryAccessibleInterface(&top), found);
    return found;
}

class AccessibilityTest : public WindowTest {};

TEST_F(AccessibilityTest, EveryControlOfTheWindowAndItsDialogsHasAName) {
    Start(Unit(std::vector<PedalImage>(5, Pedal(0))));
    ASSERT_TRUE(ReadEnds());
    window->SetAdvancedSettingsEnabled(true);
    EXPECT_EQ(Unnamed(*window), std::vector<std::string>{});

    SettingDialogViewController* standard = OpenStandard(0);
    ASSERT_NE(standard, nullptr);
    EXPECT_EQ(Unnamed(*standard), std::vector<std::string>{});
    standard->reject();

    AdvancedSettingDialogViewController* advanced = window->SetPedal2Advanced_clicked(0);
    ASSERT_NE(advanced, nullptr);
    for (int tab = 0; tab < 9; ++tab) {
        advanced->findChild<QTabWidget*>()->setCurrentIndex(tab);
        EXPECT_EQ(Unnamed(*advanced), std::vector<std::string>{}) << tab;
    }
    advanced->reject();
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

}  // namespace
}  // namespace tarvik::test
