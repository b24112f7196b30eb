// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MainWindowViewController.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>

#include "device/Alert.h"
#include "device/Console.h"
#include "device/Diagnostics.h"
#include "device/HID_PnP.h"
#include "device/UnitFlows.h"
#include "model/DeviceState.h"
#include "model/PedalContents.h"
#include "model/PedalNames.h"
#include "model/Texts.h"
#include "ui/AdvancedSettingDialogViewController.h"
#include "ui/DisplayText.h"
#include "ui/LayoutScale.h"
#include "ui/SettingDialogViewController.h"
#include "ui_MainWindowViewController.h"

namespace tarvik {

namespace {

QString ButtonTitle(const std::string& name, const char* suffix) { return QString::fromStdString(name + suffix); }

// Descriptions run to a dozen lines in a narrow column: a slightly smaller face keeps most lines
// from wrapping.
QFont DescriptionFont(QFont font) {
    constexpr double kSmaller = 0.92;
    if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * kSmaller)));
    } else {
        font.setPointSizeF(font.pointSizeF() * kSmaller);
    }
    return font;
}

}  // namespace

// Between the steps of reading an attached unit the window follows what has been read.
class MainWindowViewController::ReadListener : public UnitFlowListener {
public:
    explicit ReadListener(MainWindowViewController& window) : window_(window) {}
    void PedalCountKnown(int count, int /*reported*/) override { window_.LayoutForPedalCount(count); }
    void PedalRecordReady(int pedal) override {
        window_.WritePedalContents(pedal);
        window_.ActivatePedal(pedal);
    }
    void ExchangeFailed(ExchangeEnding ending) override {
        AlertExchangeFailure(ending);
        window_.InitializeControls();
    }

private:
    MainWindowViewController& window_;
};

// The factory reset re-describes each pedal as its factory setting goes out.
class MainWindowViewController::ResetListener : public UnitFlowListener {
public:
    explicit ResetListener(MainWindowViewController& window) : window_(window) {}
    void PedalRecordReady(int pedal) override { window_.WritePedalContents(pedal); }
    void ExchangeFailed(ExchangeEnding ending) override {
        AlertExchangeFailure(ending);
        window_.InitializeControls();
    }

private:
    MainWindowViewController& window_;
};

MainWindowViewController::MainWindowViewController(DeviceState& state, HID_PnP& link, QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::MainWindowViewController>()), state_(state), link_(link) {
    ui_->setupUi(this);
    names_ = {ui_->labelPedal0Name, ui_->labelPedal1Name, ui_->labelPedal2Name, ui_->labelPedal3Name,
              ui_->labelPedal4Name};
    texts_ = {ui_->textboxPedal0Contents, ui_->textboxPedal1Contents, ui_->textboxPedal2Contents,
              ui_->textboxPedal3Contents, ui_->textboxPedal4Contents};
    standard_ = {ui_->buttonSetPedal0Standard, ui_->buttonSetPedal1Standard, ui_->buttonSetPedal2Standard,
                 ui_->buttonSetPedal3Standard, ui_->buttonSetPedal4Standard};
    advanced_ = {ui_->buttonSetPedal0Advanced, ui_->buttonSetPedal1Advanced, ui_->buttonSetPedal2Advanced,
                 ui_->buttonSetPedal3Advanced, ui_->buttonSetPedal4Advanced};

    connect(ui_->buttonSetPedal0Standard, &QPushButton::clicked, this,
            &MainWindowViewController::buttonSetPedal0Standard_Clicked);
    connect(ui_->buttonSetPedal1Standard, &QPushButton::clicked, this,
            &MainWindowViewController::buttonSetPedal1Standard_Clicked);
    connect(ui_->buttonSetPedal2Standard, &QPushButton::clicked, this,
            &MainWindowViewController::buttonSetPedal2Standard_Clicked);
    connect(ui_->buttonSetPedal3Standard, &QPushButton::clicked, this,
            &MainWindowViewController::buttonSetPedal3Standard_Clicked);
    connect(ui_->buttonSetPedal4Standard, &QPushButton::clicked, this,
            &MainWindowViewController::buttonSetPedal4Standard_Clicked);
    for (QPlainTextEdit* view : texts_) view->document()->setDocumentMargin(3);
    for (QWidget* control : ui_->centralwidget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        design_.emplace_back(control, control->geometry());
    ApplyFontScale();
    // The advanced dialog is not offered: its buttons stay disabled and lead nowhere.

    exit_ = [](int status) { QCoreApplication::exit(status); };

    // The window is in its no-unit look from the start, even before it is first shown.
    InitializeControls();

    connect(&link_, &HID_PnP::unitAttached, this, &MainWindowViewController::ConnectionChanged);
    connect(&link_, &HID_PnP::unitRemoved, this, &MainWindowViewController::ConnectionChanged);
    // The probe has already found a unit or none: that is the first change to handle.
    ConnectionChanged();
}

MainWindowViewController::~MainWindowViewController() {
    // Dialogs still open refer to this window; they go first.
    delete settingDialog_.data();
}

HID_PnP& MainWindowViewController::plugNPlay() { return link_; }

void MainWindowViewController::SetExitHandler(ExitHandler handler) { exit_ = std::move(handler); }

void MainWindowViewController::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // First appearance only: a window restored from the task bar keeps what it shows, and a unit
    // read before the window first appeared is not wiped.
    if (appeared_ || event->spontaneous()) return;
    appeared_ = true;
    if (!attachRan_) InitializeControls();
}

