// SPDX-License-Identifier: GPL-3.0-or-later
// What the doctor command is told: usage pages out of report descriptors (as devices send them and
// as broken ones might), hidraw nodes and the udev rule, from made-up files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <vector>

#include "device/Diagnosis.h"
#include "device/HidrawNodes.h"
#include "device/ReportDescriptor.h"
#include "device/UdevRules.h"
#include "model/ProtocolConstants.h"
#include "support/FileKinds.h"

namespace tarvik {
namespace {

// The unit's IDs as a rules file or HID_ID writes them (they are set at build time).
QByteArray Hex4(int id) { return QByteArray::number(id, 16).rightJustified(4, '0'); }
QString OurHidId() {
    return QString::fromLatin1("0003:0000" + Hex4(vendorID).toUpper() + ":0000" + Hex4(productID).toUpper());
}

using Pages = std::vector<std::uint32_t>;

// A vendor interface with 16-byte reports both ways, no report ID.
const char* const kVendor = "0600ff 0901 a101 1500 26ff00 7508 9510 0901 8102 9510 0901 9102 c0";
// A boot keyboard: Generic Desktop, with Keyboard and LED pages inside the collection.
const char* const kKeyboard =
    "0501 0906 a101 0507 19e0 29e7 1500 2501 7501 9508 8102 0508 1901 2905 9505 9102 c0";

// Each descriptor is copied to its exact size, so the sanitizer build sees any read past its end.
TEST(ReportDescriptor, AllAndTopLevelPagesAndMalformedInput) {
    const struct { const char* name; QByteArray hex; Pages all; Pages topLevel; bool malformed; } cases[] = {
        {"empty", "", {}, {}, false}, {"vendor", kVendor, {0xFF00}, {0xFF00}, false},
        {"keyboard", kKeyboard, {0x01, 0x07, 0x08}, {0x01}, false},
        {"keyboard then vendor", QByteArray(kKeyboard) + kVendor, {0x01, 0x07, 0x08, 0xFF00}, {0x01, 0xFF00}, false},
        {"nested collection is not top level", "0501 a101 0509 a100 c0 c0", {0x01, 0x09}, {0x01}, false},
        {"four-byte page", "0700ff0000 a101 c0", {0xFF00}, {0xFF00}, false},
        {"zero-size page", "04 a101 c0", {0x00}, {0x00}, false},
        {"extended usage names the page", "0501 0b010000ff a101 c0", {0x01}, {0xFF00}, false},
        {"usage forgotten after a main item", "0501 0b010000ff 8102 a101 c0", {0x01}, {0x01}, false},
        {"long item skipped", "fe03f0 0600ff 050c a101 c0", {0x0C}, {0x0C}, false},
        {"pop restores the pushed page", "0501 a4 0600ff b4 a101 c0", {0x01, 0xFF00}, {0x01}, false},
        {"truncated four-byte page", "0501 0700ff", {0x01}, {}, true},
        {"truncated long item header", "050c fe05", {0x0C}, {}, true},
        {"truncated long item data", "fe1000 0600ff", {}, {}, true},
        {"pop without push", "b4 0501 a101 c0", {0x01}, {0x01}, true},
        {"end without collection", "c0 050c a101 c0", {0x0C}, {0x0C}, true},
        {"a thousand pushes", "0600ff" + QByteArray("a4").repeated(1000), {0xFF00}, {}, true},
    };
    for (const auto& c : cases) {
        const QByteArray bytes = QByteArray::fromHex(c.hex);
        const std::vector<std::uint8_t> exact(bytes.begin(), bytes.end());
        const ReportDescriptorPages pages = ParseReportDescriptorPages(exact.data(), exact.size());
        EXPECT_EQ(std::tie(pages.usagePages, pages.topLevelUsagePages, pages.malformed),
                  std::tie(c.all, c.topLevel, c.malformed)) << c.name;
    }
    EXPECT_EQ(ParseReportDescriptorPages(nullptr, 12).usagePages, Pages{});
}

class Doctor : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir(dir_.path()).mkpath("etc") && QDir(dir_.path()).mkpath("lib")); }
    QString Path(const QString& name) const { return dir_.filePath(name); }
    HidrawNodeInfo Describe(const char* node, const QString& hidId = {}, const char* descriptor = "") const {
        HidrawNodeSource source;
        source.devnode = Path(node);
        source.hidId = hidId;
        source.descriptorPath = Path(descriptor);
        return DescribeHidrawNode(source);
    }
    // Each (path, contents) in the folder, "@null" a link to /dev/null; the next call removes them.
    void Make(const QList<QPair<const char*, QByteArray>>& files) {
        for (const QString& file : std::as_const(made_)) QFile::remove(file);
        made_.clear();
        for (const auto& [name, contents] : files) {
            ASSERT_TRUE(contents != "@null" || QFile::link("/dev/null", Path(name)));
            made_ << (contents == "@null" ? Path(name) : test::WriteFile(dir_, name, contents));
        }
    }
    QTemporaryDir dir_;
    QStringList made_;
};

