#include "device/Diagnostics.h"

namespace tarvik {

ReportDescriptorPages ParseReportDescriptorPages(const std::uint8_t*, std::size_t) { return {}; }
std::vector<HidrawNodeInfo> ListHidrawNodes() { return {}; }
HidrawNodeInfo DescribeHidrawNode(const HidrawNodeSource& source) {
    HidrawNodeInfo info;
    info.devnode = source.devnode;
    return info;
}
QStringList DefaultUdevRuleDirs() { return {"/etc/udev/rules.d", "/usr/lib/udev/rules.d", "/lib/udev/rules.d"}; }
UdevRuleStatus FindUdevRule(const QStringList& dirs) {
    UdevRuleStatus status;
    status.searchedDirs = dirs;
    return status;
}

}  // namespace tarvik
