#include "ui/AdvancedSettingDialogViewController.h"

#include <QRegularExpressionValidator>
#include <QPointer>
#include <QSignalBlocker>
#include <array>
#include <cstddef>
#include <initializer_list>

#include "model/DeviceState.h"
#include "device/HID_PnP.h"
#include "model/Texts.h"
#include "ui/DialogHost.h"
#include "ui/advanced/ChordKeyNames.h"
#include "ui/advanced/ClickEncoding.h"
#include "ui/advanced/IntValue.h"
#include "ui/advanced/LogSlider.h"
#include "ui/advanced/PointerMoveEncoding.h"
#include "ui/advanced/RadioMatrix.h"
#include "ui/advanced/Stepper.h"
#include "ui_AdvancedSettingDialogViewController.h"

namespace tarvik {

using advanced::Stepper;

namespace {

// Ranges of the steppers and text boxes. A chord's on time has 12 bits; its repeat count 16 bits,
// 0 standing for "until release"; the pointer's repeat count stops one short of 16 bits.
constexpr int kOnTimeMin = 1;
constexpr int kOnTimeMax = 4095;
constexpr int kChordRepeatsMin = 1;
constexpr int kChordRepeatsMax = 65535;

int BoxValue(const QLineEdit* box) { return advanced::IntValue(box->text().toStdString()); }

// Digits only. The range is the stepper's, which clamps what is typed, so a number beyond it is
// still taken (as the nearest end) instead of leaving the box showing something that is not used.
void AcceptDigits(QLineEdit* box) {
    static const QRegularExpression digits(QStringLiteral("[0-9]{0,6}"));
    box->setValidator(new QRegularExpressionValidator(digits, box));
}

void ShowNumber(QLineEdit* box, int value) { box->setText(QString::number(value)); }

// Switches `on` on and every other button of the group off, in the group's order.
template <typename Group>
void SelectOnly(const Group& group, QAbstractButton* on) {
    for (QAbstractButton* button : group) button->setChecked(button == on);
}

void SetEnabled(std::initializer_list<QWidget*> widgets, bool enabled) {
    for (QWidget* widget : widgets) widget->setEnabled(enabled);
}

}  // namespace

AdvancedSettingDialogViewController::AdvancedSettingDialogViewController(DialogHost& host, QWidget* parent)
    : QDialog(parent), host_(host), ui_(std::make_unique<Ui::AdvancedSettingDialogViewController>()) {
    ui_->setupUi(this);
    SetUpControls();
    Connect();
    viewDidLoad();
}

AdvancedSettingDialogViewController::~AdvancedSettingDialogViewController() = default;

void AdvancedSettingDialogViewController::SetUpControls() {
    const std::string& pedal = State().PedalName;
    if (!pedal.empty()) setWindowTitle(windowTitle() + " " + QString::fromStdString(pedal));

    for (QPushButton* ok : {ui_->C_buttonOK, ui_->KO_buttonOK, ui_->PM_buttonOK})
        ok->setText(QString::fromUtf8(text::WriteButton));
    QPushButton* close = ui_->buttonBoxClose->button(QDialogButtonBox::Close);
    close->setText(QString::fromUtf8("閉じる"));
    // Return in a number box confirms the number; it must not close the dialog on the way.
    close->setAutoDefault(false);
    close->setDefault(false);
    ui_->C_radiobuttonLeftClick->setText(QString::fromUtf8(text::LeftClick));
    ui_->C_radiobuttonRightClick->setText(QString::fromUtf8(text::RightClick));
    ui_->C_radiobuttonCenterClick->setText(QString::fromUtf8(text::CenterClick));

    // Key output: the key with the ticked modifiers, key "a", until the user picks otherwise.
    ui_->RadioButtonModifiers_KO->selectRow(advanced::KO_ROW_KEY_WITH_MODIFIERS);
    ui_->KO_listboxKeys->setCurrentIndex(0);

    // Pointer move: both indexes start at 0, the pointer moves until release.
    for (const LogControls& log : {SpeedControls(), AccelerationControls()}) {
        log.slider->setRange(advanced::LOG_SLIDER_MIN, advanced::LOG_SLIDER_MAX);
        log.slider->setPageStep(100);
        log.slider->setValue(advanced::LOG_SLIDER_MIN);
        log.stepper->setRange(advanced::LOG_INDEX_MIN, advanced::LOG_INDEX_MAX);
        log.stepper->setValue(0);
        AcceptDigits(log.box);
        ShowNumber(log.box, 0);
    }
    ui_->PM_numericupdownNumberOfRepeats_stepper->setRange(0, advanced::PM_MAX_REPEATS);
    ui_->PM_numericupdownNumberOfRepeats_stepper->setValue(DEFAULT_NUMBER_OF_REPEATS);
    AcceptDigits(ui_->PM_numericupdownNumberOfRepeats_textbox);
    ShowNumber(ui_->PM_numericupdownNumberOfRepeats_textbox, DEFAULT_NUMBER_OF_REPEATS);
    ui_->PM_radiobuttonUntilRelease->setChecked(true);
    PM_radiobuttonUntilRelease_CheckedChanged();
    PM_checkboxAccelerated_CheckedChanged();

    // Multi-chord.
    ui_->PSKO_numericupdownOnTime_stepper->setRange(kOnTimeMin, kOnTimeMax);
    AcceptDigits(ui_->PSKO_numericupdownOnTime_textbox);
    ui_->PSKO_numericupdownNumberOfRepeats_stepper->setRange(kChordRepeatsMin, kChordRepeatsMax);
    AcceptDigits(ui_->PSKO_numericupdownNumberOfRepeats_textbox);
}

void AdvancedSettingDialogViewController::Connect() {
    using Self = AdvancedSettingDialogViewController;
    const auto onClick = [this](QAbstractButton* button, void (Self::*slot)()) {
        connect(button, &QAbstractButton::clicked, this, slot);
    };
    const auto onStep = [this](Stepper* stepper, void (Self::*slot)()) {
        connect(stepper, &Stepper::valueChanged, this, slot);
    };

    onClick(ui_->C_radiobuttonLeftClick, &Self::C_radiobuttonLeftClick_CheckedChanged);
    onClick(ui_->C_radiobuttonRightClick, &Self::C_radiobuttonRightClick_CheckedChanged);
    onClick(ui_->C_radiobuttonCenterClick, &Self::C_radiobuttonCenterClick_CheckedChanged);
    onClick(ui_->C_radiobuttonLeftDoubleClick, &Self::C_radiobuttonLeftDoubleClick_CheckedChanged);
    onClick(ui_->C_radiobuttonRightDoubleClick, &Self::C_radiobuttonRightDoubleClick_CheckedChanged);
    onClick(ui_->C_radiobuttonCenterDoubleClick, &Self::C_radiobuttonCenterDoubleClick_CheckedChanged);
    onClick(ui_->C_checkboxPluralButtonSimultaneousClick, &Self::C_checkboxPluralButtonSimultaneousClick_CheckedChanged);
    onClick(ui_->C_buttonOK, &Self::okButtonPressed_C);

    connect(ui_->KO_checkboxLeftCtrl, &QAbstractButton::clicked, this, &Self::KO_checkboxLeftCtrl_clicked);
    connect(ui_->KO_checkboxLeftShift, &QAbstractButton::clicked, this, &Self::KO_checkboxLeftShift_clicked);
    connect(ui_->KO_checkboxLeftAlt, &QAbstractButton::clicked, this, &Self::KO_checkboxLeftAlt_clicked);
    connect(ui_->KO_checkboxLeftWindowsKey, &QAbstractButton::clicked, this, &Self::KO_checkboxLeftWindowsKey_clicked);
    connect(ui_->KO_checkboxRightCtrl, &QAbstractButton::clicked, this, &Self::KO_checkboxRightCtrl_clicked);
    connect(ui_->KO_checkboxRightShift, &QAbstractButton::clicked, this, &Self::KO_checkboxRightShift_clicked);
    connect(ui_->KO_checkboxRightAlt, &QAbstractButton::clicked, this, &Self::KO_checkboxRightAlt_clicked);
    connect(ui_->KO_checkboxRightWindowsKey, &QAbstractButton::clicked, this, &Self::KO_checkboxRightWindowsKey_clicked);
    onClick(ui_->KO_buttonOK, &Self::okButtonPressed_KO);

    onClick(ui_->PM_radiobuttonUp, &Self::PM_radiobuttonUp_CheckedChanged);
    onClick(ui_->PM_radiobuttonUpperRight, &Self::PM_radiobuttonUpperRight_CheckedChanged);
    onClick(ui_->PM_radiobuttonRight, &Self::PM_radiobuttonRight_CheckedChanged);
    onClick(ui_->PM_radiobuttonLowerRight, &Self::PM_radiobuttonLowerRight_CheckedChanged);
    onClick(ui_->PM_radiobuttonDown, &Self::PM_radiobuttonDown_CheckedChanged);
    onClick(ui_->PM_radiobuttonLowerLeft, &Self::PM_radiobuttonLowerLeft_CheckedChanged);
    onClick(ui_->PM_radiobuttonLeft, &Self::PM_radiobuttonLeft_CheckedChanged);
    onClick(ui_->PM_radiobuttonUpperLeft, &Self::PM_radiobuttonUpperLeft_CheckedChanged);
    connect(ui_->PM_hscrollbarThousandLogSpeedIndex, &QSlider::valueChanged, this,
            &Self::PM_hscrollbarThousandLogSpeedIndex_Scroll);
    onStep(ui_->PM_numericupdownSpeedIndex_stepper, &Self::PM_numericupdownSpeedIndex_stepper_ValueChanged);
    connect(ui_->PM_hscrollbarThousandLogAccelerationIndex, &QSlider::valueChanged, this,
            &Self::PM_hscrollbarThousandLogAccelerationIndex_Scroll);
    onStep(ui_->PM_numericupdownAccelerationIndex_stepper, &Self::PM_numericupdownAccelerationIndex_stepper_ValueChanged);
    // A number typed into an index box takes effect as if the stepper had been set to it, so what
    // the box shows is what OK writes.
    connect(ui_->PM_numericupdownSpeedIndex_textbox, &QLineEdit::editingFinished, this, [this] {
        ui_->PM_numericupdownSpeedIndex_stepper->setValue(BoxValue(ui_->PM_numericupdownSpeedIndex_textbox));
        PM_numericupdownSpeedIndex_stepper_ValueChanged();
    });
    connect(ui_->PM_numericupdownAccelerationIndex_textbox, &QLineEdit::editingFinished, this, [this] {
        ui_->PM_numericupdownAccelerationIndex_stepper->setValue(BoxValue(ui_->PM_numericupdownAccelerationIndex_textbox));
        PM_numericupdownAccelerationIndex_stepper_ValueChanged();
    });
    onClick(ui_->PM_checkboxAccelerated, &Self::PM_checkboxAccelerated_CheckedChanged);
    onClick(ui_->PM_radiobuttonUntilRelease, &Self::PM_radiobuttonUntilRelease_CheckedChanged);
    onClick(ui_->PM_radiobutttonSetNumber, &Self::PM_radiobutttonSetNumber_CheckedChanged);
    connect(ui_->PM_numericupdownNumberOfRepeats_textbox, &QLineEdit::editingFinished, this,
            &Self::PM_numericupdownNumberOfRepeats_textbox_ValueChanged);
    onStep(ui_->PM_numericupdownNumberOfRepeats_stepper, &Self::PM_numericupdownNumberOfRepeats_stepper_ValueChanged);
    onClick(ui_->PM_buttonOK, &Self::okButtonPressed_PM);

    onClick(ui_->PSKO_radiobuttonUntilRelease, &Self::PSKO_radiobuttonUntilRelease_CheckedChanged);
    onClick(ui_->PSKO_radiobuttonSetNumber, &Self::PSKO_radiobuttonSetNumber_CheckedChanged);
    onClick(ui_->PSKO_radiobuttonOutput, &Self::PSKO_radiobuttonOutput_CheckedChanged);
    onClick(ui_->PSKO_radiobuttonSeries, &Self::PSKO_radiobuttonSeries_CheckedChanged);
    onStep(ui_->PSKO_numericupdownNumberOfRepeats_stepper, &Self::PSKO_numericupdownNumberOfRepeats_stepper_ValueChanged);
    connect(ui_->PSKO_numericupdownNumberOfRepeats_textbox, &QLineEdit::editingFinished, this,
            &Self::PSKO_numericupdownNumberOfRepeats_textbox_ValueChanged);
    // The on-time pair follows the same coupling as the repeat pair, though the tab writes neither.
    connect(ui_->PSKO_numericupdownOnTime_stepper, &Stepper::valueChanged, this,
            [this](int value) { ShowNumber(ui_->PSKO_numericupdownOnTime_textbox, value); });
    connect(ui_->PSKO_numericupdownOnTime_textbox, &QLineEdit::editingFinished, this, [this] {
        ui_->PSKO_numericupdownOnTime_stepper->setValue(BoxValue(ui_->PSKO_numericupdownOnTime_textbox));
    });

    connect(ui_->buttonBoxClose, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

// ---- Loading ----

void AdvancedSettingDialogViewController::viewDidLoad() {
    LoadClickTab();
    Change_C_control_VisibleEnabled();
    host_.plugNPlay().Communicate_AdditionalData();
    LoadChordTab();
}

void AdvancedSettingDialogViewController::LoadClickTab() {
    const advanced::ClickTabState tab = advanced::LoadClickTab();
    // Only switches on: controls the record does not name keep their state from the form.
    ui_->C_checkboxPluralButtonSimultaneousClick->setChecked(tab.plural);
    if (tab.leftBox) ui_->C_checkboxLeftClick->setChecked(true);
    if (tab.rightBox) ui_->C_checkboxRightClick->setChecked(true);
    if (tab.centerBox) ui_->C_checkboxCenterClick->setChecked(true);
    if (tab.radio) ClickRadios()[static_cast<std::size_t>(*tab.radio)]->setChecked(true);
}

void AdvancedSettingDialogViewController::LoadChordTab() {
    psko_.PSKO_Changing = true;
    ui_->PSKO_listboxKeys->clear();
    for (int i = 0; i < advanced::CHORD_KEY_LIST_SIZE; ++i)
        ui_->PSKO_listboxKeys->addItem(QString::fromStdString(advanced::ChordKeyListEntry(i)));
    psko_.PSKO_Changing = false;

    const advanced::ChordTiming timing = advanced::LoadChords(psko_);
    if (timing.onTime) {
        ui_->PSKO_numericupdownOnTime_stepper->setValue(*timing.onTime);
        ShowNumber(ui_->PSKO_numericupdownOnTime_textbox, *timing.onTime);
    }
    (timing.untilRelease ? ui_->PSKO_radiobuttonUntilRelease : ui_->PSKO_radiobuttonSetNumber)->setChecked(true);
    ui_->PSKO_numericupdownNumberOfRepeats_stepper->setValue(timing.repeats);
    ShowNumber(ui_->PSKO_numericupdownNumberOfRepeats_textbox, timing.repeats);
    (timing.series ? ui_->PSKO_radiobuttonSeries : ui_->PSKO_radiobuttonOutput)->setChecked(true);
    // The repeat controls only mean something with a set number.
    SetEnabled({ui_->PSKO_numericupdownNumberOfRepeats_textbox, ui_->PSKO_numericupdownNumberOfRepeats_stepper,
                ui_->PSKO_radiobuttonOutput, ui_->PSKO_radiobuttonSeries},
               !timing.untilRelease);

    PSKO_SetControls();
}

// ---- Click tab ----

static_assert(static_cast<std::size_t>(advanced::ClickRadio::CenterDouble) + 1 == 6);

std::array<QAbstractButton*, 6> AdvancedSettingDialogViewController::ClickRadios() const {
    return {ui_->C_radiobuttonLeftClick, ui_->C_radiobuttonRightClick, ui_->C_radiobuttonCenterClick,
            ui_->C_radiobuttonLeftDoubleClick, ui_->C_radiobuttonRightDoubleClick, ui_->C_radiobuttonCenterDoubleClick};
}

void AdvancedSettingDialogViewController::C_radiobuttonLeftClick_CheckedChanged() {
    SelectOnly(ClickRadios(), ui_->C_radiobuttonLeftClick);
}

void AdvancedSettingDialogViewController::C_radiobuttonRightClick_CheckedChanged() {
    SelectOnly(ClickRadios(), ui_->C_radiobuttonRightClick);
}

void AdvancedSettingDialogViewController::C_radiobuttonCenterClick_CheckedChanged() {
    SelectOnly(ClickRadios(), ui_->C_radiobuttonCenterClick);
}

void AdvancedSettingDialogViewController::C_radiobuttonLeftDoubleClick_CheckedChanged() {
    SelectOnly(ClickRadios(), ui_->C_radiobuttonLeftDoubleClick);
}

void AdvancedSettingDialogViewController::C_radiobuttonRightDoubleClick_CheckedChanged() {
    SelectOnly(ClickRadios(), ui_->C_radiobuttonRightDoubleClick);
}

void AdvancedSettingDialogViewController::C_radiobuttonCenterDoubleClick_CheckedChanged() {
    SelectOnly(ClickRadios(), ui_->C_radiobuttonCenterDoubleClick);
}

void AdvancedSettingDialogViewController::C_checkboxPluralButtonSimultaneousClick_CheckedChanged() {
    Change_C_control_VisibleEnabled();
}

void AdvancedSettingDialogViewController::Change_C_control_VisibleEnabled() {
    const bool plural = ui_->C_checkboxPluralButtonSimultaneousClick->isChecked();
    SetEnabled({ui_->C_checkboxLeftClick, ui_->C_checkboxRightClick, ui_->C_checkboxCenterClick}, plural);
    for (QAbstractButton* radio : ClickRadios()) radio->setEnabled(!plural);
}

void AdvancedSettingDialogViewController::okButtonPressed_C() {
    if (handingOver_) return;
    advanced::ClickTabState tab;
    tab.plural = ui_->C_checkboxPluralButtonSimultaneousClick->isChecked();
    tab.leftBox = ui_->C_checkboxLeftClick->isChecked();
    tab.rightBox = ui_->C_checkboxRightClick->isChecked();
    tab.centerBox = ui_->C_checkboxCenterClick->isChecked();
    const auto radios = ClickRadios();
    for (std::size_t i = 0; i < radios.size(); ++i) {
        if (radios[i]->isChecked()) {
            tab.radio = static_cast<advanced::ClickRadio>(i);
            break;
        }
    }
    advanced::EncodeClick(tab);
    HandOver();
}

// ---- Key output tab ----

void AdvancedSettingDialogViewController::KO_checkboxLeftCtrl_clicked(bool checked) { KO_flags_[0] = checked; }
void AdvancedSettingDialogViewController::KO_checkboxLeftShift_clicked(bool checked) { KO_flags_[1] = checked; }
void AdvancedSettingDialogViewController::KO_checkboxLeftAlt_clicked(bool checked) { KO_flags_[2] = checked; }
void AdvancedSettingDialogViewController::KO_checkboxLeftWindowsKey_clicked(bool checked) { KO_flags_[3] = checked; }
void AdvancedSettingDialogViewController::KO_checkboxRightCtrl_clicked(bool checked) { KO_flags_[4] = checked; }
void AdvancedSettingDialogViewController::KO_checkboxRightShift_clicked(bool checked) { KO_flags_[5] = checked; }
void AdvancedSettingDialogViewController::KO_checkboxRightAlt_clicked(bool checked) { KO_flags_[6] = checked; }
void AdvancedSettingDialogViewController::KO_checkboxRightWindowsKey_clicked(bool checked) { KO_flags_[7] = checked; }

void AdvancedSettingDialogViewController::okButtonPressed_KO() {
    if (handingOver_) return;
    advanced::EncodeKeyOutput(ui_->RadioButtonModifiers_KO->selectedRow(), KO_flags_,
                              ui_->KO_listboxKeys->currentIndex());
    HandOver();
}

// ---- Pointer move tab ----

static_assert(static_cast<std::size_t>(advanced::Direction::UpperLeft) + 1 == 8);

std::array<QAbstractButton*, 8> AdvancedSettingDialogViewController::DirectionRadios() const {
    return {ui_->PM_radiobuttonUp, ui_->PM_radiobuttonUpperRight, ui_->PM_radiobuttonRight,
            ui_->PM_radiobuttonLowerRight, ui_->PM_radiobuttonDown, ui_->PM_radiobuttonLowerLeft,
            ui_->PM_radiobuttonLeft, ui_->PM_radiobuttonUpperLeft};
}

AdvancedSettingDialogViewController::LogControls AdvancedSettingDialogViewController::SpeedControls() const {
    return {ui_->PM_hscrollbarThousandLogSpeedIndex, ui_->PM_numericupdownSpeedIndex_textbox,
            ui_->PM_numericupdownSpeedIndex_stepper};
}

AdvancedSettingDialogViewController::LogControls AdvancedSettingDialogViewController::AccelerationControls() const {
    return {ui_->PM_hscrollbarThousandLogAccelerationIndex, ui_->PM_numericupdownAccelerationIndex_textbox,
            ui_->PM_numericupdownAccelerationIndex_stepper};
}

void AdvancedSettingDialogViewController::PM_radiobuttonUp_CheckedChanged() {
    SelectOnly(DirectionRadios(), ui_->PM_radiobuttonUp);
}

void AdvancedSettingDialogViewController::PM_radiobuttonUpperRight_CheckedChanged() {
    SelectOnly(DirectionRadios(), ui_->PM_radiobuttonUpperRight);
}

void AdvancedSettingDialogViewController::PM_radiobuttonRight_CheckedChanged() {
    SelectOnly(DirectionRadios(), ui_->PM_radiobuttonRight);
}

void AdvancedSettingDialogViewController::PM_radiobuttonLowerRight_CheckedChanged() {
    SelectOnly(DirectionRadios(), ui_->PM_radiobuttonLowerRight);
}

void AdvancedSettingDialogViewController::PM_radiobuttonDown_CheckedChanged() {
    SelectOnly(DirectionRadios(), ui_->PM_radiobuttonDown);
}

void AdvancedSettingDialogViewController::PM_radiobuttonLowerLeft_CheckedChanged() {
    SelectOnly(DirectionRadios(), ui_->PM_radiobuttonLowerLeft);
}

void AdvancedSettingDialogViewController::PM_radiobuttonLeft_CheckedChanged() {
    SelectOnly(DirectionRadios(), ui_->PM_radiobuttonLeft);
}

void AdvancedSettingDialogViewController::PM_radiobuttonUpperLeft_CheckedChanged() {
    SelectOnly(DirectionRadios(), ui_->PM_radiobuttonUpperLeft);
}

void AdvancedSettingDialogViewController::SliderToIndex(const LogControls& controls, int& index) {
    index = advanced::SliderToIndex(controls.slider->value());
    ShowNumber(controls.box, index);
    controls.stepper->setValue(index);
}

void AdvancedSettingDialogViewController::StepperToIndex(const LogControls& controls, int& index) {
    ShowNumber(controls.box, controls.stepper->value());
    index = controls.stepper->value();
    // Moving the slider from here must not send it back through SliderToIndex: the rounded
    // position would name a neighbouring index.
    const QSignalBlocker quiet(controls.slider);
    controls.slider->setValue(advanced::IndexToSlider(index));
}

void AdvancedSettingDialogViewController::PM_hscrollbarThousandLogSpeedIndex_Scroll() {
    SliderToIndex(SpeedControls(), PM_SpeedIndex_);
}

void AdvancedSettingDialogViewController::PM_numericupdownSpeedIndex_stepper_ValueChanged() {
    StepperToIndex(SpeedControls(), PM_SpeedIndex_);
}

void AdvancedSettingDialogViewController::PM_hscrollbarThousandLogAccelerationIndex_Scroll() {
    SliderToIndex(AccelerationControls(), PM_AccelerationIndex_);
}

void AdvancedSettingDialogViewController::PM_numericupdownAccelerationIndex_stepper_ValueChanged() {
    StepperToIndex(AccelerationControls(), PM_AccelerationIndex_);
}

void AdvancedSettingDialogViewController::PM_checkboxAccelerated_CheckedChanged() {
    const LogControls acceleration = AccelerationControls();
    SetEnabled({acceleration.slider, acceleration.box, acceleration.stepper}, ui_->PM_checkboxAccelerated->isChecked());
}

void AdvancedSettingDialogViewController::PM_radiobuttonUntilRelease_CheckedChanged() {
    ui_->PM_radiobuttonUntilRelease->setChecked(true);
    ui_->PM_radiobutttonSetNumber->setChecked(false);
    SetEnabled({ui_->PM_numericupdownNumberOfRepeats_textbox, ui_->PM_numericupdownNumberOfRepeats_stepper},
               !ui_->PM_radiobuttonUntilRelease->isChecked());
}

void AdvancedSettingDialogViewController::PM_radiobutttonSetNumber_CheckedChanged() {
    ui_->PM_radiobuttonUntilRelease->setChecked(false);
    ui_->PM_radiobutttonSetNumber->setChecked(true);
    SetEnabled({ui_->PM_numericupdownNumberOfRepeats_textbox, ui_->PM_numericupdownNumberOfRepeats_stepper},
               !ui_->PM_radiobuttonUntilRelease->isChecked());
}

void AdvancedSettingDialogViewController::PM_numericupdownNumberOfRepeats_textbox_ValueChanged() {
    ui_->PM_numericupdownNumberOfRepeats_stepper->setValue(BoxValue(ui_->PM_numericupdownNumberOfRepeats_textbox));
}

void AdvancedSettingDialogViewController::PM_numericupdownNumberOfRepeats_stepper_ValueChanged() {
    ShowNumber(ui_->PM_numericupdownNumberOfRepeats_textbox, ui_->PM_numericupdownNumberOfRepeats_stepper->value());
}

void AdvancedSettingDialogViewController::okButtonPressed_PM() {
    if (handingOver_) return;
    advanced::PointerMoveChoice choice;
    const auto radios = DirectionRadios();
    for (const advanced::Direction direction : advanced::kDirectionEncodeOrder) {
        if (radios[static_cast<std::size_t>(direction)]->isChecked()) {
            choice.direction = direction;
            break;
        }
    }
    choice.speedIndex = PM_SpeedIndex_;
    choice.accelerationIndex = PM_AccelerationIndex_;
    choice.accelerated = ui_->PM_checkboxAccelerated->isChecked();
    choice.untilRelease = ui_->PM_radiobuttonUntilRelease->isChecked();
    choice.setNumber = ui_->PM_radiobutttonSetNumber->isChecked();
    choice.repeats = BoxValue(ui_->PM_numericupdownNumberOfRepeats_textbox);
    PM_AccelerationIndex_ = advanced::EncodePointerMove(choice);
    HandOver();
}

// ---- Multi-chord tab ----

void AdvancedSettingDialogViewController::PSKO_SetControls() {
    psko_.PSKO_Changing = true;
    ui_->PSKO_listboxOutput->clear();
    for (const std::string& line : advanced::ChordListLines(psko_))
        ui_->PSKO_listboxOutput->addItem(QString::fromStdString(line));
}

void AdvancedSettingDialogViewController::PSKO_radiobuttonUntilRelease_CheckedChanged() {
    ui_->PSKO_radiobuttonUntilRelease->setChecked(true);
    ui_->PSKO_radiobuttonSetNumber->setChecked(false);
    SetEnabled({ui_->PSKO_numericupdownNumberOfRepeats_textbox, ui_->PSKO_numericupdownNumberOfRepeats_stepper,
                ui_->PSKO_radiobuttonOutput, ui_->PSKO_radiobuttonSeries},
               false);
}

void AdvancedSettingDialogViewController::PSKO_radiobuttonSetNumber_CheckedChanged() {
    ui_->PSKO_radiobuttonSetNumber->setChecked(true);
    ui_->PSKO_radiobuttonUntilRelease->setChecked(false);
    SetEnabled({ui_->PSKO_numericupdownNumberOfRepeats_textbox, ui_->PSKO_numericupdownNumberOfRepeats_stepper,
                ui_->PSKO_radiobuttonOutput, ui_->PSKO_radiobuttonSeries},
               true);
}

void AdvancedSettingDialogViewController::PSKO_radiobuttonOutput_CheckedChanged() {
    ui_->PSKO_radiobuttonOutput->setChecked(true);
    ui_->PSKO_radiobuttonSeries->setChecked(false);
}

void AdvancedSettingDialogViewController::PSKO_radiobuttonSeries_CheckedChanged() {
    ui_->PSKO_radiobuttonSeries->setChecked(true);
    ui_->PSKO_radiobuttonOutput->setChecked(false);
}

void AdvancedSettingDialogViewController::PSKO_numericupdownNumberOfRepeats_stepper_ValueChanged() {
    ShowNumber(ui_->PSKO_numericupdownNumberOfRepeats_textbox, ui_->PSKO_numericupdownNumberOfRepeats_stepper->value());
}

void AdvancedSettingDialogViewController::PSKO_numericupdownNumberOfRepeats_textbox_ValueChanged() {
    ui_->PSKO_numericupdownNumberOfRepeats_stepper->setValue(BoxValue(ui_->PSKO_numericupdownNumberOfRepeats_textbox));
}

// ---- Closing ----

void AdvancedSettingDialogViewController::HandOver() {
    // The main window's send runs the event loop; a second OK meanwhile must not send again, and
    // the dialog may be gone by the time it returns.
    handingOver_ = true;
    const QPointer<AdvancedSettingDialogViewController> alive(this);
    host_.SettingDialog_OK();
    if (!alive) return;
    handingOver_ = false;
    accept();
}

}  // namespace tarvik
