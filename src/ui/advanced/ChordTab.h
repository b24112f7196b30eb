// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced dialog's multi-chord tab: shows a mode 9 setting as its list of chords, its on time
// and its repeats. It writes nothing; its controls only follow one another.
#pragma once

#include <QButtonGroup>
#include <QWidget>
#include <memory>

#include "ui/advanced/ChordDecoding.h"

namespace Ui {
class ChordTab;
}

namespace tarvik::advanced {

class ChordTab : public QWidget {
    Q_OBJECT
public:
    explicit ChordTab(QWidget* parent = nullptr);
    ~ChordTab() override;

    // Decodes the record (repairing in `common` what the tab cannot show) and shows it.
    void Load(std::uint8_t mode, CommonRecord& common, const AdditionalRecord& additional);
    // Rebuilds the list of chords from the decoded model.
    void PSKO_SetControls();

private:
    // Either repeat radio: the count and its unit are used only with a set number.
    void PSKO_radiobuttonUntilRelease_CheckedChanged();

    std::unique_ptr<Ui::ChordTab> ui_;
    QButtonGroup repeats_;
    QButtonGroup unit_;  // a repeat counts single chords or whole series
    ChordModel psko_;
};

}  // namespace tarvik::advanced
