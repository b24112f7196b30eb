// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced dialog's click tab: one click, one double click, or several buttons at once.
#pragma once

#include <QButtonGroup>
#include <QWidget>
#include <memory>

#include "ui/advanced/ClickEncoding.h"

namespace Ui {
class ClickTab;
}

namespace tarvik::advanced {

class ClickTab : public QWidget {
    Q_OBJECT
public:
    explicit ClickTab(QWidget* parent = nullptr);
    ~ClickTab() override;

    // Shows what the record holds; switches on only, so controls it does not name keep their state.
    void Load(const ClickTabState& tab);
    // The controls as they stand: read once, when the tab's OK is pressed.
    ClickTabState Choice() const;

    // The radios for one button, the check boxes for several.
    void Change_C_control_VisibleEnabled();

signals:
    void okPressed();

private:
    std::unique_ptr<Ui::ClickTab> ui_;
    QButtonGroup radios_;  // ids are ClickRadio values
};

}  // namespace tarvik::advanced
