// SPDX-License-Identifier: GPL-3.0-or-later
// The GUI's message boxes, answered by key presses and clicks as a user would.
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "WindowFixture.h"
#include "ui/MessageBoxPresenter.h"

namespace tarvik::test {
namespace {

// wrappedLines: lines of the message that do not fit on one line of the box.
struct SeenBox {
    QString title, text, informative;
    QStringList buttons;
    QString defaultButton;
    QStringList wrappedLines;
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
    // As the program gives them; the box shows each line break as one line feed.
    const char* const version = Lang("Oremba Tarvik Macアプリ\r\nバージョン: 2.2.5", "Oremba Tarvik app\r\nVersion: 2.2.5");
    const struct {
        const char* what; bool confirmation; const char* message; std::function<void(QMessageBox&)> answer; int response;
    } cases[] = {
        {"message, Return", false, version, [](QMessageBox& b) { Press(b, Qt::Key_Return); }, ALERT_FIRST_BUTTON},
        {"Return", true, kConfirmReset, [](QMessageBox& b) { Press(b, Qt::Key_Return); }, ALERT_SECOND_BUTTON},
        {"Enter", true, kConfirmReset, [](QMessageBox& b) { Press(b, Qt::Key_Enter); }, ALERT_SECOND_BUTTON},
        {"Escape", true, kOutOfStandard, [](QMessageBox& b) { Press(b, Qt::Key_Escape); }, ALERT_FIRST_BUTTON},
        {"close button", true, kConfirmReset, [](QMessageBox& b) { b.close(); }, ALERT_SECOND_BUTTON},
        {"click OK", true, kConfirmReset, [](QMessageBox& b) { Click(b, "alertButtonOK"); }, ALERT_FIRST_BUTTON},
    };
    MessageBoxPresenter presenter;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SeenBox seen;
        AnswerNextBox(seen, c.answer);
        EXPECT_EQ(c.confirmation ? presenter.Confirm("Oremba Tarvik", c.message) : presenter.ShowMessage(c.message),
                  c.response);
        EXPECT_EQ(seen.title.toStdString(), c.confirmation ? "Oremba Tarvik" : "");
        EXPECT_EQ(seen.text.toStdString(), "Oremba Tarvik");
        EXPECT_EQ(seen.informative, QString::fromUtf8(c.message).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
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
