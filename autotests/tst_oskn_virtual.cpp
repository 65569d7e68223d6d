// The virtual drives, driven with raw CDBs: description parsing, IDENTIFY and INQUIRY built from
// the description, data round trips, the sense of each error, capacity changes and faults.
#include <QtTest>

#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "tst_oskn_virtual_helpers.h"

using namespace vtest;

class TestOsknVirtual : public QObject {
    Q_OBJECT

private slots:
    void refusesBadDescriptions_data()
    {
        QTest::addColumn<QString>("json");
        QTest::addColumn<QString>("where"); // drive part of the message, empty for the top level
        QTest::addColumn<QString>("field");
        auto drive = [](const char* row, const QString& bad, const char* field, const char* where = "drive 1 (\"b\")") {
            QTest::newRow(row) << QString(R"({"drives":[{"name":"ok","serial":"S0","maxLba":1000},%1]})").arg(bad)
                               << QString(where) << QString(field);
        };
        drive("unknown field", R"({"name":"b","maxLba":10,"colour":"red"})", "colour");
        drive("wrong type", R"({"name":"b","maxLba":"ten"})", "maxLba");
        drive("serial too long", R"({"name":"b","maxLba":10,"serial":"123456789012345678901"})", "serial");
        drive("bad LBA beyond capacity", R"({"name":"b","maxLba":10,"unreadableSectors":[4,11]})", "unreadableSectors[1]");
        drive("hpa beyond native", R"({"name":"b","maxLba":10,"accessibleMaxLba":11})", "accessibleMaxLba");
        drive("image without directory", R"({"name":"b","maxLba":10,"storage":"image"})", "imageDirectory");
        drive("enabled not supported", R"({"name":"b","maxLba":10,"features":{"supported":["smart"],"enabled":["apm"]}})",
              "features.enabled");
        drive("duplicate name", R"({"name":"ok","serial":"S1","maxLba":10})", "name", "drive 1 (\"ok\")");
        // Names and file names with a NUL or control character, and keys given twice, are refused;
        // text from the file is echoed escaped and cut, on one line.
        drive("NUL in name", R"({"name":"b\u0000x","maxLba":10})", "name", R"(drive 1 ("b\x00x"))");
        drive("control in image file",
              R"({"name":"b","maxLba":10,"storage":"image","imageFile":"a\u0001.img"})", "imageFile");
        drive("key twice", R"({"name":"b","maxLba":10,"maxLba":20})", "maxLba", "drive 1");
        // The program knows a drive by its serial without the blanks around it.
        drive("serial differing only in blanks", R"({"name":"b","maxLba":10,"serial":" S0 "})", "serial");
        // A list of unreadable sectors is bounded, by its entries while the file is read.
        QStringList many;
        for (int lba = 0; lba <= 65536; ++lba)
            many << QString::number(lba);
        drive("too many unreadable sectors",
              QString(R"({"name":"b","maxLba":100000,"unreadableSectors":[%1]})").arg(many.join(',')),
              "unreadableSectors", "drive 1");
        drive("too many unreadable sectors in a range",
              R"({"name":"b","maxLba":100000,"unreadableSectors":[5,{"lba":10,"count":65536}]})",
              "unreadableSectors[1].count");
        drive("NUL and newline in a field name", R"({"name":"b","maxLba":10,"col\u0000our\n":"red"})",
              R"(col\x00our\x0A)");
        drive("megabyte value", QString(R"({"name":"b","maxLba":10,"interface":"%1"})").arg(QString(1 << 20, 'x')),
              "interface");
        QTest::newRow("key twice at the top") << R"({"drives":[],"drives":[]})" << "" << "drives";
        QTest::newRow("unknown top-level field") << R"({"drives":[],"disks":[]})" << "" << "disks";
        // An image is its drive's own: not the description file, not another drive's image.
        QTest::newRow("image is the description")
            << R"({"imageDirectory":".","drives":[{"name":"a","maxLba":10,"storage":"image","imageFile":"bad.json"}]})"
            << R"(drive 0 ("a"))" << "imageFile";
        QTest::newRow("two drives, one image")
            << R"({"imageDirectory":"img","drives":[{"name":"a","serial":"A","maxLba":10,"storage":"image"},)"
               R"({"name":"b","serial":"B","maxLba":10,"storage":"image","imageFile":"a.img"}]})"
            << R"(drive 1 ("b"))" << "imageFile";
        QTest::newRow("uncreatable image directory")
            << R"({"imageDirectory":"/proc/no/such","drives":[{"name":"b","maxLba":10,"storage":"image"}]})" << ""
            << "imageDirectory";
    }

