// SPDX-License-Identifier: GPL-3.0-or-later
// The standard dialog as the main window opens it, on a unit whose pedal 1 holds the record given.
#pragma once

#include <QAccessible>
#include <QPointer>
#include <QTabWidget>

#include "WindowFixture.h"

namespace tarvik::test {

class StandardDialogTest : public WindowTest {
protected:
    // Reads the unit and opens pedal 1's dialog; a warning is answered with `answer`. The transcript
    // and the boxes seen so far are cleared first.
    void OpenOn(int mode, const CommonRecord& common, int answer = ALERT_FIRST_BUTTON) {
        PedalImage pedal = Pedal(mode);
        pedal.common = common;
        pedal.additional.fill(0x66);
        Start(Unit({Pedal(0, {0, 30}), pedal, Pedal(1, {4})}));
        ASSERT_TRUE(ReadEnds());
        unit->ClearTranscript();
        presenter.Clear();
        presenter.QueueResponse(answer);
        dialog = OpenStandard(1);
    }
    // "tab:<page>" shows a tab, "key:<text>" selects a key, "toggle:<button>" toggles it as
    // assistive technology does (its accessible Toggle action), anything else clicks that button.
    void Do(const std::string& action) {
        ASSERT_TRUE(dialog);
        if (action.starts_with("toggle:")) {
            QAccessibleInterface* button = QAccessible::queryAccessibleInterface(Find(*dialog, action.substr(7)));
            ASSERT_TRUE(button && button->actionInterface());
            button->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        } else if (action.starts_with("tab:")) {
            Find<QTabWidget>(*dialog, "tabcontrolOutputMode")->setCurrentWidget(Find(*dialog, action.substr(4)));
        } else if (action.starts_with("key:")) {
            auto* list = Find<QComboBox>(*dialog, "listboxKeys");
            list->setCurrentIndex(list->findText(QString::fromStdString(action.substr(4))));
        } else {
            Click(*dialog, action);
        }
    }
    bool On(const std::string& name) { return Checked(*dialog, name); }
    bool Usable(const std::string& name) { return Enabled(*dialog, name); }
    bool Gone() { return QTest::qWaitFor([&] { return dialog.isNull(); }, 2000); }

    QPointer<SettingDialogViewController> dialog;
};

}  // namespace tarvik::test
