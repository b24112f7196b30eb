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

namespace tarvik {
namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

// The unit's IDs as a rules file or HID_ID writes them (they are set at build time).
QByteArray Hex4(int id) { return QByteArray::number(id, 16).rightJustified(4, '0'); }
QString OurHidId() {
    return QString::fromLatin1("0003:0000" + Hex4(vendorID).toUpper() + ":0000" + Hex4(productID).toUpper());
}

using Pages = std::vector<std::uint32_t>;

ReportDescriptorPages Parse(const QByteArray& b) {
    return ParseReportDescriptorPages(reinterpret_cast<const std::uint8_t*>(b.constData()), std::size_t(b.size()));
}

// A vendor interface with 16-byte reports both ways, no report ID.
const char* const kVendor = "0600ff 0901 a101 1500 26ff00 7508 9510 0901 8102 9510 0901 9102 c0";
// A boot keyboard: Generic Desktop, with Keyboard and LED pages inside the collection.
const char* const kKeyboard =
    "0501 0906 a101 0507 19e0 29e7 1500 2501 7501 9508 8102 0508 1901 2905 9505 9102 c0";

TEST(ReportDescriptor, AllAndTopLevelPagesAndMalformedInput) {
    const struct { const char* name; QByteArray hex; Pages all; Pages topLevel; bool malformed; } cases[] = {
        {"empty", "", {}, {}, false},
        {"vendor", kVendor, {0xFF00}, {0xFF00}, false},
        {"keyboard", kKeyboard, {0x01, 0x07, 0x08}, {0x01}, false},
        {"keyboard then vendor", QByteArray(kKeyboard) + kVendor, {0x01, 0x07, 0x08, 0xFF00}, {0x01, 0xFF00},
         false},
        {"vendor page inside keyboard", "0501 0906 a101 0600ff 0901 8102 c0", {0x01, 0xFF00}, {0x01}, false},
        {"nested collection is not top level", "0501 a101 0509 a100 c0 c0", {0x01, 0x09}, {0x01}, false},
        {"one-byte page", "050c 0901 a101 c0", {0x0C}, {0x0C}, false},
        {"four-byte page", "0700ff0000 a101 c0", {0xFF00}, {0xFF00}, false},
        {"zero-size page", "04 a101 c0", {0x00}, {0x00}, false},
        {"extended usage names the page", "0501 0b010000ff a101 c0", {0x01}, {0xFF00}, false},
        {"usage forgotten after a main item", "0501 0b010000ff 8102 a101 c0", {0x01}, {0x01}, false},
        {"long item skipped", "fe03f0 0600ff 050c a101 c0", {0x0C}, {0x0C}, false},
        {"pop restores the pushed page", "0501 a4 0600ff b4 a101 c0", {0x01, 0xFF00}, {0x01}, false},
        {"truncated page", "0501 0600", {0x01}, {}, true},
        {"truncated four-byte page", "0700ff", {}, {}, true},
        {"truncated long item header", "050c fe05", {0x0C}, {}, true},
        {"truncated long item data", "fe1000 0600ff", {}, {}, true},
        {"pop without push", "b4 0501 a101 c0", {0x01}, {0x01}, true},
        {"end without collection", "c0 050c a101 c0", {0x0C}, {0x0C}, true},
    };
    for (const auto& c : cases) {
        const ReportDescriptorPages pages = Parse(QByteArray::fromHex(c.hex));
        EXPECT_EQ(pages.usagePages, c.all) << c.name;
        EXPECT_EQ(pages.topLevelUsagePages, c.topLevel) << c.name;
        EXPECT_EQ(pages.malformed, c.malformed) << c.name;
    }
}

TEST(ReportDescriptor, HostileInputStaysInBounds) {
    // Push, a thousand times.
    const ReportDescriptorPages pushed = Parse(QByteArray::fromHex("0600ff") + QByteArray(1000, '\xA4'));
    EXPECT_TRUE(pushed.malformed);
    EXPECT_EQ(pushed.usagePages, Pages{0xFF00});

    const ReportDescriptorPages none = ParseReportDescriptorPages(nullptr, 12);
    EXPECT_TRUE(none.usagePages.empty());
    EXPECT_FALSE(none.malformed);

    // Every cut of a real descriptor, copied to its exact size so the sanitizer build sees a read past it.
    const QByteArray whole = QByteArray::fromHex(QByteArray(kKeyboard) + kVendor);
    for (qsizetype n = 0; n <= whole.size(); ++n) {
        const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + n);
        EXPECT_LE(ParseReportDescriptorPages(cut.data(), cut.size()).topLevelUsagePages.size(), 2u) << n;
    }
}

