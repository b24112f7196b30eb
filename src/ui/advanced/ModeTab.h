// SPDX-License-Identifier: GPL-3.0-or-later
// What every tab of the advanced dialog is: controls for the settings of one or two output modes,
// loaded from a decoded setting, read back as the setting they stand for, and a write button.
#pragma once

#include <QWidget>

#include "model/ModeChoice.h"

class QBoxLayout;
class QLabel;
class QPushButton;

namespace tarvik::advanced {

class ModeTab : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Shows a setting of one of the tab's modes; a setting of another mode leaves the tab as it is.
    virtual void Load(const modes::ModeChoice& choice) = 0;
    // The setting the controls stand for, read when the write button is pressed.
    virtual modes::ModeChoice Choice() const = 0;

signals:
    void okPressed();

protected:
    // A row at the end of `layout`: the hint of SetWritable, then "Tarvikに書き込む" (prefix +
    // "buttonOK"), which emits okPressed.
    void AddWriteRow(QBoxLayout* layout, const QString& prefix);
    // The same for a write button that an interface resource already placed in `row`.
    void AdoptWriteRow(QPushButton* write, QBoxLayout* row, const QString& prefix);
    // The write button is enabled only while the controls stand for a setting; `why` says what
    // is missing otherwise.
    void SetWritable(bool writable, const QString& why = {});

private:
    QPushButton* write_ = nullptr;
    QLabel* hint_ = nullptr;
};

}  // namespace tarvik::advanced