// ---- Layout ------------------------------------------------------------------------------------

void MainWindowViewController::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange) ApplyFontScale();
}

int MainWindowViewController::Px(int designPixels) const { return Scaled(designPixels, scale_); }

void MainWindowViewController::ApplyFontScale() {
    scale_ = LayoutScale(font(), logicalDpiY());
    for (QPlainTextEdit* view : texts_) view->setFont(DescriptionFont(font()));
    for (const auto& [control, rect] : design_)
        control->setGeometry(Px(rect.x()), Px(rect.y()), Px(rect.width()), Px(rect.height()));
    SetWindowWidth(designWidth_);
    SetShift(designShift_);
}

void MainWindowViewController::SetExplanation(const char* text) {
    ui_->labelMainWindowExplanation->setText(ForDisplay(text));
}

void MainWindowViewController::ShowNoUnitExplanation() {
    SetExplanation(accessDenied_ ? UnitAccessDeniedExplanation().c_str() : text::ExplanationNoUnit);
}

void MainWindowViewController::SetWindowWidth(int designWidth) {
    designWidth_ = designWidth;
    const int width = Px(designWidth);
    const int height = Px(FORM_HEIGHT);
    ui_->centralwidget->setFixedSize(width, height);
    ui_->labelMainWindowExplanation->setFixedWidth(width - 2 * ui_->labelMainWindowExplanation->x());
    // Fixed size: the user can never resize the window.
    setFixedSize(width, height + (menuWidget() ? menuWidget()->sizeHint().height() : 0));
}

void MainWindowViewController::SetShift(int designShift) {
    designShift_ = designShift;
    for (int p = 0; p < static_cast<int>(BLOCK_LEFT.size()); ++p) {
        const int left = Px(BLOCK_LEFT[static_cast<std::size_t>(p)] + designShift);
        const int indented = Px(BLOCK_LEFT[static_cast<std::size_t>(p)] + designShift + ADVANCED_INDENT);
        NameLabel(p)->move(left, NameLabel(p)->y());
        TextView(p)->move(left, TextView(p)->y());
        StandardButton(p)->move(left, StandardButton(p)->y());
        AdvancedButton(p)->move(indented, AdvancedButton(p)->y());
    }
    OrderFocusByColumn();
}

void MainWindowViewController::OrderFocusByColumn() {
    std::array<int, NUMBER_OF_PEDALS_MAX> pedals{0, 1, 2, 3, 4};
    std::stable_sort(pedals.begin(), pedals.end(),
                     [this](int a, int b) { return StandardButton(a)->x() < StandardButton(b)->x(); });
    QWidget* previous = nullptr;
    for (int p : pedals) {
        if (previous) setTabOrder(previous, StandardButton(p));
        setTabOrder(StandardButton(p), AdvancedButton(p));
        previous = AdvancedButton(p);
    }
}

void MainWindowViewController::ShowPedalName(int pedal, const std::string& name) {
    NameLabel(pedal)->setText(QString::fromStdString(name));
    StandardButton(pedal)->setText(ButtonTitle(name, text::StandardButtonSuffix));
    AdvancedButton(pedal)->setText(ButtonTitle(name, text::AdvancedButtonSuffix));
}

