#include "ui/advanced/RadioMatrix.h"

#include <QRadioButton>

namespace tarvik::advanced {

RadioMatrix::RadioMatrix(QWidget* parent) : QWidget(parent) {}

QList<QRadioButton*> RadioMatrix::Rows() const {
    return findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
}

int RadioMatrix::selectedRow() const {
    const QList<QRadioButton*> rows = Rows();
    for (int row = 0; row < rows.size(); ++row)
        if (rows[row]->isChecked()) return row;
    return -1;
}

void RadioMatrix::selectRow(int row) {
    const QList<QRadioButton*> rows = Rows();
    for (int i = 0; i < rows.size(); ++i) {
        // Going through "no row" needs the exclusivity off for a moment.
        const bool exclusive = rows[i]->autoExclusive();
        rows[i]->setAutoExclusive(false);
        rows[i]->setChecked(i == row);
        rows[i]->setAutoExclusive(exclusive);
    }
}

}  // namespace tarvik::advanced
