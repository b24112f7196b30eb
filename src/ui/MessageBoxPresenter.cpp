// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MessageBoxPresenter.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

#include "model/Texts.h"
#include "ui/DisplayText.h"

namespace tarvik {

namespace {

// Escape answers "OK" in the confirmation, so the title bar's close button must not be taken as
// Escape (QMessageBox's default): closing the box is the harmless answer.
class ConfirmationBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    QAbstractButton* closeAnswer = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override {
        if (closeAnswer && !clickedButton()) {
            event->ignore();
            closeAnswer->click();
            return;
        }
        QMessageBox::closeEvent(event);
    }
};

// Room the box needs beside its text: margins, icon and the spaces around it (the icon as large as
// the style may draw it).
int BesideText(const QMessageBox& box) {
    constexpr int kIconGap = 8;
    const QLayout* layout = box.layout();
    const QMargins margins = layout ? layout->contentsMargins() : QMargins();
    const auto* grid = qobject_cast<const QGridLayout*>(layout);
    const int spacing = std::max(0, grid ? grid->horizontalSpacing() : layout ? layout->spacing() : 0);
    return margins.left() + margins.right() +
           box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box) + 2 * spacing + kIconGap;
}

// Wide enough for each line of `lines` on one line of the label, as far as the screen allows:
// QMessageBox makes no box wider than its own limit for the screen, and would cut the text there.
int TextWidth(const QMessageBox& box, const QLabel& label, const QString& lines) {
    const QScreen* screen = box.screen();
    const int available = screen ? screen->availableGeometry().width() : 1024;
    const int boxLimit = available <= 1024 ? available : std::min(available - 480, 1000);
    const QFontMetrics metrics(label.font());
    int widest = 0;
    for (const QString& line : lines.split(u'\n')) widest = std::max(widest, metrics.horizontalAdvance(line));
    // A pixel or two more, so that rounding never moves the last character to a line of its own.
    return std::min(widest + 2, boxLimit - BesideText(box));
}

// The product name is the box's own first line, and the message follows it: window managers that
// hide the titles of modal dialogs would otherwise never show whose box it is.
void Prepare(QMessageBox& box, const QString& title, const QString& heading, const std::string& message) {
    box.setIcon(QMessageBox::Information);
    box.setWindowTitle(title);
    box.setText(heading);
    const QString lines = ForDisplay(message);
    box.setInformativeText(lines);
    // A screen reader reads the message with the box's title.
    box.setAccessibleDescription(lines);
    // The texts are plain (brackets, yen signs); an address in them can be selected and copied.
    if (auto* main = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        main->setTextFormat(Qt::PlainText);
        QFont bold = main->font();
        bold.setBold(true);
        main->setFont(bold);
    }
    if (auto* informative = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"))) {
        informative->setTextFormat(Qt::PlainText);
        informative->setTextInteractionFlags(Qt::TextSelectableByMouse);
        informative->setMinimumWidth(TextWidth(box, *informative, lines));
    }
}

QPushButton* AddButton(QMessageBox& box, const QString& title, QMessageBox::ButtonRole role,
                       const char* name) {
    QPushButton* button = box.addButton(title, role);
    button->setObjectName(QLatin1String(name));
    return button;
}

}  // namespace

MessageBoxPresenter::MessageBoxPresenter(QWidget* window) : window_(window) {}

int MessageBoxPresenter::ShowMessage(const std::string& message) {
    QMessageBox box(window_.data());
    Prepare(box, QString(), QString::fromUtf8(text::ProductTitle), message);
    QPushButton* ok = AddButton(box, "OK", QMessageBox::AcceptRole, OK_BUTTON_NAME);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return ALERT_FIRST_BUTTON;
}

int MessageBoxPresenter::Confirm(const std::string& title, const std::string& message) {
    ConfirmationBox box(window_.data());
    Prepare(box, QString::fromStdString(title), QString::fromStdString(title), message);
    QPushButton* ok = AddButton(box, "OK", QMessageBox::AcceptRole, OK_BUTTON_NAME);
    QPushButton* cancel = AddButton(box, QCoreApplication::translate("MessageBoxPresenter", "キャンセル"),
                                    QMessageBox::RejectRole, CANCEL_BUTTON_NAME);
    // Return picks the harmless answer; Escape picks "OK".
    box.setDefaultButton(cancel);
    box.setEscapeButton(ok);
    box.closeAnswer = cancel;
    box.exec();
    return box.clickedButton() == ok ? ALERT_FIRST_BUTTON : ALERT_SECOND_BUTTON;
}

}  // namespace tarvik
