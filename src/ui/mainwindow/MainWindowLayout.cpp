// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's layout: the blocks of the pedals for the unit's pedal count, scaled with the
// font, and what each block shows.
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <initializer_list>

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

QString ButtonTitle(const std::string& name, const char* pattern) {
    return QString::fromStdString(contents::Fill(text::Tr(pattern), {name}));
}

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

double MainWindowViewController::TitleScale() const {
    double scale = 1.0;
    for (int p = 0; p < NUMBER_OF_PEDALS_MAX; ++p) {
        if (NameLabel(p)->isHidden()) continue;  // a column the pedal count leaves out
        for (QWidget* control : std::initializer_list<QWidget*>{NameLabel(p), StandardButton(p), AdvancedButton(p)}) {
            const auto at = std::ranges::find(design_, control, &std::pair<QWidget*, QRect>::first);
            if (at == design_.end() || at->second.isEmpty()) continue;
            const QSize wanted = control->sizeHint();
            scale = std::max({scale, double(wanted.width()) / at->second.width(),
                              double(wanted.height()) / at->second.height()});
        }
    }
    return scale;
}

void MainWindowViewController::ApplyFontScale() {
    for (QPlainTextEdit* view : texts_) view->setFont(DescriptionFont(font()));
    // A title longer than its control (a longer translation, a wider face) grows the whole layout
    // with it rather than being cut.
    scale_ = std::max(LayoutScale(font(), logicalDpiY()), TitleScale());
    for (const auto& [control, rect] : design_)
        control->setGeometry(Px(rect.x()), Px(rect.y()), Px(rect.width()), Px(rect.height()));
    ApplyWindowWidth();
    ApplyShift();
}

void MainWindowViewController::SetExplanation(const std::string& text) {
    ui_->labelMainWindowExplanation->setText(ForDisplay(text));
}

void MainWindowViewController::ShowNoUnitExplanation() {
    SetExplanation(accessDenied_ ? UnitAccessDeniedExplanation() : text::Tr(text::ExplanationNoUnit));
}

void MainWindowViewController::ApplyWindowWidth() {
    const int width = Px(designWidth_);
    const int height = Px(FORM_HEIGHT);
    ui_->centralwidget->setFixedSize(width, height);
    ui_->labelMainWindowExplanation->setFixedWidth(width - 2 * ui_->labelMainWindowExplanation->x());
    FitInto(screen()->availableGeometry());
}

void MainWindowViewController::FitInto(const QRect& available) {
    const QSize layout = ui_->centralwidget->size();
    QSize wanted(layout.width(), layout.height() + (menuWidget() ? menuWidget()->sizeHint().height() : 0));
    // The window manager's frame, known once shown; a guess before.
    const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(8, 32);
    const QSize room = available.size() - frame;
    // Too narrow a screen scrolls the pedals sideways: room for that scroll bar below them, so that
    // it does not take a vertical one along (and the other way round).
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (room.width() < wanted.width()) wanted.rheight() += bar;
    if (room.height() < wanted.height()) wanted.rwidth() += bar;
    if (room.width() >= wanted.width() && room.height() >= wanted.height()) {
        // Fixed size: the user never needs to resize the window.
        setFixedSize(wanted);
    } else {
        setMinimumSize(wanted.boundedTo(QSize(320, 240)));
        setMaximumSize(wanted);
        resize(wanted.boundedTo(room));
    }
    // Inside the free area, also when it opened (or was moved) partly outside it.
    const QRect outer(pos(), size() + frame);
    const int x = std::clamp(outer.x(), available.left(),
                             std::max(available.left(), available.right() + 1 - outer.width()));
    const int y = std::clamp(outer.y(), available.top(),
                             std::max(available.top(), available.bottom() + 1 - outer.height()));
    if (x != outer.x() || y != outer.y()) move(x, y);
}

void MainWindowViewController::ApplyShift() {
    for (int p = 0; p < static_cast<int>(BLOCK_LEFT.size()); ++p) {
        const int left = Px(BLOCK_LEFT[static_cast<std::size_t>(p)] + designShift_);
        const int indented = Px(BLOCK_LEFT[static_cast<std::size_t>(p)] + designShift_ + ADVANCED_INDENT);
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
        if (previous) setTabOrder(previous, TextView(p));
        setTabOrder(TextView(p), StandardButton(p));
        setTabOrder(StandardButton(p), AdvancedButton(p));
        previous = AdvancedButton(p);
    }
}

void MainWindowViewController::ShowPedalName(int pedal, const std::string& pedalName) {
    const std::string name = DisplayedPedalName(pedalName);
    NameLabel(pedal)->setText(QString::fromStdString(name));
    StandardButton(pedal)->setText(ButtonTitle(name, text::StandardButton));
    AdvancedButton(pedal)->setText(ButtonTitle(name, text::AdvancedButton));
    // What a screen reader calls the pedal's description box.
    TextView(pedal)->setAccessibleName(
        QString::fromStdString(contents::Fill(text::Tr(text::PedalSettingName), {name})));
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
    for (int p = 3; p < NUMBER_OF_PEDALS_MAX; ++p) ShowBlock(p, false);
    designWidth_ = WIDTH_THREE_COLUMNS;
    designShift_ = 0;
    ApplyFontScale();
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
    designShift_ = 0;
    if (known) {
        const bool third = count >= 4;
        const bool fourth = count >= 5;
        designWidth_ = fourth ? WIDTH_FIVE_COLUMNS : third ? WIDTH_FOUR_COLUMNS : WIDTH_THREE_COLUMNS;
        ShowBlock(3, third);
        ShowBlock(4, fourth);
        designShift_ = third ? COLUMN_SHIFT : 0;
    }
    for (int p = 0; p < NUMBER_OF_PEDALS_MAX; ++p) {
        const std::string name = PedalNameForCount(count, p);
        if (!name.empty()) ShowPedalName(p, name);
    }
    // The names decide the titles, and the titles the scale.
    ApplyFontScale();
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
    const QString offTip =
        advancedOn_ ? QString() : QString::fromStdString(text::Tr(text::AdvancedButtonOffTip));
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
