// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/KeyPicker.h"

#include <QCompleter>
#include <QLineEdit>
#include <map>

#include "model/KeyTable.h"
#include "model/ProtocolConstants.h"

namespace tarvik::advanced {

KeyPicker::KeyPicker(QWidget* parent, bool offerNone) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(20);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(22);
    if (offerNone) addItem(tr("なし"), 0);
    std::map<std::string, int> uses;
    for (int usage = 1; usage <= Max_KeyUsageID; ++usage) ++uses[GetKeyName(usage)];
    for (int usage = 1; usage <= Max_KeyUsageID; ++usage) {
        const std::string name = GetKeyName(usage);
        QString shown = QString::fromStdString(name);
        // Rows that share a name ("---") are told apart by their usage ID.
        if (uses[name] > 1) shown += QStringLiteral(" (0x%1)").arg(usage, 2, 16, QLatin1Char('0'));
        addItem(shown, usage);
    }
    completer()->setFilterMode(Qt::MatchContains);
    completer()->setCaseSensitivity(Qt::CaseInsensitive);
    completer()->setCompletionMode(QCompleter::PopupCompletion);
    completer()->setMaxVisibleItems(12);
    // Text that names no key gives way to the key chosen before.
    connect(lineEdit(), &QLineEdit::editingFinished, this, [this] {
        const int found = findText(currentText(), Qt::MatchFixedString);
        if (found >= 0) {
            setCurrentIndex(found);
        } else {
            setEditText(itemText(currentIndex()));
        }
    });
}

std::uint8_t KeyPicker::Usage() const {
    int index = findText(currentText(), Qt::MatchFixedString);
    if (index < 0 || itemText(currentIndex()) == currentText()) index = currentIndex();
    return index < 0 ? 0 : static_cast<std::uint8_t>(itemData(index).toInt());
}

void KeyPicker::SetUsage(std::uint8_t usage) {
    const int index = findData(int(usage));
    setCurrentIndex(index < 0 ? 0 : index);
}

}  // namespace tarvik::advanced
