// SPDX-License-Identifier: GPL-3.0-or-later
// The window's columns, names and enabled controls for every pedal count; the order Tab takes
// through them; the layout at a larger font.
#include <QApplication>
#include <QFont>
#include <QScrollArea>
#include <QScrollBar>

#include "WindowFixture.h"

namespace tarvik::test {
namespace {

using LayoutTest = WindowTest;

TEST_F(LayoutTest, PedalCountSetsWidthColumnsNamesTitlesAndVisibility) {
    // The names for each count are the pedal names' own; a count outside the unit's range changes
    // neither width, visibility nor names: what InitializeControls set stays (7 after 5, 0 after 4).
    const std::string center = Lang("中央ペダル", "Center pedal"), right = Lang("右ペダル", "Right pedal");
    const struct { int count, width, shift; std::string name0, name2; } layouts[] = {
        {5, 1130, 225, center, right}, {7, 680, 0, center, right}, {4, 905, 225, right, Lang("右端ペダル", "Far-right pedal")},
        {0, 680, 0, center, right}, {1, 680, 0, Lang("ペダル", "Pedal"), right}, {2, 680, 0, right, right},
        {3, 680, 0, center, right}};
    Start(Unit({}), /*plugged=*/false);
    for (const auto& c : layouts) {
        SCOPED_TRACE(c.count);
        window->InitializeControls();
        window->LayoutForPedalCount(c.count);
        // The English titles are longer than the design's buttons: the whole design grows by one
        // factor until they fit. The Japanese ones keep its exact pixels.
        ExpectWidth(window->minimumWidth(), c.width);
        const double k = double(window->minimumWidth()) / c.width, slack = EnglishRun() ? 1.0 : 0.0;
        EXPECT_EQ(window->maximumWidth(), window->minimumWidth());
        const int left[3] = {240, 15, 465};
        for (int p = 0; p < 3; ++p) {
            EXPECT_NEAR(W("labelPedal", p, "Name")->x(), (left[p] + c.shift) * k, slack) << p;
            EXPECT_NEAR(W("textboxPedal", p, "Contents")->x(), (left[p] + c.shift) * k, slack) << p;
            EXPECT_NEAR(W("buttonSetPedal", p, "Advanced")->x(), (left[p] + 5 + c.shift) * k, slack) << p;
        }
        EXPECT_NEAR(W("labelPedal", 3, "Name")->x(), 15 * k, slack);
        EXPECT_NEAR(W("buttonSetPedal", 4, "Standard")->x(), 915 * k, slack);
        EXPECT_EQ(Text(*window, "labelPedal0Name"), c.name0);
        EXPECT_EQ(Text(*window, "labelPedal2Name"), c.name2);
        EXPECT_EQ(Text(*window, "buttonSetPedal2Standard"),
                  EnglishRun() ? c.name2 + " settings (standard)" : c.name2 + "の設定（標準）");
        EXPECT_EQ(Text(*window, "buttonSetPedal2Advanced"),
                  EnglishRun() ? c.name2 + " settings (advanced)" : c.name2 + "の設定（高度）");
        for (int p = 0; p < 5; ++p) {
            const bool shown = p < 3 || (p == 3 && c.count >= 4 && c.count <= 5) || (p == 4 && c.count == 5);
            EXPECT_EQ(W("labelPedal", p, "Name")->isVisible(), shown) << p;
            EXPECT_EQ(W("buttonSetPedal", p, "Standard")->isVisible(), shown) << p;
        }
    }
}

// Each pedal's description, then its button, column by column (where each stands is pinned above).
TEST_F(LayoutTest, TabGoesThroughThePedalsAsTheirColumnsStandLeftToRight) {
    const std::vector<std::vector<int>> orders = {{0}, {1, 0}, {1, 0, 2}, {3, 1, 0, 2}, {3, 1, 0, 2, 4}};
    for (int count = 1; count <= 5; ++count) {
        SCOPED_TRACE(count);
        Start(Unit(std::vector<PedalImage>(static_cast<std::size_t>(count), Pedal(0))));
        ASSERT_TRUE(ReadEnds());
        std::string expected;
        for (int p : orders[count - 1]) expected += Id("textboxPedal", p, "Contents ") + Id("buttonSetPedal", p, "Standard ");
        EXPECT_EQ(Names(TabOrder(*window)), expected);
    }
}

// The pixels of the layout are those of the usual 9-point font; a larger font, in points or in
// pixels, scales them so that every title fits its control, and the usual font brings them back.
TEST_F(LayoutTest, ALargerFontScalesTheLayoutSoThatNoTitleIsCut) {
    const QFont usual = QApplication::font();
    QFont large = usual;
    large.setPointSizeF(13.5);
    QFont pixels = usual;
    pixels.setPixelSize(20);
    const struct { const char* what; QFont font; int fiveColumnWidth; } fonts[] = {
        {"13.5 points", large, 1695}, {"20 pixels", pixels, 1883}, {"9 points", usual, 1130}};
    Start(Unit({}), /*plugged=*/false);
    for (const auto& f : fonts) {
        SCOPED_TRACE(f.what);
        QApplication::setFont(f.font);
        QApplication::processEvents();  // the widgets take the new font
        for (int count = 1; count <= 5; ++count) {
            SCOPED_TRACE(count);
            window->InitializeControls();
            window->LayoutForPedalCount(count);
            if (count == 5) ExpectWidth(window->minimumWidth(), f.fiveColumnWidth);
            for (int p = 0; p < 5; ++p) {
                for (QWidget* control : {W("labelPedal", p, "Name"), W("buttonSetPedal", p, "Standard"),
                                         W("buttonSetPedal", p, "Advanced")}) {
                    if (control->isHidden()) continue;
                    SCOPED_TRACE(control->objectName().toStdString());
                    EXPECT_LE(control->sizeHint().width(), control->width());
                    EXPECT_LE(control->sizeHint().height(), control->height());
                    EXPECT_LE(control->geometry().right(), window->centralWidget()->width());
                }
            }
            auto* explanation = Find<QLabel>(*window, "labelMainWindowExplanation");
            EXPECT_LE(explanation->heightForWidth(explanation->width()), explanation->height());
        }
    }
    QApplication::setFont(usual);
    QApplication::processEvents();
}

// On a 1024×768 screen the five-pedal window, 1130 pixels wide, stays inside the screen and its
// pedals scroll; on a large screen it has its exact pixels and nothing scrolls.
TEST_F(LayoutTest, OnASmallScreenTheWindowStaysInsideAndThePedalsScroll) {
    Start(Unit(std::vector<PedalImage>(5, Pedal(0))));
    ASSERT_TRUE(ReadEnds());
    auto* scroll = Find<QScrollArea>(*window, "scrollPedals");
    ExpectWidth(window->width(), 1130);
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());

    const QRect small(0, 0, 1024, 768);
    window->move(300, 200);
    window->FitInto(small);
    QApplication::processEvents();
    EXPECT_TRUE(small.contains(window->frameGeometry()));
    EXPECT_TRUE(small.contains(QRect(scroll->mapTo(window.get(), QPoint()) + window->pos(), scroll->size())));
    EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
    EXPECT_GT(scroll->horizontalScrollBar()->maximum(), 0);
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible()) << "the height fits, with the scroll bar below";
}

}  // namespace
}  // namespace tarvik::test
