// Reading an attached unit into the window, and every way that read can end.
#include "MainWindowFixture.h"

namespace tarvik::test {
namespace {

// A chord record whose additional data ends in a byte only the last of its five exchanges brings.
PedalImage WithLastBlockByte(PedalImage pedal) {
    pedal.additional.back() = 0x27;
    return pedal;
}

struct ShownPedal {
    PedalImage record;
    const char* text;  // as the text view shows it
};

struct ReadCase {
    const char* what;
    std::vector<ShownPedal> pedals;
    int exchanges;
    int reportedCount = -1;  // what the unit says it has, when not its number of records
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
         2 + 5,
         7},  // a count above five is read as five pedals
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
          {WithLastBlockByte(Pedal(9, {0x2C, 0x0A, 0x10, 0x83, 0, 2, 0x02, 4, 5, 0, 0, 0, 0},
                                   {0x00, 6, 0, 0, 0, 0, 0, 0x11, 4, 5, 0, 6, 0, 0})),
           "[設定されている機能] 複数同時キー出力\n[オンの時間] 300 ミリ秒\n[間の時間] 10 ミリ秒\n"
           "[出力の数] 3\n[繰り返し数] 2\n[繰り返しの単位] 組\n"
           "[1番目の出力] [(左)shift] + [a] + [b]\n[2番目の出力] [c]\n"
           "[3番目の出力] [(左)control+右control] + [a] + [b]"}},
         2 + 5 + 5},
        {"mode 10",
         {{Pedal(10, {1, 0x00, 40, 0x04, 4}),
           "[設定されている機能] 変化時に出力\n[ペダルを踏んだ時の出力] あり 以下の通り\n[キー] Enter (Return)\n"
           "[モディファイア] なし\n[ペダルを離した時の出力] なし"}},
         2 + 1},
    };
}

class AttachReadTest : public MainWindowTest {};

TEST_F(AttachReadTest, ShowsEveryPedalOfEveryModeWithOneExchangePerRecordAndFivePerChordRecord) {
    for (const ReadCase& c : ReadCases()) {
        SCOPED_TRACE(c.what);
        std::vector<PedalImage> pedals;
        for (const ShownPedal& p : c.pedals) pedals.push_back(p.record);
        UnitImage image = Unit(pedals);
        if (c.reportedCount >= 0) image.pedalCount = c.reportedCount;
        Start(image);
        ASSERT_TRUE(ReadEnds());

        EXPECT_EQ(unit->Transcript().size(), static_cast<qsizetype>(2 * c.exchanges));
        EXPECT_EQ(unit->CommandCount(GET_VERSION_NUMBER), 1);
        EXPECT_EQ(unit->CommandCount(GET_NUMBER_OF_PEDALS), 1);
        EXPECT_EQ(unit->CommandCount(GET_OUTPUT_MODE_AND_DATA), static_cast<int>(c.pedals.size()));
        EXPECT_EQ(Explanation(),
                  "Tarvikの現在の設定が下に表示されています。\n"
                  "設定を変更する場合、設定したいペダルに対応するボタンをクリックしてTarvikの出力を設定して下さい。");
        const int n = static_cast<int>(c.pedals.size());
        EXPECT_EQ(State().NumberOfPedals, n);
        for (int p = 0; p < 5; ++p) {
            EXPECT_EQ(Standard(p)->isEnabled(), p < n) << p;
            if (p >= n) continue;
            const ShownPedal& shown = c.pedals[static_cast<std::size_t>(p)];
            EXPECT_EQ(Text(p), shown.text) << p;
            EXPECT_TRUE(TextView(p)->isVisible()) << p;
            EXPECT_TRUE(Label(p)->isEnabled()) << p;
            EXPECT_FALSE(Advanced(p)->isEnabled()) << p;
            EXPECT_EQ(State().AdditionalData[static_cast<std::size_t>(p)], shown.record.additional) << p;
        }
        EXPECT_TRUE(presenter.All().empty());
        EXPECT_EQ(SentDuring(150), 0) << "a unit is read once per attach";
    }
}

