// From the main window's standard button to the record stored in the simulated unit.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "device/Alert.h"
#include "device/DeviceState.h"
#include "device/HID_PnP.h"
#include "sim/SimulatedUnit.h"
#include "support/ScriptedPresenter.h"
#include "ui/MainWindowViewController.h"
#include "ui/SettingDialogViewController.h"

namespace tarvik::test {
namespace {

using Bytes13 = std::array<std::uint8_t, NUMBER_OF_COMMON_DATA>;

PedalImage Pedal(std::uint8_t mode, Bytes13 common, std::uint8_t additionalFill = 0x66) {
    PedalImage p;
    p.mode = mode;
    p.common = common;
    p.additional.fill(additionalFill);
    return p;
}

// A key record that loads without a warning, its tail bytes marked.
constexpr Bytes13 kPlainKey = {0x00, 0x04, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1a, 0x1b, 0x1c, 0x1d};

Bytes13 With(Bytes13 base, std::initializer_list<std::uint8_t> head) {
    std::size_t i = 0;
    for (auto b : head) base[i++] = b;
    return base;
}

class StandardEndToEnd : public testing::Test {
protected:
    void Start(std::vector<PedalImage> pedals) {
        UnitImage image;
        image.pedals = std::move(pedals);
        before_ = image;
        unit_ = std::make_unique<SimulatedUnit>(image);
        window_ = std::make_unique<MainWindowViewController>(*unit_);
        window_->plugNPlay().SetTickIntervalMs(5);
        window_->show();
        const int count = static_cast<int>(image.pedals.size());
        ASSERT_TRUE(QTest::qWaitFor([&] { return StandardButton(count - 1)->isEnabled(); }, 5000))
            << "the unit was never read";
        unit_->ClearTranscript();
    }
    QPushButton* StandardButton(int p) {
        return window_->findChild<QPushButton*>(QStringLiteral("buttonSetPedal%1Standard").arg(p));
    }
    SettingDialogViewController* OpenFor(int p) {
        StandardButton(p)->click();
        dialog_ = window_->OpenSettingDialog();
        return dialog_;
    }
    template <class T>
    T* Find(const char* name) {
        T* w = dialog_ ? dialog_->findChild<T*>(QString::fromLatin1(name)) : nullptr;
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void Click(const char* name) {
        auto* b = Find<QAbstractButton>(name);
        ASSERT_TRUE(b && b->isEnabled()) << name;
        b->click();
    }
    void ShowTab(const char* id) { Find<QTabWidget>("tabcontrolOutputMode")->setCurrentWidget(Find<QWidget>(id)); }
    void SelectKey(const char* name) {
        auto* list = Find<QComboBox>("listboxKeys");
        const int i = list->findText(QString::fromUtf8(name));
        ASSERT_GE(i, 0) << name;
        list->setCurrentIndex(i);
    }
    bool DialogGone() { return QTest::qWaitFor([&] { return dialog_.isNull(); }, 2000); }

    ScriptedPresenter presenter_;
    ConsoleCapture console_;
    UnitImage before_;
    std::unique_ptr<SimulatedUnit> unit_;
    std::unique_ptr<MainWindowViewController> window_;
    QPointer<SettingDialogViewController> dialog_;
};

struct WriteCase {
    const char* name;
    PedalImage start;
    std::function<void(StandardEndToEnd&)> edit;
    std::uint8_t mode;
    Bytes13 common;
};

class StandardEndToEndWrite : public StandardEndToEnd {
public:
    using StandardEndToEnd::Click;
    using StandardEndToEnd::SelectKey;
    using StandardEndToEnd::ShowTab;
};

TEST_F(StandardEndToEndWrite, ChoicesReachTheUnitAndNothingElseChanges) {
    const WriteCase cases[] = {
        {"double click", Pedal(0, kPlainKey),
         [](StandardEndToEnd& t) {
             auto& w = static_cast<StandardEndToEndWrite&>(t);
             w.ShowTab("Tab_Mouse");
             w.Click("radiobuttonDoubleClick");
         },
         SIMPLE_DOUBLE_CLICK, With(kPlainKey, {1, 15, 0, 15})},
        {"left click", Pedal(0, kPlainKey),
         [](StandardEndToEnd& t) {
             auto& w = static_cast<StandardEndToEndWrite&>(t);
             w.ShowTab("Tab_Mouse");
             w.Click("radiobuttonLeftClick");
         },
         SIMPLE_CLICK, With(kPlainKey, {1})},
        {"right click", Pedal(2, With(kPlainKey, {1, 40, 0, 90})),
         [](StandardEndToEnd& t) { static_cast<StandardEndToEndWrite&>(t).Click("radiobuttonRightClick"); },
         SIMPLE_CLICK, With(kPlainKey, {2, 40, 0, 90})},
        {"center click", Pedal(1, With(kPlainKey, {2})),
         [](StandardEndToEnd& t) { static_cast<StandardEndToEndWrite&>(t).Click("radiobuttonCenterClick"); },
         SIMPLE_CLICK, With(kPlainKey, {4})},
        {"key alone", Pedal(1, With(kPlainKey, {1})),
         [](StandardEndToEnd& t) {
             auto& w = static_cast<StandardEndToEndWrite&>(t);
             w.ShowTab("Tab_Keyboard");
             w.SelectKey("Space");
         },
         SIMPLE_KEY_OUTPUT, With(kPlainKey, {0x00, 44})},
        {"key with modifiers", Pedal(0, kPlainKey),
         [](StandardEndToEnd& t) {
             auto& w = static_cast<StandardEndToEndWrite&>(t);
             w.Click("radiobuttonWithModifiers");
             w.Click("checkboxCtrl");
             w.Click("checkboxShift");
             w.SelectKey("z");
         },
         SIMPLE_KEY_OUTPUT, With(kPlainKey, {0x03, 29})},
        {"modifiers only", Pedal(0, kPlainKey),
         [](StandardEndToEnd& t) {
             auto& w = static_cast<StandardEndToEndWrite&>(t);
             w.Click("radiobuttonOnlyModifiers");
             w.Click("checkboxCtrl");
             w.Click("checkboxAlt");
         },
         SIMPLE_KEY_OUTPUT, With(kPlainKey, {0x05, 0x00})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        State() = DeviceState{};
        presenter_.Clear();
        Start({Pedal(0, With(kPlainKey, {0x00, 30}), 0x11), c.start, Pedal(1, With(kPlainKey, {4}), 0x33)});
        ASSERT_NE(OpenFor(1), nullptr);
        EXPECT_TRUE(presenter_.All().empty()) << "the start record is standard";
        c.edit(*this);
        Click("buttonProgramTarvik");
        EXPECT_TRUE(DialogGone());
        EXPECT_EQ(presenter_.Texts(), std::vector<std::string>{"Tarvikの左ペダルの設定が正常に終わりました。"});
        EXPECT_EQ(unit_->CommandCount(SET_OUTPUT_MODE_AND_DATA), 1);
        EXPECT_EQ(unit_->CommandCount(SET_PARAMETERS), 1);
        const auto& pedals = unit_->Image().pedals;
        ASSERT_EQ(pedals.size(), 3u);
        EXPECT_EQ(pedals[1].mode, c.mode);
        EXPECT_EQ(pedals[1].common, c.common);
        EXPECT_EQ(pedals[1].additional, before_.pedals[1].additional);
        for (int p : {0, 2}) {
            EXPECT_EQ(pedals[p].mode, before_.pedals[p].mode) << p;
            EXPECT_EQ(pedals[p].common, before_.pedals[p].common) << p;
            EXPECT_EQ(pedals[p].additional, before_.pedals[p].additional) << p;
        }
        EXPECT_FALSE(State().StandardSettingDialogOpen);
        window_.reset();
        unit_.reset();
    }
}

struct WarnCase {
    const char* name;
    PedalImage record;
};

const WarnCase kOutOfStandard[] = {
    {"right-hand modifier", Pedal(0, With(kPlainKey, {0x40, 4}))},
    {"advanced key", Pedal(0, With(kPlainKey, {0x00, 57}))},
    {"two buttons clicked together", Pedal(1, With(kPlainKey, {3}))},
    {"double click of the right button", Pedal(2, With(kPlainKey, {2}))},
    {"continuous key output", Pedal(5, With(kPlainKey, {0x01, 4, 0, 10}))},
    {"key chords", Pedal(9, With(kPlainKey, {0x2c, 0x0a, 0x10, 0x03}), 0x06)},
};

TEST_F(StandardEndToEnd, OutOfStandardRecordsWarnAndTheAnswerDecides) {
    struct Answer {
        const char* name;
        int response;  // 0: nothing queued, the box's default answer (Return)
        bool stays;
    } answers[] = {{"OK", ALERT_FIRST_BUTTON, true}, {"キャンセル", ALERT_SECOND_BUTTON, false}, {"Return", 0, false}};
    for (const auto& r : kOutOfStandard) {
        for (const auto& a : answers) {
            SCOPED_TRACE(std::string(r.name) + " / " + a.name);
            State() = DeviceState{};
            presenter_.Clear();
            Start({Pedal(0, kPlainKey), Pedal(0, kPlainKey), r.record});
            if (a.response) presenter_.QueueResponse(a.response);
            ASSERT_NE(OpenFor(2), nullptr);
            ASSERT_EQ(presenter_.All().size(), 1u);
            EXPECT_EQ(presenter_.All()[0].title, "Oremba Tarvik");
            EXPECT_EQ(presenter_.All()[0].text,
                      "このペダルに設定されている内容は，標準設定の範囲を超えています．\r\n"
                      "標準の範囲で設定を行う場合は [OK]，何も行わずにメインウィンドウに戻る場合は [キャンセル] "
                      "をクリックして下さい．");
            if (a.stays) {
                QTest::qWait(50);
                ASSERT_TRUE(dialog_);
                EXPECT_TRUE(dialog_->isVisible());
                EXPECT_EQ(console_.Lines().back(),
                          "Setting in Pedal 2 is out of the Standard, but the user selected setting by the Standard.");
                Click("cancelButton");
            } else {
                EXPECT_EQ(console_.Lines().back(),
                          "Setting in Pedal 2 is out of the Standard, and the user selected canceling.");
            }
            EXPECT_TRUE(DialogGone());
            EXPECT_FALSE(State().StandardSettingDialogOpen);
            EXPECT_EQ(unit_->CommandCount(SET_OUTPUT_MODE_AND_DATA), 0);
            EXPECT_EQ(unit_->Image().pedals[2].common, r.record.common);
            window_.reset();
            unit_.reset();
        }
    }
}

TEST_F(StandardEndToEnd, TitleLineNamesEveryPedalOfEveryUnit) {
    const char* titles[5][5] = {
        {"標準設定"},
        {"標準設定 右ペダル", "標準設定 左ペダル"},
        {"標準設定 中央ペダル", "標準設定 左ペダル", "標準設定 右ペダル"},
        {"標準設定 右ペダル", "標準設定 左ペダル", "標準設定 右端ペダル", "標準設定 左端ペダル"},
        {"標準設定 中央ペダル", "標準設定 左ペダル", "標準設定 右ペダル", "標準設定 左端ペダル", "標準設定 右端ペダル"},
    };
    for (int count = 1; count <= 5; ++count) {
        State() = DeviceState{};
        Start(std::vector<PedalImage>(static_cast<std::size_t>(count), Pedal(0, kPlainKey)));
        for (int p = 0; p < count; ++p) {
            ASSERT_NE(OpenFor(p), nullptr);
            EXPECT_EQ(Find<QLabel>("Label_PedalName")->text(), QString::fromUtf8(titles[count - 1][p]))
                << count << " pedals, pedal " << p;
            Click("cancelButton");
            EXPECT_TRUE(DialogGone());
        }
        window_.reset();
        unit_.reset();
    }
}

TEST_F(StandardEndToEnd, PullingTheUnitOutClosesTheDialogWithoutWriting) {
    Start({Pedal(0, kPlainKey), Pedal(1, With(kPlainKey, {1}))});
    ASSERT_NE(OpenFor(1), nullptr);
    Click("radiobuttonDoubleClick");
    unit_->Unplug();
    EXPECT_TRUE(DialogGone());
    EXPECT_FALSE(State().StandardSettingDialogOpen);
    EXPECT_FALSE(State().CloseStandardSetting);
    EXPECT_EQ(unit_->CommandCount(SET_OUTPUT_MODE_AND_DATA), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !StandardButton(0)->isEnabled(); }, 2000))
        << "the main window shows no unit";
    EXPECT_EQ(unit_->Image().pedals[1].mode, SIMPLE_CLICK);
}

TEST_F(StandardEndToEnd, OkAndCancelSendNothing) {
    for (const char* button : {"okButton", "cancelButton"}) {
        SCOPED_TRACE(button);
        State() = DeviceState{};
        Start({Pedal(0, kPlainKey)});
        ASSERT_NE(OpenFor(0), nullptr);
        Click("radiobuttonOnlyModifiers");
        Click("checkboxShift");
        Click(button);
        EXPECT_TRUE(DialogGone());
        QTest::qWait(50);
        EXPECT_EQ(unit_->Transcript().size(), 0);
        EXPECT_TRUE(presenter_.All().empty());
        EXPECT_EQ(unit_->Image().pedals[0].common, kPlainKey);
        window_.reset();
        unit_.reset();
    }
}

}  // namespace
}  // namespace tarvik::test
