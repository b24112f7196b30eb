// SPDX-License-Identifier: GPL-3.0-or-later
#include "KernelUnit.h"

#include <algorithm>

#include "model/ProtocolConstants.h"
#include "device/Reports.h"

namespace tarvik::bench {

test::KernelLikeNode::Firmware ReadOnlyFirmware(UnitImage image) {
    return [image](const QByteArray& bytes) -> std::vector<QByteArray> {
        if (bytes.size() < REPORT_SIZE) return {};
        Report request{};
        std::copy_n(reinterpret_cast<const std::uint8_t*>(bytes.constData()), REPORT_SIZE, request.begin());
        Report answer{};
        answer[pos::COMMAND] = request[pos::COMMAND];
        const int pedal = request[pos::PEDAL];
        const PedalImage* stored =
            pedal < static_cast<int>(image.pedals.size()) ? &image.pedals[pedal] : nullptr;
        switch (request[pos::COMMAND]) {
            case GET_VERSION_NUMBER:
                PutVersion(answer, {image.firmware[0], image.firmware[1], image.firmware[2]});
                break;
            case GET_NUMBER_OF_PEDALS:
                PutPedalCount(answer, image.ReportedPedalCount());
                break;
            case GET_OUTPUT_MODE_AND_DATA:
                answer[pos::PEDAL] = request[pos::PEDAL];
                if (stored) PutModeAndCommon(answer, stored->mode, stored->common);
                break;
            case GET_ADDITIONAL_DATA:
                answer[pos::PEDAL] = request[pos::PEDAL];
                if (stored) PutAdditionalBlock(answer, request[pos::BLOCK], stored->additional);
                break;
            default:
                break;
        }
        return {QByteArray(reinterpret_cast<const char*>(answer.data()), REPORT_SIZE)};
    };
}

HidapiBackendOptions OptionsFor(std::shared_ptr<test::KernelLikeNode> node, const QString& path) {
    HidapiBackendOptions options;
    options.listInterfaces = [path] {
        return std::vector<HidInterfaceInfo>{{path, vendorID, productID, 0xFF00, 1, 0}};
    };
    options.openChannel = [node, path](const QString& wanted, OpenResult& why, QString& error) {
        std::unique_ptr<HidChannel> channel;
        if (wanted == path) channel = node->Open();
        why = channel ? OpenResult::Opened : OpenResult::NoUnit;
        if (!channel) error = wanted + QStringLiteral(": no such device");
        return channel;
    };
    return options;
}

}  // namespace tarvik::bench
