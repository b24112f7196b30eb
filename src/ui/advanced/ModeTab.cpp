// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/ModeTab.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "model/Texts.h"
#include "ui/advanced/Accessible.h"

namespace tarvik::advanced {

void ModeTab::AddWriteRow(QBoxLayout* layout, const QString& prefix) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* write = new QPushButton(this);
    write->setObjectName(prefix + "buttonOK");
    row->addWidget(write);
    layout->addLayout(row);
    AdoptWriteRow(write, row, prefix);
}

void ModeTab::AdoptWriteRow(QPushButton* write, QBoxLayout* row, const QString& prefix) {
    write_ = write;
    write_->setText(QString::fromStdString(text::Tr(text::WriteButton)));
    write_->setAccessibleName(write_->text());
    write_->setAutoDefault(false);
    hint_ = Named(new QLabel(this), prefix + "labelHint", QString());
    hint_->setVisible(false);
    row->insertWidget(0, hint_);
    connect(write_, &QPushButton::clicked, this, &ModeTab::okPressed);
}

void ModeTab::SetWritable(bool writable, const QString& why) {
    write_->setEnabled(writable);
    hint_->setText(writable ? QString() : why);
    hint_->setAccessibleName(hint_->text());
    hint_->setVisible(!writable && !why.isEmpty());
}

}  // namespace tarvik::advanced
