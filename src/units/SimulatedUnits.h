// SPDX-License-Identifier: GPL-3.0-or-later
// Several simulated units behind one backend, one per unit file (or the built-in unit alone). A
// unit kept in a file is listed under its file's path, so that the path names it for --device, the
// unit menu and the lock; the built-in unit is "sim:0". A file's unit is taken from the file again
// at the start of every sequence of exchanges and saved back at its end, inside the unit's lock.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "device/HidBackend.h"
#include "model/UnitImage.h"
#include "storage/KeptUnitFile.h"

namespace tarvik {

class SimulatedUnit;

class SimulatedUnits : public HidBackend {
    Q_OBJECT
public:
    explicit SimulatedUnits(QObject* parent = nullptr);
    ~SimulatedUnits() override;

    // Adds the built-in unit, or (file given) the unit kept in `file`, read now. When the file
    // cannot be read or is refused, nothing is added.
    UnitFileRead AddUnit(const QString& file);
    // Adds `image` as a unit of no file (tests).
    SimulatedUnit& AddImage(UnitImage image);

    int Count() const { return static_cast<int>(units_.size()); }
    SimulatedUnit& Unit(int i);
    QString PathOf(int i) const;
    // The unit file of the unit at `path`; empty for a unit of no file.
    QString FileOf(const QString& path) const;

    // The unit at `path` as its file holds it now. False with `error` when the file cannot be read.
    bool Reload(const QString& path, QString& error);
    // Saves the unit at `path` into its file when its settings changed (Yes also when nothing
    // needed saving, or the unit has no file).
    Saved SaveUnit(const QString& path, QString& error);

    // HidBackend: the plugged units in the order they were added.
    QStringList Enumerate() override;
    OpenResult Open(const QString& path) override;
    void Close() override;
    bool IsOpen() const override;
    QString OpenPath() const override;
    void Write(const QByteArray& report) override;
    QString LastError() const override;

private:
    struct Entry;
    Entry* Find(const QString& path) const;
    void Attach(Entry& entry);

    std::vector<std::unique_ptr<Entry>> units_;
    Entry* open_ = nullptr;
    QString lastError_;
};

}  // namespace tarvik
