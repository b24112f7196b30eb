// Opening the dialog on a pedal's record: what each control shows, which write rule applies, and
// when the user is warned that the record is beyond what the dialog can show.
#include <QComboBox>
#include <QTest>

#include "DialogFixture.h"
#include "device/Alert.h"
#include "device/DeviceState.h"

namespace tarvik::test {
namespace {

constexpr const char* kWarning =
    "このペダルに設定されている内容は，標準設定の範囲を超えています．\r\n"
    "標準の範囲で設定を行う場合は [OK]，何も行わずにメインウィンドウに戻る場合は [キャンセル] をクリックして下さい．";

struct LoadCase {
    const char* name;
    std::uint8_t mode;
    Common common;
    const char* tab;
    const char* key;          // selected key text, "" for none
    const char* explanation;  // text of textboxExplanation
    const char* radio;        // the modifier radio that is on
    std::uint8_t checks;      // check boxes on: 1 ctrl, 2 shift, 4 alt, 8 command
    const char* click;        // the click choice that is on, "" for none
    bool listEnabled;
    bool checksEnabled;
    bool writeEnabled;
    bool warned;
};

// Bytes 2..12 are left marked: the dialog must ignore them when it loads.
const LoadCase kLoadCases[] = {
    {"key a with control and shift", 0, MarkedWith({0x03, 4}), "Tab_Keyboard", "a",
     "Shiftプラスこのキーで大文字 A", "radiobuttonWithModifiers", 0x03, "", true, true, true, false},
    {"shift only", 0, MarkedWith({0x02, 0}), "Tab_Keyboard", "", "", "radiobuttonOnlyModifiers", 0x02, "", false,
     true, true, false},
    {"nothing at all", 0, MarkedWith({0x00, 0}), "Tab_Keyboard", "", "", "radiobuttonNoModifiers", 0, "", true,
     false, false, false},
    {"key without modifiers", 0, MarkedWith({0x00, 40}), "Tab_Keyboard", "Enter (Return)", "",
     "radiobuttonNoModifiers", 0, "", true, false, true, false},
    {"all four left modifiers with keypad 1", 0, MarkedWith({0x0F, 89}), "Tab_Keyboard", "キーパッド End",
     "キーパッド(テンキー)にあるキー NumLockオンで 1", "radiobuttonWithModifiers", 0x0F, "", true, true, true, false},
    {"right control", 0, MarkedWith({0x10, 4}), "Tab_Keyboard", "a", "Shiftプラスこのキーで大文字 A",
     "radiobuttonWithModifiers", 0, "", true, true, false, true},
    {"left and right shift", 0, MarkedWith({0x22, 4}), "Tab_Keyboard", "a", "Shiftプラスこのキーで大文字 A",
     "radiobuttonWithModifiers", 0x02, "", true, true, true, true},
    {"caps lock is advanced", 0, MarkedWith({0x00, 57}), "Tab_Keyboard", "", "", "radiobuttonNoModifiers", 0, "",
     true, false, false, true},
    {"right command key as the key", 0, MarkedWith({0x01, 231}), "Tab_Keyboard", "", "",
     "radiobuttonWithModifiers", 0x01, "", true, true, false, true},
    {"key byte beyond every table", 0, MarkedWith({0x00, 250}), "Tab_Keyboard", "", "", "radiobuttonNoModifiers", 0,
     "", true, false, false, true},
    {"left click", 1, MarkedWith({1}), "Tab_Mouse", "", "", "radiobuttonNoModifiers", 0, "radiobuttonLeftClick",
     true, false, true, false},
    {"right click", 1, MarkedWith({2}), "Tab_Mouse", "", "", "radiobuttonNoModifiers", 0, "radiobuttonRightClick",
     true, false, true, false},
    {"center click", 1, MarkedWith({4}), "Tab_Mouse", "", "", "radiobuttonNoModifiers", 0, "radiobuttonCenterClick",
     true, false, true, false},
    {"left and right together", 1, MarkedWith({3}), "Tab_Mouse", "", "", "radiobuttonNoModifiers", 0, "", true,
     false, true, true},
    {"double click, any timing", 2, MarkedWith({1, 40, 2, 90}), "Tab_Mouse", "", "", "radiobuttonNoModifiers", 0,
     "radiobuttonDoubleClick", true, false, true, false},
    {"double click of the right button", 2, MarkedWith({2}), "Tab_Mouse", "", "", "radiobuttonNoModifiers", 0, "",
     true, false, true, true},
    {"continuous key output", 5, MarkedWith({0x03, 4}), "Tab_Keyboard", "", "", "radiobuttonNoModifiers", 0, "",
     true, false, false, true},
    {"key chords", 9, MarkedWith({0x2c, 0x0a}), "Tab_Keyboard", "", "", "radiobuttonNoModifiers", 0, "", true, false,
     false, true},
    {"mode byte beyond every mode", 0xFF, MarkedWith({1}), "Tab_Keyboard", "", "", "radiobuttonNoModifiers", 0, "",
     true, false, false, true},
};

TEST_F(StandardDialogTest, LoadsEveryKindOfRecord) {
    const char* radios[] = {"radiobuttonNoModifiers", "radiobuttonWithModifiers", "radiobuttonOnlyModifiers"};
    const char* clicks[] = {"radiobuttonLeftClick", "radiobuttonRightClick", "radiobuttonCenterClick",
                            "radiobuttonDoubleClick"};
    const char* checks[] = {"checkboxCtrl", "checkboxShift", "checkboxAlt", "checkboxWindowsKey"};
    for (const auto& c : kLoadCases) {
        SCOPED_TRACE(c.name);
        State() = DeviceState{};
        presenter_.Clear();
        presenter_.QueueResponse(ALERT_FIRST_BUTTON);  // keep the dialog when warned
        SetRecord(1, c.mode, c.common);
        Open();
        ASSERT_TRUE(dialog_);

        EXPECT_EQ(CurrentTabId(), c.tab);
        EXPECT_EQ(Text("listboxKeys"), QString::fromUtf8(c.key));
        EXPECT_EQ(Find<QComboBox>("listboxKeys")->currentIndex() >= 0, *c.key != '\0');
        EXPECT_EQ(Text("textboxExplanation"), QString::fromUtf8(c.explanation));
        for (const char* r : radios) EXPECT_EQ(IsOn(r), std::string(r) == c.radio) << r;
        for (int bit = 0; bit < 4; ++bit) EXPECT_EQ(IsOn(checks[bit]), ((c.checks >> bit) & 1) != 0) << checks[bit];
        for (const char* k : clicks) EXPECT_EQ(IsOn(k), std::string(k) == c.click) << k;
        EXPECT_EQ(IsEnabled("listboxKeys"), c.listEnabled);
        EXPECT_EQ(IsEnabled("textboxExplanation"), c.listEnabled);
        EXPECT_EQ(IsEnabled("labelExplanation"), c.listEnabled);
        for (const char* k : checks) EXPECT_EQ(IsEnabled(k), c.checksEnabled) << k;
        EXPECT_EQ(IsEnabled("buttonProgramTarvik"), c.writeEnabled);

        if (c.warned) {
            ASSERT_EQ(presenter_.All().size(), 1u);
            EXPECT_TRUE(presenter_.All()[0].confirmation);
            EXPECT_EQ(presenter_.All()[0].title, "Oremba Tarvik");
            EXPECT_EQ(presenter_.All()[0].text, kWarning);
            EXPECT_EQ(console_.Lines().back(),
                      "Setting in Pedal 1 is out of the Standard, but the user selected setting by the Standard.");
        } else {
            EXPECT_TRUE(presenter_.All().empty());
        }
        EXPECT_TRUE(dialog_->isVisible()) << "the dialog stays open";
        // Loading reads the record; it never writes it.
        EXPECT_EQ(Mode(1), c.mode);
        EXPECT_EQ(CommonOf(1), c.common);
        dialog_->reject();
        Settle();
    }
    EXPECT_TRUE(host_.calls.empty());
}

TEST_F(StandardDialogTest, ShowsTheFixedTexts) {
    SetRecord(0, 0, MarkedWith({0, 0}), 1);
    Open();
    struct Case {
        const char* name;
        const char* text;
    } cases[] = {
        {"Label_PedalName", "標準設定"},
        {"labelExplanation", "説明"},
        {"radiobuttonNoModifiers", "control, shift, option, command なし"},
        {"radiobuttonWithModifiers", "control, shift, option, command あり"},
        {"radiobuttonOnlyModifiers", "control, shift, option, command だけ"},
        {"buttonProgramTarvik", "Tarvikに書き込む"},
        {"radiobuttonLeftClick", "左ボタンクリック"},
        {"radiobuttonRightClick", "右ボタンクリック"},
        {"radiobuttonCenterClick", "中央ボタンクリック"},
        {"radiobuttonDoubleClick", "ダブルクリック"},
    };
    for (const auto& c : cases) EXPECT_EQ(Text(c.name), QString::fromUtf8(c.text)) << c.name;
}

TEST_F(StandardDialogTest, KeyListHoldsTheStandardKeysInUsageOrder) {
    SetRecord(0, 0, MarkedWith({0, 0}));
    Open();
    auto* list = Find<QComboBox>("listboxKeys");
    ASSERT_EQ(list->count(), 91);
    struct Case {
        int index;
        const char* name;
    } cases[] = {{0, "a"},   {25, "z"},     {26, "1"},        {35, "0"},           {36, "Enter (Return)"},
                 {44, "["},  {45, "]"},     {48, "grave"},    {51, "/"},           {52, "F1"},
                 {63, "F12"}, {64, "Fn"},   {70, "→"},        {90, "キーパッド Delete"}};
    for (const auto& c : cases) {
        if (std::string(c.name) == "grave") {
            EXPECT_EQ(list->itemText(c.index), QStringLiteral("`"));
        } else {
            EXPECT_EQ(list->itemText(c.index), QString::fromUtf8(c.name)) << c.index;
        }
    }
    EXPECT_EQ(list->findText(QStringLiteral("Caps Lock")), -1);
    EXPECT_EQ(list->findText(QStringLiteral("なし")), -1);
}

TEST_F(StandardDialogTest, WarningAnswersDecideWhetherTheDialogStays) {
    struct Case {
        const char* name;
        int response;  // 0: none queued, the box's default (Return) answer
        bool stays;
        const char* line;
    } cases[] = {
        {"OK", ALERT_FIRST_BUTTON, true,
         "Setting in Pedal 2 is out of the Standard, but the user selected setting by the Standard."},
        {"キャンセル", ALERT_SECOND_BUTTON, false,
         "Setting in Pedal 2 is out of the Standard, and the user selected canceling."},
        {"Return", 0, false, "Setting in Pedal 2 is out of the Standard, and the user selected canceling."},
        {"other", 1002, true, "その他:1002"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        State() = DeviceState{};
        presenter_.Clear();
        if (c.response) presenter_.QueueResponse(c.response);
        SetRecord(2, 0, MarkedWith({0x00, 57}));
        const auto before = CommonOf(2);
        Open();
        Settle();
        ASSERT_EQ(presenter_.All().size(), 1u);
        EXPECT_EQ(console_.Lines().back(), c.line);
        EXPECT_EQ(static_cast<bool>(dialog_), c.stays);
        EXPECT_EQ(State().StandardSettingDialogOpen, c.stays);
        if (dialog_) {
            EXPECT_TRUE(dialog_->isVisible());
            dialog_->reject();
            Settle();
        }
        EXPECT_EQ(CommonOf(2), before);
    }
    EXPECT_TRUE(host_.calls.empty()) << "nothing is sent";
}

TEST_F(StandardDialogTest, CancelledWhileLoadingNeverShowsAndStillCloses) {
    // The opener sets nothing up to close: without delete-on-close the dialog must still end hidden,
    // with its result and finished() delivered once.
    presenter_.QueueResponse(ALERT_SECOND_BUTTON);
    SetRecord(0, 5, Marked());
    auto* d = new SettingDialogViewController(host_, &window_);
    int finished = 0;
    QObject::connect(d, &QDialog::finished, [&](int) { ++finished; });
    d->open();
    EXPECT_FALSE(d->isVisible());
    EXPECT_FALSE(State().StandardSettingDialogOpen);
    Settle();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(d->result(), QDialog::Rejected);
    d->show();  // a later show of a closed dialog is refused too
    Settle();
    delete d;
}

TEST_F(StandardDialogTest, UnplugWhileTheWarningIsUpClosesTheDialog) {
    // A modal box lets the dialog's timer run; the unit goes away while the user reads the warning.
    presenter_.QueueResponse(ALERT_FIRST_BUTTON);
    presenter_.SetWhileShown([](const ScriptedPresenter::Shown&) {
        State().CloseStandardSetting = true;
        QTest::qWait(250);
    });
    SetRecord(0, 1, MarkedWith({3}));
    Open();
    EXPECT_FALSE(State().CloseStandardSetting);
    EXPECT_FALSE(State().StandardSettingDialogOpen);
    EXPECT_TRUE(!dialog_ || !dialog_->isVisible());
    Settle();
    EXPECT_FALSE(dialog_);
    EXPECT_TRUE(host_.calls.empty());
}

TEST_F(StandardDialogTest, PedalOutsideTheRecordsLoadsNothingAndWritesNothing) {
    SetRecord(0, 0, MarkedWith({0x01, 4}));
    State().SelectedPedalNo = NUMBER_OF_PEDALS_MAX;
    Open();
    EXPECT_TRUE(presenter_.All().empty());
    EXPECT_FALSE(IsEnabled("buttonProgramTarvik"));
    ShowTab("Tab_Mouse");
    Click("radiobuttonLeftClick");
    Click("buttonProgramTarvik");
    Settle();
    EXPECT_EQ(Mode(0), 0);
    EXPECT_EQ(CommonOf(0), MarkedWith({0x01, 4}));
    EXPECT_FALSE(State().SettingEnabled);
}

}  // namespace
}  // namespace tarvik::test
