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

TEST_F(LayoutTest, PedalCountSetsWidthColumnsNamesTitlesAndVisibility) {
    Start(Unit({}), /*plugged=*/false);
    for (const LayoutCase& c : kLayouts) {
        SCOPED_TRACE(c.count);
        window->InitializeControls();
        window->LayoutForPedalCount(c.count);
        EXPECT_EQ(window->minimumWidth(), c.width);
        EXPECT_EQ(window->maximumWidth(), c.width);

        const int left[3] = {240, 15, 465};
        for (int p = 0; p < 3; ++p) {
            EXPECT_EQ(Label(p)->x(), left[p] + c.shift) << p;
            EXPECT_EQ(TextView(p)->x(), left[p] + c.shift) << p;
            EXPECT_EQ(Standard(p)->x(), left[p] + c.shift) << p;
            EXPECT_EQ(Advanced(p)->x(), left[p] + 5 + c.shift) << p;
        }
        EXPECT_EQ(Label(3)->x(), 15);
        EXPECT_EQ(Standard(4)->x(), 915);
        for (int p = 0; p < 5; ++p) {
            const bool shown = p < 3 || (p == 3 && c.pedal3Shown) || (p == 4 && c.pedal4Shown);
            EXPECT_EQ(Label(p)->isVisible(), shown) << p;
            EXPECT_EQ(Standard(p)->isVisible(), shown) << p;
            EXPECT_EQ(Label(p)->text().toStdString(), c.names[p]) << p;
            EXPECT_EQ(Standard(p)->text().toStdString(), std::string(c.names[p]) + "の設定（標準）") << p;
            EXPECT_EQ(Advanced(p)->text().toStdString(), std::string(c.names[p]) + "の設定（高度）") << p;
            EXPECT_FALSE(Standard(p)->isEnabled()) << p;
            EXPECT_FALSE(Advanced(p)->isEnabled()) << p;
            if (p > 0) {
                EXPECT_FALSE(Label(p)->isEnabled()) << p;
            }
        }
    }
}

TEST_F(LayoutTest, OnlyAnActivatedPedalIsUsableAndIndexesOutsideThePedalsChangeNothing) {
    Start(Unit({}), false);
    window->LayoutForPedalCount(5);
    for (int p : {-1, 5, 1000}) {
        window->ActivatePedal(p);
        State().SelectedPedalNo = p;
        window->WritePedalContents();
        EXPECT_EQ(window->SetPedal2Advanced_clicked(p), nullptr) << p;
    }
    window->ActivatePedal(2);
    for (int p = 0; p < 5; ++p) {
        EXPECT_EQ(Label(p)->isEnabled(), p == 2) << p;
        EXPECT_EQ(TextView(p)->isVisibleTo(window.get()), p >= 2) << p;  // 3 and 4 shown by the count
        EXPECT_EQ(Standard(p)->isEnabled(), p == 2) << p;
        EXPECT_FALSE(Advanced(p)->isEnabled()) << p;
        EXPECT_EQ(Text(p), "") << p;
    }
}

}  // namespace
}  // namespace tarvik::test
