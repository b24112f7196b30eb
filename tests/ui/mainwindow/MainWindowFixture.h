// A main window over a simulated unit, with the scripted presenter answering its boxes and the
// console captured. The update timer is driven by running the event loop.
#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <optional>
#include <string>

#include "model/DeviceState.h"
#include "device/HID_PnP.h"
#include "sim/SimulatedUnit.h"
#include "support/ScriptedPresenter.h"
#include "ui/MainWindowViewController.h"

namespace tarvik::test {

inline PedalImage Pedal(int mode, std::initializer_list<int> common, std::initializer_list<int> additional = {}) {
    PedalImage pedal;
    pedal.mode = static_cast<std::uint8_t>(mode);
    std::size_t i = 0;
    for (int b : common) pedal.common.at(i++) = static_cast<std::uint8_t>(b);
    i = 0;
    for (int b : additional) pedal.additional.at(i++) = static_cast<std::uint8_t>(b);
    return pedal;
}

inline UnitImage Unit(std::vector<PedalImage> pedals, std::array<std::uint8_t, 3> firmware = {2, 1, 0}) {
    UnitImage image;
    image.firmware = firmware;
    image.pedals = std::move(pedals);
    return image;
}

class MainWindowTest : public testing::Test {
protected:
    // Builds the window over `image` from a fresh state; plugged in, the first tick reads the unit.
    void Start(UnitImage image, bool plugged = true) {
        window.reset();
        State() = DeviceState{};
        presenter.Clear();
        exitStatus.reset();
        unit = std::make_unique<SimulatedUnit>(std::move(image));
        if (!plugged) unit->Unplug();
        window = std::make_unique<MainWindowViewController>(*unit);
        window->SetExitHandler([this](int status) { exitStatus = status; });
        window->plugNPlay().SetTickIntervalMs(5);  // a time-out takes 150 ms, not 3 s
        QObject::connect(window.get(), &MainWindowViewController::unitRead, [this](bool shown) {
            ++reads;
            lastReadShown = shown;
        });
        window->show();
    }
    // Runs ticks until the attach read has ended; true when it showed the unit.
    bool ReadEnds() {
        const int before = reads;
        EXPECT_TRUE(QTest::qWaitFor([&] { return reads > before; }, 3000)) << "the attach read never ended";
        return lastReadShown;
    }
    // Runs ticks and returns how many reports went to the unit meanwhile.
    qsizetype SentDuring(int ms) {
        const auto before = unit->Transcript().size();
        QTest::qWait(ms);
        return unit->Transcript().size() - before;
    }

    template <class W>
    W* Find(const QString& name) const {
        W* w = window->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QLabel* Label(int p) const { return Find<QLabel>(QStringLiteral("labelPedal%1Name").arg(p)); }
    QPlainTextEdit* TextView(int p) const {
        return Find<QPlainTextEdit>(QStringLiteral("textboxPedal%1Contents").arg(p));
    }
    QPushButton* Standard(int p) const { return Find<QPushButton>(QStringLiteral("buttonSetPedal%1Standard").arg(p)); }
    QPushButton* Advanced(int p) const { return Find<QPushButton>(QStringLiteral("buttonSetPedal%1Advanced").arg(p)); }
    std::string Explanation() const {
        return Find<QLabel>(QStringLiteral("labelMainWindowExplanation"))->text().toStdString();
    }
    std::string Text(int p) const { return TextView(p)->toPlainText().toStdString(); }

    // The look without a unit: three columns, default names, nothing usable.
    void ExpectNoUnitLook() const {
        EXPECT_EQ(window->width(), 680);
        EXPECT_EQ(Explanation(),
                  "Tarvikを接続して下さい。Tarvikは自動的に認識されます。\n"
                  "Tarvikの設定を行わない場合、このプログラムを終了して下さい。");
        const char* names[] = {"中央ペダル", "左ペダル", "右ペダル", "左端ペダル", "右端ペダル"};
        for (int p = 0; p < 5; ++p) {
            EXPECT_EQ(Label(p)->text().toStdString(), names[p]) << p;
            EXPECT_FALSE(Label(p)->isEnabled()) << p;
            EXPECT_FALSE(TextView(p)->isVisible()) << p;
            EXPECT_EQ(Text(p), "") << p;
            EXPECT_FALSE(Standard(p)->isEnabled()) << p;
            EXPECT_FALSE(Advanced(p)->isEnabled()) << p;
            EXPECT_EQ(Label(p)->isVisible(), p < 3) << p;
        }
        EXPECT_EQ(Label(1)->x(), 15);
        EXPECT_EQ(Label(0)->x(), 240);
    }

    ScriptedPresenter presenter;
    ConsoleCapture console;
    std::unique_ptr<SimulatedUnit> unit;
    std::unique_ptr<MainWindowViewController> window;
    std::optional<int> exitStatus;
    int reads = 0;
    bool lastReadShown = false;
};

}  // namespace tarvik::test
