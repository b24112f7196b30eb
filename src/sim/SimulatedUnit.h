// SPDX-License-Identifier: GPL-3.0-or-later
// A unit in software behind the same seam as the real one: it answers the commands the program
// sends with the answer layouts the program reads, stores what it is sent, and can be plugged,
// unplugged and told to misbehave. Used by tests, benchmarks and the --simulate modes.
#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QtGlobal>
#include <memory>

#include "device/HidBackend.h"
#include "model/UnitImage.h"

namespace tarvik {

class SimulatedUnit : public HidBackend {
    Q_OBJECT
public:
    explicit SimulatedUnit(UnitImage image = DefaultUnitImage(), QObject* parent = nullptr);
    ~SimulatedUnit() override;

    // HidBackend. The unit is listed while plugged, as "sim:0".
    QStringList Enumerate() override;
    OpenResult Open(const QString& path) override;
    void Close() override;
    bool IsOpen() const override;
    QString OpenPath() const override;
    void Write(const QByteArray& report) override;
    QString LastError() const override;

    // What the unit stores and reports.
    const UnitImage& Image() const { return image_; }
    UnitImage& Image() { return image_; }

    // Plugging emits arrived(); unplugging closes the unit and emits removed().
    void Plug();
    void Unplug();
    bool IsPlugged() const;

    // Misbehaviour.
    void SetAnswerDelayMs(int ms);                  // answers come this late (0: on the next event-loop turn)
    void SetSilent(bool silent);                    // answers nothing at all
    void SetSilentCommands(const QSet<int>& codes); // never answers these commands
    void SetFailSends(bool fail);                   // every Write fails
    void SetDropOffOnCommand(int code);             // unplugs itself, once, after taking this command (-1: never)
    void SendUnsolicited(const QByteArray& report); // an input report nobody asked for
    void SetOpenResult(OpenResult result);          // e.g. PermissionDenied: listed but cannot be opened
    void SetWriteResultLater(bool later);           // writeDone() on the next event-loop turn, not in Write()

    // Time the unit spent between taking a report and answering it, summed over every answer.
    qint64 AnswerTimeNs() const;
    int AnswerCount() const;

    // The reports both ways, in order: the last TranscriptLimit() of them, so that a unit that runs
    // for days holds a bounded record. A limit of 0 keeps none.
    struct TranscriptLine {
        bool sent;  // true: program → unit
        QByteArray bytes;
    };
    static constexpr int DEFAULT_TRANSCRIPT_LIMIT = 4096;
    const QList<TranscriptLine>& Transcript() const;
    void ClearTranscript();
    void SetTranscriptLimit(int lines);
    int TranscriptLimit() const;
    // Reports received with this command byte (counted whatever the transcript keeps).
    int CommandCount(int code) const;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
    UnitImage image_;
};

}  // namespace tarvik
