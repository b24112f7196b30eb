// SPDX-License-Identifier: GPL-3.0-or-later
// The hidapi backend with kernel-like hidraw nodes behind its I/O thread and a device list the test
// owns behind hotplug. Every signal is logged as one line.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QtCore/qtestsupport_core.h>
#include <map>

#include "KernelLikeChannel.h"
#include "device/HidapiBackend.h"
#include "support/RigHelpers.h"

namespace tarvik::test {

inline HidInterfaceInfo Vendor(const char* path) { return {path, vendorID, productID, 0xFF00, 1, 2}; }
inline HidInterfaceInfo Keyboard(const char* path) { return {path, vendorID, productID, 0x0001, 6, 0}; }

// Answers every report at once with its command byte, its second byte and A5 in a 16-byte report.
inline std::vector<QByteArray> EchoFirmware(const QByteArray& report) {
    QByteArray answer = report.left(2).leftJustified(16, '\0');
    answer[2] = '\xa5';
    return {answer};
}
inline std::vector<QByteArray> Silent(const QByteArray&) { return {}; }

struct BackendRig {
    std::vector<HidInterfaceInfo> listed;
    std::map<QString, std::shared_ptr<KernelLikeNode>> nodes;
    OpenResult openFailure = OpenResult::Failed;
    QStringList log;
    std::unique_ptr<HidapiBackend> backend;

    explicit BackendRig(std::vector<HidInterfaceInfo> initial = {}, HidIoTiming io = {}) : listed(std::move(initial)) {
        HidapiBackendOptions options;
        options.listInterfaces = [this] { return listed; };
        options.openChannel = [this](const QString& path, OpenResult& why, QString& error) {
            std::unique_ptr<HidChannel> channel = nodes.count(path) ? nodes[path]->Open() : nullptr;
            why = channel ? OpenResult::Opened : openFailure;
            error = channel ? QString() : "cannot open " + path;
            return channel;
        };
        options.hotplug.forcePolling = true;
        options.hotplug.pollIntervalMs = 24 * 3600 * 1000;  // the test ticks by hand
        options.io = io;
        backend = std::make_unique<HidapiBackend>(std::move(options));
        HidBackend* b = backend.get();
        QObject::connect(b, &HidBackend::arrived, [this](const QString& p) { log << "arrived " + p; });
        QObject::connect(b, &HidBackend::removed, [this](const QString& p) { log << "removed " + p; });
        QObject::connect(b, &HidBackend::writeDone, [this](bool ok) { log << (ok ? "write ok" : "write failed"); });
        QObject::connect(b, &HidBackend::inputReport,
                         [this](const QByteArray& r) { log << QString("in " + r.toHex(' ')); });
    }
    std::shared_ptr<KernelLikeNode> Open(const QString& path, KernelLikeNode::Firmware firmware = Silent) {
        nodes[path] = KernelLikeNode::Create(std::move(firmware));
        EXPECT_EQ(backend->Open(path), OpenResult::Opened);
        return nodes[path];
    }
    bool WaitForLog(int lines = 1) { return QTest::qWaitFor([&] { return log.size() >= lines; }); }
};

}  // namespace tarvik::test
