// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/ChordTab.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/advanced/Accessible.h"
#include "ui/advanced/KeyPicker.h"
#include "ui/advanced/ModifierBoxes.h"
#include "ui/advanced/RepeatCount.h"

namespace tarvik::advanced {

namespace {

QSpinBox* TimeBox(QWidget* parent, const char* name, const QString& accessible) {
    auto* box = Named(new QSpinBox(parent), QLatin1String(name), accessible);
    box->setRange(modes::CHORD_MS_MIN, modes::CHORD_MS_MAX);
    box->setSuffix(QStringLiteral(" ms"));
    return box;
}

}  // namespace

ChordTab::ChordTab(QWidget* parent)
    : ModeTab(parent),
      unitChords_(new QListWidget(this)),
      several_(new QLabel(this)),
      on_(TimeBox(this, "PSKO_spinOnTime", tr("オンの時間"))),
      off_(TimeBox(this, "PSKO_spinOffTime", tr("間の時間"))),
      repeats_(new RepeatCount(QStringLiteral("PSKO_"), modes::REPEATS_MAX, this)),
      byChord_(new QRadioButton(tr("出力ごとに数える"), this)),
      bySeries_(new QRadioButton(tr("組ごとに数える"), this)),
      modifiers_(new ModifierBoxes(QStringLiteral("PSKO_"), tr("モディファイア"), this)) {
    Named(unitChords_, "PSKO_listboxOutput", tr("Tarvikにある出力"));
    unitChords_->setMaximumHeight(4 * fontMetrics().height());
    Named(several_, "PSKO_labelSeveralChords", QString());
    several_->setWordWrap(true);
    Named(byChord_, "PSKO_radiobuttonOutput", byChord_->text());
    Named(bySeries_, "PSKO_radiobuttonSeries", bySeries_->text());
    unit_.addButton(byChord_);
    unit_.addButton(bySeries_);

    auto* unitRow = new QHBoxLayout;
    unitRow->addWidget(byChord_);
    unitRow->addWidget(bySeries_);
    unitRow->addStretch();
    auto* timing = new QFormLayout;
    timing->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    timing->addRow(on_->accessibleName(), on_);
    timing->addRow(off_->accessibleName(), off_);
    timing->addRow(tr("繰り返し"), repeats_);
    timing->addRow(tr("繰り返しの単位"), unitRow);

    auto* keys = new QGroupBox(tr("同時に押すキー"), this);
    keys->setObjectName("PSKO_groupKeys");
    auto* keyGrid = new QGridLayout(keys);
    for (std::size_t k = 0; k < keys_.size(); ++k) {
        const QString label = tr("キー%1").arg(k + 1);
        keys_[k] = Named(new KeyPicker(keys, k > 0), QStringLiteral("PSKO_listboxKey%1").arg(k + 1), label);
        auto* name = new QLabel(label, keys);
        name->setBuddy(keys_[k]);
        const int row = int(k / 2);
        const int column = int(k % 2) * 2;
        keyGrid->addWidget(name, row, column);
        keyGrid->addWidget(keys_[k], row, column + 1);
    }
    keyGrid->setColumnStretch(4, 1);

    unitGroup_ = new QGroupBox(unitChords_->accessibleName(), this);
    unitGroup_->setObjectName("PSKO_groupUnitChords");
    auto* unitLayout = new QVBoxLayout(unitGroup_);
    unitLayout->addWidget(unitChords_);
    unitLayout->addWidget(several_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(unitGroup_);
    layout->addLayout(timing);
    layout->addWidget(modifiers_);
    layout->addWidget(keys);
    layout->addStretch();
    AddWriteRow(layout, QStringLiteral("PSKO_"));
    connect(repeats_, &RepeatCount::changed, this, &ChordTab::Follow);
    Load(modes::Chord{.keys = {4}});  // a, once
    ShowUnitChords({});
}

void ChordTab::Load(const modes::ModeChoice& choice) {
    const auto* chord = std::get_if<modes::Chord>(&choice);
    if (chord == nullptr) return;
    on_->setValue(chord->onMs);
    off_->setValue(chord->offMs);
    repeats_->SetValue(chord->repeats);
    (chord->bySeries ? bySeries_ : byChord_)->setChecked(true);
    modifiers_->SetValue(chord->modifiers);
    bool ended = false;
    for (std::size_t k = 0; k < keys_.size(); ++k) {
        ended = ended || (k > 0 && chord->keys[k] == 0);
        keys_[k]->SetUsage(ended ? 0 : chord->keys[k]);
    }
    Follow();
}

modes::ModeChoice ChordTab::Choice() const {
    modes::Chord chord;
    chord.onMs = static_cast<std::uint16_t>(on_->value());
    chord.offMs = static_cast<std::uint16_t>(off_->value());
    chord.repeats = static_cast<std::uint16_t>(repeats_->Value());
    chord.bySeries = bySeries_->isChecked();
    chord.modifiers = modifiers_->Value();
    // Keys left at "なし" between others are skipped: the unit ends a chord at its first empty key.
    std::size_t next = 0;
    for (const KeyPicker* key : keys_)
        if (const std::uint8_t usage = key->Usage(); usage != 0) chord.keys[next++] = usage;
    return chord;
}

void ChordTab::ShowUnitChords(const std::vector<std::string>& lines) {
    unitChords_->clear();
    for (const std::string& line : lines) unitChords_->addItem(QString::fromStdString(line));
    unitGroup_->setVisible(!lines.empty());
    const bool several = lines.size() >= 2;
    several_->setText(several ? tr("このペダルには%1個の出力があります。2番目以降の出力は書き込めないため、"
                                   "書き込むと1番目の出力だけの設定になります。")
                                    .arg(lines.size())
                              : QString());
    several_->setAccessibleName(several_->text());
    several_->setVisible(several);
}

void ChordTab::Follow() {
    byChord_->setEnabled(repeats_->SetNumber());
    bySeries_->setEnabled(repeats_->SetNumber());
}

}  // namespace tarvik::advanced
