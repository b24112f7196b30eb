// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/SelectedUnitBackend.h"

namespace tarvik {

SelectedUnitBackend::SelectedUnitBackend(HidBackend& inner, QString path, QObject* parent)
    : HidBackend(parent), inner_(inner), path_(std::move(path)) {
    connect(&inner_, &HidBackend::arrived, this, [this](const QString& p) {
        if (p == path_) emit arrived(p);
    });
    connect(&inner_, &HidBackend::removed, this, &HidBackend::removed);
    connect(&inner_, &HidBackend::inputReport, this, &HidBackend::inputReport);
    connect(&inner_, &HidBackend::writeDone, this, &HidBackend::writeDone);
}

QStringList SelectedUnitBackend::Enumerate() {
    return inner_.Enumerate().contains(path_) ? QStringList{path_} : QStringList{};
}

OpenResult SelectedUnitBackend::Open(const QString& path) {
    return path == path_ ? inner_.Open(path) : OpenResult::NoUnit;
}

void SelectedUnitBackend::Close() { inner_.Close(); }
bool SelectedUnitBackend::IsOpen() const { return inner_.IsOpen(); }
QString SelectedUnitBackend::OpenPath() const { return inner_.OpenPath(); }
void SelectedUnitBackend::Write(const QByteArray& report) { inner_.Write(report); }
QString SelectedUnitBackend::LastError() const { return inner_.LastError(); }

}  // namespace tarvik
