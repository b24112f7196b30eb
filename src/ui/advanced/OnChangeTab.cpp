// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/OnChangeTab.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "ui/advanced/Accessible.h"
#include "ui/advanced/KeyPicker.h"
#include "ui/advanced/ModifierBoxes.h"

namespace tarvik::advanced {

OnChangeTab::OnChangeTab(QWidget* parent) : ModeTab(parent) {
    auto* layout = new QVBoxLayout(this);
    press_ = MakeOutput(QStringLiteral("OC_Press_"), tr("ペダルを踏んだ時の出力"), layout);
    release_ = MakeOutput(QStringLiteral("OC_Release_"), tr("ペダルを離した時の出力"), layout);
    layout->addStretch();
    AddWriteRow(layout, QStringLiteral("OC_"));
    Show(press_, modes::KeyOutput{0, 4});  // a on press, nothing on release
    Show(release_, std::nullopt);
}

OnChangeTab::Output OnChangeTab::MakeOutput(const QString& prefix, const QString& title, QLayout* into) {
    auto* group = new QGroupBox(title, this);
    group->setObjectName(prefix + "group");
    const QString onText = tr("出力する");
    const QString keyText = tr("キー");
    Output output{Named(new QCheckBox(onText, group), prefix + "checkboxOutput", title + " " + onText),
                  Named(new KeyPicker(group), prefix + "listboxKeys", title + " " + keyText),
                  new ModifierBoxes(prefix, tr("モディファイア"), group)};
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(output.on);
    form->addRow(keyText, output.key);
    form->addRow(output.modifiers);
    into->addWidget(group);
    connect(output.on, &QCheckBox::toggled, this, [output] { Follow(output); });
    return output;
}

void OnChangeTab::Show(const Output& output, const std::optional<modes::KeyOutput>& value) {
    output.on->setChecked(value.has_value());
    if (value) {
        output.key->SetUsage(value->usage);
        output.modifiers->SetValue(value->modifiers);
    }
    Follow(output);
}

std::optional<modes::KeyOutput> OnChangeTab::Read(const Output& output) {
    if (!output.on->isChecked()) return std::nullopt;
    return modes::KeyOutput{output.modifiers->Value(), output.key->Usage()};
}

void OnChangeTab::Follow(const Output& output) {
    output.key->setEnabled(output.on->isChecked());
    output.modifiers->setEnabled(output.on->isChecked());
}

void OnChangeTab::Load(const modes::ModeChoice& choice) {
    const auto* change = std::get_if<modes::OnChange>(&choice);
    if (change == nullptr) return;
    Show(press_, change->press);
    Show(release_, change->release);
}

modes::ModeChoice OnChangeTab::Choice() const { return modes::OnChange{Read(press_), Read(release_)}; }

}  // namespace tarvik::advanced
