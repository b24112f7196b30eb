// The GUI's message boxes, answered by key presses and clicks as a user would.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "MainWindowFixture.h"
#include "ui/MessageBoxPresenter.h"

namespace tarvik::test {
namespace {

struct SeenBox {
    QString title;
    QString text;
    QString informative;
    QStringList buttons;
    QString defaultButton;
};

// Waits for the modal box, notes what it shows, then acts on it.
void AnswerNextBox(SeenBox& seen, std::function<void(QMessageBox&)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, &seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        seen = {box->windowTitle(), box->text(), box->informativeText(), {}, {}};
        for (QAbstractButton* b : box->buttons()) seen.buttons << b->text();
        if (box->defaultButton()) seen.defaultButton = box->defaultButton()->text();
        answer(*box);
    });
    poll->start(5);
}

TEST(MessageBoxPresenterTest, MessageShowsItsLinesUnderAnEmptyTitleAndReturnAnswersOk) {
    MessageBoxPresenter presenter;
    SeenBox seen;
    AnswerNextBox(seen, [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
    EXPECT_EQ(presenter.ShowMessage("Oremba Tarvik Macアプリ\r\nバージョン: 2.2.5\rend"), ALERT_FIRST_BUTTON);
    EXPECT_EQ(seen.title, QString());
    EXPECT_EQ(seen.text, QString());
    EXPECT_EQ(seen.informative.toStdString(), "Oremba Tarvik Macアプリ\nバージョン: 2.2.5\nend");
    EXPECT_EQ(seen.buttons, QStringList{"OK"});
}

TEST(MessageBoxPresenterTest, ConfirmationDefaultsToCancelForReturnEnterAndClosing) {
    const struct {
        const char* what;
        std::function<void(QMessageBox&)> answer;
        int response;
    } cases[] = {
        {"Return", [](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Return); }, ALERT_SECOND_BUTTON},
        {"Enter", [](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Enter); }, ALERT_SECOND_BUTTON},
        {"Escape", [](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Escape); }, ALERT_FIRST_BUTTON},
        {"close button", [](QMessageBox& b) { b.close(); }, ALERT_SECOND_BUTTON},
        {"click OK", [](QMessageBox& b) { b.findChild<QPushButton*>("alertButtonOK")->click(); }, ALERT_FIRST_BUTTON},
        {"click キャンセル", [](QMessageBox& b) { b.findChild<QPushButton*>("alertButtonCancel")->click(); },
         ALERT_SECOND_BUTTON},
    };
    MessageBoxPresenter presenter;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SeenBox seen;
        AnswerNextBox(seen, c.answer);
        EXPECT_EQ(presenter.Confirm("Oremba Tarvik", "一行目\r\n二行目"), c.response);
        EXPECT_EQ(seen.title.toStdString(), "Oremba Tarvik");
        EXPECT_EQ(seen.informative.toStdString(), "一行目\n二行目");
        EXPECT_EQ(seen.buttons.size(), 2);
        EXPECT_TRUE(seen.buttons.contains("OK"));
        EXPECT_EQ(seen.defaultButton.toStdString(), "キャンセル");
    }
}

}  // namespace
}  // namespace tarvik::test
