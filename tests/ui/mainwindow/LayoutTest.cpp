// The window's columns, names and enabled controls for every pedal count.
#include "MainWindowFixture.h"

namespace tarvik::test {
namespace {

struct LayoutCase {
    int count;
    int width;
    int shift;
    bool pedal3Shown;
    bool pedal4Shown;
    const char* names[5];
};

const LayoutCase kLayouts[] = {
    {0, 680, 0, false, false, {"中央ペダル", "左ペダル", "右ペダル", "左端ペダル", "右端ペダル"}},
    {1, 680, 0, false, false, {"ペダル", "左ペダル", "右ペダル", "左端ペダル", "右端ペダル"}},
    {2, 680, 0, false, false, {"右ペダル", "左ペダル", "右ペダル", "左端ペダル", "右端ペダル"}},
    {3, 680, 0, false, false, {"中央ペダル", "左ペダル", "右ペダル", "左端ペダル", "右端ペダル"}},
    {4, 905, 225, true, false, {"右ペダル", "左ペダル", "右端ペダル", "左端ペダル", "右端ペダル"}},
    {5, 1130, 225, true, true, {"中央ペダル", "左ペダル", "右ペダル", "左端ペダル", "右端ペダル"}},
    // Beyond the unit's range: width, visibility and names stay as they were, no shift.
    {7, 680, 0, false, false, {"中央ペダル", "左ペダル", "右ペダル", "左端ペダル", "右端ペダル"}},
};

class LayoutTest : public MainWindowTest {};

TEST_F(LayoutTest, PedalCountStepSetsWidthColumnsNamesAndTitles) {
    Start(Unit({}), /*plugged=*/false);
    for (const LayoutCase& c : kLayouts) {
        SCOPED_TRACE(c.count);
        window->InitializeControls();
        window->LayoutForPedalCount(c.count);

        EXPECT_EQ(window->width(), c.width);
        EXPECT_EQ(window->minimumWidth(), c.width);
        EXPECT_EQ(window->maximumWidth(), c.width);
        EXPECT_EQ(window->minimumHeight(), window->maximumHeight());

        const int left[3] = {240, 15, 465};
        for (int p = 0; p < 3; ++p) {
            EXPECT_EQ(Label(p)->x(), left[p] + c.shift) << p;
            EXPECT_EQ(TextView(p)->x(), left[p] + c.shift) << p;
            EXPECT_EQ(Standard(p)->x(), left[p] + c.shift) << p;
            EXPECT_EQ(Advanced(p)->x(), left[p] + 5 + c.shift) << p;
        }
        EXPECT_EQ(Label(3)->x(), 15);
        EXPECT_EQ(Standard(4)->x(), 915);

        EXPECT_EQ(Label(3)->isVisible(), c.pedal3Shown);
        EXPECT_EQ(Standard(3)->isVisible(), c.pedal3Shown);
        EXPECT_EQ(Label(4)->isVisible(), c.pedal4Shown);
        EXPECT_EQ(Standard(4)->isVisible(), c.pedal4Shown);
        for (int p = 0; p < 3; ++p) EXPECT_TRUE(Label(p)->isVisible()) << p;

        for (int p = 0; p < 5; ++p) {
            EXPECT_EQ(Label(p)->text().toStdString(), c.names[p]) << p;
            EXPECT_EQ(Standard(p)->text().toStdString(), std::string(c.names[p]) + "の設定（標準）") << p;
            EXPECT_EQ(Advanced(p)->text().toStdString(), std::string(c.names[p]) + "の設定（高度）") << p;
            EXPECT_FALSE(Standard(p)->isEnabled()) << p;
            EXPECT_FALSE(Advanced(p)->isEnabled()) << p;
            if (p > 0) {
                EXPECT_FALSE(Label(p)->isEnabled()) << p;
            }
        }
        // Every visible control lies inside the window, none under another.
        for (int p = 0; p < 5; ++p) {
            if (!Standard(p)->isVisible()) continue;
            EXPECT_LE(Standard(p)->geometry().right(), window->width()) << p;
            for (int q = p + 1; q < 5; ++q) {
                if (Standard(q)->isVisible()) {
                    EXPECT_FALSE(Standard(p)->geometry().intersects(Standard(q)->geometry())) << p << "," << q;
                }
            }
        }
    }
}

TEST_F(LayoutTest, ActivationEnablesOnlyThatPedalsNameTextAndStandardButton) {
    Start(Unit({}), false);
    window->InitializeControls();
    window->LayoutForPedalCount(5);
    for (int p : {2, 4}) window->ActivatePedal(p);
    window->ActivatePedal(5);   // no such pedal: ignored
    window->ActivatePedal(-1);
    for (int p = 0; p < 5; ++p) {
        const bool active = p == 2 || p == 4;
        EXPECT_EQ(Label(p)->isEnabled(), active) << p;
        EXPECT_EQ(TextView(p)->isVisibleTo(window.get()), active || p == 3) << p;  // pedal 3's view shown by the count
        EXPECT_EQ(Standard(p)->isEnabled(), active) << p;
        EXPECT_FALSE(Advanced(p)->isEnabled()) << p;
    }
}

TEST_F(LayoutTest, InitializeControlsRestoresTheNoUnitLookFromAnyLayout) {
    Start(Unit({}), false);
    window->LayoutForPedalCount(5);
    for (int p = 0; p < 5; ++p) {
        window->ActivatePedal(p);
        TextView(p)->setPlainText(QStringLiteral("x"));
    }
    window->InitializeControls();
    ExpectNoUnitLook();
}

TEST_F(LayoutTest, DescriptionsShowLineBreaksWithoutCarriageReturns) {
    Start(Unit({}), false);
    window->LayoutForPedalCount(3);
    State().OutputMode[1] = SIMPLE_KEY_OUTPUT;
    State().CommonData[1][0] = 0x00;
    State().CommonData[1][1] = 40;
    State().SelectedPedalNo = 1;
    window->WritePedalContents();
    EXPECT_EQ(Text(1), "[設定されている機能] キー出力\n[キー] Enter (Return)\n[モディファイア] なし");
    EXPECT_EQ(TextView(1)->document()->blockCount(), 3);

    // An index outside the pedals changes no view.
    for (int p : {-1, 5, 1000}) {
        State().SelectedPedalNo = p;
        window->WritePedalContents();
    }
    for (int p : {0, 2, 3, 4}) EXPECT_EQ(Text(p), "") << p;
    EXPECT_EQ(Text(1), "[設定されている機能] キー出力\n[キー] Enter (Return)\n[モディファイア] なし");
    // The explanation's lone carriage return is a line break too.
    EXPECT_FALSE(Explanation().contains(QLatin1Char('\r')));
    EXPECT_TRUE(Explanation().contains(QLatin1Char('\n')));
}

}  // namespace
}  // namespace tarvik::test
