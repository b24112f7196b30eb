// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/ChordTab.h"

#include "ui/advanced/ChordKeyNames.h"
#include "ui/advanced/NumberBox.h"
#include "ui/advanced/Stepper.h"
#include "ui_ChordTab.h"

namespace tarvik::advanced {

namespace {

// A chord's on time has 12 bits; its repeat count 16 bits, 0 standing for "until release".
constexpr int kOnTimeMin = 1;
constexpr int kOnTimeMax = 4095;
constexpr int kRepeatsMin = 1;
constexpr int kRepeatsMax = 65535;

}  // namespace

ChordTab::ChordTab(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::ChordTab>()) {
    ui_->setupUi(this);
    repeats_.addButton(ui_->PSKO_radiobuttonUntilRelease);
    repeats_.addButton(ui_->PSKO_radiobuttonSetNumber);
    unit_.addButton(ui_->PSKO_radiobuttonOutput);
    unit_.addButton(ui_->PSKO_radiobuttonSeries);
    ui_->PSKO_numericupdownOnTime_stepper->setRange(kOnTimeMin, kOnTimeMax);
    ui_->PSKO_numericupdownNumberOfRepeats_stepper->setRange(kRepeatsMin, kRepeatsMax);
    PairBoxWithStepper(ui_->PSKO_numericupdownOnTime_textbox, ui_->PSKO_numericupdownOnTime_stepper);
    PairBoxWithStepper(ui_->PSKO_numericupdownNumberOfRepeats_textbox, ui_->PSKO_numericupdownNumberOfRepeats_stepper);
    connect(&repeats_, &QButtonGroup::buttonToggled, this, &ChordTab::PSKO_radiobuttonUntilRelease_CheckedChanged);
}

ChordTab::~ChordTab() = default;

void ChordTab::Load(std::uint8_t mode, CommonRecord& common, const AdditionalRecord& additional) {
    psko_.PSKO_Changing = true;
    ui_->PSKO_listboxKeys->clear();
    for (int i = 0; i < CHORD_KEY_LIST_SIZE; ++i)
        ui_->PSKO_listboxKeys->addItem(QString::fromStdString(ChordKeyListEntry(i)));
    psko_.PSKO_Changing = false;

    const ChordTiming timing = LoadChords(psko_, mode, common, additional);
    if (timing.onTime) {
        ui_->PSKO_numericupdownOnTime_stepper->setValue(*timing.onTime);
        ShowNumber(ui_->PSKO_numericupdownOnTime_textbox, *timing.onTime);
    }
    (timing.untilRelease ? ui_->PSKO_radiobuttonUntilRelease : ui_->PSKO_radiobuttonSetNumber)->setChecked(true);
    ui_->PSKO_numericupdownNumberOfRepeats_stepper->setValue(timing.repeats);
    ShowNumber(ui_->PSKO_numericupdownNumberOfRepeats_textbox, timing.repeats);
    (timing.series ? ui_->PSKO_radiobuttonSeries : ui_->PSKO_radiobuttonOutput)->setChecked(true);
    PSKO_radiobuttonUntilRelease_CheckedChanged();
    PSKO_SetControls();
}

void ChordTab::PSKO_SetControls() {
    psko_.PSKO_Changing = true;
    ui_->PSKO_listboxOutput->clear();
    for (const std::string& line : ChordListLines(psko_))
        ui_->PSKO_listboxOutput->addItem(QString::fromStdString(line));
}

void ChordTab::PSKO_radiobuttonUntilRelease_CheckedChanged() {
    const bool setNumber = ui_->PSKO_radiobuttonSetNumber->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(ui_->PSKO_numericupdownNumberOfRepeats_textbox),
                       static_cast<QWidget*>(ui_->PSKO_numericupdownNumberOfRepeats_stepper),
                       static_cast<QWidget*>(ui_->PSKO_radiobuttonOutput),
                       static_cast<QWidget*>(ui_->PSKO_radiobuttonSeries)})
        w->setEnabled(setNumber);
}

}  // namespace tarvik::advanced
