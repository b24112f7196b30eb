// The advanced setting dialog: click, key output, pointer move and multi-chord tabs for pedal
// SelectedPedalNo. Reached only through MainWindowViewController::SetPedal2Advanced_clicked.
#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "ui/advanced/ChordDecoding.h"
#include "ui/advanced/KeyOutputEncoding.h"

class QAbstractButton;
class QLineEdit;
class QSlider;

namespace Ui {
class AdvancedSettingDialogViewController;
}

namespace tarvik {

class DialogHost;

namespace advanced {
class Stepper;
}

class AdvancedSettingDialogViewController : public QDialog {
    Q_OBJECT
public:
    // Loads the pedal's record into the click and multi-chord tabs (repairing what they cannot
    // show) and asks the unit for the pedal's additional data.
    AdvancedSettingDialogViewController(DialogHost& host, QWidget* parent);
    ~AdvancedSettingDialogViewController() override;

    // The dialog's own values.
    std::uint8_t PSKO_NewOutputCharacter() const { return psko_.PSKO_NewOutputCharacter; }
    int PSKO_NumberOfOutput() const { return psko_.PSKO_NumberOfOutput; }
    int PSKO_SelectedOutput() const { return psko_.PSKO_SelectedOutput; }
    bool PSKO_Changing() const { return psko_.PSKO_Changing; }
    const auto& PSKO_KeyData() const { return psko_.PSKO_KeyData; }
    const advanced::PerChord& PSKO_NumberOfKeys() const { return psko_.PSKO_NumberOfKeys; }
    const advanced::PerChord& PSKO_NumberOfKeysOriginal() const { return psko_.PSKO_NumberOfKeysOriginal; }
    const advanced::PerChord& PSKO_SelectedKey() const { return psko_.PSKO_SelectedKey; }
    const advanced::PerChord& PSKO_NewKeyNumber() const { return psko_.PSKO_NewKeyNumber; }
    // The eight modifier flags of the key output tab, left Ctrl first (the bit order of the byte).
    const advanced::ModifierFlags& KO_ModifierFlags() const { return KO_flags_; }
    int PM_SpeedIndex() const { return PM_SpeedIndex_; }
    int PM_AccelerationIndex() const { return PM_AccelerationIndex_; }

private slots:
    // Click tab.
    void C_radiobuttonLeftClick_CheckedChanged();
    void C_radiobuttonRightClick_CheckedChanged();
    void C_radiobuttonCenterClick_CheckedChanged();
    void C_radiobuttonLeftDoubleClick_CheckedChanged();
    void C_radiobuttonRightDoubleClick_CheckedChanged();
    void C_radiobuttonCenterDoubleClick_CheckedChanged();
    void C_checkboxPluralButtonSimultaneousClick_CheckedChanged();
    void okButtonPressed_C();

    // Key output tab: each box keeps its modifier flag.
    void KO_checkboxLeftCtrl_clicked(bool checked);
    void KO_checkboxLeftShift_clicked(bool checked);
    void KO_checkboxLeftAlt_clicked(bool checked);
    void KO_checkboxLeftWindowsKey_clicked(bool checked);
    void KO_checkboxRightCtrl_clicked(bool checked);
    void KO_checkboxRightShift_clicked(bool checked);
    void KO_checkboxRightAlt_clicked(bool checked);
    void KO_checkboxRightWindowsKey_clicked(bool checked);
    void okButtonPressed_KO();

    // Pointer move tab.
    void PM_radiobuttonUp_CheckedChanged();
    void PM_radiobuttonUpperRight_CheckedChanged();
    void PM_radiobuttonRight_CheckedChanged();
    void PM_radiobuttonLowerRight_CheckedChanged();
    void PM_radiobuttonDown_CheckedChanged();
    void PM_radiobuttonLowerLeft_CheckedChanged();
    void PM_radiobuttonLeft_CheckedChanged();
    void PM_radiobuttonUpperLeft_CheckedChanged();
    void PM_hscrollbarThousandLogSpeedIndex_Scroll();
    void PM_numericupdownSpeedIndex_stepper_ValueChanged();
    void PM_hscrollbarThousandLogAccelerationIndex_Scroll();
    void PM_numericupdownAccelerationIndex_stepper_ValueChanged();
    void PM_checkboxAccelerated_CheckedChanged();
    void PM_radiobuttonUntilRelease_CheckedChanged();
    void PM_radiobutttonSetNumber_CheckedChanged();
    void PM_numericupdownNumberOfRepeats_textbox_ValueChanged();
    void PM_numericupdownNumberOfRepeats_stepper_ValueChanged();
    void okButtonPressed_PM();

    // Multi-chord tab.
    void PSKO_radiobuttonUntilRelease_CheckedChanged();
    void PSKO_radiobuttonSetNumber_CheckedChanged();
    void PSKO_radiobuttonOutput_CheckedChanged();
    void PSKO_radiobuttonSeries_CheckedChanged();
    void PSKO_numericupdownNumberOfRepeats_stepper_ValueChanged();
    void PSKO_numericupdownNumberOfRepeats_textbox_ValueChanged();

private:
    void viewDidLoad();
    void SetUpControls();
    void Connect();
    void LoadClickTab();
    void LoadChordTab();
    void Change_C_control_VisibleEnabled();
    void PSKO_SetControls();
    // Hands the written record to the main window and closes.
    void HandOver();

    // Slider, box and stepper of one logarithmic index.
    struct LogControls {
        QSlider* slider;
        QLineEdit* box;
        advanced::Stepper* stepper;
    };
    // The radios in the order of advanced::ClickRadio and advanced::Direction: an enum value indexes them.
    std::array<QAbstractButton*, 6> ClickRadios() const;
    std::array<QAbstractButton*, 8> DirectionRadios() const;
    LogControls SpeedControls() const;
    LogControls AccelerationControls() const;
    static void SliderToIndex(const LogControls& controls, int& index);
    static void StepperToIndex(const LogControls& controls, int& index);

    DialogHost& host_;
    std::unique_ptr<Ui::AdvancedSettingDialogViewController> ui_;
    advanced::ChordModel psko_;
    advanced::ModifierFlags KO_flags_{};
    int PM_SpeedIndex_ = 0;
    int PM_AccelerationIndex_ = 0;
    bool handingOver_ = false;
};

}  // namespace tarvik
