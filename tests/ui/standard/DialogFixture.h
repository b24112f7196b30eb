// Shared by the standard dialog tests: driving the dialog's widgets by name, and a fixture with a
// stand-in for the main window that records what the dialog hands it.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTabWidget>
#include <QTest>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "model/DeviceState.h"
#include "device/HID_PnP.h"
#include "model/ProtocolConstants.h"
#include "sim/SimulatedUnit.h"
#include "support/ScriptedPresenter.h"
#include "ui/DialogHost.h"
#include "ui/SettingDialogViewController.h"

namespace tarvik::test {

using Common = std::array<std::uint8_t, NUMBER_OF_COMMON_DATA>;

// A record whose every byte is distinct, so a byte the dialog must not touch is noticed, with the
// first bytes replaced by `head`.
inline Common Marked(std::initializer_list<std::uint8_t> head = {}) {
    Common c = {0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1a, 0x1b, 0x1c, 0x1d};
    std::size_t i = 0;
    for (auto b : head) c[i++] = b;
    return c;
}

// Drives the dialog in dialog_ as a user would.
class DialogDriver {
public:
    template <class T>
    T* Find(std::string_view name) {
        T* w = dialog_ ? dialog_->findChild<T*>(QString::fromUtf8(name.data(), qsizetype(name.size()))) : nullptr;
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // "tab:<page>" shows a tab, "key:<text>" selects a key, anything else clicks that button (a
    // disabled button ignores the click).
    void Do(std::string_view action) {
        if (action.starts_with("tab:")) {
            Find<QTabWidget>("tabcontrolOutputMode")->setCurrentWidget(Find<QWidget>(action.substr(4)));
        } else if (action.starts_with("key:")) {
            auto* list = Find<QComboBox>("listboxKeys");
            const int i = list->findText(QString::fromUtf8(action.substr(4).data(), qsizetype(action.size() - 4)));
            ASSERT_GE(i, 0) << action;
            list->setCurrentIndex(i);
        } else if (auto* b = Find<QAbstractButton>(action); b && b->isEnabled()) {
            b->click();
        }
    }
    bool IsOn(std::string_view name) { return Find<QAbstractButton>(name)->isChecked(); }
    bool IsEnabled(std::string_view name) { return Find<QWidget>(name)->isEnabled(); }
    QString Text(std::string_view name) {
        QWidget* w = Find<QWidget>(name);
        if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
        if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
        if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
        return {};
    }
    bool Gone() { return QTest::qWaitFor([&] { return dialog_.isNull(); }, 2000); }

    QPointer<SettingDialogViewController> dialog_;
};

// Stands in for the main window: records every SettingDialog_OK with the record as it was then.
class StandInHost : public DialogHost {
public:
    struct Call {
        bool settingEnabled;
        std::uint8_t mode;
    };
    void SettingDialog_OK() override {
        const auto& s = State();
        calls.push_back({s.SettingEnabled, s.OutputMode[static_cast<std::size_t>(s.SelectedPedalNo)]});
        if (whileSending) whileSending();
    }
    // The dialog listens to it for the unit's removal; it sends nothing through it.
    HID_PnP& plugNPlay() override { return link_; }

    std::vector<Call> calls;
    std::function<void()> whileSending;  // runs inside SettingDialog_OK, as a running exchange's events would
    SimulatedUnit unit_;

private:
    HID_PnP link_{unit_};
};

class StandardDialogTest : public testing::Test, public DialogDriver {
public:
    // Puts a record into pedal `pedal` of a unit with `count` pedals, from a fresh state, and arms
    // what the main window sets before it opens the dialog.
    void SetRecord(int pedal, std::uint8_t mode, const Common& common, int count = 3) {
        State() = DeviceState{};
        State().selfRef = &host_.plugNPlay();  // the stand-in's link hears its unit
        if (!host_.unit_.IsPlugged()) host_.unit_.Plug();
        presenter_.Clear();
        host_.calls.clear();
        auto& s = State();
        s.NumberOfPedals = count;
        s.SelectedPedalNo = pedal;
        s.OutputMode[static_cast<std::size_t>(pedal)] = mode;
        s.CommonData[static_cast<std::size_t>(pedal)] = common;
        s.StandardSettingDialogOpen = true;
    }
    // Opens the dialog over a parent window, as the main window does.
    QPointer<SettingDialogViewController> Open(bool deleteOnClose = true) {
        auto* d = new SettingDialogViewController(host_, &window_);
        d->setAttribute(Qt::WA_DeleteOnClose, deleteOnClose);
        d->open();
        return dialog_ = d;
    }
    // Runs pending events, deferred deletions included.
    static void Settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    static std::uint8_t Mode(int pedal) { return State().OutputMode[static_cast<std::size_t>(pedal)]; }
    static Common CommonOf(int pedal) { return State().CommonData[static_cast<std::size_t>(pedal)]; }

    QWidget window_;
    ScriptedPresenter presenter_;
    ConsoleCapture console_;
    StandInHost host_;
};

}  // namespace tarvik::test