TEST_F(AttachReadTest, UnpluggingFiveAndReplugingThreeShrinksTheWindow) {
    Start(Unit({Pedal(1, {1}), Pedal(0, {0, 40}), Pedal(1, {2}), Pedal(0, {0, 80}), Pedal(0, {0, 79})}));
    ASSERT_TRUE(ReadEnds());
    EXPECT_EQ(window->width(), 1130);
    EXPECT_EQ(Text(4), "[設定されている機能] キー出力\n[キー] →\n[キー説明] 右矢印\n[モディファイア] なし");

    unit->Unplug();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Standard(0)->isEnabled(); }, 3000));
    ExpectNoUnitLook();
    unit->Image().pedals.resize(3);
    unit->Plug();
    ASSERT_TRUE(ReadEnds());
    EXPECT_EQ(window->width(), 680);
    EXPECT_EQ(Label(1)->x(), 15);
    for (QWidget* w : std::initializer_list<QWidget*>{Label(3), TextView(3), Standard(4), TextView(4)}) {
        EXPECT_FALSE(w->isVisible());
    }
    EXPECT_TRUE(TextView(2)->isVisible());
}

TEST_F(AttachReadTest, FirmwareFromMajorVersionThreeIsRefusedAndTheProgramEnds) {
    const struct {
        std::array<std::uint8_t, 3> firmware;
        bool refused;
    } cases[] = {{{3, 0, 0}, true}, {{255, 9, 9}, true}, {{2, 255, 255}, false}, {{0, 0, 1}, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.firmware[0]));
        Start(Unit({Pedal(1, {1})}, c.firmware));
        EXPECT_EQ(ReadEnds(), !c.refused);
        EXPECT_EQ(exitStatus, c.refused ? std::optional<int>(0) : std::nullopt);
        EXPECT_EQ(presenter.Texts(), c.refused ? std::vector<std::string>{"このバージョンは対応しておりません"}
                                               : std::vector<std::string>{});
        EXPECT_EQ(unit->CommandCount(GET_NUMBER_OF_PEDALS), c.refused ? 0 : 1);
        EXPECT_EQ(Standard(0)->isEnabled(), !c.refused);
    }
}

TEST_F(AttachReadTest, EachFailedExchangeStopsTheReadAndStoresNothingOfIt) {
    const struct {
        const char* what;
        std::function<void(SimulatedUnit&)> breakIt;
        int exchanges;  // sent before the read gives up, the failed one included
    } cases[] = {
        {"version", [](SimulatedUnit& u) { u.SetSilentCommands({GET_VERSION_NUMBER}); }, 1},
        {"pedal count", [](SimulatedUnit& u) { u.SetSilentCommands({GET_NUMBER_OF_PEDALS}); }, 2},
        {"mode and data", [](SimulatedUnit& u) { u.SetSilentCommands({GET_OUTPUT_MODE_AND_DATA}); }, 3},
        {"additional data", [](SimulatedUnit& u) { u.SetSilentCommands({GET_ADDITIONAL_DATA}); }, 4},
        {"unit pulled out", [](SimulatedUnit& u) { u.SetDropOffOnCommand(GET_OUTPUT_MODE_AND_DATA); }, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        // Pedal 0 in the chord mode, so every kind of exchange comes up.
        Start(Unit({Pedal(9, {0, 0, 0, 1, 0, 0, 0, 4}, {1, 2, 3}), Pedal(1, {2})}));
        c.breakIt(*unit);
        EXPECT_FALSE(ReadEnds());
        EXPECT_EQ(unit->Transcript().size(), static_cast<qsizetype>(2 * c.exchanges - 1));
        EXPECT_EQ(State().OutputMode[0], 0);
        EXPECT_EQ(State().AdditionalData[0][0], 0);
        EXPECT_EQ(presenter.Texts(), std::vector<std::string>{"タイムアウト"});
        EXPECT_EQ(SentDuring(150), 0) << "not read again until attached again";
        ExpectNoUnitLook();
    }
}

TEST_F(AttachReadTest, UnitThatMayNotBeOpenedPointsToTheUdevRuleUntilItCanBe) {
    Start(Unit({Pedal(1, {1})}), false);
    unit->SetOpenResult(OpenResult::PermissionDenied);
    unit->Plug();
    // The second line names the rule as this machine has it (tested with made-up folders elsewhere).
    const std::string hint = "Tarvikが接続されていますが、アクセス権がないため開くことができません。\nudevルール ";
    ASSERT_TRUE(QTest::qWaitFor([&] { return Explanation().starts_with(hint); }, 3000)) << Explanation();
    EXPECT_FALSE(Standard(0)->isEnabled());

    unit->Unplug();
    unit->SetOpenResult(OpenResult::Opened);
    unit->Plug();
    ASSERT_TRUE(ReadEnds());
    EXPECT_TRUE(Standard(0)->isEnabled());
}

}  // namespace
}  // namespace tarvik::test
