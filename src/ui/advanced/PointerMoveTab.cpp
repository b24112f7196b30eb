// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/PointerMoveTab.h"

#include <QSignalBlocker>

#include "model/ProtocolConstants.h"
#include "ui/advanced/LogSlider.h"
#include "ui/advanced/NumberBox.h"
#include "ui/advanced/Stepper.h"
#include "ui_PointerMoveTab.h"

namespace tarvik::advanced {

PointerMoveTab::PointerMoveTab(QWidget* parent) : ModeTab(parent), ui_(std::make_unique<Ui::PointerMoveTab>()) {
    ui_->setupUi(this);
    AdoptWriteRow(ui_->PM_buttonOK, ui_->PM_okRow, QStringLiteral("PM_"));

    const std::pair<QAbstractButton*, MoveDirection> directions[] = {
        {ui_->PM_radiobuttonUp, MoveDirection::Up},
        {ui_->PM_radiobuttonUpperRight, MoveDirection::UpperRight},
        {ui_->PM_radiobuttonRight, MoveDirection::Right},
        {ui_->PM_radiobuttonLowerRight, MoveDirection::LowerRight},
        {ui_->PM_radiobuttonDown, MoveDirection::Down},
        {ui_->PM_radiobuttonLowerLeft, MoveDirection::LowerLeft},
        {ui_->PM_radiobuttonLeft, MoveDirection::Left},
        {ui_->PM_radiobuttonUpperLeft, MoveDirection::UpperLeft},
    };
    for (const auto& [radio, direction] : directions) directions_.addButton(radio, int(direction));
    repeats_.addButton(ui_->PM_radiobuttonUntilRelease);
    repeats_.addButton(ui_->PM_radiobutttonSetNumber);

    for (const LogControls& log : {SpeedControls(), AccelerationControls()}) {
        log.slider->setRange(LOG_SLIDER_MIN, LOG_SLIDER_MAX);
        log.slider->setPageStep(100);
        log.slider->setValue(LOG_SLIDER_MIN);
        log.stepper->setRange(LOG_INDEX_MIN, LOG_INDEX_MAX);
        log.stepper->setValue(0);
        PairBoxWithStepper(log.box, log.stepper);
        ShowNumber(log.box, 0);
    }
    ui_->PM_numericupdownNumberOfRepeats_stepper->setRange(0, modes::PM_MAX_REPEATS);
    ui_->PM_numericupdownNumberOfRepeats_stepper->setValue(DEFAULT_NUMBER_OF_REPEATS);
    PairBoxWithStepper(ui_->PM_numericupdownNumberOfRepeats_textbox, ui_->PM_numericupdownNumberOfRepeats_stepper);
    ShowNumber(ui_->PM_numericupdownNumberOfRepeats_textbox, DEFAULT_NUMBER_OF_REPEATS);
    ui_->PM_radiobuttonUntilRelease->setChecked(true);
    PM_radiobuttonUntilRelease_CheckedChanged();
    PM_checkboxAccelerated_CheckedChanged();

    using Self = PointerMoveTab;
    connect(ui_->PM_hscrollbarThousandLogSpeedIndex, &QSlider::valueChanged, this,
            &Self::PM_hscrollbarThousandLogSpeedIndex_Scroll);
    connect(ui_->PM_hscrollbarThousandLogAccelerationIndex, &QSlider::valueChanged, this,
            &Self::PM_hscrollbarThousandLogAccelerationIndex_Scroll);
    // A number typed into an index box takes effect as a step to it would.
    for (auto [stepper, box, handler] :
         {std::tuple{ui_->PM_numericupdownSpeedIndex_stepper, ui_->PM_numericupdownSpeedIndex_textbox,
                     &Self::PM_numericupdownSpeedIndex_stepper_ValueChanged},
          std::tuple{ui_->PM_numericupdownAccelerationIndex_stepper, ui_->PM_numericupdownAccelerationIndex_textbox,
                     &Self::PM_numericupdownAccelerationIndex_stepper_ValueChanged}}) {
        connect(stepper, &Stepper::valueChanged, this, handler);
        connect(box, &QLineEdit::editingFinished, this, handler);
    }
    connect(ui_->PM_checkboxAccelerated, &QAbstractButton::toggled, this, &Self::PM_checkboxAccelerated_CheckedChanged);
    connect(&repeats_, &QButtonGroup::buttonToggled, this, &Self::PM_radiobuttonUntilRelease_CheckedChanged);
}

PointerMoveTab::~PointerMoveTab() = default;

void PointerMoveTab::Load(const modes::ModeChoice& choice) {
    const auto* move = std::get_if<modes::PointerMoveChoice>(&choice);
    if (move == nullptr) return;
    if (move->direction) directions_.button(int(*move->direction))->setChecked(true);
    ui_->PM_numericupdownSpeedIndex_stepper->setValue(move->speedIndex);
    StepperToIndex(SpeedControls());
    ui_->PM_checkboxAccelerated->setChecked(move->accelerated);
    if (move->accelerated) {
        ui_->PM_numericupdownAccelerationIndex_stepper->setValue(move->accelerationIndex);
        StepperToIndex(AccelerationControls());
    }
    const bool setNumber = move->setNumber && move->repeats != 0;
    (setNumber ? ui_->PM_radiobutttonSetNumber : ui_->PM_radiobuttonUntilRelease)->setChecked(true);
    if (setNumber) {
        ui_->PM_numericupdownNumberOfRepeats_stepper->setValue(move->repeats);
        ShowNumber(ui_->PM_numericupdownNumberOfRepeats_textbox, move->repeats);
    }
}

modes::ModeChoice PointerMoveTab::Choice() const {
    modes::PointerMoveChoice choice;
    if (const int id = directions_.checkedId(); id >= 0) choice.direction = MoveDirection(id);
    choice.speedIndex = ui_->PM_numericupdownSpeedIndex_stepper->value();
    choice.accelerationIndex = ui_->PM_numericupdownAccelerationIndex_stepper->value();
    choice.accelerated = ui_->PM_checkboxAccelerated->isChecked();
    choice.untilRelease = ui_->PM_radiobuttonUntilRelease->isChecked();
    choice.setNumber = ui_->PM_radiobutttonSetNumber->isChecked();
    choice.repeats = BoxValue(ui_->PM_numericupdownNumberOfRepeats_textbox);
    return choice;
}

PointerMoveTab::LogControls PointerMoveTab::SpeedControls() const {
    return {ui_->PM_hscrollbarThousandLogSpeedIndex, ui_->PM_numericupdownSpeedIndex_textbox,
            ui_->PM_numericupdownSpeedIndex_stepper};
}

PointerMoveTab::LogControls PointerMoveTab::AccelerationControls() const {
    return {ui_->PM_hscrollbarThousandLogAccelerationIndex, ui_->PM_numericupdownAccelerationIndex_textbox,
            ui_->PM_numericupdownAccelerationIndex_stepper};
}

void PointerMoveTab::SliderToIndex(const LogControls& controls) {
    const int index = advanced::SliderToIndex(controls.slider->value());
    ShowNumber(controls.box, index);
    controls.stepper->setValue(index);
}

void PointerMoveTab::StepperToIndex(const LogControls& controls) {
    ShowNumber(controls.box, controls.stepper->value());
    // Moving the slider from here must not send it back through SliderToIndex: the rounded
    // position would name a neighbouring index.
    const QSignalBlocker quiet(controls.slider);
    controls.slider->setValue(IndexToSlider(controls.stepper->value()));
}

void PointerMoveTab::PM_hscrollbarThousandLogSpeedIndex_Scroll() { SliderToIndex(SpeedControls()); }
void PointerMoveTab::PM_numericupdownSpeedIndex_stepper_ValueChanged() { StepperToIndex(SpeedControls()); }
void PointerMoveTab::PM_hscrollbarThousandLogAccelerationIndex_Scroll() { SliderToIndex(AccelerationControls()); }
void PointerMoveTab::PM_numericupdownAccelerationIndex_stepper_ValueChanged() {
    StepperToIndex(AccelerationControls());
}

void PointerMoveTab::PM_checkboxAccelerated_CheckedChanged() {
    const bool on = ui_->PM_checkboxAccelerated->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(ui_->PM_hscrollbarThousandLogAccelerationIndex),
                       static_cast<QWidget*>(ui_->PM_numericupdownAccelerationIndex_textbox),
                       static_cast<QWidget*>(ui_->PM_numericupdownAccelerationIndex_stepper)})
        w->setEnabled(on);
}

void PointerMoveTab::PM_radiobuttonUntilRelease_CheckedChanged() {
    const bool setNumber = ui_->PM_radiobutttonSetNumber->isChecked();
    ui_->PM_numericupdownNumberOfRepeats_textbox->setEnabled(setNumber);
    ui_->PM_numericupdownNumberOfRepeats_stepper->setEnabled(setNumber);
}

}  // namespace tarvik::advanced
