// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: one block per pedal (name, description, standard and advanced buttons), laid out
// for the unit's pedal count. It reads a unit when the connection manager says one is attached,
// clears itself when it goes, writes the setting a pedal's dialog hands back, and runs the factory
// reset the menu asks for.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "device/HidBackend.h"
#include "model/DeviceState.h"
#include "model/ModeChoice.h"
#include "ui/DialogHost.h"

class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace Ui {
class MainWindowViewController;
}

namespace tarvik {

class HID_PnP;
class ChosenUnitBackend;
class SimulatedUnits;
class UnitSequence;
class WriteWatcher;
class SettingDialogViewController;
class AdvancedSettingDialogViewController;

class MainWindowViewController : public QMainWindow, public DialogHost {
    Q_OBJECT
public:
    // Window geometry at the usual font (a larger font scales all of it). The blocks of pedals 0 to
    // 2 move by the shift; pedals 3 and 4 stay in the leftmost and rightmost column of the widest
    // window.
    static constexpr int WIDTH_THREE_COLUMNS = 680;
    static constexpr int WIDTH_FOUR_COLUMNS = 905;
    static constexpr int WIDTH_FIVE_COLUMNS = 1130;
    static constexpr int COLUMN_SHIFT = 225;
    static constexpr int ADVANCED_INDENT = 5;
    static constexpr std::array<int, 3> BLOCK_LEFT{240, 15, 465};  // pedals 0, 1, 2 with no shift
    static constexpr int FORM_HEIGHT = 480;  // below the menu bar

    // `state` and `link` belong to the application and must outlive the window. What the link's
    // probe found is handled as soon as the event loop runs.
    MainWindowViewController(DeviceState& state, HID_PnP& link, QWidget* parent = nullptr);
    ~MainWindowViewController() override;

    // DialogHost.
    HID_PnP& plugNPlay() override;

    // Puts pedal SelectedPedalNo's description into its text view (none for an index outside 0..4).
    void WritePedalContents();
    // The same for pedal `pedal`.
    void WritePedalContents(int pedal);
    // The look without a unit: default names, three columns, every control disabled or hidden.
    void InitializeControls();
    // Width, columns and names for a unit with `count` pedals; every button disabled.
    void LayoutForPedalCount(int count);
    // Pedal `pedal` has been read: its name, description and standard button become usable.
    void ActivatePedal(int pedal);

    // Runs the steps asked for since it last ran, in this order: the attach read or the detach
    // (whichever fits the connection now), then the factory reset. Never inside another step: a
    // request that arrives while a step runs (in its exchanges' or boxes' waits) is kept and run
    // when that step has returned.
    void UpdateAppWindow();
    // The menu asked for the factory reset.
    void RequestFactoryReset();

    // Actions of the five standard buttons.
    void buttonSetPedal0Standard_Clicked();
    void buttonSetPedal1Standard_Clicked();
    void buttonSetPedal2Standard_Clicked();
    void buttonSetPedal3Standard_Clicked();
    void buttonSetPedal4Standard_Clicked();
    // Opens the advanced dialog for `pedal` (the advanced buttons lead here while the advanced
    // settings are on) and writes the setting it hands back. Returns the dialog (deleted when it
    // closes).
    AdvancedSettingDialogViewController* SetPedal2Advanced_clicked(int pedal);
    // The window's size for its layout on a screen whose free area is `available`: the layout's
    // exact pixels where they fit; else as large as the area, the pedals scrolling, inside it.
    void FitInto(const QRect& available);

    // The menu's "高度な設定を使う": off, every advanced button is disabled (and says why); on, each
    // pedal of the unit shown has its advanced button, enabled.
    void SetAdvancedSettingsEnabled(bool on);

    // The units to choose from (`chosen` is what the link sees), the simulated units when the
    // program runs on them (else nullptr), and the menu that lists the units.
    void SetUnits(ChosenUnitBackend& chosen, SimulatedUnits* simulated, QMenu* unitsMenu);
    // "再読み込み": the unit shown is read again, as after a plug.
    void RequestReload();
    // "設定を書き出す…": the settings shown into a snapshot file.
    void ExportSettings();
    // "設定を読み込む…": a snapshot's pedals that differ written to the unit, each read back.
    void ImportSettings();
    // How long a step waits for another program's use of the unit (tests shorten it).
    void SetLockWaitMs(int ms) { lockWaitMs_ = ms; }
    // Asks for a snapshot file to write (`save`) or read; empty when cancelled. Tests answer it.
    using FileAsker = std::function<QString(bool save)>;
    void SetFileAsker(FileAsker asker) { askFile_ = std::move(asker); }