// Made-up sysfs and rules files in a temporary folder.
class Doctor : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("etc")));
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("lib")));
    }
    QString Path(const QString& name) const { return dir_.filePath(name); }
    HidrawNodeInfo Describe(const char* node, const QString& hidId = {}, const char* descriptor = "") const {
        HidrawNodeSource source;
        source.devnode = Path(node);
        source.hidId = hidId;
        source.descriptorPath = Path(descriptor);
        return DescribeHidrawNode(source);
    }
    UdevRuleStatus FindRule() const { return FindUdevRule({Path("etc"), Path("lib"), Path("absent")}); }
    QTemporaryDir dir_;
};

TEST_F(Doctor, NodeIdsFromHidIdAndMatchOnlyForTheVendorInterfaceOfOurUnit) {
    WriteFile(Path("vendor"), QByteArray::fromHex(kVendor));
    WriteFile(Path("both"), QByteArray::fromHex(QByteArray(kKeyboard) + kVendor));
    WriteFile(Path("keyboard"), QByteArray::fromHex(kKeyboard));
    WriteFile(Path("oversized"), QByteArray::fromHex(kVendor) + QByteArray(4096, '\0'));
    WriteFile(Path("open"), QByteArray::fromHex(kVendor).chopped(1));
    const struct {
        const char* name; QString hidId; const char* descriptor; int vendor; bool isUnitInterface, descriptorRead, matches;
    } cases[] = {
        {"vendor interface", OurHidId(), "vendor", vendorID, true, true, true},
        {"keyboard and vendor collections", OurHidId(), "both", vendorID, true, true, true},
        {"keyboard interface", OurHidId(), "keyboard", vendorID, true, true, false},
        // What the udev probe refuses is no configuration interface either.
        {"oversized descriptor", OurHidId(), "oversized", vendorID, true, true, false},
        {"collection left open", OurHidId(), "open", vendorID, true, true, false},
        {"other device", QStringLiteral("0003:0000046D:0000C52B"), "vendor", 0x046D, false, true, false},
        {"descriptor unreadable", OurHidId(), "missing", vendorID, true, false, false},
        {"garbled HID_ID", QStringLiteral("0003-00001209"), "vendor", -1, false, true, false},
        {"ID out of range", QStringLiteral("0003:100001209:00000001"), "vendor", -1, false, true, false},
    };
    for (const auto& c : cases) {
        const HidrawNodeInfo info = Describe("node", c.hidId, c.descriptor);
        EXPECT_EQ(info.vendorId, c.vendor) << c.name;
        EXPECT_EQ(info.isUnitInterface, c.isUnitInterface) << c.name;
        EXPECT_EQ(info.descriptorRead, c.descriptorRead) << c.name;
        EXPECT_EQ(info.matchesUnit, c.matches) << c.name;
    }
}

