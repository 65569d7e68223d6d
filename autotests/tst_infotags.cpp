// The drive-information panel on virtual drives: every value from the drive's own data, the
// fall-backs when the drive cannot answer, the report appended to the drive's file, and the
// message log shown under the values.
#include "deviceaccess/devicetext.h"
#include "dispatchwindow.h"
#include "drivefile.h"
#include "info/infotags.h"
#include "log/logsapplication.h"
#include "deviceaccess/oskn_public.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <vector>

namespace {

const char* const valueLabels[] = {
    "lbModelNumberValue",       "lbSerialNumberValue",   "lbRevisionValue",     "lbMaxLBAValue",
    "lbMandatoryValue",         "lbSecurityModeValue",   "lbSmartValue",        "lb48BitAddressValue",
    "lbAdvancedPowerValue",     "lbSmartSelf_testValue", "lbSMARTErroValue",    "lbDriveTempValue",
    "lbPower_OnValue",          "lbCacheSizeValue",      "lblbGeneralPurposeValue", "lbSecurityStatusValue",
    "lbDownloadMicrocodeValue", "lbSecureLockedValue"};

QStringList values(const InfoTags& info)
{
    QStringList out;
    for (const char* name : valueLabels)
        out << info.findChild<QLabel*>(name)->text();
    return out;
}

QString value(const InfoTags& info, const char* name)
{
    return info.findChild<QLabel*>(name)->text();
}

QJsonObject attribute(int id, qint64 raw)
{
    return {{"id", id}, {"current", 100}, {"worst", 100}, {"threshold", 0}, {"raw", raw}};
}

QJsonObject features(const QJsonArray& supported, const QJsonArray& enabled)
{
    return {{"supported", supported}, {"enabled", enabled}};
}

} // namespace

class TestInfoTags : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    std::vector<_tDevice> records;

    // The drives of a description, as discovery fills their records.
    void load(const QString& name, const QJsonArray& drives)
    {
        use_Virtual_Drives(dir, name, drives);
        records = discover_Records();
    }

