// Opening the dialog on a pedal's record: what each control shows, and when the user is warned that
// the record is beyond what the dialog can show.
#include <algorithm>

#include "DialogFixture.h"
#include "device/Alert.h"

namespace tarvik::test {
namespace {

struct LoadCase {
    const char* name;
    std::uint8_t mode;
    Common common;
    const char* tab;
    const char* key;          // selected key text, "" for none
    const char* explanation;  // text of textboxExplanation
    const char* radio;        // the modifier radio that is on: No, With or Only
    std::uint8_t checks;      // check boxes on: 1 ctrl, 2 shift, 4 alt, 8 command
    const char* click;        // the click radio that is on: Left, Right, Center, Double or ""
    bool listEnabled, checksEnabled, writeEnabled, warned;
};

// Bytes 2..12 are left marked: the dialog must ignore them when it loads.
const LoadCase kLoadCases[] = {
    {"key a, control and shift", 0, Marked({0x03, 4}), "Keyboard", "a", "Shiftプラスこのキーで大文字 A", "With",
     0x03, "", true, true, true, false},
    {"shift only", 0, Marked({0x02, 0}), "Keyboard", "", "", "Only", 0x02, "", false, true, true, false},
    {"nothing at all", 0, Marked({0x00, 0}), "Keyboard", "", "", "No", 0, "", true, false, false, false},
    {"key alone", 0, Marked({0x00, 40}), "Keyboard", "Enter (Return)", "", "No", 0, "", true, false, true, false},
    {"four left modifiers, keypad 1", 0, Marked({0x0F, 89}), "Keyboard", "キーパッド End",
     "キーパッド(テンキー)にあるキー NumLockオンで 1", "With", 0x0F, "", true, true, true, false},
    {"right control", 0, Marked({0x10, 4}), "Keyboard", "a", "Shiftプラスこのキーで大文字 A", "With", 0, "", true,
     true, false, true},
    {"left and right shift", 0, Marked({0x22, 4}), "Keyboard", "a", "Shiftプラスこのキーで大文字 A", "With", 0x02,
     "", true, true, true, true},
    {"caps lock is advanced", 0, Marked({0x00, 57}), "Keyboard", "", "", "No", 0, "", true, false, false, true},
    {"right command as the key", 0, Marked({0x01, 231}), "Keyboard", "", "", "With", 0x01, "", true, true, false, true},
    {"key byte beyond every table", 0, Marked({0x00, 250}), "Keyboard", "", "", "No", 0, "", true, false, false, true},
    {"left click", 1, Marked({1}), "Mouse", "", "", "No", 0, "Left", true, false, true, false},
    {"right click", 1, Marked({2}), "Mouse", "", "", "No", 0, "Right", true, false, true, false},
    {"center click", 1, Marked({4}), "Mouse", "", "", "No", 0, "Center", true, false, true, false},
    {"left and right together", 1, Marked({3}), "Mouse", "", "", "No", 0, "", true, false, true, true},
    {"double click, any timing", 2, Marked({1, 40, 2, 90}), "Mouse", "", "", "No", 0, "Double", true, false, true,
     false},
    {"double click, right button", 2, Marked({2}), "Mouse", "", "", "No", 0, "", true, false, true, true},
    {"continuous key output", 5, Marked({0x03, 4}), "Keyboard", "", "", "No", 0, "", true, false, false, true},
    {"key chords", 9, Marked({0x2c, 0x0a}), "Keyboard", "", "", "No", 0, "", true, false, false, true},
    {"mode byte beyond every mode", 0xFF, Marked({1}), "Keyboard", "", "", "No", 0, "", true, false, false, true},
};

QString From(const char* text) { return QString::fromUtf8(text); }

TEST_F(StandardDialogTest, LoadsEveryKindOfRecord) {
    const char* radios[] = {"No", "With", "Only"};
    const char* clicks[] = {"Left", "Right", "Center", "Double"};
    const char* checks[] = {"checkboxCtrl", "checkboxShift", "checkboxAlt", "checkboxWindowsKey"};
    for (const auto& c : kLoadCases) {
        SCOPED_TRACE(c.name);
        SetRecord(1, c.mode, c.common);
        presenter_.QueueResponse(ALERT_FIRST_BUTTON);  // keep the dialog when warned
        Open();
        ASSERT_TRUE(dialog_);

        EXPECT_EQ(Find<QTabWidget>("tabcontrolOutputMode")->currentWidget()->objectName(), From("Tab_") + c.tab);
        EXPECT_EQ(Text("listboxKeys"), From(c.key));
        EXPECT_EQ(Find<QComboBox>("listboxKeys")->currentIndex() >= 0, *c.key != '\0');
        EXPECT_EQ(Text("textboxExplanation"), From(c.explanation));
        for (const char* r : radios) {
            EXPECT_EQ(IsOn(std::string("radiobutton") + r + "Modifiers"), std::string_view(r) == c.radio) << r;
        }
        for (const char* k : clicks) {
            EXPECT_EQ(IsOn(std::string("radiobutton") + k + "Click"), std::string_view(k) == c.click) << k;
        }
        for (int bit = 0; bit < 4; ++bit) {
            EXPECT_EQ(IsOn(checks[bit]), ((c.checks >> bit) & 1) != 0) << checks[bit];
            EXPECT_EQ(IsEnabled(checks[bit]), c.checksEnabled) << checks[bit];
        }
        EXPECT_EQ(IsEnabled("listboxKeys"), c.listEnabled);
        EXPECT_EQ(IsEnabled("textboxExplanation"), c.listEnabled);
        EXPECT_EQ(IsEnabled("labelExplanation"), c.listEnabled);
        EXPECT_EQ(IsEnabled("buttonProgramTarvik"), c.writeEnabled);
        EXPECT_EQ(presenter_.All().size(), c.warned ? 1u : 0u);
        EXPECT_TRUE(dialog_->isVisible()) << "the dialog stays open";
        // Loading reads the record; it never writes it.
        EXPECT_EQ(Mode(1), c.mode);
        EXPECT_EQ(CommonOf(1), c.common);
        dialog_->reject();
        Settle();
    }
    EXPECT_TRUE(host_.calls.empty());
}

TEST_F(StandardDialogTest, ShowsTheFixedTextsTheTitleLineAndTheStandardKeysInUsageOrder) {
    SetRecord(1, 0, Marked({0, 0}), 3);
    Open();
    const struct {
        const char* name;
        const char* text;
    } texts[] = {
        {"Label_PedalName", "標準設定 左ペダル"},
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
    for (const auto& t : texts) EXPECT_EQ(Text(t.name), From(t.text)) << t.name;

    auto* list = Find<QComboBox>("listboxKeys");
    ASSERT_EQ(list->count(), 91);
    const struct {
        int index;
        const char* name;
    } keys[] = {{0, "a"},  {35, "0"},  {36, "Enter (Return)"}, {44, "["},  {45, "]"},
                {52, "F1"}, {64, "Fn"}, {70, "→"},              {90, "キーパッド Delete"}};
    for (const auto& k : keys) EXPECT_EQ(list->itemText(k.index), From(k.name)) << k.index;
    EXPECT_EQ(list->findText(QStringLiteral("Caps Lock")), -1);
}

TEST_F(StandardDialogTest, WarningAnswersDecideWhetherTheDialogStays) {
    const char* const kKept = "Setting in Pedal 2 is out of the Standard, but the user selected setting by the Standard.";
    const char* const kCancelled = "Setting in Pedal 2 is out of the Standard, and the user selected canceling.";
    const struct {
        const char* name;
        int response;  // 0: none queued, the box's default (Return) answer
        bool unplugWhileAsked;
        bool stays;
        const char* line;
    } cases[] = {
        {"OK", ALERT_FIRST_BUTTON, false, true, kKept},
        {"キャンセル", ALERT_SECOND_BUTTON, false, false, kCancelled},
        {"Return", 0, false, false, kCancelled},
        {"other", 1002, false, true, "その他:1002"},
        // A modal box lets the dialog's timer run: the unit goes away while the user reads the warning.
        {"OK, but unplugged meanwhile", ALERT_FIRST_BUTTON, true, false, kKept},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetRecord(2, 0, Marked({0x00, 57}));
        if (c.response) presenter_.QueueResponse(c.response);
        presenter_.SetWhileShown([&](const ScriptedPresenter::Shown&) {
            if (!c.unplugWhileAsked) return;
            host_.unit_.Unplug();
        });
        // Not deleted on close, so that a dialog closed while loading is seen to finish once.
        auto d = Open(/*deleteOnClose=*/false);
        int finished = 0;
        QObject::connect(d, &QDialog::finished, [&](int) { ++finished; });
        Settle();
        ASSERT_EQ(presenter_.All().size(), 1u);
        EXPECT_TRUE(presenter_.All()[0].confirmation);
        EXPECT_EQ(presenter_.All()[0].title, "Oremba Tarvik");
        EXPECT_EQ(presenter_.All()[0].text,
                  "このペダルに設定されている内容は，標準設定の範囲を超えています．\r\n"
                  "標準の範囲で設定を行う場合は [OK]，何も行わずにメインウィンドウに戻る場合は [キャンセル] "
                  "をクリックして下さい．");
        EXPECT_NE(std::find(console_.Lines().begin(), console_.Lines().end(), c.line), console_.Lines().end());
        EXPECT_EQ(d->isVisible(), c.stays);
        EXPECT_EQ(State().StandardSettingDialogOpen, c.stays);
        EXPECT_FALSE(State().CloseStandardSetting);
        EXPECT_EQ(finished, c.stays ? 0 : 1);
        if (!c.stays) {
            EXPECT_EQ(d->result(), QDialog::Rejected);
        }
        EXPECT_EQ(CommonOf(2), Marked({0x00, 57}));
        delete d.data();
    }
    EXPECT_TRUE(host_.calls.empty()) << "nothing is sent";
}

}  // namespace
}  // namespace tarvik::test
