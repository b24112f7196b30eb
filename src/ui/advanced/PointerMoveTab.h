// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced dialog's pointer move tab: direction, speed and acceleration on logarithmic
// sliders coupled to a box and a stepper each, and until release or a set number of moves.
#pragma once

#include <QButtonGroup>
#include <memory>

#include "model/PointerMove.h"
#include "ui/advanced/ModeTab.h"

class QLineEdit;
class QSlider;

namespace Ui {
class PointerMoveTab;
}

namespace tarvik::advanced {

class Stepper;

class PointerMoveTab : public ModeTab {
    Q_OBJECT
public:
    // Opens with no direction, both indexes 0, not accelerated, moving until release.
    explicit PointerMoveTab(QWidget* parent = nullptr);
    ~PointerMoveTab() override;

    void Load(const modes::ModeChoice& choice) override;
    modes::ModeChoice Choice() const override;

private:
    // Slider, box and stepper of one logarithmic index; the stepper holds the index.
    struct LogControls {
        QSlider* slider;
        QLineEdit* box;
        Stepper* stepper;
    };
    LogControls SpeedControls() const;
    LogControls AccelerationControls() const;
    static void SliderToIndex(const LogControls& controls);
    static void StepperToIndex(const LogControls& controls);

    void PM_hscrollbarThousandLogSpeedIndex_Scroll();
    void PM_numericupdownSpeedIndex_stepper_ValueChanged();
    void PM_hscrollbarThousandLogAccelerationIndex_Scroll();
    void PM_numericupdownAccelerationIndex_stepper_ValueChanged();
    void PM_checkboxAccelerated_CheckedChanged();
    // Either repeat radio: the repeat count is used only with a set number.
    void PM_radiobuttonUntilRelease_CheckedChanged();

    std::unique_ptr<Ui::PointerMoveTab> ui_;
    QButtonGroup directions_;  // ids are MoveDirection values
    QButtonGroup repeats_;
};

}  // namespace tarvik::advanced
