// What the doctor command is told about hidraw nodes and the udev rule, from made-up files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "device/Diagnostics.h"
#include "device/ProtocolConstants.h"

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
    return QStringLiteral("0003:0000%1:0000%2").arg(QString::fromLatin1(Hex4(vendorID)), QString::fromLatin1(Hex4(productID)));
}

const QByteArray kVendorDescriptor = QByteArray::fromHex("0600ff0901a101150026ff007508951009018102951009019102c0");
const QByteArray kKeyboardDescriptor = QByteArray::fromHex("05010906a101050719e029e71500250175019508810205081901290595059102c0");

class DescribeNode : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir_;
};

TEST_F(DescribeNode, MatchesOnlyTheVendorInterfaceOfOurUnit) {
    WriteFile(Path("vendor_desc"), kVendorDescriptor);
    WriteFile(Path("keyboard_desc"), kKeyboardDescriptor);
    WriteFile(Path("node"), {});
    struct Case {
        const char* name;
        QString hidId;
        const char* descriptor;
        bool isUnitInterface;
        bool descriptorRead;
        bool matches;
    };
    const Case cases[] = {
        {"vendor interface", OurHidId(), "vendor_desc", true, true, true},
        {"keyboard interface", OurHidId(), "keyboard_desc", true, true, false},
        {"other device", QStringLiteral("0003:0000046D:0000C52B"), "vendor_desc", false, true, false},
        {"descriptor unreadable", OurHidId(), "missing_desc", true, false, false},
        {"garbled HID_ID", QStringLiteral("0003-00001209"), "vendor_desc", false, true, false},
        {"ID out of range", QStringLiteral("0003:100001209:00000001"), "vendor_desc", false, true, false},
    };
    for (const Case& c : cases) {
        HidrawNodeSource source;
        source.devnode = Path("node");
        source.hidId = c.hidId;
        source.descriptorPath = Path(c.descriptor);
        const HidrawNodeInfo info = DescribeHidrawNode(source);
        EXPECT_EQ(info.isUnitInterface, c.isUnitInterface) << c.name;
        EXPECT_EQ(info.descriptorRead, c.descriptorRead) << c.name;
        EXPECT_EQ(info.matchesUnit, c.matches) << c.name;
    }
}

TEST_F(DescribeNode, ReadsIdsPagesAndNodeAccess) {
    WriteFile(Path("desc"), kKeyboardDescriptor + kVendorDescriptor);
    WriteFile(Path("hidraw5"), {});
    ASSERT_TRUE(QFile::setPermissions(Path("hidraw5"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                           QFileDevice::ReadGroup));
    HidrawNodeSource source;
    source.devnode = Path("hidraw5");
    source.sysPath = QStringLiteral("/sys/devices/x/hidraw/hidraw5");
    source.hidId = QStringLiteral("0003:0000046D:0000C52B");
    source.hidName = QStringLiteral("Some Receiver");
    source.descriptorPath = Path("desc");
    source.interfaceNumber = 2;
    const HidrawNodeInfo info = DescribeHidrawNode(source);
    EXPECT_EQ(info.vendorId, 0x046D);
    EXPECT_EQ(info.productId, 0xC52B);
    EXPECT_EQ(info.interfaceNumber, 2);
    EXPECT_EQ(info.productName, QStringLiteral("Some Receiver"));
    EXPECT_EQ(info.sysPath, QStringLiteral("/sys/devices/x/hidraw/hidraw5"));
    EXPECT_EQ(info.pages.topLevelUsagePages, (std::vector<std::uint32_t>{0x01, 0xFF00}));
    EXPECT_TRUE(info.nodeExists);
    EXPECT_TRUE(info.canReadWrite);
    EXPECT_EQ(info.mode, 0640u);
    EXPECT_FALSE(info.owner.isEmpty());
    EXPECT_FALSE(info.group.isEmpty());
}

TEST_F(DescribeNode, MissingNode) {
    HidrawNodeSource source;
    source.devnode = Path("hidraw9");
    const HidrawNodeInfo info = DescribeHidrawNode(source);
    EXPECT_FALSE(info.nodeExists);
    EXPECT_FALSE(info.canReadWrite);
    EXPECT_EQ(info.vendorId, -1);
    EXPECT_FALSE(info.descriptorRead);
}

TEST_F(DescribeNode, NodeThisUserMayNotOpen) {
    if (geteuid() == 0) GTEST_SKIP() << "root may open anything";
    WriteFile(Path("hidraw4"), {});
    ASSERT_TRUE(QFile::setPermissions(Path("hidraw4"), QFileDevice::ReadOwner));
    HidrawNodeSource source;
    source.devnode = Path("hidraw4");
    const HidrawNodeInfo info = DescribeHidrawNode(source);
    EXPECT_TRUE(info.nodeExists);
    EXPECT_FALSE(info.canReadWrite);
    EXPECT_EQ(info.mode, 0400u);
}

class UdevRule : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        ASSERT_TRUE(QDir(root_.path()).mkpath(QStringLiteral("etc")));
        ASSERT_TRUE(QDir(root_.path()).mkpath(QStringLiteral("lib")));
    }
    QString Etc() const { return root_.filePath(QStringLiteral("etc")); }
    QString Lib() const { return root_.filePath(QStringLiteral("lib")); }
    UdevRuleStatus Find() const { return FindUdevRule({Etc(), Lib(), root_.filePath(QStringLiteral("absent"))}); }
    QTemporaryDir root_;
};

