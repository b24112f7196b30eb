// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SettingDialogViewController.h"

#include <QMetaObject>
#include <QSignalBlocker>

#include "device/Alert.h"
#include "device/Console.h"
#include "device/HID_PnP.h"
#include "model/DeviceState.h"
#include "model/KeyTable.h"
#include "model/Texts.h"
#include "ui/DialogHost.h"
#include "model/StandardChoice.h"
#include "ui/standard/StandardTitle.h"
#include "ui_SettingDialogViewController.h"

namespace tarvik {

namespace {

constexpr int TAB_KEYBOARD = 0;
constexpr int TAB_MOUSE = 1;
const QString TabKeyboardId = QStringLiteral("Tab_Keyboard");
const QString TabMouseId = QStringLiteral("Tab_Mouse");

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

SettingDialogViewController::SettingDialogViewController(DialogHost& host, const DeviceState& state, int pedal,
                                                         QWidget* parent)
    : QDialog(parent),
      host_(host),
      state_(state),
      ui_(std::make_unique<Ui::SettingDialogViewController>()),
      pedal_(pedal) {
    viewDidLoad();
    loading_ = false;
    // Closing during loading (the warning's キャンセル, or the unit pulled out while the warning was
    // up) can only finish once the opener holds the dialog and has set it up to close.
    if (closePending_) {
        QMetaObject::invokeMethod(this, &SettingDialogViewController::FinishPendingClose, Qt::QueuedConnection);
    }
}

SettingDialogViewController::~SettingDialogViewController() = default;

void SettingDialogViewController::viewDidLoad() {
    ui_->setupUi(this);
    // Also while the out-of-standard warning below is up.
    connect(&host_.plugNPlay(), &HID_PnP::unitRemoved, this, &SettingDialogViewController::UnitRemoved);

    const auto& s = state_;
    const int p = pedal_;
    ui_->Label_PedalName->setText(Q(StandardTitleLine(s.NumberOfPedals, p)));
    setWindowTitle(Q(text::Tr(text::StandardDialogTitle)));

    ui_->labelExplanation->setText(Q(text::Tr(text::ExplanationCaption)));
    ui_->radiobuttonNoModifiers->setText(Q(text::Tr(text::RadioNoModifiers)));
    ui_->radiobuttonWithModifiers->setText(Q(text::Tr(text::RadioWithModifiers)));
    ui_->radiobuttonOnlyModifiers->setText(Q(text::Tr(text::RadioOnlyModifiers)));
    ui_->buttonProgramTarvik->setText(Q(text::Tr(text::WriteButton)));
    ui_->radiobuttonLeftClick->setText(Q(text::Tr(text::LeftClick)));
    ui_->radiobuttonRightClick->setText(Q(text::Tr(text::RightClick)));
    ui_->radiobuttonCenterClick->setText(Q(text::Tr(text::CenterClick)));
    ui_->radiobuttonDoubleClick->setText(Q(text::Tr(text::DoubleClick)));

    WithinStandard = false;
    LoadKeyList();

    // Connected only now: loading sets controls itself and runs the rules in its own order.
    connect(ui_->listboxKeys, &QComboBox::currentIndexChanged, this,
            &SettingDialogViewController::listboxKeys_SelectedIndexChanged);
    // On toggled, not clicked: assistive technology's Toggle action turns a button on without a
    // click. A radio button counts when it comes on; a check box either way.
    for (QRadioButton* radio : ModifierRadios())
        connect(radio, &QAbstractButton::toggled, this, [this, radio](bool on) {
            if (on) ChooseModifierRadio(radio);
        });
    for (QRadioButton* radio : ClickRadios())
        connect(radio, &QAbstractButton::toggled, this, [this, radio](bool on) {
            if (on) ChooseClick(radio);
        });
    for (QCheckBox* box : {ui_->checkboxCtrl, ui_->checkboxShift, ui_->checkboxAlt, ui_->checkboxWindowsKey})
        connect(box, &QAbstractButton::toggled, this,
                &SettingDialogViewController::Change_K_buttonProgramTarvik_Enabled);
    connect(ui_->tabcontrolOutputMode, &QTabWidget::currentChanged, this,
            &SettingDialogViewController::tabView_didSelect);
    connect(ui_->buttonProgramTarvik, &QAbstractButton::clicked, this,
            &SettingDialogViewController::buttonProgramTarvik_Click);
    connect(ui_->okButton, &QAbstractButton::clicked, this, &SettingDialogViewController::okButtonPressed);
    connect(ui_->cancelButton, &QAbstractButton::clicked, this, &SettingDialogViewController::cancelButtonPressed);

    if (!IsPedalIndex(p)) {
        // No record to show or to write: leave every choice empty and the write button off.
        ui_->radiobuttonNoModifiers->setChecked(true);
        Change_K_Controls_Enabled();
        SetWriteEnabled(false);
        return;
    }

    LoadKeyboardTab(p);
    LoadMouseTab(p);
    OneTabStop(ModifierRadios());
    OneTabStop(ClickRadios());
    Change_buttonProgramTarvik_Enabled();

    if (!WithinStandard) WarnOutOfStandard(p);
}

void SettingDialogViewController::LoadKeyList() {
    keys_ = BuildStandardKeyList();
    QStringList names;
    names.reserve(keys_.Count);
    for (int i = 0; i < keys_.Count; ++i) names << Q(GetKeyName(keys_.UsageAt(i)));
    ui_->listboxKeys->addItems(names);
    ui_->listboxKeys->setCurrentIndex(-1);
}

void SettingDialogViewController::LoadKeyboardTab(int p) {
    const auto& s = state_;
    const auto pedal = static_cast<std::size_t>(p);
    if (s.OutputMode[pedal] != SIMPLE_KEY_OUTPUT) {
        ui_->radiobuttonNoModifiers->setChecked(true);
        Change_K_Controls_Enabled();
        Change_K_buttonProgramTarvik_Enabled();
        return;
    }

    SelectTab(TAB_KEYBOARD);
    const int k = s.CommonData[pedal][USAGE_ID_BYTE];
    if (k == 0) {
        WithinStandard = true;
    } else if (const int i = keys_.IndexOf(k); i >= 0) {
        const QSignalBlocker block(ui_->listboxKeys);
        ui_->listboxKeys->setCurrentIndex(i);
        listboxKeys_SelectedIndexChanged_manual();
        WithinStandard = true;
    }

    const std::uint8_t m = s.CommonData[pedal][MODIFIER_BYTE];
    ui_->checkboxCtrl->setChecked(m & MODIFIER_CTRL);
    ui_->checkboxShift->setChecked(m & MODIFIER_SHIFT);
    ui_->checkboxAlt->setChecked(m & MODIFIER_ALT);
    ui_->checkboxWindowsKey->setChecked(m & MODIFIER_GUI);
    if (m & MODIFIERS_RIGHT_HAND) WithinStandard = false;

    QRadioButton* radio = m == 0   ? ui_->radiobuttonNoModifiers
                          : k != 0 ? ui_->radiobuttonWithModifiers
                                   : ui_->radiobuttonOnlyModifiers;
    radio->setChecked(true);
    Change_K_Controls_Enabled();
    Change_K_buttonProgramTarvik_Enabled();
}

void SettingDialogViewController::LoadMouseTab(int p) {
    const auto& s = state_;
    const auto pedal = static_cast<std::size_t>(p);
    const int mode = s.OutputMode[pedal];
    const int button = s.CommonData[pedal][CLICK_BUTTON_BYTE];
    M_buttonProgramTarvik_Enabled = true;
    if (mode == SIMPLE_CLICK) {
        SelectTab(TAB_MOUSE);
        QRadioButton* radio = button == CLICK_LEFT     ? ui_->radiobuttonLeftClick
                              : button == CLICK_RIGHT  ? ui_->radiobuttonRightClick
                              : button == CLICK_CENTER ? ui_->radiobuttonCenterClick
                                                       : nullptr;
        if (radio) {
            radio->setChecked(true);
            WithinStandard = true;
        }
    } else if (mode == SIMPLE_DOUBLE_CLICK) {
        SelectTab(TAB_MOUSE);
        if (button == CLICK_LEFT) {
            ui_->radiobuttonDoubleClick->setChecked(true);
            WithinStandard = true;
        }
    } else {
        M_buttonProgramTarvik_Enabled = false;
    }
    Change_buttonProgramTarvik_Enabled();
}

void SettingDialogViewController::WarnOutOfStandard(int p) {
    const int response = ConfirmBox(text::ProductTitle, text::Tr(text::OutOfStandard));
    const std::string pedal = text::ConsoleSettingInPedal + std::to_string(p);
    if (response == ALERT_FIRST_BUTTON) {
        ConsoleLine(pedal + text::ConsoleOutOfStandardKept);
    } else if (response == ALERT_SECOND_BUTTON) {
        ConsoleLine(pedal + text::ConsoleOutOfStandardCancelled);
        reject();
    } else {
        ConsoleLine(text::ConsoleOtherResponse + std::to_string(response));
    }
}

// Keyboard tab.

void SettingDialogViewController::listboxKeys_SelectedIndexChanged(int index) {
    const int usage = keys_.UsageAt(index);
    ui_->textboxExplanation->setText(usage >= 0 ? Q(GetKeyExplanation(usage)) : QString());
    Change_K_buttonProgramTarvik_Enabled();
}

void SettingDialogViewController::listboxKeys_SelectedIndexChanged_manual() {
    const int usage = keys_.UsageAt(ui_->listboxKeys->currentIndex());
    if (usage >= 0) ui_->textboxExplanation->setText(Q(GetKeyExplanation(usage)));
}

std::vector<QRadioButton*> SettingDialogViewController::ModifierRadios() const {
    return {ui_->radiobuttonNoModifiers, ui_->radiobuttonWithModifiers, ui_->radiobuttonOnlyModifiers};
}

std::vector<QRadioButton*> SettingDialogViewController::ClickRadios() const {
    return {ui_->radiobuttonLeftClick, ui_->radiobuttonRightClick, ui_->radiobuttonCenterClick,
            ui_->radiobuttonDoubleClick};
}

// A set of radio choices is one Tab stop, its chosen one (or its first); the arrow keys move within it.
void SettingDialogViewController::OneTabStop(const std::vector<QRadioButton*>& radios) {
    QRadioButton* stop = radios.front();
    for (QRadioButton* radio : radios)
        if (radio->isChecked()) stop = radio;
    for (QRadioButton* radio : radios) radio->setFocusPolicy(radio == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void SettingDialogViewController::ChooseModifierRadio(QRadioButton* chosen) {
    // A click always leaves the clicked choice on, as a radio button does.
    for (QRadioButton* radio : ModifierRadios()) radio->setChecked(radio == chosen);
    OneTabStop(ModifierRadios());
    Change_K_Controls_Enabled();
    Change_K_buttonProgramTarvik_Enabled();
}

void SettingDialogViewController::Change_K_Controls_Enabled() {
    bool keyEnabled = false;
    bool modifiersEnabled = false;
    if (ui_->radiobuttonNoModifiers->isChecked()) {
        keyEnabled = true;
    } else if (ui_->radiobuttonWithModifiers->isChecked()) {
        keyEnabled = modifiersEnabled = true;
    } else if (ui_->radiobuttonOnlyModifiers->isChecked()) {
        modifiersEnabled = true;
    } else {
        return;
    }
    for (QWidget* w : {static_cast<QWidget*>(ui_->listboxKeys), static_cast<QWidget*>(ui_->labelExplanation),
                       static_cast<QWidget*>(ui_->textboxExplanation), static_cast<QWidget*>(ui_->labelKey)}) {
        w->setEnabled(keyEnabled);
    }
    for (QWidget* w : {ui_->checkboxCtrl, ui_->checkboxShift, ui_->checkboxAlt, ui_->checkboxWindowsKey}) {
        w->setEnabled(modifiersEnabled);
    }
}

void SettingDialogViewController::Change_K_buttonProgramTarvik_Enabled() {
    const KeyboardChoice choice = CurrentKeyboardChoice();
    if (choice.radio == ModifierRadio::None) return;
    K_buttonProgramTarvik_Enabled = IsComplete(choice);
    SetWriteEnabled(K_buttonProgramTarvik_Enabled);
}

KeyboardChoice SettingDialogViewController::CurrentKeyboardChoice() const {
    KeyboardChoice choice;
    choice.radio = ui_->radiobuttonNoModifiers->isChecked()     ? ModifierRadio::NoModifiers
                   : ui_->radiobuttonWithModifiers->isChecked() ? ModifierRadio::WithModifiers
                   : ui_->radiobuttonOnlyModifiers->isChecked() ? ModifierRadio::OnlyModifiers
                                                                : ModifierRadio::None;
    if (ui_->checkboxCtrl->isChecked()) choice.modifiers |= MODIFIER_CTRL;
    if (ui_->checkboxShift->isChecked()) choice.modifiers |= MODIFIER_SHIFT;
    if (ui_->checkboxAlt->isChecked()) choice.modifiers |= MODIFIER_ALT;
    if (ui_->checkboxWindowsKey->isChecked()) choice.modifiers |= MODIFIER_GUI;
    choice.usageID = keys_.UsageAt(ui_->listboxKeys->currentIndex());
    return choice;
}

// Mouse tab.

void SettingDialogViewController::ChooseClick(QRadioButton* chosen) {
    for (QRadioButton* radio : ClickRadios()) radio->setChecked(radio == chosen);
    OneTabStop(ClickRadios());
    M_buttonProgramTarvik_Enabled = true;
    SetWriteEnabled(M_buttonProgramTarvik_Enabled);
}

ClickChoice SettingDialogViewController::CurrentClickChoice() const {
    if (ui_->radiobuttonLeftClick->isChecked()) return ClickChoice::Left;
    if (ui_->radiobuttonRightClick->isChecked()) return ClickChoice::Right;
    if (ui_->radiobuttonCenterClick->isChecked()) return ClickChoice::Center;
    if (ui_->radiobuttonDoubleClick->isChecked()) return ClickChoice::Double;
    return ClickChoice::None;
}

// Tabs and the write button.

void SettingDialogViewController::SelectTab(int index) {
    const QSignalBlocker block(ui_->tabcontrolOutputMode);
    ui_->tabcontrolOutputMode->setCurrentIndex(index);
}

QString SettingDialogViewController::SelectedTabIdentifier() const {
    const QWidget* page = ui_->tabcontrolOutputMode->currentWidget();
    return page ? page->objectName() : QString();
}

void SettingDialogViewController::tabView_didSelect(int) { Change_buttonProgramTarvik_Enabled(); }

void SettingDialogViewController::Change_buttonProgramTarvik_Enabled() {
    const QString id = SelectedTabIdentifier();
    if (id == TabMouseId) {
        SetWriteEnabled(M_buttonProgramTarvik_Enabled);
        return;
    }
    if (id != TabKeyboardId) SelectTab(TAB_KEYBOARD);
    SetWriteEnabled(K_buttonProgramTarvik_Enabled);
}

// Return writes a chosen edit: the write button is the default whenever it can write, else OK is.
void SettingDialogViewController::SetWriteEnabled(bool enabled) {
    ui_->buttonProgramTarvik->setEnabled(enabled);
    ui_->buttonProgramTarvik->setDefault(enabled);
    ui_->okButton->setDefault(!enabled);
}

void SettingDialogViewController::buttonProgramTarvik_Click() {
    const int p = pedal_;
    if (!IsPedalIndex(p)) return;
    const QString id = SelectedTabIdentifier();
    std::optional<modes::ModeChoice> choice;
    if (id == TabKeyboardId) {
        // A key setting that is not complete would write a missing key: hand back nothing.
        const KeyboardChoice keyboard = CurrentKeyboardChoice();
        if (!IsComplete(keyboard)) {
            Change_buttonProgramTarvik_Enabled();
            return;
        }
        choice = KeyOutputOf(keyboard);
    } else if (id == TabMouseId) {
        // No click chosen (a loaded combination of buttons): the record as it is.
        const auto i = static_cast<std::size_t>(p);
        choice = ClickModeChoice(CurrentClickChoice(), state_.OutputMode[i], state_.CommonData[i]);
    }
    if (!choice) return;
    choice_ = choice;
    accept();
}

void SettingDialogViewController::okButtonPressed() {
    choice_.reset();
    accept();
}

void SettingDialogViewController::cancelButtonPressed() { reject(); }

// Closing.

void SettingDialogViewController::UnitRemoved() {
    if (closed_) return;  // closed already; only the deletion is still to come
    choice_.reset();
    reject();
}

void SettingDialogViewController::done(int result) {
    closed_ = true;
    if (loading_ || closePending_) {
        closePending_ = true;
        pendingResult_ = result;
        return;
    }
    QDialog::done(result);
}

void SettingDialogViewController::FinishPendingClose() {
    closePending_ = false;
    QDialog::done(pendingResult_);
}

void SettingDialogViewController::setVisible(bool visible) {
    if (visible && closePending_) return;
    QDialog::setVisible(visible);
}

}  // namespace tarvik
