// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced dialog's click tab: one click, one double click with its timing, or several buttons
// at once.
#pragma once

#include <QButtonGroup>
#include <memory>

#include "ui/advanced/ModeTab.h"

namespace Ui {
class ClickTab;
}

namespace tarvik::advanced {

class TimingBox;

class ClickTab : public ModeTab {
    Q_OBJECT
public:
    // Opens on a single left click.
    explicit ClickTab(QWidget* parent = nullptr);
    ~ClickTab() override;

    void Load(const modes::ModeChoice& choice) override;
    modes::ModeChoice Choice() const override;

    // The radios for one button, the check boxes for several; the timing for a double click.
    void Change_C_control_VisibleEnabled();

private:
    std::uint8_t Boxes() const;

    std::unique_ptr<Ui::ClickTab> ui_;
    QButtonGroup radios_;  // ids: the button code, plus kDouble for the double clicks
    TimingBox* timing_;
};

}  // namespace tarvik::advanced