    void refusesBadDescriptions()
    {
        QFETCH(QString, json);
        QFETCH(QString, where);
        QFETCH(QString, field);
        QTemporaryDir dir;
        const std::string path = write_File(dir, "bad.json", json.toStdString());
        std::string error;
        QVERIFY(!oskn::make_Virtual_Transport(path, error)); // nothing of a refused file is listed
        // Nor made: the description is as it was, and no image file exists.
        QFile kept(QString::fromStdString(path));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(kept.readAll()), json);
        QDirIterator files(dir.path(), QDir::Files, QDirIterator::Subdirectories);
        QVERIFY(files.hasNext() && files.next() == kept.fileName() && !files.hasNext());
        const QString message = QString::fromStdString(error);
        QVERIFY2(message.startsWith(QString::fromStdString(path) + ": ") && message.contains(where) &&
                     message.contains("field \"" + field + "\"") && !message.contains('\n') &&
                     !message.contains(QChar(0)) && message.size() < 400,
                 qPrintable(message));
    }

    // Links do not make an image another file: a link to the description, or to another
    // drive's image, is refused like the file itself.
    void imagesThroughLinks()
    {
        QTemporaryDir dir;
        const QString json = dir.filePath("desc.json");
        const QString image = dir.filePath("a.img");
        QVERIFY(QFile(image).open(QIODevice::WriteOnly));
        const QByteArray twoDrives = R"({"imageDirectory":".","drives":[)"
                                     R"({"name":"a","serial":"A","maxLba":10,"storage":"image"},)"
                                     R"({"name":"b","serial":"B","maxLba":10,"storage":"image","imageFile":"%1"}]})";
        const std::pair<const char*, QString> links[] = {
            {"self.img", json}, {"hard.img", json}, {"alias.img", image}, {"hard-alias.img", image}};
        for (const auto& [name, target] : links) {
            const QString link = dir.filePath(name);
            const bool hard = QByteArray(name).startsWith("hard");
            QVERIFY(hard ? ::link(QFile::encodeName(target), QFile::encodeName(link)) == 0
                         : QFile::link(target, link));
            QFile f(json);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(QByteArray(twoDrives).replace("%1", name));
            f.close();
            const qint64 size = QFileInfo(json).size();
            std::string error;
            QVERIFY2(!oskn::make_Virtual_Transport(json.toStdString(), error), name);
            const QString message = QString::fromStdString(error);
            QVERIFY2(message.contains(R"(drive 1 ("b"): field "imageFile")") &&
                         message.contains(target == json ? "is this description file" : "image of drive 0"),
                     qPrintable(message));
            QCOMPARE(QFileInfo(json).size(), size);
            QCOMPARE(QFileInfo(image).size(), qint64(0));
        }
    }

    void emptySetAndEnumeration()
    {
        std::string error;
        auto empty = oskn::make_Virtual_Transport(fixture("no-drives.json"), error);
        QVERIFY2(empty, error.c_str());
        QCOMPARE(empty->enumerate().size(), size_t(0));
        QTemporaryDir dir;
        QVERIFY(!oskn::make_Virtual_Transport(write_File(dir, "broken.json", "{ \"drives\": [ "), error));
        QVERIFY(QString::fromStdString(error).contains("not valid JSON"));

        Drives set("virtual/drives.json");
        const auto& e = set.entries;
        QCOMPARE(e.size(), size_t(6));
        QCOMPARE(e[0].path, std::string("plain"));
        QCOMPARE(e[4].interfaceType, 5u); // USB
        QCOMPARE(e[5].driveTypeHint, 4u); // optical: not a disk
        QVERIFY(e[5].noMedium && !e[0].noMedium);

        // A second transport over the same file reaches the same drives (a rescan keeps state).
        std::vector<uint8_t> data(512, 0x5A), back(512);
        QCOMPARE(write16(*e[0].channel, 77, 1, data).status, 0);
        Drives again("virtual/drives.json");
        QCOMPARE(read16(*again.entries[0].channel, 77, 1, back).status, 0);
        QCOMPARE(back, data);
    }

    void identifyFromDescription()
    {
        Drives set("virtual/drives.json");
        auto id = identify(*set.entries[0].channel);
        QCOMPARE(id.size(), size_t(512));
        auto w = [&](int n) { return uint16_t(id[2 * n] | id[2 * n + 1] << 8); };

        QCOMPARE(ata_String(id, 27, 40), QString("Brevane BV2000-ST").leftJustified(40, ' '));
        QCOMPARE(ata_String(id, 10, 20), QString("BV2K0000000000000001"));
        QCOMPARE(ata_String(id, 23, 8), QString("BV01A2C4"));
        QCOMPARE(uint32_t(w(60) | w(61) << 16), 2097152u); // max LBA 2097151
        QCOMPARE(uint64_t(w(100)) | uint64_t(w(101)) << 16 | uint64_t(w(102)) << 32, uint64_t(2097152));
        QCOMPARE(w(106), uint16_t(0x6003)); // 8 logical sectors per physical
        QCOMPARE(w(82) & 0x040B, 0x040B);   // SMART, security, PM, HPA supported
        QCOMPARE(w(85) & 0x000B, 0x0009);   // SMART and PM enabled, security not
        QCOMPARE(w(128) & 0x000F, 0x0009);  // security supported, frozen

        // Integrity word: signature A5h and a checksum that makes the sector sum to zero.
        QCOMPARE(id[510], uint8_t(0xA5));
        uint8_t sum = 0;
        for (uint8_t b : id)
            sum = uint8_t(sum + b);
        QCOMPARE(sum, uint8_t(0));

        // 4096-byte logical sectors: words 106 bit 12 and 117-118.
        auto big = identify(*set.entries[2].channel);
        QCOMPARE(uint16_t(big[212] | big[213] << 8) & 0x1000, 0x1000);
        QCOMPARE(uint32_t(big[234] | big[235] << 8 | big[236] << 16), 2048u);

        // The USB stick answers no ATA command.
        Result r = ata(*set.entries[4].channel, 0xEC, 0, 1, 0, PioIn, nullptr, 0);
        QCOMPARE(sense_Key(r.sense), 0x5);
        QCOMPARE(asc(r.sense), 0x20);
    }

    void inquiryAndCapacity()
    {
        Drives set("virtual/drives.json");
        auto& plain = *set.entries[0].channel;
        auto text = [](const std::vector<uint8_t>& b, int at, int n) { return QByteArray(reinterpret_cast<const char*>(&b[at]), n); };
        std::vector<uint8_t> buf(96), vpd(64);
        uint8_t inq[6] = {0x12, 0, 0, 0, 96, 0};
        QCOMPARE(exec(plain, inq, 6, DataIn, buf.data(), 96).status, 0);
        QCOMPARE(text(buf, 8, 24), QByteArray("ATA     Brevane BV2000-S"));

        uint8_t inq80[6] = {0x12, 1, 0x80, 0, 64, 0};
        QCOMPARE(exec(plain, inq80, 6, DataIn, vpd.data(), 64).status, 0);
        QCOMPARE(text(vpd, 4, vpd[3]), QByteArray("BV2K0000000000000001"));

        uint8_t cap[32];
        QCOMPARE(read_Capacity(plain, cap).status, 0);
        QCOMPARE(be64(cap), uint64_t(2097151));
        QCOMPARE(cap[13] & 0x0F, 3); // 8 logical sectors per physical

        Result r = read_Capacity(*set.entries[5].channel, cap); // an empty optical drive
        QCOMPARE(sense_Key(r.sense), 0x2);
        QCOMPARE(asc(r.sense), 0x3A);
    }

    void roundTripMemoryAndImage()
    {
        QTemporaryDir dir;
        const std::string path = write_File(dir, "rt.json", R"({"imageDirectory":"img","drives":[
            {"name":"mem","serial":"M","maxLba":4095},
            {"name":"file","serial":"F","maxLba":4095,"storage":"image"}]})");
        for (int pass = 0; pass < 2; ++pass) {
            Drives set(path, false);
            for (auto& e : set.entries) {
                std::vector<uint8_t> data(64 * 512), back(64 * 512, 0xEE);
                for (size_t i = 0; i < data.size(); ++i)
                    data[i] = uint8_t(i * 7 + e.path.size() + pass);
                if (pass == 0) { // never-written sectors read as zeros
                    QCOMPARE(read16(*e.channel, 4000, 64, back).status, 0);
                    QCOMPARE(back, std::vector<uint8_t>(back.size(), 0));
                }
                QCOMPARE(write16(*e.channel, 4000, 64, data).status, 0);
                QCOMPARE(read16(*e.channel, 4000, 64, back).status, 0);
                QCOMPARE(back, data);
                uint8_t cdb[10] = {0x28, 0, 0, 0, 0x0F, 0xA1, 0, 0, 1, 0}; // READ(10) of LBA 4001
                QCOMPARE(exec(*e.channel, cdb, 10, DataIn, back.data(), 512).status, 0);
                QCOMPARE(std::memcmp(back.data(), data.data() + 512, 512), 0);
            }
        }
        // The image is a file of the drive's capacity, holding the written data in place.
        const std::string image = dir.path().toStdString() + "/img/file.img";
        struct stat st;
        QCOMPARE(::stat(image.c_str(), &st), 0);
        QCOMPARE(uint64_t(st.st_size), uint64_t(4096 * 512));
        std::ifstream in(image, std::ios::binary);
        in.seekg(4000 * 512);
        char first = 0;
        in.read(&first, 1);
        QCOMPARE(uint8_t(first), uint8_t(4 + 1)); // "file" is 4 characters, second pass
    }

    void unreadableSectors()
    {
        Drives set("virtual/drives.json");
        auto& d = *set.entries[1].channel;
        std::vector<uint8_t> buf(64 * 512), data(64 * 512, 0x33);

        // MEDIUM ERROR, UNRECOVERED READ ERROR, the LBA in the information field, the sectors
        // before it transferred.
        QCOMPARE(write16(d, 4960, 40, data).status, 0);
        Result r = read16(d, 4960, 64, buf);
        QCOMPARE(r.status, 2);
        QCOMPARE(sense_Key(r.sense), 0x3);
        QCOMPARE(asc(r.sense), 0x11);
        QCOMPARE(ascq(r.sense), 0x00);
        QCOMPARE(information(r.sense), uint64_t(5000));
        QCOMPARE(buf[0], uint8_t(0x33));
        QCOMPARE(r.residual, uint32_t(24 * 512));

        // Through ATA PASS-THROUGH: UNC with the LBA in the output registers.
        r = ata(d, 0x25, 0, 8, 4998, DmaIn, buf.data(), 8 * 512);
        QCOMPARE(sense_Key(r.sense), 0x3);
        const oskn::AtaResult regs = status_Return(r.sense);
        QVERIFY(regs.valid);
        QCOMPARE(regs.error & 0x40, 0x40);
        QCOMPARE(regs.lba, uint64_t(5000));

        // Rewriting the sector makes it readable; a permanently bad one refuses the write.
        QCOMPARE(write16(d, 5000, 1, data).status, 0);
        QCOMPARE(read16(d, 4960, 64, buf).status, 0);
        r = write16(d, 6999, 2, data);
        QCOMPARE(sense_Key(r.sense), 0x3);
        QCOMPARE(asc(r.sense), 0x0C);
        QCOMPARE(information(r.sense), uint64_t(7000));

        // Beyond 32 bits the LBA needs descriptor-format sense.
        QTemporaryDir dir;
        Drives big(write_File(dir, "big.json",
                              R"({"drives":[{"serial":"X","maxLba":15628053167,"unreadableSectors":[5000000000]}]})"),
                   false);
        r = read16(*big.entries[0].channel, 4999999990, 64, buf);
        QCOMPARE(r.sense[0] & 0x7F, 0x72);
        QCOMPARE(information(r.sense), uint64_t(5000000000));
    }

    void outOfRangeIsRefused()
    {
        Drives set("virtual/drives.json");
        auto& d = *set.entries[0].channel;
        std::vector<uint8_t> data(8 * 512, 0x77), back(8 * 512), zeros(8 * 512, 0);
        // The last sectors can be written; one past the end is refused and writes nothing.
        QCOMPARE(write16(d, 2097151 - 7, 8, zeros).status, 0);
        Result r = write16(d, 2097151 - 6, 8, data);
        QCOMPARE(sense_Key(r.sense), 0x5);
        QCOMPARE(asc(r.sense), 0x21);
        QCOMPARE(read16(d, 2097151 - 7, 8, back).status, 0);
        QCOMPARE(back, zeros);
        QCOMPARE(asc(read16(d, UINT64_MAX, 1, back).sense), 0x21); // no wrap-around
        r = ata(d, 0x35, 0, 2, 2097151, DmaOut, data.data(), 1024);
        QVERIFY(status_Return(r.sense).error & 0x10); // IDNF

        // A buffer smaller than the transfer is refused rather than overrun.
        r = read16(d, 0, 2, back, 512);
        QCOMPARE(sense_Key(r.sense), 0x5);
        QCOMPARE(asc(r.sense), 0x24);

        // Unknown commands.
        uint8_t cdb[6] = {0xC7, 0, 0, 0, 0, 0};
        r = exec(d, cdb, 6, DataNone, nullptr, 0);
        QCOMPARE(sense_Key(r.sense), 0x5);
        QCOMPARE(asc(r.sense), 0x20);
        r = ata(d, 0x92, 0, 0, 0, NonData, nullptr, 0); // DOWNLOAD MICROCODE is not emulated
        QCOMPARE(sense_Key(r.sense), 0xB);
        QCOMPARE(status_Return(r.sense).error, 0x04);
    }

    void refusedBeforeTheCommandRuns()
    {
        Drives set("virtual/drives.json");
        auto& d = *set.entries[0].channel;
        std::vector<uint8_t> buf(512, 0x99);
        // Data that would flow the other way than the command moves it: nothing is read or written.
        uint8_t read[16] = {0x88};
        read[13] = 1;
        QCOMPARE(asc(exec(d, read, 16, DataOut, buf.data(), 512).sense), 0x24);
        QCOMPARE(asc(ata(d, 0xEC, 0, 1, 0, PioOut, buf.data(), 512).sense), 0x24);
        QCOMPARE(buf, std::vector<uint8_t>(512, 0x99));
        // A CDB too short for its command; a command of a feature set the drive lacks.
        QCOMPARE(asc(exec(d, read, 10, DataIn, buf.data(), 512).sense), 0x24);
        uint8_t writeSame[16] = {0x93};
        QCOMPARE(asc(exec(d, writeSame, 16, DataOut, buf.data(), 512).sense), 0x20);
        QCOMPARE(status_Return(ata(d, 0x5C, 0x01, 1, 0x0100, PioIn, buf.data(), 512).sense).error, 0x04);
    }

    void injectedFaults()
    {
        Drives set("virtual/drives.json");
        auto& d = *set.entries[3].channel;
        std::vector<uint8_t> buf(512);
        // READ(16): the first passes (skip 1), the next two fail with the given sense, then it heals.
        QCOMPARE(read16(d, 0, 1, buf).status, 0);
        for (int i = 0; i < 2; ++i) {
            Result r = read16(d, 0, 1, buf);
            QCOMPARE(sense_Key(r.sense), 0x4);
            QCOMPARE(asc(r.sense), 0x44);
        }
        QCOMPARE(read16(d, 0, 1, buf).status, 0);
        // SMART READ DATA fails with ABRT every time; other SMART subcommands still work.
        Result r = ata(d, 0xB0, 0xD0, 1, 0xC24F00, PioIn, buf.data(), 512);
        QCOMPARE(sense_Key(r.sense), 0xB);
        QCOMPARE(status_Return(r.sense).error, 0x04);
        QCOMPARE(status_Return(r.sense).status & 0x01, 0x01);
        QCOMPARE(ata(d, 0xB0, 0xD1, 1, 0xC24F00, PioIn, buf.data(), 512).status, 0);
    }

    void smartReturnStatus()
    {
        Drives set("virtual/drives.json");
        // Good: LBA mid/high 4Fh/C2h. Threshold exceeded: F4h/2Ch.
        Result r = ata(*set.entries[0].channel, 0xB0, 0xDA, 0, 0xC24F00, NonData, nullptr, 0, true);
        QCOMPARE(sense_Key(r.sense), 0x1);
        QCOMPARE(ascq(r.sense), 0x1D);
        QCOMPARE((status_Return(r.sense).lba >> 8) & 0xFFFF, uint64_t(0xC24F));
        r = ata(*set.entries[1].channel, 0xB0, 0xDA, 0, 0xC24F00, NonData, nullptr, 0, true);
        QCOMPARE((status_Return(r.sense).lba >> 8) & 0xFFFF, uint64_t(0x2CF4));
        // Without the SMART signature in LBA mid/high the command is aborted.
        r = ata(*set.entries[0].channel, 0xB0, 0xDA, 0, 0, NonData, nullptr, 0, true);
        QCOMPARE(status_Return(r.sense).error, 0x04);

        // SMART data: the attributes as described, checksum right.
        std::vector<uint8_t> data(512);
        QCOMPARE(ata(*set.entries[0].channel, 0xB0, 0xD0, 1, 0xC24F00, PioIn, data.data(), 512).status, 0);
        QCOMPARE(data[2], uint8_t(9));
        QCOMPARE(uint32_t(data[7] | data[8] << 8), 10000u);
        uint8_t sum = 0;
        for (uint8_t b : data)
            sum = uint8_t(sum + b);
        QCOMPARE(sum, uint8_t(0));
    }

    void demoSetIsValid()
    {
        // Loaded from a copy, so that its images are made in a temporary directory.
        std::ifstream in(fixture("../../demo/drives.json"));
        QVERIFY(in.good());
        std::stringstream text;
        text << in.rdbuf();
        QTemporaryDir dir;
        Drives set(write_File(dir, "drives.json", text.str()), false);
        QCOMPARE(set.entries.size(), size_t(10));
        for (auto& e : set.entries) {
            uint8_t cap[32];
            if (e.kind == oskn::DriveKind::Nvme) { // every disk answers, in its own command set
                uint8_t id[4096];
                oskn::NvmeCommand identify;
                identify.opcode = 0x06;
                identify.cdw10 = 0x01;
                identify.data = id;
                identify.dataLength = sizeof id;
                identify.direction = DataIn;
                QVERIFY(e.channel->execute_Nvme(identify) == oskn::TransportResult::Delivered);
                QCOMPARE(int(identify.status), 0);
            } else if (e.driveTypeHint != 4) {
                QCOMPARE(read_Capacity(*e.channel, cap).status, 0);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestOsknVirtual)
#include "tst_oskn_virtual.moc"
