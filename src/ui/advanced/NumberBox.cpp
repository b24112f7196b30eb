// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/NumberBox.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "ui/advanced/IntValue.h"
#include "ui/advanced/Stepper.h"

namespace tarvik::advanced {

int BoxValue(const QLineEdit* box) { return IntValue(box->text().toStdString()); }

void ShowNumber(QLineEdit* box, int value) { box->setText(QString::number(value)); }

void PairBoxWithStepper(QLineEdit* box, Stepper* stepper) {
    static const QRegularExpression digits(QStringLiteral("[0-9]{0,6}"));
    box->setValidator(new QRegularExpressionValidator(digits, box));
    QObject::connect(stepper, &Stepper::valueChanged, box, [box](int value) { ShowNumber(box, value); });
    QObject::connect(box, &QLineEdit::editingFinished, stepper, [box, stepper] { stepper->setValue(BoxValue(box)); });
}

}  // namespace tarvik::advanced