TEST_F(Doctor, NodeIdsFromHidIdAndMatchOnlyForTheVendorInterfaceOfOurUnit) {
    const QByteArray vendor = QByteArray::fromHex(kVendor), null;
    const struct {
        const char* name; QString hidId; QByteArray descriptor; int vendor;
        bool isUnitInterface, descriptorRead, matches;
    } cases[] = {
        {"vendor interface", OurHidId(), vendor, vendorID, true, true, true},
        {"keyboard and vendor collections", OurHidId(), QByteArray::fromHex(QByteArray(kKeyboard) + kVendor), vendorID,
         true, true, true},
        {"keyboard interface", OurHidId(), QByteArray::fromHex(kKeyboard), vendorID, true, true, false},
        // What the udev probe refuses is no configuration interface either.
        {"oversized descriptor", OurHidId(), vendor + QByteArray(4096, '\0'), vendorID, true, true, false},
        {"collection left open", OurHidId(), vendor.chopped(1), vendorID, true, true, false},
        {"other device", QStringLiteral("0003:0000046D:0000C52B"), vendor, 0x046D, false, true, false},
        {"descriptor unreadable", OurHidId(), null, vendorID, true, false, false},
        {"garbled HID_ID", QStringLiteral("0003-00001209"), vendor, -1, false, true, false},
        {"ID out of range", QStringLiteral("0003:100001209:00000001"), vendor, -1, false, true, false},
    };
    for (const auto& c : cases) {
        Make({});
        if (!c.descriptor.isNull()) Make({{"descriptor", c.descriptor}});
        const HidrawNodeInfo info = Describe("node", c.hidId, "descriptor");
        EXPECT_EQ(std::tie(info.vendorId, info.isUnitInterface, info.descriptorRead, info.matchesUnit),
                  std::tie(c.vendor, c.isUnitInterface, c.descriptorRead, c.matches)) << c.name;
    }
}