TEST_F(Doctor, NodeAccessAndSeatTagAreWhatTheFileAndUdevSay) {
    const HidrawNodeInfo missing = Describe("hidraw9");
    EXPECT_FALSE(missing.nodeExists);
    EXPECT_FALSE(missing.canReadWrite);

    WriteFile(Path("hidraw4"), {});
    ASSERT_TRUE(QFile::setPermissions(Path("hidraw4"), QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    const HidrawNodeInfo readOnly = Describe("hidraw4");
    EXPECT_TRUE(readOnly.nodeExists);
    EXPECT_EQ(readOnly.canReadWrite, geteuid() == 0);  // root may open anything
    EXPECT_EQ(readOnly.mode, 0440u);
    EXPECT_FALSE(readOnly.owner.isEmpty());
    EXPECT_FALSE(readOnly.group.isEmpty());

    HidrawNodeSource source;
    source.devnode = Path("hidraw0");
    EXPECT_EQ(DescribeHidrawNode(source).seatTag, HidrawNodeInfo::SeatTag::NoRecord);
    source.tags = {QStringLiteral("uaccess")};  // tags without a record do not count
    EXPECT_EQ(DescribeHidrawNode(source).seatTag, HidrawNodeInfo::SeatTag::NoRecord);
    source.udevInitialized = true;
    EXPECT_EQ(DescribeHidrawNode(source).seatTag, HidrawNodeInfo::SeatTag::Tagged);
    source.tags = {QStringLiteral("seat"), QStringLiteral("uaccessx")};
    EXPECT_EQ(DescribeHidrawNode(source).seatTag, HidrawNodeInfo::SeatTag::NotTagged);
}

TEST_F(Doctor, UdevRuleLinesInRulesFiles) {
    const QByteArray v = Hex4(vendorID);
    const struct { const char* name; const char* file; QByteArray text; bool installed; } cases[] = {
        {"idVendor", "70-tarvik.rules", "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"" + v + "\"\n", true},
        {"upper case", "70-tarvik.rules", "ATTRS{idVendor}==\"" + v.toUpper() + "\", MODE=\"0660\"\n", true},
        {"HID_ID", "70-tarvik.rules", "KERNEL==\"hidraw*\", ENV{HID_ID}==\"0003:0000" + v + ":*\"", true},
        {"indented after comment", "70-tarvik.rules", "# pedal\n   ATTRS{idVendor}==\"" + v + "\"\n", true},
        {"only in a comment", "70-tarvik.rules", "# ATTRS{idVendor}==\"" + v + "\"\n", false},
        {"longer number", "70-tarvik.rules", "ATTRS{idVendor}==\"" + v + "5\"\n", false},
        {"inside another number", "70-tarvik.rules", "ATTRS{idVendor}==\"a" + v + "\"\n", false},
        {"other vendor", "50-other.rules", "ATTRS{idVendor}==\"046d\", MODE=\"0660\"\n", false},
        {"not a rules file", "70-tarvik.rules.bak", "ATTRS{idVendor}==\"" + v + "\"\n", false},
        {"packaged layout", "70-tarvik.rules",
         "# Tarvik (USB " + v + ":0001)\nACTION==\"remove\", GOTO=\"tarvik_end\"\n"
         "SUBSYSTEM!=\"hidraw\", GOTO=\"tarvik_end\"\n\n"
         "ATTRS{idVendor}==\"" + v + "\", ATTRS{idProduct}==\"0001\", TAG+=\"uaccess\"\n\nLABEL=\"tarvik_end\"\n",
         true},
    };
    for (const auto& c : cases) {
        const QString file = Path(QStringLiteral("lib/") + c.file);
        WriteFile(file, c.text);
        const UdevRuleStatus status = FindRule();
        EXPECT_EQ(status.installed, c.installed) << c.name;
        EXPECT_EQ(status.files, c.installed ? QStringList{file} : QStringList{}) << c.name;
        QFile::remove(file);
    }
}

TEST_F(Doctor, UdevRuleFileInEtcMasksTheSameNameInLib) {
    const QByteArray rule = "ATTRS{idVendor}==\"" + Hex4(vendorID) + "\", TAG+=\"uaccess\"\n";
    WriteFile(Path("lib/70-tarvik.rules"), rule);
    WriteFile(Path("etc/70-tarvik.rules"), "");
    EXPECT_FALSE(FindRule().installed);
    // The usual way to mask a rule: a link to /dev/null of the same name.
    ASSERT_TRUE(QFile::remove(Path("etc/70-tarvik.rules")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), Path("etc/70-tarvik.rules")));
    EXPECT_FALSE(FindRule().installed);

    WriteFile(Path("etc/99-local.rules"), rule);
    const UdevRuleStatus status = FindRule();
    EXPECT_TRUE(status.installed);
    EXPECT_EQ(status.files, QStringList{Path("etc/99-local.rules")});
}

TEST_F(Doctor, InstalledRuleIsTheFileUdevReadsElseTheOneUnderThePrefix) {
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("prefix")));
    const QByteArray rule = "TAG+=\"uaccess\"\n";
    // files: "@null" links to /dev/null
    const struct {
        const char* name; QList<QPair<const char*, QByteArray>> files; text::AccessRule state; const char* found;
    } cases[] = {
        {"nowhere", {}, text::AccessRule::Missing, ""},
        {"lib", {{"lib", rule}}, text::AccessRule::Installed, "lib"},
        {"etc before lib", {{"lib", rule}, {"etc", rule}}, text::AccessRule::Installed, "etc"},
        {"empty file in etc masks lib", {{"lib", rule}, {"etc", ""}}, text::AccessRule::Missing, ""},
        {"link to /dev/null masks lib", {{"lib", rule}, {"etc", "@null"}}, text::AccessRule::Missing, ""},
        {"only under the prefix", {{"prefix", rule}}, text::AccessRule::NotReadByUdev, "prefix"},
        {"lib and the prefix", {{"prefix", rule}, {"lib", rule}}, text::AccessRule::Installed, "lib"},
    };
    for (const auto& c : cases) {
        QStringList made;
        for (const auto& [folder, contents] : c.files) {
            const QString file = Path(QString::fromLatin1(folder) + "/70-tarvik.rules");
            if (contents == "@null") {
                ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), file));
            } else {
                WriteFile(file, contents);
            }
            made << file;
        }
        const InstalledRule found = FindInstalledRule({Path("etc"), Path("lib")}, {Path("prefix")});
        EXPECT_EQ(found.state, c.state) << c.name;
        EXPECT_EQ(found.path, *c.found ? Path(QString::fromLatin1(c.found) + "/70-tarvik.rules") : QString())
            << c.name;
        for (const QString& file : made) QFile::remove(file);
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
        n.isUnitInterface = unit;
        n.matchesUnit = command;
        n.nodeExists = true;
        n.canReadWrite = open;
        n.seatTag = tag;
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