    // How the program ends when the unit's firmware is refused (tests record the status instead).
    using ExitHandler = std::function<void(int status)>;
    void SetExitHandler(ExitHandler handler);

signals:
    // The attach read ended: `shown` is true when every pedal of the unit is shown.
    void unitRead(bool shown);

protected:
    void showEvent(QShowEvent* event) override;
    // A new font scales the layout with it.
    void changeEvent(QEvent* event) override;

private:
    class ReadListener;
    class ResetListener;

    // A unit came or went (or the probe found none): the attach or detach step is due.
    void ConnectionChanged();
    // Runs UpdateAppWindow once the event loop gets to it.
    void ScheduleSteps();
    void AttachSequence();
    void DetachSequence();
    void RunFactoryReset();
    // Takes the unit's lock for one step (telling the user when another program holds it past the
    // wait); ends it, marking the unit when the step wrote.
    bool BeginUnitSequence(UnitSequence& sequence);
    void EndUnitSequence(UnitSequence& sequence, bool wrote);
    // Follows the file another program's write to the shown unit changes.
    void FollowShownUnit();
    void FollowedFileChanged(const QString& file);
    void RefreshUnitsMenu();
    // Asks whether to export first when a pedal holds what a reset cannot bring back; false when
    // the reset is not to go on.
    bool OfferExportBeforeReset(std::string& confirmText);
    void RunImport(const QString& file);
    void OpenStandardDialog(int pedal);
    // Writes what a dialog handed back, verifies it and tells the user the outcome.
    void WriteChoiceStep(int pedal, const modes::ModeChoice& choice);
    template <class Write>
    void RunWrite(int pedal, Write write);
    // Each advanced button as the opt-in and the pedal's presence say.
    void RefreshAdvancedButtons();
    // The design's width and shift (designWidth_, designShift_) at the layout's scale.
    void ApplyWindowWidth();
    void ApplyShift();
    // Sizes every control and the window for the current font and titles.
    void ApplyFontScale();
    // How much the design must grow for the longest pedal name or button title to fit.
    double TitleScale() const;
    int Px(int designPixels) const;
    // Tab goes through the pedals' buttons as the columns stand on the screen, left to right.
    void OrderFocusByColumn();
    // Pedal `pedal`'s name on its label and both its buttons.
    void ShowPedalName(int pedal, const std::string& name);
    // Shows or hides the name, description and standard button of pedal `pedal`.
    void ShowBlock(int pedal, bool shown);
    void SetExplanation(const std::string& text);
    void ShowNoUnitExplanation();
    void RefreshAccessHint();

    QLabel* NameLabel(int pedal) const { return names_[static_cast<std::size_t>(pedal)]; }
    QPlainTextEdit* TextView(int pedal) const { return texts_[static_cast<std::size_t>(pedal)]; }
    QPushButton* StandardButton(int pedal) const { return standard_[static_cast<std::size_t>(pedal)]; }
    QPushButton* AdvancedButton(int pedal) const { return advanced_[static_cast<std::size_t>(pedal)]; }

    std::unique_ptr<Ui::MainWindowViewController> ui_;
    DeviceState& state_;
    HID_PnP& link_;
    std::array<QLabel*, 5> names_{};
    std::array<QPlainTextEdit*, 5> texts_{};
    std::array<QPushButton*, 5> standard_{};
    std::array<QPushButton*, 5> advanced_{};
    ExitHandler exit_;
    // Every control's place and size as the form gives it, the layout's scale for the font, and
    // the width and shift the pedal count asked for.
    std::vector<std::pair<QWidget*, QRect>> design_;
    double scale_ = 1.0;
    int designWidth_ = WIDTH_THREE_COLUMNS;
    int designShift_ = 0;
    bool appeared_ = false;
    bool attachRan_ = false;
    bool accessDenied_ = false;
    // Steps asked for and not yet run, and whether one runs now.
    bool connectionChanged_ = false;
    bool resetRequested_ = false;
    bool reloadRequested_ = false;
    bool stepRunning_ = false;
    bool stepsScheduled_ = false;
    bool exiting_ = false;
    bool advancedOn_ = false;
    std::array<bool, 5> present_{};  // pedals read from the unit shown
    QPointer<SettingDialogViewController> settingDialog_;
    ChosenUnitBackend* chosen_ = nullptr;
    SimulatedUnits* simulated_ = nullptr;
    QMenu* unitsMenu_ = nullptr;
    std::unique_ptr<WriteWatcher> watcher_;
    QString followed_;                       // the file followed for the unit shown
    std::vector<std::pair<QString, QString>> unitDetails_;  // path → what its read found
    int lockWaitMs_;
    FileAsker askFile_;
};

}  // namespace tarvik
