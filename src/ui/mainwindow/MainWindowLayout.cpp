// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's layout: the blocks of the pedals for the unit's pedal count, scaled with the
// font, and what each block shows.
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

#include "device/Diagnosis.h"
#include "model/PedalContents.h"
#include "model/PedalNames.h"
#include "model/Texts.h"
#include "ui/DisplayText.h"
#include "ui/LayoutScale.h"
#include "ui/MainWindowViewController.h"
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
    present_.fill(false);
    RefreshAdvancedButtons();
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
    present_.fill(false);
    RefreshAdvancedButtons();
}

void MainWindowViewController::ActivatePedal(int pedal) {
    if (!IsPedalIndex(pedal)) return;
    NameLabel(pedal)->setEnabled(true);
    TextView(pedal)->setVisible(true);
    StandardButton(pedal)->setEnabled(true);
    present_[static_cast<std::size_t>(pedal)] = true;
    RefreshAdvancedButtons();
}

void MainWindowViewController::SetAdvancedSettingsEnabled(bool on) {
    advancedOn_ = on;
    RefreshAdvancedButtons();
}

// Off, the buttons are as they have always been: disabled, and pedals 3 and 4 without one. On,
// every pedal shown has one, so the rows stay even.
void MainWindowViewController::RefreshAdvancedButtons() {
    const QString offTip = advancedOn_ ? QString() : QString::fromUtf8(text::AdvancedButtonOffTip);
    for (int p = 0; p < NUMBER_OF_PEDALS_MAX; ++p) {
        QPushButton* button = AdvancedButton(p);
        button->setEnabled(advancedOn_ && present_[static_cast<std::size_t>(p)]);
        button->setToolTip(offTip);
        if (p >= 3) button->setVisible(advancedOn_ && !NameLabel(p)->isHidden());
    }
}

void MainWindowViewController::WritePedalContents() { WritePedalContents(state_.SelectedPedalNo); }

void MainWindowViewController::WritePedalContents(int pedal) {
    if (!IsPedalIndex(pedal)) return;
    TextView(pedal)->setPlainText(ForDisplay(PedalContentsText(state_, pedal)));
}

}  // namespace tarvik
