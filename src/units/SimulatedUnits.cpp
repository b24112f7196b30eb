// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/SimulatedUnits.h"

#include "sim/SimulatedUnit.h"
#include "storage/UnitFile.h"

namespace tarvik {

namespace {
// What the one unit inside a SimulatedUnit is listed as.
const QString kInnerPath = QStringLiteral("sim:0");
}  // namespace

struct SimulatedUnits::Entry {
    QString path;
    QString file;
    KeptUnitFile kept;
    std::unique_ptr<SimulatedUnit> unit;
};

SimulatedUnits::SimulatedUnits(QObject* parent) : HidBackend(parent) {}
SimulatedUnits::~SimulatedUnits() = default;

void SimulatedUnits::Attach(Entry& entry) {
    SimulatedUnit* unit = entry.unit.get();
    const QString path = entry.path;
    connect(unit, &HidBackend::arrived, this, [this, path] { emit arrived(path); });
    connect(unit, &HidBackend::removed, this, [this, path] {
        if (open_ != nullptr && open_->path == path) open_ = nullptr;
        emit removed(path);
    });
    connect(unit, &HidBackend::inputReport, this, [this, unit](const QByteArray& r) {
        if (open_ != nullptr && open_->unit.get() == unit) emit inputReport(r);
    });
    connect(unit, &HidBackend::writeDone, this, [this, unit](bool ok) {
        if (open_ != nullptr && open_->unit.get() == unit) emit writeDone(ok);
    });
}

UnitFileRead SimulatedUnits::AddUnit(const QString& file) {
    auto entry = std::make_unique<Entry>();
    UnitImage image = DefaultUnitImage();
    UnitFileRead read;
    read.outcome = UnitFileRead::Read;
    if (!file.isEmpty()) {
        read = entry->kept.Load(file, image);
        if (read.outcome != UnitFileRead::Read) return read;
    }
    entry->file = file;
    entry->path = file.isEmpty() ? QStringLiteral("sim:%1").arg(units_.size()) : file;
    entry->unit = std::make_unique<SimulatedUnit>(std::move(image));
    Attach(*entry);
    units_.push_back(std::move(entry));
    return read;
}

SimulatedUnit& SimulatedUnits::AddImage(UnitImage image) {
    auto entry = std::make_unique<Entry>();
    entry->path = QStringLiteral("sim:%1").arg(units_.size());
    entry->unit = std::make_unique<SimulatedUnit>(std::move(image));
    Attach(*entry);
    units_.push_back(std::move(entry));
    return *units_.back()->unit;
}

SimulatedUnit& SimulatedUnits::Unit(int i) { return *units_.at(static_cast<std::size_t>(i))->unit; }
QString SimulatedUnits::PathOf(int i) const { return units_.at(static_cast<std::size_t>(i))->path; }

SimulatedUnits::Entry* SimulatedUnits::Find(const QString& path) const {
    for (const auto& entry : units_) {
        if (entry->path == path) return entry.get();
    }
    return nullptr;
}

QString SimulatedUnits::FileOf(const QString& path) const {
    const Entry* entry = Find(path);
    return entry != nullptr ? entry->file : QString();
}

bool SimulatedUnits::Reload(const QString& path, QString& error) {
    Entry* entry = Find(path);
    if (entry == nullptr || entry->file.isEmpty()) return true;
    UnitImage image = entry->unit->Image();
    const UnitFileRead read = entry->kept.Load(entry->file, image);
    if (read.outcome != UnitFileRead::Read) {
        error = read.error;
        return false;
    }
    entry->unit->Image() = std::move(image);
    return true;
}

Saved SimulatedUnits::SaveUnit(const QString& path, QString& error) {
    Entry* entry = Find(path);
    if (entry == nullptr || entry->file.isEmpty()) return Saved::Yes;
    return entry->kept.Save(entry->unit->Image(), error);
}

QStringList SimulatedUnits::Enumerate() {
    QStringList paths;
    for (const auto& entry : units_) {
        if (entry->unit->IsPlugged()) paths << entry->path;
    }
    return paths;
}

OpenResult SimulatedUnits::Open(const QString& path) {
    Close();
    Entry* entry = Find(path);
    if (entry == nullptr) {
        lastError_ = QStringLiteral("no such unit: %1").arg(path);
        return OpenResult::NoUnit;
    }
    const OpenResult result = entry->unit->Open(kInnerPath);
    if (result == OpenResult::Opened) open_ = entry;
    else lastError_ = entry->unit->LastError();
    return result;
}

void SimulatedUnits::Close() {
    if (open_ != nullptr) open_->unit->Close();
    open_ = nullptr;
}

bool SimulatedUnits::IsOpen() const { return open_ != nullptr && open_->unit->IsOpen(); }
QString SimulatedUnits::OpenPath() const { return IsOpen() ? open_->path : QString(); }

void SimulatedUnits::Write(const QByteArray& report) {
    if (open_ == nullptr) {
        lastError_ = QStringLiteral("unit not open");
        emit writeDone(false);
        return;
    }
    open_->unit->Write(report);
}

QString SimulatedUnits::LastError() const { return open_ != nullptr ? open_->unit->LastError() : lastError_; }

}  // namespace tarvik