void MainWindowViewController::ShowBlock(int pedal, bool shown) {
    NameLabel(pedal)->setVisible(shown);
    TextView(pedal)->setVisible(shown);
    StandardButton(pedal)->setVisible(shown);
}

void MainWindowViewController::InitializeControls() {
    ShowNoUnitExplanation();
    for (int p = 0; p < NUMBER_OF_PEDALS_MAX; ++p) {
        ShowPedalName(p, DefaultPedalName(p));
        NameLabel(p)->setEnabled(false);
        TextView(p)->setVisible(false);
        TextView(p)->clear();
        StandardButton(p)->setEnabled(false);
        AdvancedButton(p)->setEnabled(false);
    }
    SetWindowWidth(WIDTH_THREE_COLUMNS);
    for (int p = 3; p < NUMBER_OF_PEDALS_MAX; ++p) ShowBlock(p, false);
    SetShift(0);
}

void MainWindowViewController::LayoutForPedalCount(int count) {
    for (int p = 0; p < NUMBER_OF_PEDALS_MAX; ++p) {
        StandardButton(p)->setEnabled(false);
        AdvancedButton(p)->setEnabled(false);
    }
    for (int p = 1; p < NUMBER_OF_PEDALS_MAX; ++p) {
        NameLabel(p)->setEnabled(false);
        TextView(p)->setVisible(false);
        TextView(p)->clear();
    }

    // A count outside the unit's range changes neither the columns nor the names.
    const bool known = count >= 0 && count <= NUMBER_OF_PEDALS_MAX;
    int shift = 0;
    if (known) {
        const bool third = count >= 4;
        const bool fourth = count >= 5;
        SetWindowWidth(fourth ? WIDTH_FIVE_COLUMNS : third ? WIDTH_FOUR_COLUMNS : WIDTH_THREE_COLUMNS);
        ShowBlock(3, third);
        ShowBlock(4, fourth);
        shift = third ? COLUMN_SHIFT : 0;
    }
    SetShift(shift);

    for (int p = 0; p < NUMBER_OF_PEDALS_MAX; ++p) {
        const std::string name = PedalNameForCount(count, p);
        if (!name.empty()) ShowPedalName(p, name);
    }
}

void MainWindowViewController::ActivatePedal(int pedal) {
    if (!IsPedalIndex(pedal)) return;
    NameLabel(pedal)->setEnabled(true);
    TextView(pedal)->setVisible(true);
    StandardButton(pedal)->setEnabled(true);
    AdvancedButton(pedal)->setEnabled(false);
}

void MainWindowViewController::WritePedalContents() { WritePedalContents(state_.SelectedPedalNo); }

void MainWindowViewController::WritePedalContents(int pedal) {
    if (!IsPedalIndex(pedal)) return;
    TextView(pedal)->setPlainText(ForDisplay(PedalContentsText(state_, pedal)));
}

// ---- Steps -------------------------------------------------------------------------------------

void MainWindowViewController::ConnectionChanged() {
    connectionChanged_ = true;
    ScheduleSteps();
}

void MainWindowViewController::RequestFactoryReset() {
    resetRequested_ = true;
    ScheduleSteps();
}

// Queued, not run from inside the signal: an attach read waits for the unit, and the code that
// reported the unit (the backend's hotplug handling) must not be held in that wait.
void MainWindowViewController::ScheduleSteps() {
    if (stepsScheduled_) return;
    stepsScheduled_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            stepsScheduled_ = false;
            UpdateAppWindow();
        },
        Qt::QueuedConnection);
}

void MainWindowViewController::UpdateAppWindow() {
    if (stepRunning_ || exiting_) return;
    stepRunning_ = true;
    for (;;) {
        RefreshAccessHint();
        if (connectionChanged_) {
            connectionChanged_ = false;
            state_.DeviceDetectedChanged = false;
            if (link_.HasDevice()) {
                AttachSequence();
            } else {
                DetachSequence();
            }
        } else if (resetRequested_) {
            resetRequested_ = false;
            RunFactoryReset();
        } else {
            break;
        }
        if (exiting_) break;
    }
    stepRunning_ = false;
}

void MainWindowViewController::RefreshAccessHint() {
    const bool denied = !link_.HasDevice() && link_.LastOpenResult() == OpenResult::PermissionDenied;
    if (denied == accessDenied_) return;
    accessDenied_ = denied;
    if (!link_.HasDevice()) ShowNoUnitExplanation();
}

