// Rows of radio buttons read as one choice by row number. The rows are the radio buttons placed
// directly in this widget, in the order they were added.
#pragma once

#include <QList>
#include <QWidget>

class QRadioButton;

namespace tarvik::advanced {

class RadioMatrix : public QWidget {
    Q_OBJECT
public:
    explicit RadioMatrix(QWidget* parent = nullptr);

    // The row whose radio is on, or -1 when none is.
    int selectedRow() const;
    // Switches row `row` on (the others go off); out of range switches every row off.
    void selectRow(int row);

    QList<QRadioButton*> Rows() const;
};

}  // namespace tarvik::advanced
