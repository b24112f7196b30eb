// SPDX-License-Identifier: GPL-3.0-or-later
// Every control of the advanced dialog is found by its object name (tests, the accessible tree) and
// read out by its accessible name.
#pragma once

#include <QString>
#include <QWidget>

namespace tarvik::advanced {

template <class W>
W* Named(W* widget, const QString& objectName, const QString& accessibleName) {
    widget->setObjectName(objectName);
    widget->setAccessibleName(accessibleName);
    return widget;
}

}  // namespace tarvik::advanced
