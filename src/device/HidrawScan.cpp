// SPDX-License-Identifier: GPL-3.0-or-later
// The hidraw nodes as libudev lists them, each described from what udev and sysfs say of it.
#include <libudev.h>

#include <algorithm>
#include <memory>

#include "device/HidMatch.h"
#include "device/HidrawNodes.h"

namespace tarvik {

namespace {

QString FromUdev(const char* s) { return s ? QString::fromLocal8Bit(s) : QString(); }

struct UdevDeleter {
    void operator()(udev* u) const { udev_unref(u); }
    void operator()(udev_enumerate* e) const { udev_enumerate_unref(e); }
    void operator()(udev_device* d) const { udev_device_unref(d); }
};

}  // namespace

std::vector<HidrawNodeInfo> ListHidrawNodes() {
    std::vector<HidrawNodeInfo> nodes;
    std::unique_ptr<udev, UdevDeleter> u(udev_new());
    if (!u) return nodes;
    std::unique_ptr<udev_enumerate, UdevDeleter> en(udev_enumerate_new(u.get()));
    if (!en || udev_enumerate_add_match_subsystem(en.get(), "hidraw") < 0 ||
        udev_enumerate_scan_devices(en.get()) < 0)
        return nodes;

    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(en.get())) {
        const char* syspath = udev_list_entry_get_name(entry);
        if (!syspath) continue;
        std::unique_ptr<udev_device, UdevDeleter> dev(udev_device_new_from_syspath(u.get(), syspath));
        if (!dev) continue;

        HidrawNodeSource source;
        source.sysPath = FromUdev(syspath);
        source.devnode = FromUdev(udev_device_get_devnode(dev.get()));
        if (source.devnode.isEmpty()) source.devnode = QStringLiteral("/dev/") + FromUdev(udev_device_get_sysname(dev.get()));
        source.descriptorPath = source.sysPath + QStringLiteral("/device/report_descriptor");
        // Parents are owned by the child device; no unref.
        if (udev_device* hid = udev_device_get_parent_with_subsystem_devtype(dev.get(), "hid", nullptr)) {
            source.hidId = FromUdev(udev_device_get_property_value(hid, "HID_ID"));
            source.hidName = FromUdev(udev_device_get_property_value(hid, "HID_NAME"));
        }
        if (udev_device* intf = udev_device_get_parent_with_subsystem_devtype(dev.get(), "usb", "usb_interface")) {
            bool ok = false;
            const int n = FromUdev(udev_device_get_sysattr_value(intf, "bInterfaceNumber")).trimmed().toInt(&ok, 16);
            if (ok) source.interfaceNumber = n;
        }
        // Current tags: those the rules gave at the last event, not ones left from earlier rules.
        source.udevInitialized = udev_device_get_is_initialized(dev.get()) > 0;
        udev_list_entry* tag = nullptr;
        udev_list_entry_foreach(tag, udev_device_get_current_tags_list_entry(dev.get())) {
            source.tags << FromUdev(udev_list_entry_get_name(tag));
        }
        nodes.push_back(DescribeHidrawNode(source));
    }
    std::sort(nodes.begin(), nodes.end(),
              [](const HidrawNodeInfo& a, const HidrawNodeInfo& b) { return DevicePathLess(a.devnode, b.devnode); });
    return nodes;
}

}  // namespace tarvik
