// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the window's connection manager the one unit the user chose among those attached: the
// first one found until another is chosen. A chosen unit that goes away is not replaced by another;
// a unit plugged in meanwhile is listed (unitsChanged) but not taken.
#pragma once

#include "device/HidBackend.h"

namespace tarvik {

class ChosenUnitBackend : public HidBackend {
    Q_OBJECT
public:
    // `inner` is not owned and must outlive this object.
    explicit ChosenUnitBackend(HidBackend& inner, QObject* parent = nullptr);

    // Every unit attached (the inner backend's list).
    QStringList Units() { return inner_.Enumerate(); }
    const QString& Chosen() const { return chosen_; }
    // Makes `path` the unit shown: the one held goes (removed), the chosen one comes (arrived).
    void Choose(const QString& path);

    QStringList Enumerate() override;
    OpenResult Open(const QString& path) override;
    void Close() override { inner_.Close(); }
    bool IsOpen() const override { return inner_.IsOpen(); }
    QString OpenPath() const override { return inner_.OpenPath(); }
    void Write(const QByteArray& report) override { inner_.Write(report); }
    QString LastError() const override { return inner_.LastError(); }
    QString SerialNumberOf(const QString& path) override { return inner_.SerialNumberOf(path); }

signals:
    // A unit came or went: the list of units is another.
    void unitsChanged();

private:
    HidBackend& inner_;
    QString chosen_;  // empty until a unit has been found
};

}  // namespace tarvik
