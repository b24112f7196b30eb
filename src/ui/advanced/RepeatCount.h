// SPDX-License-Identifier: GPL-3.0-or-later
// How often an output repeats: until the pedal is released (0), or a set number of times.
#pragma once

#include <QButtonGroup>
#include <QWidget>

class QRadioButton;
class QSpinBox;

namespace tarvik::advanced {

class RepeatCount : public QWidget {
    Q_OBJECT
public:
    // Controls named prefix + "radiobuttonUntilRelease", "radiobuttonSetNumber", "spinRepeats";
    // the count is usable only with a set number.
    RepeatCount(const QString& prefix, int most, QWidget* parent = nullptr);

    // 0 until release, else the count.
    int Value() const;
    void SetValue(int repeats);
    bool SetNumber() const;

signals:
    void changed();

private:
    void Follow();

    QRadioButton* untilRelease_;
    QRadioButton* setNumber_;
    QSpinBox* count_;
    QButtonGroup group_;
};

}  // namespace tarvik::advanced