TEST_F(UdevRule, RecognisesRuleLines) {
    const QByteArray v = Hex4(vendorID);
    struct Case {
        const char* name;
        QByteArray text;
        bool installed;
    };
    const Case cases[] = {
        {"idVendor", "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"" + v + "\", TAG+=\"uaccess\"\n", true},
        {"upper case", "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"" + v.toUpper() + "\", MODE=\"0660\"\n", true},
        {"HID_ID", "KERNEL==\"hidraw*\", ENV{HID_ID}==\"0003:0000" + v + ":*\", TAG+=\"uaccess\"\n", true},
        {"indented after comment", "# pedal\n   ATTRS{idVendor}==\"" + v + "\", MODE=\"0666\"\n", true},
        {"only in a comment", "# ATTRS{idVendor}==\"" + v + "\"\n", false},
        {"longer number", "ATTRS{idVendor}==\"" + v + "5\"\n", false},
        {"inside another number", "ATTRS{idVendor}==\"a" + v + "\"\n", false},
        {"packaged layout",
         "# Tarvik (USB " + v + ":0001)\nACTION==\"remove\", GOTO=\"tarvik_end\"\nSUBSYSTEM!=\"hidraw\", "
         "GOTO=\"tarvik_end\"\n\nATTRS{idVendor}==\"" + v + "\", ATTRS{idProduct}==\"0001\", TAG+=\"uaccess\"\n\n"
         "LABEL=\"tarvik_end\"\n",
         true},
        {"empty", "", false},
    };
    for (const Case& c : cases) {
        WriteFile(Lib() + QStringLiteral("/70-tarvik.rules"), c.text);
        const UdevRuleStatus status = Find();
        EXPECT_EQ(status.installed, c.installed) << c.name;
        EXPECT_EQ(status.files, c.installed ? QStringList{Lib() + QStringLiteral("/70-tarvik.rules")} : QStringList{})
            << c.name;
    }
}

TEST_F(UdevRule, NothingInstalled) {
    WriteFile(Etc() + QStringLiteral("/50-other.rules"), "ATTRS{idVendor}==\"046d\", MODE=\"0660\"\n");
    const UdevRuleStatus status = Find();
    EXPECT_FALSE(status.installed);
    EXPECT_TRUE(status.files.isEmpty());
    EXPECT_EQ(status.searchedDirs.size(), 3);
}

TEST_F(UdevRule, OnlyRulesFilesCount) {
    WriteFile(Etc() + QStringLiteral("/70-tarvik.rules.bak"), "ATTRS{idVendor}==\"" + Hex4(vendorID) + "\"\n");
    EXPECT_FALSE(Find().installed);
}

TEST_F(UdevRule, FileInEtcMasksTheSameNameInLib) {
    const QByteArray rule = "ATTRS{idVendor}==\"" + Hex4(vendorID) + "\", TAG+=\"uaccess\"\n";
    WriteFile(Lib() + QStringLiteral("/70-tarvik.rules"), rule);
    WriteFile(Etc() + QStringLiteral("/70-tarvik.rules"), "");
    EXPECT_FALSE(Find().installed);

    WriteFile(Etc() + QStringLiteral("/99-local.rules"), rule);
    const UdevRuleStatus status = Find();
    EXPECT_TRUE(status.installed);
    EXPECT_EQ(status.files, QStringList{Etc() + QStringLiteral("/99-local.rules")});
}

}  // namespace
}  // namespace tarvik