private slots:
    void initTestCase()
    {
        start_Window_Suite();
        QDir::setCurrent(dir.path());
    }

    void valuesFromTheDrive()
    {
        QJsonObject full = virtual_Drive("full", "Brevane BV2000", "FULL01", 999);
        full["firmware"] = "BV03";
        full["features"] = features({"smart", "security", "apm", "downloadMicrocode", "segmentedDownload",
                                     "deferredDownload", "smartSelfTest", "gpl", "48bit"},
                                    {"smart", "apm", "downloadMicrocode", "smartSelfTest", "gpl", "48bit"});
        full["securityFrozen"] = true;
        full["cacheSizeMB"] = 8; // word 21 and the capacity page (top bit set) agree
        // 194 raw bytes 28 00 (40; the bytes above are not the temperature), 9 raw bytes 10 27 00 00.
        full["smart"] = QJsonObject{{"attributes", QJsonArray{attribute(194, 0xFFFF00000028), attribute(9, 0x2710)}}};
        QJsonObject plain = virtual_Drive("plain", "Other Disk", "PLAIN1");
        plain["features"] = features({"smart", "security"}, {"smart"}); // words 82 = ..03, 85 = ..01
        plain["cacheSizeMB"] = 16;                                          // word 21 = 0x4000, no logging
        QJsonObject noLog = virtual_Drive("nolog", "Other Disk", "NOLOG1");
        noLog["features"] = features({"gpl", "downloadMicrocode"}, {"gpl"});
        noLog["identifyDataLog"] = false;
        noLog["cacheSizeMB"] = 256; // too big for word 21; the data log is not listed
        QJsonObject noSmart = virtual_Drive("nosmart", "Other Disk", "NOSMART1");
        noSmart["faults"] = QJsonArray{QJsonObject{{"ataCommand", "0xB0"}, {"feature", "0xD0"}}};
        QJsonObject stick{{"name", "stick"}, {"model", "Pocket"}, {"serial", "PKT1"}, {"firmware", "1.0"},
                          {"maxLba", 5000}, {"interface", "usb"}, {"ataPassThrough", false}};
        load("values.json", {full, plain, noLog, noSmart, stick});

        InfoTags info;
        info.set_TDevice(&records[0]);
        QCOMPARE(values(info),
                 (QStringList{"Brevane BV2000", "FULL01", "BV03", "999", "Supported", "Supported, Disabled ",
                              "Supported, Enabled", "True", "Supported, Enabled", "True", "False", "40", "10000",
                              "8 MB", "True", "Supported, Disabled, Frozen", "Supported, Segmented, Deferred",
                              "False"}));

        info.set_TDevice(&records[1]);
        QCOMPARE(value(info, "lbSmartValue"), QString("Supported, Enabled"));
        QCOMPARE(value(info, "lbSecurityModeValue"), QString("Supported, Disabled "));
        QCOMPARE(value(info, "lbCacheSizeValue"), QString("16 MB"));
        QCOMPARE(value(info, "lblbGeneralPurposeValue"), QString("False"));

        info.set_TDevice(&records[2]);
        QCOMPARE(value(info, "lbCacheSizeValue"), QString("Not Reported"));
        QCOMPARE(value(info, "lbDownloadMicrocodeValue"), QString("Supported, Not Segmented"));

        info.set_TDevice(&records[3]);
        QCOMPARE(value(info, "lbDriveTempValue"), QString("Unknown"));
        QCOMPARE(value(info, "lbPower_OnValue"), QString("Unknown"));
        QCOMPARE(value(info, "lbSmartValue"), QString("Supported, Enabled"));

        info.set_TDevice(&records[4]);
        QCOMPARE(values(info), QStringList({"Pocket", "PKT1", "1.0", "5000"}) + QVector<QString>(14, "Unknown").toList());
    }

    void languageSwitchRefills()
    {
        load("lang.json", {virtual_Drive("l", "Brevane BV1", "LANG1")});
        InfoTags info;
        info.set_TDevice(&records[0]);
        use_Language("de_DE");
        const QString german = QCoreApplication::translate("InfoTags", "True");
        QVERIFY(german != "True");
        QTRY_COMPARE(value(info, "lblbGeneralPurposeValue"), german);
        QCOMPARE(info.findChild<QLabel*>("lbSerialNumber")->text(),
                 QCoreApplication::translate("InfoTags", "Serial Number"));
        use_Language("en_US");
        QTRY_COMPARE(value(info, "lblbGeneralPurposeValue"), QString("True"));
    }

    void reportAppendsBlocks()
    {
        load("report.json", {virtual_Drive("r", "Brevane BV1", "REP1"), virtual_Drive("e", "Brevane BV2", ""),
                             virtual_Drive("c", "Brevane BV3", "CASE1"), virtual_Drive("p", "Brevane BV4", "../up")});
        InfoTags info;
        QPushButton* save = info.findChild<QPushButton*>("pushButton");
        info.set_TDevice(&records[0]);
        save->click();
        const QString header =
            QString(47, '=') + " \nKestrova Bootable v2.0.7 \n" + QString(47, '=') + "\n";
        const QString first = file_Text("REP1.log");
        QVERIFY(first.startsWith(header + "\n============= Drive Information =============\nModel Number : Brevane BV1\n"
                                          "Serial Number : REP1\nFirmware Revision : 1.00\nMax LBA : 2000000\n"));
        QVERIFY(first.endsWith("Security Locked : False\n" + QString(46, '=') + "\n"));
        QCOMPARE(first.count('\n'), 3 + 1 + 18 + 1 + 1);
        // Security Status comes before General Purpose Logging in the report.
        QVERIFY(first.indexOf("Security Status :") < first.indexOf("General Purpose Logging supported :"));
        save->click();
        QCOMPARE(file_Text("REP1.log"), first + first.mid(header.size()));

        info.set_TDevice(&records[1]);
        save->click();
        QVERIFY(file_Text("Device----.log").startsWith(header));

        // A file differing only in letter case is another file: this block gets the header.
        QFile other("case1.log");
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();
        info.set_TDevice(&records[2]);
        save->click();
        QVERIFY(file_Text("CASE1.log").startsWith(header));

        info.set_TDevice(&records[3]);
        save->click();
        QVERIFY(file_Text("%2E.%2Fup.log").startsWith(header));
        QVERIFY(!QFile::exists("../up.log"));
    }

    // An NVMe drive shows its own identity, format, erase methods and health log instead of the
    // ATA values, in the report too; a block-only drive what the system says of it; identify
    // data no drive sends leaves "Unknown" and a log line, never a made-up value.
    void nvmeAndBlockDrives()
    {
        const QJsonObject health{{"criticalWarning", QJsonArray{"spare", "readOnly"}}, {"temperatureCelsius", 41},
                                 {"availableSpare", 4}, {"availableSpareThreshold", 10}, {"percentageUsed", 7},
                                 {"dataUnitsRead", 2000}, {"dataUnitsWritten", 1000}, {"powerCycles", 12},
                                 {"powerOnHours", 345}, {"unsafeShutdowns", 3}, {"mediaErrors", 2},
                                 {"errorLogEntries", 9}};
        const QJsonObject nvme{{"name", "nv"}, {"interface", "nvme"}, {"model", "Kestrel NV1"}, {"serial", "NVINFO1"},
                               {"firmware", "2.1"}, {"maxLba", 1048575}, {"logicalSectorSize", 4096},
                               {"nvme", QJsonObject{{"version", "1.4.1"}, {"namespaceId", 2},
                                                    {"lbaFormats", QJsonArray{512, 4096}},
                                                    {"sanitize", QJsonArray{"blockErase", "overwrite"}},
                                                    {"format", QJsonArray{"userData", "cryptoErase"}},
                                                    {"selfTest", false}, {"health", health}}}};
        const QJsonObject garbled{{"name", "bad"}, {"interface", "nvme"}, {"model", "Kestrel NV2"}, {"serial", "NVBAD"},
                                  {"maxLba", 9999}, {"nvme", QJsonObject{{"identifyGarbage", "namespace"}}}};
        const QJsonObject emmc{{"name", "mmc"}, {"interface", "emmc"}, {"model", "MMC 8G"}, {"serial", "0x1a2b"},
                               {"firmware", "0x6"}, {"capacityBytes", qint64(8000000000)}};
        load("nvme.json", {nvme, garbled, emmc});
        InfoTags info;
        info.set_TDevice(&records[0]);
        const auto shown = [&info] {
            QStringList out;
            for (const auto& item : info.shown_Items())
                out << item.first->text() + " : " + item.second->text();
            return out;
        };
        QCOMPARE(shown(), (QStringList{
                              "Model Number : Kestrel NV1", "Serial Number : NVINFO1", "Firmware Revision : 2.1",
                              "Max LBA : 1048575", "Capacity : 4.3 GB", "Sector Size : Logical 4096 bytes, physical 4096 bytes",
                              "NVMe Version : 1.4.1", "Namespace ID : 2", "LBA Format in Use : Format 1: 4096 bytes",
                              "Device Self-test : " + QCoreApplication::translate("InfoTags", "Unsupported"), "Sanitize : Block Erase, Overwrite",
                              "Format NVM : User Data Erase, Crypto Erase",
                              "Critical Warning : Available spare below threshold, Media read-only",
                              "Composite Temperature (C) : 41", "Available Spare : 4 %", "Available Spare Threshold : 10 %",
                              "Percentage Used : 7 %", "Data Read : 2000 (1.0 GB)", "Data Written : 1000 (0.5 GB)",
                              "Power-On Hours : 345", "Power Cycles : 12", "Unsafe Shutdowns : 3",
                              "Media and Data Integrity Errors : 2", "Error Log Entries : 9"}));
        QVERIFY(!info.findChild<QLabel*>("lbSmartValue")->isVisibleTo(&info));
        QVERIFY(info.findChild<QLabel*>("lbCriticalWarningValue")->isVisibleTo(&info));
        info.findChild<QPushButton*>("pushButton")->click();
        const QString report = file_Text("NVINFO1.log");
        QVERIFY(report.contains("\nNVMe Version : 1.4.1\nNamespace ID : 2\n"));
        QVERIFY(report.endsWith("Error Log Entries : 9\n" + QString(46, '=') + "\n"));
        QVERIFY(!report.contains("Security Locked"));

        use_Language("de_DE");
        QTRY_COMPARE(value(info, "lbCriticalWarning"), QCoreApplication::translate("InfoTags", "Critical Warning"));
        QCOMPARE(value(info, "lbSanitizeValue"), QCoreApplication::translate("InfoTags", "Block Erase") + ", "
                                                     + QCoreApplication::translate("InfoTags", "Overwrite"));
        use_Language("en_US");
        QTRY_COMPARE(value(info, "lbCriticalWarning"), QString("Critical Warning"));

        const int logLines = LogsApplication::Instance()->get_List_log().size();
        info.set_TDevice(&records[1]);
        QCOMPARE(value(info, "lbModelNumberValue"), QString("Kestrel NV2"));
        for (const char* name : {"lbNvmeVersionValue", "lbLbaFormatValue", "lbCriticalWarningValue", "lbPercentageUsedValue"})
            QCOMPARE(value(info, name), QString("Unknown"));
        QVERIFY(LogsApplication::Instance()->get_List_log().mid(logLines).join("").contains(
            "identify data could not be used"));

        info.set_TDevice(&records[2]);
        QCOMPARE(shown().mid(4), (QStringList{"Capacity : 8.0 GB", "Sector Size : Logical 512 bytes, physical 512 bytes",
                                              "Health and Self-test : Not available: the drive is reached as a plain "
                                              "block device"}));

        // Back to a SATA drive: its eighteen rows again.
        load("sata.json", {virtual_Drive("s", "Brevane BV1", "SATA1")});
        info.set_TDevice(&records[0]);
        QCOMPARE(info.shown_Items().size(), 18);
        QVERIFY(info.findChild<QLabel*>("lbSmartValue")->isVisibleTo(&info));
        QVERIFY(!info.findChild<QLabel*>("lbCapacityValue")->isVisibleTo(&info));
    }

    void messageLogView()
    {
        InfoTags info;
        QPlainTextEdit* view = info.findChild<QPlainTextEdit*>("plainTextEdit");
        QVERIFY(view->isReadOnly());
        info.set_Plain_Text_Edit({"\n01-02  | 10:00:00 |  Short DST started\n", "\nsecond\n"});
        QCOMPARE(view->toPlainText(), QString("\n01-02  | 10:00:00 |  Short DST started\n\nsecond\n"));
        info.set_Plain_Text_Edit({});
        QCOMPARE(view->toPlainText(), QString());
    }
};

QTEST_MAIN(TestInfoTags)
#include "tst_infotags.moc"
