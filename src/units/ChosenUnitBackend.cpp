// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/ChosenUnitBackend.h"

namespace tarvik {

ChosenUnitBackend::ChosenUnitBackend(HidBackend& inner, QObject* parent) : HidBackend(parent), inner_(inner) {
    connect(&inner_, &HidBackend::arrived, this, [this](const QString& path) {
        emit unitsChanged();
        if (chosen_.isEmpty()) chosen_ = path;
        if (path == chosen_) emit arrived(path);
    });
    connect(&inner_, &HidBackend::removed, this, [this](const QString& path) {
        emit unitsChanged();
        if (path == chosen_) emit removed(path);
    });
    connect(&inner_, &HidBackend::inputReport, this, &HidBackend::inputReport);
    connect(&inner_, &HidBackend::writeDone, this, &HidBackend::writeDone);
}

QStringList ChosenUnitBackend::Enumerate() {
    const QStringList units = inner_.Enumerate();
    if (chosen_.isEmpty() && !units.isEmpty()) chosen_ = units.first();
    return units.contains(chosen_) ? QStringList{chosen_} : QStringList{};
}

OpenResult ChosenUnitBackend::Open(const QString& path) {
    if (path != chosen_) return OpenResult::NoUnit;
    return inner_.Open(path);
}

void ChosenUnitBackend::Choose(const QString& path) {
    if (path == chosen_) return;
    const QString before = chosen_;
    chosen_ = path;
    emit removed(before);
    if (inner_.Enumerate().contains(path)) emit arrived(path);
}

}  // namespace tarvik
