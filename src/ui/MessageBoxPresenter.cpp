#include "ui/MessageBoxPresenter.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

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

void Prepare(QMessageBox& box, const QString& title, const std::string& message) {
    box.setIcon(QMessageBox::Information);
    box.setWindowTitle(title);
    box.setText(QString());
    box.setInformativeText(ForDisplay(message));
    // The texts are plain (brackets, yen signs); an address in them can be selected and copied.
    if (auto* informative = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"))) {
        informative->setTextFormat(Qt::PlainText);
        informative->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
}

QPushButton* AddButton(QMessageBox& box, const char* title, QMessageBox::ButtonRole role, const char* name) {
    QPushButton* button = box.addButton(QString::fromUtf8(title), role);
    button->setObjectName(QLatin1String(name));
    return button;
}

}  // namespace

MessageBoxPresenter::MessageBoxPresenter(QWidget* window) : window_(window) {}

int MessageBoxPresenter::ShowMessage(const std::string& message) {
    QMessageBox box(window_.data());
    Prepare(box, QString(), message);
    QPushButton* ok = AddButton(box, "OK", QMessageBox::AcceptRole, OK_BUTTON_NAME);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return ALERT_FIRST_BUTTON;
}

int MessageBoxPresenter::Confirm(const std::string& title, const std::string& message) {
    ConfirmationBox box(window_.data());
    Prepare(box, QString::fromStdString(title), message);
    QPushButton* ok = AddButton(box, "OK", QMessageBox::AcceptRole, OK_BUTTON_NAME);
    QPushButton* cancel = AddButton(box, "キャンセル", QMessageBox::RejectRole, CANCEL_BUTTON_NAME);
    // Return picks the harmless answer; Escape picks "OK".
    box.setDefaultButton(cancel);
    box.setEscapeButton(ok);
    box.closeAnswer = cancel;
    box.exec();
    return box.clickedButton() == ok ? ALERT_FIRST_BUTTON : ALERT_SECOND_BUTTON;
}

}  // namespace tarvik
