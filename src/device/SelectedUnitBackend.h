// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the connection manager one unit only. HID_PnP takes the first unit a backend lists; this
// view lists just the unit at `path`, so a caller (tarvikctl's `--device` and `list`) can aim it
// at any unit.
#pragma once

#include "device/HidBackend.h"

namespace tarvik {

class SelectedUnitBackend : public HidBackend {
public:
    // `inner` is not owned and must outlive this object.
    SelectedUnitBackend(HidBackend& inner, QString path, QObject* parent = nullptr);

    QStringList Enumerate() override;
    OpenResult Open(const QString& path) override;
    void Close() override;
    bool IsOpen() const override;
    QString OpenPath() const override;
    void Write(const QByteArray& report) override;
    QString LastError() const override;

private:
    HidBackend& inner_;
    QString path_;
};

}  // namespace tarvik
