// Reading an attached unit into the window, and every way that read can end.
#include "MainWindowFixture.h"

namespace tarvik::test {
namespace {

// Chords 2 to 10 in the additional record: chord k presses the digit key k - 1 (the last one lies in
// the short last block).
std::initializer_list<int> kNineChords = {0, 30, 0, 0, 0, 0, 0, 0, 31, 0, 0, 0, 0, 0, 0, 32, 0, 0, 0, 0, 0,
                                          0, 33, 0, 0, 0, 0, 0, 0, 34, 0, 0, 0, 0, 0, 0, 35, 0, 0, 0, 0, 0,
                                          0, 36, 0, 0, 0, 0, 0, 0, 37, 0, 0, 0, 0, 0, 0, 38, 0, 0, 0, 0, 0};

struct ShownPedal {
    PedalImage record;
    const char* text;  // as the text view shows it
};

struct ReadCase {
    const char* what;
    std::vector<ShownPedal> pedals;
    int exchanges;
};

std::vector<ReadCase> ReadCases() {
    return {
        {"modes 0 to 4",
         {{Pedal(0, {0x01, 4}),
           "[設定されている機能] キー出力\n[キー] a\n[キー説明] Shiftプラスこのキーで大文字 A\n[モディファイア] (左)control"},
          {Pedal(1, {7}), "[設定されている機能] クリック\n[ボタン] 左, 右, 中央ボタン 同時クリック"},
          {Pedal(2, {1, 15, 0, 15}),
           "[設定されている機能] ダブルクリック\n[ボタン] 左\n[１番目のクリックの長さ] 15 ミリ秒\n"
           "[２番目のクリックの長さ] １番目のクリックと同じ\n[クリックの間の長さ] 15 ミリ秒"},
          {Pedal(3, {0x02, 1}),
           "[設定されている機能] モディファイア プラス クリック\n[モディファイア] (左)shift\n[クリック] 左ボタン クリック"},
          {Pedal(4, {0x40, 2, 0, 15, 0, 15}),
           "[設定されている機能] モディファイア プラス ダブルクリック\n[モディファイア] 右option\n"
           "[クリック] 右ボタン ダブルクリック\n[１番目のクリックの長さ] 15 ミリ秒\n"
           "[２番目のクリックの長さ] １番目のクリックと同じ\n[クリックの間の長さ] 15 ミリ秒"}},
         2 + 5},
        {"modes 5 to 9",
         {{Pedal(5, {0x20, 81, 0, 0, 0, 0, 1, 0x00, 5, 0x00, 25, 0x01, 0x2C}),
           "[設定されている機能] 連続キー出力\n[キー] ↓\n[キー説明] 下矢印\n[モディファイア] 右shift\n"
           "[速度] 2.5 回/秒\n[加速] あり\n[加速指標] 300\n[繰り返し数] 5"},
          {Pedal(6, {1, 1, 0, 25, 0, 100, 1, 0, 3, 0, 25, 0, 10}),
           "[設定されている機能] マウスポインタ移動\n[移動方向] 右下\n[速度] 25 ドット/秒\n[加速] あり\n"
           "[加速指標] 10\n[繰り返し数] 3"},
          {Pedal(7, {255, 0, 0, 0, 0, 2, 0, 10, 0x01, 0x2C, 0x01, 0x00}),
           "[設定されている機能] ホイール回転\n[回転方向] 後方\n[速度] 300 回/秒\n[加速] あり\n"
           "[加速指標] 256\n[繰り返し数] 10"},
          {Pedal(8, {4, 0, 0, 0, 0, 1, 0, 3, 0, 15, 0, 50}),
           "[設定されている機能] 連続クリック\n[ボタン] 中央\n[速度] 1.5 回/秒\n[加速] あり\n"
           "[加速指標] 50\n[繰り返し数] 3"},
          {Pedal(9, {0x2C, 0x0A, 0x10, 0x83, 0, 2, 0x02, 4, 5, 0, 0, 0, 0},
                 {0x00, 6, 0, 0, 0, 0, 0, 0x11, 4, 5, 0, 6, 0, 0}),
           "[設定されている機能] 複数同時キー出力\n[オンの時間] 300 ミリ秒\n[間の時間] 10 ミリ秒\n"
           "[出力の数] 3\n[繰り返し数] 2\n[繰り返しの単位] 組\n"
           "[1番目の出力] [(左)shift] + [a] + [b]\n[2番目の出力] [c]\n"
           "[3番目の出力] [(左)control+右control] + [a] + [b]"}},
         2 + 5 + 5},
        {"mode 10 and ten chords",
         {{Pedal(10, {1, 0x00, 40, 0x04, 4}),
           "[設定されている機能] 変化時に出力\n[ペダルを踏んだ時の出力] あり 以下の通り\n[キー] Enter (Return)\n"
           "[モディファイア] なし\n[ペダルを離した時の出力] なし"},
          {Pedal(9, {0, 0, 0, 0x0A, 0, 0, 0, 4}, kNineChords),
           "[設定されている機能] 複数同時キー出力\n[オンの時間] 0 ミリ秒\n[間の時間] 0 ミリ秒\n[出力の数] 10\n"
           "[繰り返し] ペダルを離すまで\n[1番目の出力] [a]\n[2番目の出力] [1]\n[3番目の出力] [2]\n"
           "[4番目の出力] [3]\n[5番目の出力] [4]\n[6番目の出力] [5]\n[7番目の出力] [6]\n[8番目の出力] [7]\n"
           "[9番目の出力] [8]\n[10番目の出力] [9]"}},
         2 + 2 + 5},
    };
}

class AttachReadTest : public MainWindowTest {};

TEST_F(AttachReadTest, ShowsEveryPedalOfEveryModeWithOneExchangePerRecordAndFivePerChordRecord) {
    for (const ReadCase& c : ReadCases()) {
        SCOPED_TRACE(c.what);
        State() = DeviceState{};
        std::vector<PedalImage> pedals;
        for (const ShownPedal& p : c.pedals) pedals.push_back(p.record);
        Start(Unit(pedals));
        ASSERT_TRUE(ReadEnds());

        EXPECT_EQ(unit->Transcript().size(), static_cast<qsizetype>(2 * c.exchanges));
        EXPECT_EQ(unit->CommandCount(GET_VERSION_NUMBER), 1);
        EXPECT_EQ(unit->CommandCount(GET_NUMBER_OF_PEDALS), 1);
        EXPECT_EQ(unit->CommandCount(GET_OUTPUT_MODE_AND_DATA), static_cast<int>(c.pedals.size()));
        EXPECT_EQ(Explanation().toStdString(),
                  "Tarvikの現在の設定が下に表示されています。\n"
                  "設定を変更する場合、設定したいペダルに対応するボタンをクリックしてTarvikの出力を設定して下さい。");
        const int n = static_cast<int>(c.pedals.size());
        for (int p = 0; p < n; ++p) {
            EXPECT_EQ(Text(p), c.pedals[static_cast<std::size_t>(p)].text) << p;
            EXPECT_TRUE(TextView(p)->isVisible()) << p;
            EXPECT_TRUE(Label(p)->isEnabled()) << p;
            EXPECT_TRUE(Standard(p)->isEnabled()) << p;
            EXPECT_FALSE(Advanced(p)->isEnabled()) << p;
            EXPECT_EQ(State().AdditionalData[static_cast<std::size_t>(p)],
                      c.pedals[static_cast<std::size_t>(p)].record.additional) << p;
        }
        for (int p = n; p < 5; ++p) EXPECT_FALSE(Standard(p)->isEnabled()) << p;
        EXPECT_EQ(State().SelectedPedalNo, n - 1);
        EXPECT_TRUE(presenter.All().empty());

        // A unit is read once per attach: later ticks send nothing.
        const auto sent = unit->Transcript().size();
        Ticks(250);
        EXPECT_EQ(unit->Transcript().size(), sent);
        window.reset();
    }
}

TEST_F(AttachReadTest, UnitThatGoesAwayLeavesTheNoUnitLook) {
    Start(Unit({Pedal(1, {1}), Pedal(0, {0, 40}), Pedal(1, {2})}));
    ASSERT_TRUE(ReadEnds());
    unit->Unplug();
    ASSERT_TRUE(WaitFor([&] { return !Standard(0)->isEnabled(); }));
    ExpectNoUnitLook();
}

TEST_F(AttachReadTest, ReplugOfASmallerUnitShrinksTheWindow) {
    Start(Unit({Pedal(1, {1}), Pedal(0, {0, 40}), Pedal(1, {2}), Pedal(0, {0, 80}), Pedal(0, {0, 79})}));
    ASSERT_TRUE(ReadEnds());
    EXPECT_EQ(window->width(), 1130);
    EXPECT_TRUE(Label(4)->isVisible());
    EXPECT_EQ(Text(4), "[設定されている機能] キー出力\n[キー] →\n[キー説明] 右矢印\n[モディファイア] なし");

    unit->Unplug();
    Ticks(250);
    unit->Image().pedals.resize(3);
    unit->Plug();
    ASSERT_TRUE(ReadEnds());
    EXPECT_EQ(window->width(), 680);
    for (int p : {3, 4}) {
        EXPECT_FALSE(Label(p)->isVisible()) << p;
        EXPECT_FALSE(TextView(p)->isVisible()) << p;
        EXPECT_FALSE(Standard(p)->isVisible()) << p;
    }
    EXPECT_EQ(Label(1)->x(), 15);
    EXPECT_EQ(Label(0)->text().toStdString(), "中央ペダル");
}

TEST_F(AttachReadTest, FirmwareFromMajorVersionThreeIsRefusedAndTheProgramEnds) {
    const struct {
        std::array<std::uint8_t, 3> firmware;
        bool refused;
    } cases[] = {{{3, 0, 0}, true}, {{255, 9, 9}, true}, {{2, 255, 255}, false}, {{0, 0, 1}, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.firmware[0]));
        State() = DeviceState{};
        presenter.Clear();
        exitStatus.reset();
        Start(Unit({Pedal(1, {1})}, c.firmware));
        EXPECT_EQ(ReadEnds(), !c.refused);
        if (c.refused) {
            ASSERT_TRUE(exitStatus.has_value());
            EXPECT_EQ(*exitStatus, 0);
            EXPECT_EQ(presenter.Texts(), std::vector<std::string>{"このバージョンは対応しておりません"});
            EXPECT_EQ(unit->CommandCount(GET_NUMBER_OF_PEDALS), 0);
            EXPECT_FALSE(Standard(0)->isEnabled());
        } else {
            EXPECT_FALSE(exitStatus.has_value());
            EXPECT_TRUE(presenter.All().empty());
        }
        window.reset();
    }
}

TEST_F(AttachReadTest, EachFailedExchangeStopsTheReadAndStoresNothingOfIt) {
    const struct {
        const char* what;
        int silent;
        int exchanges;  // sent before the read gives up, the silent one included
    } cases[] = {
        {"version", GET_VERSION_NUMBER, 1},
        {"pedal count", GET_NUMBER_OF_PEDALS, 2},
        {"mode and data", GET_OUTPUT_MODE_AND_DATA, 3},
        {"additional data", GET_ADDITIONAL_DATA, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        State() = DeviceState{};
        presenter.Clear();
        // Pedal 0 in the chord mode, so every kind of exchange comes up.
        Start(Unit({Pedal(9, {0, 0, 0, 1, 0, 0, 0, 4}, {1, 2, 3}), Pedal(1, {2})}));
        unit->SetSilentCommands({c.silent});
        EXPECT_FALSE(ReadEnds());
        EXPECT_EQ(unit->Transcript().size(), static_cast<qsizetype>(2 * c.exchanges - 1));
        ExpectNoUnitLook();
        EXPECT_EQ(State().OutputMode[0], 0);
        EXPECT_EQ(State().AdditionalData[0][0], 0);
        EXPECT_EQ(presenter.Texts(), std::vector<std::string>{"タイムアウト"});
        // Not read again until it is attached again.
        const auto sent = unit->Transcript().size();
        Ticks(250);
        EXPECT_EQ(unit->Transcript().size(), sent);
        window.reset();
    }
}

TEST_F(AttachReadTest, UnitPulledOutDuringTheReadIsNeverShownAsConnected) {
    Start(Unit({Pedal(1, {1}), Pedal(0, {0, 40}), Pedal(1, {2})}));
    unit->SetDropOffOnCommand(GET_OUTPUT_MODE_AND_DATA);
    EXPECT_FALSE(ReadEnds());
    Ticks(250);
    ExpectNoUnitLook();
}

TEST_F(AttachReadTest, CountAboveFiveIsReadAsFivePedals) {
    UnitImage image = Unit({Pedal(1, {1}), Pedal(0, {0, 40}), Pedal(1, {2}), Pedal(0, {0, 80}), Pedal(0, {0, 79})});
    image.pedalCount = 7;
    Start(image);
    ASSERT_TRUE(ReadEnds());
    EXPECT_EQ(State().NumberOfPedals, 5);
    EXPECT_EQ(unit->CommandCount(GET_OUTPUT_MODE_AND_DATA), 5);
    EXPECT_EQ(window->width(), 1130);
    for (int p = 0; p < 5; ++p) EXPECT_TRUE(Standard(p)->isEnabled()) << p;
}

TEST_F(AttachReadTest, UnitThatMayNotBeOpenedPointsToTheUdevRule) {
    unit = nullptr;
    Start(Unit({Pedal(1, {1})}), false);
    unit->SetOpenResult(OpenResult::PermissionDenied);
    unit->Plug();
    ASSERT_TRUE(WaitFor([&] { return Explanation().contains(QStringLiteral("udev")); }));
    EXPECT_EQ(Explanation().toStdString(),
              "Tarvikが接続されていますが、アクセス権がないため開くことができません。\n"
              "udevルール packaging/70-tarvik.rules を /etc/udev/rules.d/ に置き（README参照）、Tarvikを挿し直して下さい。");
    EXPECT_FALSE(Standard(0)->isEnabled());

    // Once it can be opened, the unit is read as usual.
    unit->Unplug();
    unit->SetOpenResult(OpenResult::Opened);
    unit->Plug();
    ASSERT_TRUE(ReadEnds());
    EXPECT_TRUE(Standard(0)->isEnabled());
}

}  // namespace
}  // namespace tarvik::test
