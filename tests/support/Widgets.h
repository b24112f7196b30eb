// SPDX-License-Identifier: GPL-3.0-or-later
// Reaching a window's controls by object name, as a user would use them.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QWindow>
#include <string>
#include <vector>

namespace tarvik::test {

template <class T = QWidget>
T* Find(const QObject& root, const std::string& name) {
    T* w = root.findChild<T*>(QString::fromStdString(name));
    if (!w) ADD_FAILURE() << "no control named " << name;
    return w;
}

// Clicks the button as a user would: a disabled one ignores the click.
inline void Click(const QObject& root, const std::string& name) {
    if (auto* b = Find<QAbstractButton>(root, name); b && b->isEnabled()) b->click();
}

inline bool Checked(const QObject& root, const std::string& name) {
    auto* b = Find<QAbstractButton>(root, name);
    return b && b->isChecked();
}

inline bool Enabled(const QObject& root, const std::string& name) {
    auto* w = Find(root, name);
    return w && w->isEnabled();
}

// What a label, box, button, list or text view shows.
inline std::string Text(const QObject& root, const std::string& name) {
    QWidget* w = Find(root, name);
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text().toStdString();
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text().toStdString();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text().toStdString();
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText().toStdString();
    if (auto* t = qobject_cast<QPlainTextEdit*>(w)) return t->toPlainText().toStdString();
    return {};
}

// Makes `window` the one that takes the keyboard, as a click on it would. (The offscreen platform
// does not give it back by itself when a menu closes.)
inline bool Activate(QWidget& window) {
    window.windowHandle()->requestActivate();
    return QTest::qWaitFor([&window] { return QGuiApplication::focusWindow() == window.windowHandle(); },
                           1000);
}

// The controls Tab takes the user to in `window`, starting with nothing focused, once round.
inline std::vector<QWidget*> TabOrder(QWidget& window) {
    if (QWidget* focused = window.focusWidget()) focused->clearFocus();
    std::vector<QWidget*> order;
    for (int step = 0; step < 64; ++step) {
        QWidget* focused = window.focusWidget();
        QTest::keyClick(focused ? focused : &window, Qt::Key_Tab);
        focused = window.focusWidget();
        if (!focused || (!order.empty() && focused == order.front())) break;
        order.push_back(focused);
    }
    return order;
}

// Their object names, one space after each.
inline std::string Names(const std::vector<QWidget*>& widgets) {
    std::string names;
    for (QWidget* w : widgets) names += w->objectName().toStdString() + " ";
    return names;
}

}  // namespace tarvik::test