void MainWindowViewController::AttachSequence() {
    attachRan_ = true;
    InitializeControls();
    SetExplanation(text::ExplanationConnected);
    ReadListener listener(*this);
    const ReadOutcome outcome = ReadUnit(link_, state_, listener);
    if (outcome == ReadOutcome::Unsupported) {
        InitializeControls();
        alertBox(text::UnsupportedFirmware);
        emit unitRead(false);
        exiting_ = true;
        exit_(0);
        return;
    }
    // Never show a unit as connected once it is gone, whatever the read got.
    if (outcome != ReadOutcome::Done || !link_.HasDevice()) {
        InitializeControls();
        emit unitRead(false);
        return;
    }
    emit unitRead(true);
}

void MainWindowViewController::DetachSequence() { InitializeControls(); }

void MainWindowViewController::RunFactoryReset() {
    DeviceState& s = state_;
    s.InitialState = false;
    const int serial = link_.ConnectionSerial();
    const int response = ConfirmBox(text::ProductTitle, text::ResetConfirm);
    if (response == ALERT_SECOND_BUTTON) {
        ConsoleLine(text::ConsoleCancelled);
        return;
    }
    if (response != ALERT_FIRST_BUTTON) {
        ConsoleLine(text::ConsoleOtherResponse + std::to_string(response));
        return;
    }
    ConsoleLine(text::ConsoleResetting);
    // The user agreed to reset the unit that was shown when asked; another one plugged in while the
    // box was open has not even been read yet.
    if (link_.ConnectionSerial() != serial) {
        InitializeControls();
        alertBox(text::ResetFailed);
        return;
    }
    ResetListener listener(*this);
    // A pedal that did not take its factory setting leaves the reset unfinished: say so, rather
    // than let the user take the unit for reset.
    if (FactoryReset(link_, state_, listener) != ExchangeEnding::Answered) alertBox(text::ResetFailed);
}

// ---- Edit flow ---------------------------------------------------------------------------------

void MainWindowViewController::buttonSetPedal0Standard_Clicked() { OpenStandardDialog(0); }
void MainWindowViewController::buttonSetPedal1Standard_Clicked() { OpenStandardDialog(1); }
void MainWindowViewController::buttonSetPedal2Standard_Clicked() { OpenStandardDialog(2); }
void MainWindowViewController::buttonSetPedal3Standard_Clicked() { OpenStandardDialog(3); }
void MainWindowViewController::buttonSetPedal4Standard_Clicked() { OpenStandardDialog(4); }

void MainWindowViewController::OpenStandardDialog(int pedal) {
    DeviceState& s = state_;
    QPushButton* button = StandardButton(pedal);
    button->setEnabled(false);
    s.SettingEnabled = false;
    s.SelectedPedalNo = pedal;
    s.PedalName = NameLabel(pedal)->text().toStdString();
    button->setEnabled(true);
    s.StandardSettingDialogOpen = true;

    auto* dialog = new SettingDialogViewController(*this, s, pedal, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    settingDialog_ = dialog;
    dialog->open();
}

AdvancedSettingDialogViewController* MainWindowViewController::SetPedal2Advanced_clicked(int pedal) {
    if (!IsPedalIndex(pedal)) return nullptr;
    DeviceState& s = state_;
    // SettingEnabled is left as it is: this dialog's edits go out only when a standard edit armed
    // the send.
    s.SelectedPedalNo = pedal;
    s.PedalName = NameLabel(pedal)->text().toStdString();
    auto* dialog = new AdvancedSettingDialogViewController(*this, s, pedal, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->open();
    return dialog;
}

// The write is a step of its own: what is asked for while it waits for the unit runs after it.
void MainWindowViewController::SettingDialog_OK() {
    DeviceState& s = state_;
    if (!s.SettingEnabled) return;
    const bool outermost = !stepRunning_;
    stepRunning_ = true;
    WritePedalContents();
    const ExchangeEnding ending = WritePedal(link_, s, s.SelectedPedalNo);
    if (ending != ExchangeEnding::Answered) {
        AlertExchangeFailure(ending);
        InitializeControls();
    } else {
        alertBox(text::SettingDoneBefore + s.PedalName + text::SettingDoneAfter);
    }
    if (!outermost) return;
    stepRunning_ = false;
    if (connectionChanged_ || resetRequested_) ScheduleSteps();
}

}  // namespace tarvik
