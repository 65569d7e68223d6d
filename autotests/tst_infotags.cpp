// The drive-information panel on virtual drives: every value from the drive's own data, the
// fall-backs when the drive cannot answer, the report appended to the drive's file, and the
// message log shown under the values.
#include "devicetext.h"
#include "dispatchwindow.h"
#include "drivefile.h"
#include "infotags.h"
#include "oskn_public.h"

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
