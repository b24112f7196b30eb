// SPDX-License-Identifier: GPL-3.0-or-later
// The connection manager: holds at most one unit, follows its arrival and removal, and runs the
// command exchange with it. It never calls upward: it emits unitAttached() and unitRemoved() for
// whoever listens, returns how each exchange ended, and keeps the flags of the DeviceState it is
// given (DeviceDetected, DeviceDetectedChanged, CloseStandardSetting, the handshake) up to date.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <cstdint>
#include <vector>

#include "device/ExchangeEnding.h"
#include "device/HidBackend.h"
#include "device/Reports.h"
#include "model/DeviceState.h"
#include "model/ProtocolConstants.h"

namespace tarvik {

class HID_PnP : public QObject {
    Q_OBJECT
public:
    // `backend` and `state` are not owned and must outlive this object; the backend's signals come
    // straight here. The constructor probes once for a unit that is already plugged in.
    HID_PnP(HidBackend& backend, DeviceState& state, QObject* parent = nullptr);
    ~HID_PnP() override;

    HID_PnP(const HID_PnP&) = delete;
    HID_PnP& operator=(const HID_PnP&) = delete;

    // Takes the first matching unit, or falls back to DeviceRemoved() when there is none.
    void NewDeviceDetected();
    // Forgets the held unit and waits for a new one.
    void DeviceRemoved();
    // An input report has arrived.
    void PacketReceived();

    // One command exchange: puts `command` into byte 0 of `outgoing`, sends it and waits (the event
    // loop keeps running) until the answer arrives or the time-out passes. Shows nothing. Only when
    // it returns Answered does `answer` receive this exchange's own answer. Afterwards `outgoing`
    // holds the report sent, whatever ran meanwhile. Without a unit nothing is touched.
    ExchangeEnding Exchange(std::uint8_t command, Report& outgoing, Report& answer);
    // The same over OutputPacketBuffer and InputPacketBuffer of the state, telling the user of a send
    // error or a time-out (AlertExchangeFailure). True on failure.
    bool Communicate(std::uint8_t CommunicationCommand, bool MessageOn);
    // One tick of the handshake; run by the exchange's tick timer.
    void check_INPUT();
    // Asks the unit for additional-data block DataNo of SelectedPedalNo, waits for the answer
    // without an alert on time-out, and discards it. Leaves the handshake idle.
    void Communicate_AdditionalData();

    // The held unit (backend path), empty when none is held.
    const QString& myDevice() const { return myDevice_; }
    bool HasDevice() const { return !myDevice_.isEmpty(); }
    // Grows by one each time a unit is taken; a flow that sees it change knows its unit was replaced.
    int ConnectionSerial() const { return connectionSerial_; }
    // Outcome of the last attempt to open a unit (PermissionDenied points the user to the udev rule).
    OpenResult LastOpenResult() const { return lastOpenResult_; }

    HidBackend& Backend() { return backend_; }

    // Tick length of the exchange; the time-out is EXCHANGE_TIMEOUT_TICKS ticks. Tests shorten it.
    void SetTickIntervalMs(int ms);
    int TickIntervalMs() const { return tickMs_; }

signals:
    // A unit was taken (DeviceDetected is now true), or the held one went away or none could be
    // taken (DeviceDetected is false). Each is one change of DeviceDetectedChanged.
    void unitAttached();
    void unitRemoved();
    // Every report as it goes out and comes in (for the CLI's transcript and for tests).
    void reportSent(const QByteArray& report);
    void reportReceived(const QByteArray& report);

private:
    // One exchange from send to answer. It lives on its caller's stack, so an exchange started
    // inside another's wait keeps its own answer.
    struct InFlight;
    struct Wait;
    using Ending = ExchangeEnding;

    // The backend's notifications. Each kind is kept from starting again inside itself.
    void UnitArrived();
    void UnitGone(const QString& device);

    Ending RunExchange(std::uint8_t command, Report& outgoing, Report& answer);
    void InputArrived(const QByteArray& report);
    void WriteFinished(bool ok);
    void Finish(Ending ending);
    // Runs the event loop until `done` holds; every state change wakes all waits to look again.
    // False when the application is quitting and the wait was given up.
    template <class Done>
    bool WaitUntil(Done done);
    void WakeWaits();

    HidBackend& backend_;
    DeviceState& state_;
    QString myDevice_;
    int connectionSerial_ = 0;
    OpenResult lastOpenResult_ = OpenResult::NoUnit;
    int tickMs_ = EXCHANGE_TICK_MS;

    QTimer tick_;
    InFlight* active_ = nullptr;  // the exchange on the wire; at most one
    std::vector<Wait*> waits_;    // nested waits, innermost last
};

}  // namespace tarvik