TEST_F(Doctor, NodeAccessAndSeatTagAreWhatTheFileAndUdevSay) {
    const HidrawNodeInfo missing = Describe("hidraw9");
    EXPECT_FALSE(missing.nodeExists || missing.canReadWrite);
    test::WriteFile(dir_, "hidraw4", {});
    ASSERT_TRUE(QFile::setPermissions(Path("hidraw4"), QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    const HidrawNodeInfo readOnly = Describe("hidraw4");
    EXPECT_TRUE(readOnly.nodeExists);
    EXPECT_EQ(readOnly.canReadWrite, geteuid() == 0);  // root may open anything
    EXPECT_EQ(readOnly.mode, 0440u);
    EXPECT_FALSE(readOnly.owner.isEmpty() || readOnly.group.isEmpty());

    using Tag = HidrawNodeInfo::SeatTag;
    // Tags without a record do not count.
    const struct { bool initialized; QStringList tags; Tag tag; } cases[] = {
        {false, {}, Tag::NoRecord}, {false, {"uaccess"}, Tag::NoRecord},
        {true, {"uaccess"}, Tag::Tagged}, {true, {"seat", "uaccessx"}, Tag::NotTagged}};
    for (const auto& c : cases) {
        HidrawNodeSource source;
        source.udevInitialized = c.initialized;
        source.tags = c.tags;
        EXPECT_EQ(DescribeHidrawNode(source).seatTag, c.tag) << c.initialized << c.tags.join(u' ').toStdString();
    }
}

// udev reads a file name once: the first folder that has it wins, an empty file or a link to /dev/null
// masking it.
TEST_F(Doctor, UdevRuleLinesInRulesFiles) {
    const QByteArray v = Hex4(vendorID), rule = "ATTRS{idVendor}==\"" + v + "\", TAG+=\"uaccess\"\n";
    const char* const lib = "lib/70-tarvik.rules";
    const struct { const char* name; QList<QPair<const char*, QByteArray>> files; QStringList found; } cases[] = {
        {"upper case", {{lib, "ATTRS{idVendor}==\"" + v.toUpper() + "\", MODE=\"0660\"\n"}}, {lib}},
        {"HID_ID", {{lib, "KERNEL==\"hidraw*\", ENV{HID_ID}==\"0003:0000" + v + ":*\""}}, {lib}},
        {"indented after comment", {{lib, "# pedal\n   ATTRS{idVendor}==\"" + v + "\"\n"}}, {lib}},
        {"only in a comment", {{lib, "# ATTRS{idVendor}==\"" + v + "\"\n"}}, {}},
        {"longer number", {{lib, "ATTRS{idVendor}==\"" + v + "5\"\n"}}, {}},
        {"inside another number", {{lib, "ATTRS{idVendor}==\"a" + v + "\"\n"}}, {}},
        {"not a rules file", {{"lib/70-tarvik.rules.bak", rule}}, {}},
        {"packaged layout", {{lib, "# Tarvik (USB " + v + ":0001)\nACTION==\"remove\", GOTO=\"tarvik_end\"\n"
                                   "SUBSYSTEM!=\"hidraw\", GOTO=\"tarvik_end\"\n\n"
                                   "ATTRS{idVendor}==\"" + v + "\", ATTRS{idProduct}==\"0001\", TAG+=\"uaccess\"\n\n"
                                   "LABEL=\"tarvik_end\"\n"}}, {lib}},
        {"empty file in etc masks lib", {{lib, rule}, {"etc/70-tarvik.rules", ""}}, {}},
        {"link to /dev/null masks lib", {{lib, rule}, {"etc/70-tarvik.rules", "@null"}}, {}},
        {"another name is another rule",
         {{lib, rule}, {"etc/70-tarvik.rules", "@null"}, {"etc/99-local.rules", rule}}, {"etc/99-local.rules"}},
    };
    for (const auto& c : cases) {
        Make(c.files);
        QStringList found;
        for (const QString& file : c.found) found << Path(file);
        const UdevRuleStatus status = FindUdevRule({Path("etc"), Path("lib"), Path("absent")});
        EXPECT_EQ(std::pair(status.installed, status.files), std::pair(!found.isEmpty(), found)) << c.name;
    }
}

TEST_F(Doctor, InstalledRuleIsTheFileUdevReadsElseTheOneUnderThePrefix) {
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("prefix")));
    const QByteArray rule = "TAG+=\"uaccess\"\n";
    const char *const lib = "lib/70-tarvik.rules", *const etc = "etc/70-tarvik.rules";
    const char* const prefix = "prefix/70-tarvik.rules";
    using text::AccessRule;
    const struct {
        const char* name; QList<QPair<const char*, QByteArray>> files; AccessRule state; const char* found;
    } cases[] = {
        {"nowhere", {}, AccessRule::Missing, ""},
        {"lib", {{lib, rule}}, AccessRule::Installed, lib},
        {"etc before lib", {{lib, rule}, {etc, rule}}, AccessRule::Installed, etc},
        {"empty file in etc masks lib", {{lib, rule}, {etc, ""}}, AccessRule::Missing, ""},
        {"link to /dev/null masks lib", {{lib, rule}, {etc, "@null"}}, AccessRule::Missing, ""},
        {"only under the prefix", {{prefix, rule}}, AccessRule::NotReadByUdev, prefix},
        {"lib and the prefix", {{prefix, rule}, {lib, rule}}, AccessRule::Installed, lib},
    };
    for (const auto& c : cases) {
        Make(c.files);
        const InstalledRule found = FindInstalledRule({Path("etc"), Path("lib")}, {Path("prefix")});
        EXPECT_EQ(std::pair(found.state, found.path), std::pair(c.state, *c.found ? Path(c.found) : QString()))
            << c.name;
    }
}

