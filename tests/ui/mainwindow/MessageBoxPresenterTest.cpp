// SPDX-License-Identifier: GPL-3.0-or-later
// The GUI's message boxes, answered by key presses and clicks as a user would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <utility>

#include "device/Alert.h"
#include "support/TestLanguage.h"
#include "ui/MessageBoxPresenter.h"

namespace tarvik::test {
namespace {

struct SeenBox {
    QString title;
    QString text;
    QString informative;
    QStringList buttons;
    QString defaultButton;
    QStringList wrappedLines;  // lines of the message that do not fit on one line of the box
};

// Waits for the modal box, notes what it shows, then acts on it.
void AnswerNextBox(SeenBox& seen, std::function<void(QMessageBox&)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, &seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        seen = {box->windowTitle(), box->text(), box->informativeText(), {}, {}, {}};
        for (QAbstractButton* b : box->buttons()) seen.buttons << b->text();
        if (box->defaultButton()) seen.defaultButton = box->defaultButton()->text();
        if (auto* label = box->findChild<QLabel*>("qt_msgbox_informativelabel")) {
            for (const QString& line : label->text().split(u'\n'))
                if (QFontMetrics(label->font()).horizontalAdvance(line) > label->contentsRect().width())
                    seen.wrappedLines << line;
        }
        answer(*box);
    });
    poll->start(5);
}

void Press(QMessageBox& box, Qt::Key key) { QTest::keyClick(&box, key); }

// The product name heads every box (no window manager hides it there); the message follows, each
// of its lines on one line of a box wide enough for it (the longest line of the program's boxes is
// the out-of-standard warning's).
TEST(MessageBoxPresenterTest, BoxesShowTheNameAndTheirLinesAndAConfirmationDefaultsToCancel) {
    // As the program gives them, and as the box shows them.
    const std::pair<const char*, const char*> version = {
        Lang("Oremba Tarvik Macアプリ\r\nバージョン: 2.2.5", "Oremba Tarvik app\r\nVersion: 2.2.5"),
        Lang("Oremba Tarvik Macアプリ\nバージョン: 2.2.5", "Oremba Tarvik app\nVersion: 2.2.5")};
    const std::pair<const char*, const char*> reset = {
        Lang("このTarvikの設定を工場出荷状態に戻します．よろしいですか？\r\n"
             "工場出荷状態に戻す場合は [OK]，何も行わない場合は [キャンセル] をクリックして下さい．",
             "This returns the settings of this Tarvik to the factory state. Are you sure?\r\n"
             "Click [OK] to return to the factory state, or [Cancel] to do nothing."),
        Lang("このTarvikの設定を工場出荷状態に戻します．よろしいですか？\n"
             "工場出荷状態に戻す場合は [OK]，何も行わない場合は [キャンセル] をクリックして下さい．",
             "This returns the settings of this Tarvik to the factory state. Are you sure?\n"
             "Click [OK] to return to the factory state, or [Cancel] to do nothing.")};
    const std::pair<const char*, const char*> outOfStandard = {
        Lang("このペダルに設定されている内容は，標準設定の範囲を超えています．\r\n"
             "標準の範囲で設定を行う場合は [OK]，何も行わずにメインウィンドウに戻る場合は [キャンセル] をクリックして下さい．",
             "The setting of this pedal is beyond the standard setting.\r\n"
             "Click [OK] to set it within the standard, or [Cancel] to go back to the main window without doing anything."),
        Lang("このペダルに設定されている内容は，標準設定の範囲を超えています．\n"
             "標準の範囲で設定を行う場合は [OK]，何も行わずにメインウィンドウに戻る場合は [キャンセル] をクリックして下さい．",
             "The setting of this pedal is beyond the standard setting.\n"
             "Click [OK] to set it within the standard, or [Cancel] to go back to the main window without doing anything.")};
    const struct {
        const char* what;
        bool confirmation;
        std::pair<const char*, const char*> message;
        std::function<void(QMessageBox&)> answer;
        int response;
    } cases[] = {
        {"message, Return", false, version, [](QMessageBox& b) { Press(b, Qt::Key_Return); }, ALERT_FIRST_BUTTON},
        {"Return", true, reset, [](QMessageBox& b) { Press(b, Qt::Key_Return); }, ALERT_SECOND_BUTTON},
        {"Enter", true, reset, [](QMessageBox& b) { Press(b, Qt::Key_Enter); }, ALERT_SECOND_BUTTON},
        {"Escape", true, outOfStandard, [](QMessageBox& b) { Press(b, Qt::Key_Escape); }, ALERT_FIRST_BUTTON},
        {"close button", true, reset, [](QMessageBox& b) { b.close(); }, ALERT_SECOND_BUTTON},
        {"click OK", true, reset, [](QMessageBox& b) { b.findChild<QPushButton*>("alertButtonOK")->click(); },
         ALERT_FIRST_BUTTON},
    };
    MessageBoxPresenter presenter;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SeenBox seen;
        AnswerNextBox(seen, c.answer);
        EXPECT_EQ(c.confirmation ? presenter.Confirm("Oremba Tarvik", c.message.first)
                                 : presenter.ShowMessage(c.message.first),
                  c.response);
        EXPECT_EQ(seen.title.toStdString(), c.confirmation ? "Oremba Tarvik" : "");
        EXPECT_EQ(seen.text.toStdString(), "Oremba Tarvik");
        EXPECT_EQ(seen.informative.toStdString(), c.message.second);
        EXPECT_TRUE(seen.wrappedLines.isEmpty()) << seen.wrappedLines.join(u'|').toStdString();
        const std::string cancel = Lang("キャンセル", "Cancel");
        EXPECT_EQ(seen.buttons.join(u'|').toStdString(), c.confirmation ? "OK|" + cancel : "OK");
        if (c.confirmation) {
            EXPECT_EQ(seen.defaultButton.toStdString(), cancel);
        }
    }
}

}  // namespace
}  // namespace tarvik::test