TEST(AccessDenied, NamesWhatApplies) {
    const std::string head = "Tarvikが接続されていますが、アクセス権がないため開くことができません。\r";
    const struct { text::AccessRule rule; const char* path; std::string window; std::string cli; } cases[] = {
        {text::AccessRule::Missing, "",
         head + "udevルール 70-tarvik.rules を導入し（README「udev rule」参照）、Tarvikを挿し直して下さい。",
         "Install the udev rule 70-tarvik.rules (see README, \"udev rule\") and plug the unit in again; "
         "`tarvikctl doctor` checks the result."},
        {text::AccessRule::Installed, "/usr/lib/udev/rules.d/70-tarvik.rules",
         head + "udevルール /usr/lib/udev/rules.d/70-tarvik.rules は導入済みです。Tarvikを挿し直して下さい"
                "（README「udev rule」参照）。",
         "The udev rule /usr/lib/udev/rules.d/70-tarvik.rules is installed: plug the unit in again, or run "
         "`udevadm control --reload && udevadm trigger` as root. The rule gives access to the user logged in at "
         "the seat only, not to remote (ssh) sessions; `tarvikctl doctor` tells more."},
        {text::AccessRule::NotReadByUdev, "/usr/local/lib/udev/rules.d/70-tarvik.rules",
         head + "udevルール /usr/local/lib/udev/rules.d/70-tarvik.rules を /etc/udev/rules.d/ にコピーし"
                "（README「udev rule」参照）、Tarvikを挿し直して下さい。",
         "The udev rule /usr/local/lib/udev/rules.d/70-tarvik.rules is installed where udev does not read rules: "
         "copy it to /etc/udev/rules.d/ as root and plug the unit in again; `tarvikctl doctor` checks the result."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(text::UnitAccessDenied(c.rule, c.path), c.window);
        EXPECT_EQ(text::UnitAccessDeniedAdvice(c.rule, c.path), c.cli);
    }
}

TEST(DoctorFindings, TheTagOnTheCommandInterfaceDecidesOverTheRuleFiles) {
    using Tag = HidrawNodeInfo::SeatTag;
    const auto node = [](bool unit, bool command, bool open, Tag tag) {
        HidrawNodeInfo n;
        std::tie(n.isUnitInterface, n.matchesUnit, n.nodeExists, n.canReadWrite, n.seatTag) =
            std::tuple(unit, command, true, open, tag);
        return n;
    };
    const HidrawNodeInfo other = node(false, false, true, Tag::Tagged);
    const HidrawNodeInfo keyboard = node(true, false, true, Tag::Tagged);  // opens, but is not the one
    const struct { const char* name; std::vector<HidrawNodeInfo> nodes; bool rule; DoctorFinding finding; } cases[] = {
        {"nothing", {}, true, DoctorFinding::NoUnit},
        {"another device", {other}, true, DoctorFinding::NoUnit},
        {"no command interface", {other, keyboard}, true, DoctorFinding::NoCommandInterface},
        {"opens", {keyboard, node(true, true, true, Tag::NotTagged)}, false, DoctorFinding::CanOpen},
        {"tagged, closed", {node(true, true, false, Tag::Tagged)}, false, DoctorFinding::TaggedButDenied},
        {"rule, no tag", {node(true, true, false, Tag::NotTagged)}, true, DoctorFinding::RuleNotApplied},
        {"no rule, no tag", {node(true, true, false, Tag::NotTagged)}, false, DoctorFinding::NoRule},
        {"no udev", {node(true, true, false, Tag::NoRecord)}, true, DoctorFinding::UdevNoRecord},
        {"second unit opens", {node(true, true, false, Tag::Tagged), node(true, true, true, Tag::Tagged)}, true,
         DoctorFinding::CanOpen},
    };
    for (const auto& c : cases) EXPECT_EQ(Diagnose(c.nodes, c.rule), c.finding) << c.name;
}

}  // namespace
}  // namespace tarvik
