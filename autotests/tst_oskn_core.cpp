// Device-access library core: the record layout, CDB and ATA PASS-THROUGH bytes, sense parsing,
// ATA strings and IDENTIFY decoding, and the mapping of outcomes to return codes.
#include <QtTest>

#include <cstring>

#include "core/ata.h"
#include "core/cdb.h"
#include "core/registry.h"
#include "core/sense.h"
#include "deviceaccess/devicetext.h"
#include "deviceaccess/oskn_device.h"
#include "deviceaccess/oskn_return.h"
#include "tcgoperations/tcg_session.h"

using namespace oskn;

namespace {

QByteArray bytes(const Cdb& c) { return QByteArray(reinterpret_cast<const char*>(c.bytes), c.length); }

QByteArray hex(const char* text) { return QByteArray::fromHex(text); }

// IDENTIFY data with the ATA string `text` at word `first` (two characters per word, high first).
void put_Ata_String(uint8_t* id, unsigned first, unsigned words, const char* text)
{
    const size_t n = std::strlen(text);
    for (unsigned i = 0; i < words * 2; ++i) {
        const char ch = i < n ? text[i] : ' ';
        id[2 * first + (i ^ 1)] = uint8_t(ch);
    }
}

void put_Word(uint8_t* id, unsigned word, uint16_t value)
{
    id[2 * word] = uint8_t(value);
    id[2 * word + 1] = uint8_t(value >> 8);
}

SenseData parse(const char* hexText)
{
    const QByteArray b = hex(hexText);
    return parse_Sense(reinterpret_cast<const uint8_t*>(b.constData()), uint32_t(b.size()));
}

int outcome(const QByteArray& sense, bool isAta)
{
    ScsiCommand c;
    c.scsiStatus = 0x02;
    std::memcpy(c.sense, sense.constData(), size_t(sense.size()));
    c.senseLength = uint32_t(sense.size());
    return map_Command_Result(TransportResult::Delivered, c, parse_Sense(c.sense, c.senseLength), isAta);
}

} // namespace

class TestOsknCore : public QObject {
    Q_OBJECT

private slots:
    void recordLayout()
    {
        // Writing each field through the struct must land at the program's byte offsets,
        // little-endian, including the unaligned 64-bit max LBA.
        QCOMPARE(sizeof(_tDevice), size_t(1308));
        _tDevice d;
        std::memset(&d, 0, sizeof d);
        d.driveType = 0x11223344;
        d.interfaceType = 5;
        d.logicalSectorSize = 512;
        d.physicalSectorSize = 4096;
        d.maxLBA = 0x0102030405060708ull;
        std::strcpy(d.serialNumber, "SER");
        std::strcpy(d.modelNumber, "MODEL");
        std::strcpy(d.firmwareRevision, "FW1");
        d.identifyData[255] = 0xA5BE;
        const char* b = reinterpret_cast<const char*>(&d);
        QCOMPARE(QByteArray(b + 52, 36).toHex(), QByteArray("44332211 00000000 05000000 00020000 00100000 00000000 "
                                                            "0807060504030201 00000000").replace(' ', ""));
        QCOMPARE(QByteArray(b + 88) + '|' + QByteArray(b + 118) + '|' + QByteArray(b + 159), QByteArray("SER|MODEL|FW1"));
        QCOMPARE(QByteArray(b + 180 + 510, 2).toHex(), QByteArray("bea5"));
        // The library's own area does not overlap what the program reads.
        QVERIFY(record::PathOffset >= 692 && record::ProductOffset + 17 <= 1308);
    }

    void recordTexts()
    {
        _tDevice d;
        std::memset(&d, 0, sizeof d);
        std::strcpy(d.modelNumber, "Caf\xe9 Disk");
        QCOMPARE(device_Model_Number(&d), QString::fromUtf8("Café Disk"));
        // An unterminated field is read up to its length, never beyond.
        std::memset(d.serialNumber, 'S', sizeof d.serialNumber);
        d.modelNumber[0] = 'X';
        QCOMPARE(device_Serial_Number(&d), QString(30, QChar('S')));
        QCOMPARE(device_Firmware_Revision(&d), QString());
    }

    void scsiCdbs()
    {
        QCOMPARE(bytes(cdb::read_16(0, true, false, true, 0x0000001234567890ull, 64, 0)),
                 hex("88140000001234567890000000400000"));
        QCOMPARE(bytes(cdb::write_16(0, false, true, 0xFFFFFFFFFFFFull, 0x10000, 0)),
                 hex("8a080000ffffffffffff000100000000"));
        QCOMPARE(bytes(cdb::read_10(0, false, true, false, 0x12345678, 0x0102, 1)), hex("28081234567801010200"));
        QCOMPARE(bytes(cdb::write_10(0, true, false, 0xFFFFFFFF, 64, 0)), hex("2a10ffffffff00004000"));
        QCOMPARE(bytes(cdb::inquiry(true, 0x80, 252)), hex("12018000fc00"));
        QCOMPARE(bytes(cdb::read_Capacity_16(32)), hex("9e100000000000000000000000200000"));
        QCOMPARE(bytes(cdb::start_Stop_Unit(true, 3, false, true)), hex("1b0100003100"));
        QCOMPARE(bytes(cdb::write_Same_16(0, false, false, 100, 2048, 0)), hex("93000000000000000064000008000000"));
        QCOMPARE(bytes(cdb::sanitize(true, false, 1, 0)), hex("48810000000000000000"));
        QCOMPARE(bytes(cdb::security_Protocol_In(0x01, 0x0001, false, 2048)), hex("a2010001000000000800 0000"));
    }

    void ataPassThrough()
    {
        // IDENTIFY: PIO data-in, 1 block, length from COUNT, from the device.
        QCOMPARE(bytes(ata_Pass_Through_16(ata_Identify_Command())), hex("85080e000000010000000000 00a0ec00"));
        // SMART READ DATA: feature D0, signature 4F/C2.
        QCOMPARE(bytes(ata_Pass_Through_16(ata_Smart_Command(ata::SmartReadData, 0, 1, AtaProtocol::PioDataIn))),
                 hex("85080e00d000010000004f00c2a0b000"));
        // SMART RETURN STATUS asks for the output registers (CK_COND), no data.
        AtaCommand status = ata_Smart_Command(ata::SmartReturnStatus, 0, 0, AtaProtocol::NonData);
        status.checkCondition = true;
        QCOMPARE(bytes(ata_Pass_Through_16(status)), hex("85062000da00000000004f00c2a0b000"));
        // SMART EXECUTE OFF-LINE IMMEDIATE, short self-test.
        QCOMPARE(bytes(ata_Pass_Through_16(ata_Smart_Command(ata::SmartExecuteOfflineImmediate, 1, 0,
                                                              AtaProtocol::NonData))),
                 hex("85060000d400000001004f00c2a0b000"));
        // READ NATIVE MAX ADDRESS EXT: 48-bit, CK_COND.
        QCOMPARE(bytes(ata_Pass_Through_16(ata_Read_Native_Max_Ext_Command())), hex("85072000000000000000000000402700"));
        // READ LOG EXT log 07h page 0102h, 1 page: page high in LBA(39:32).
        QCOMPARE(bytes(ata_Pass_Through_16(ata_Read_Log_Ext_Command(0x07, 0x0102, 1, 0))),
                 hex("85090e0000000100070102000040 2f00"));
        // SET MAX ADDRESS EXT to a 48-bit value, non-volatile.
        QCOMPARE(bytes(ata_Pass_Through_16(ata_Set_Max_Address_Ext_Command(0x0000AABBCCDDEEFFull, false))),
                 hex("85070000000001ccffbbeeaadd403700"));
        // 28-bit: LBA(27:24) in the device register, no upper bytes.
        AtaCommand c28;
        c28.command = 0xF8;
        c28.lba = 0x0ABCDEF1;
        c28.count = 0x1234;
        QCOMPARE(bytes(ata_Pass_Through_16(c28)), hex("8506000000003400f100de00bc4af800"));
    }

    void sctWriteSame()
    {
        uint8_t key[512];
        sct_Write_Same_Key(key, 0x0000123456789ABCull, 0x100000064ull, 0, false);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(key), 24),
                 hex("0200 0100 bc9a785634120000 6400000001000000 00000000"));
        // To log E0h: WRITE LOG EXT (PIO data-out) with General Purpose Logging, else SMART WRITE LOG.
        QCOMPARE(bytes(ata_Pass_Through_16(ata_Log_Page_Command(0xE0, true, true))), hex("850b0600 00000100 e0000000 00403f00"));
        QCOMPARE(bytes(ata_Pass_Through_16(ata_Log_Page_Command(0xE0, true, false))), hex("850a0600 d6000100 e0004f00 c2a0b000"));
        uint8_t page[512] = {};
        const QByteArray status = hex("0300 0100 0100 0000 0000 0500 0000 ffff 0200 0100");
        std::copy(status.begin(), status.end(), page);
        page[40] = 0x10;
        page[44] = 0x01;
        const SctStatus s = parse_Sct_Status(page);
        QVERIFY(s.deviceState == 5 && s.extendedStatus == 0xFFFF && s.actionCode == 2 && s.functionCode == 1);
        QCOMPARE(s.currentLba, 0x100000010ull);
    }

    void senseFormats()
    {
        // Fixed format, medium error with the failing LBA in INFORMATION.
        SenseData s = parse("f0000300001234 0a00000000 1104 000000 00");
        QVERIFY(s.valid && !s.descriptorFormat && s.informationValid);
        QCOMPARE(int(s.key), 3);
        QCOMPARE(int(s.asc), 0x11);
        QCOMPARE(int(s.ascq), 0x04);
        QCOMPARE(s.information, uint64_t(0x1234));

        // Descriptor format: information descriptor with a 64-bit LBA.
        s = parse("72031100 0000000c 000a8000 0000000123456789");
        QVERIFY(s.valid && s.descriptorFormat);
        QCOMPARE(int(s.key), 3);
        QCOMPARE(s.information, uint64_t(0x123456789ull));

        // ATA Status Return descriptor after CK_COND: registers of READ NATIVE MAX ADDRESS EXT.
        s = parse("7201001d 0000000e 090c0100 00010203 04050607 4050");
        QVERIFY(s.ata.valid && s.ata.extended);
        QCOMPARE(int(s.ata.status), 0x50);
        QCOMPARE(int(s.ata.count), 0x0001);
        // LBA bytes: (31:24)=02 (7:0)=03 (39:32)=04 (15:8)=05 (47:40)=06 (23:16)=07
        QCOMPARE(s.ata.lba, uint64_t(0x060402070503ull));
        QCOMPARE(int(s.ata.device), 0x40);

        // SMART RETURN STATUS registers in the fixed format (ASC/ASCQ 00/1D).
        s = parse("70000100505a00 0a 0000f42c 001d 00000000");
        QVERIFY(s.ata.valid);
        QCOMPARE(int(s.ata.status), 0x50);
        QCOMPARE(int((s.ata.lba >> 8) & 0xFFFF), 0x2CF4);

        // Progress of a sanitize in NOT READY sense (sense-key specific).
        s = parse("70000200000000 0a00000000 041b 00 80 8000");
        QVERIFY(s.progressValid);
        QCOMPARE(int(s.progress), 0x8000);

        // Garbage and truncation never read past the length.
        QVERIFY(!parse_Sense(nullptr, 0).valid);
        s = parse("7203110000000040 090c");
        QVERIFY(s.valid && !s.ata.valid);
    }

    void outcomes()
    {
        ScsiCommand good;
        SenseData none;
        QCOMPARE(map_Command_Result(TransportResult::Delivered, good, none, false), int(OSKN_SUCCESS));
        QCOMPARE(map_Command_Result(TransportResult::NoDevice, good, none, false), int(OSKN_DEVICE_GONE));
        QCOMPARE(map_Command_Result(TransportResult::OsFailure, good, none, false), int(OSKN_OS_PASSTHROUGH_FAILURE));
        ScsiCommand late;
        late.timedOut = true;
        QCOMPARE(map_Command_Result(TransportResult::Delivered, late, none, false), int(OSKN_TIMEOUT));

        QCOMPARE(outcome(hex("700003000000000a00000000110400000000"), false), int(OSKN_COMMAND_FAILURE));
        QCOMPARE(outcome(hex("700005000000000a00000000200000000000"), false), int(OSKN_NOT_SUPPORTED));
        QCOMPARE(outcome(hex("700005000000000a00000000210000000000"), false), int(OSKN_BAD_PARAMETER));
        QCOMPARE(outcome(hex("700007000000000a00000000270000000000"), false), int(OSKN_CANNOT_PERFORM));
        QCOMPARE(outcome(hex("700002000000000a00000000041b00000000"), false), int(OSKN_IN_PROGRESS));
        // NO SENSE and RECOVERED ERROR say nothing was done, unless a pass-through command's
        // registers (00h/1Dh) show it finished: ready, no ERR/DF/BSY/DRQ.
        QCOMPARE(outcome(hex("700001000000000a00000000000000000000"), false), int(OSKN_INCOMPLETE));
        QCOMPARE(outcome(hex("700000000000000a00000000000000000000"), false), int(OSKN_INCOMPLETE));
        QCOMPARE(outcome(hex("700000000000000a00000000000000000000"), true), int(OSKN_INCOMPLETE));
        QCOMPARE(outcome(hex("72010000 00000000"), true), int(OSKN_INCOMPLETE));
        QCOMPARE(outcome(hex("7201001d 00000000"), true), int(OSKN_INCOMPLETE));
        QCOMPARE(outcome(hex("7201001d 0000000e 090c0000 00000000004f00c2 4050"), false), int(OSKN_INCOMPLETE));
        QCOMPARE(outcome(hex("7201001d 0000000e 090c0000 00000000004f00c2 0000"), true), int(OSKN_INCOMPLETE));
        QCOMPARE(outcome(hex("7201001d 0000000e 090c0000 00000000004f00c2 40d0"), true), int(OSKN_INCOMPLETE));
        QCOMPARE(outcome(hex("7200001d 0000000e 090c0000 00000000004f00c2 4050"), true), int(OSKN_INCOMPLETE));
        QCOMPARE(outcome(hex("720b0000 0000000e 090c0000 00000000004f00c2 4050"), true), int(OSKN_NOT_SUPPORTED));
        QCOMPARE(outcome(hex("700001000000000a 00000000 001d 00000000"), true), int(OSKN_INCOMPLETE)); // fixed, no status
        QCOMPARE(outcome(hex("700001005000000a 00000000 001d 00000000"), true), int(OSKN_SUCCESS));

        // ATA registers decide for pass-through: ABRT, UNC, IDNF, and CK_COND success.
        QCOMPARE(outcome(hex("720b0000 0000000e 090c0004 0000000000000000 4051"), true), int(OSKN_NOT_SUPPORTED));
        QCOMPARE(outcome(hex("72030000 0000000e 090c0040 0000000000000000 4051"), true), int(OSKN_COMMAND_FAILURE));
        QCOMPARE(outcome(hex("720b0000 0000000e 090c0010 0000000000000000 4051"), true), int(OSKN_BAD_PARAMETER));
        QCOMPARE(outcome(hex("7201001d 0000000e 090c0000 00000000004f00c2 4050"), true), int(OSKN_SUCCESS));
        // Aborted without registers: the bridge or drive refused the command.
        QCOMPARE(outcome(hex("70000b00000000 0a 00000000 0000 00000000"), true), int(OSKN_NOT_SUPPORTED));
        QCOMPARE(outcome(hex("70000b00000000 0a 00000000 0000 00000000"), false), int(OSKN_FAILURE));

        // A data-in command also needs its data: exact transfers all of it, allocation-length
        // commands (INQUIRY) at least some. A data-out command must have sent every byte.
        struct Case { uint8_t op; uint32_t residual; int rc; DataDirection direction = DataDirection::In; };
        for (const Case& k : {Case{0x88, 0, OSKN_SUCCESS}, Case{0x88, 512, OSKN_INCOMPLETE},
                              Case{0x88, 4096, OSKN_INCOMPLETE}, Case{0x85, 1, OSKN_INCOMPLETE},
                              Case{0x28, 512, OSKN_INCOMPLETE}, Case{0x12, 60, OSKN_SUCCESS},
                              Case{0x12, 4096, OSKN_INCOMPLETE},
                              Case{0x8A, 0, OSKN_SUCCESS, DataDirection::Out},
                              Case{0x8A, 4096, OSKN_INCOMPLETE, DataDirection::Out},
                              Case{0x93, 1, OSKN_INCOMPLETE, DataDirection::Out},
                              Case{0xB5, 512, OSKN_INCOMPLETE, DataDirection::Out}}) {
            const uint8_t cdb[16] = {k.op};
            uint8_t data[4096];
            ScsiCommand c;
            c.cdb = cdb;
            c.cdbLength = 16;
            c.direction = k.direction;
            c.data = data;
            c.dataLength = sizeof data;
            c.residual = k.residual;
            QCOMPARE(map_Command_Result(TransportResult::Delivered, c, none, k.op == 0x85), k.rc);
        }
    }

    void ataStrings()
    {
        uint8_t id[512] = {};
        put_Ata_String(id, 27, 20, "  Brevane BV2000  ");
        QCOMPARE(QString::fromStdString(ata_String(id, 27, 20)), QString("Brevane BV2000"));
        put_Ata_String(id, 10, 10, "SN123");
        QCOMPARE(QString::fromStdString(ata_String(id, 10, 10)), QString("SN123"));
        // Odd lengths keep their last character; padding NULs are blanks.
        put_Ata_String(id, 23, 4, "ABC");
        id[2 * 26] = 0;
        id[2 * 26 + 1] = 0;
        QCOMPARE(QString::fromStdString(ata_String(id, 23, 4)), QString("ABC"));
        // An embedded NUL must not cut the record's text short.
        put_Ata_String(id, 0, 2, "A  B");
        id[0] = 0; // second character
        QCOMPARE(QString::fromStdString(ata_String(id, 0, 2)), QString("A  B"));
    }

    void identifyDecoding()
    {
        uint8_t id[512] = {};
        put_Ata_String(id, 27, 20, "Brevane BV4000");
        put_Ata_String(id, 10, 10, "  WX1234");
        put_Word(id, 60, 0xFFFF);
        put_Word(id, 61, 0x0FFF);
        put_Word(id, 83, 0x4400); // 48-bit supported
        put_Word(id, 100, 0x0000);
        put_Word(id, 101, 0x0001);
        put_Word(id, 102, 0x0001); // 2^32 + 2^16 sectors
        put_Word(id, 106, 0x6003); // valid, multiple logical per physical: 2^3
        IdentifyInfo info = decode_Identify(id);
        QVERIFY(info.valid);
        QCOMPARE(QString::fromStdString(info.serial), QString("WX1234"));
        QCOMPARE(info.sectors, (uint64_t(1) << 32) + (uint64_t(1) << 16));
        QCOMPARE(info.logicalSectorSize, 512u);
        QCOMPARE(info.physicalSectorSize, 4096u);

        // Without 48-bit addressing words 60-61 count; 4K logical sectors from words 117-118.
        put_Word(id, 83, 0x4000);
        put_Word(id, 106, 0x5000);
        put_Word(id, 117, 2048);
        put_Word(id, 118, 0);
        info = decode_Identify(id);
        QCOMPARE(info.sectors, uint64_t(0x0FFFFFFF));
        QCOMPARE(info.logicalSectorSize, 4096u);
        QCOMPARE(info.physicalSectorSize, 4096u);

        put_Word(id, 0, 0x8000); // not ATA
        QVERIFY(!decode_Identify(id).valid);
    }

    void inquiryAndCapacity()
    {
        QByteArray inq(36, ' ');
        inq[0] = 0x05;
        inq[1] = char(0x80);
        inq.replace(8, 8, "ATA     ");
        inq.replace(16, 16, "Brevane BV4000  ");
        inq.replace(32, 4, "FW01");
        InquiryInfo i = parse_Inquiry(reinterpret_cast<const uint8_t*>(inq.constData()), 36);
        QCOMPARE(QString::fromStdString(i.vendor + "|" + i.product), QString("ATA|Brevane BV4000"));
        QCOMPARE(int(i.peripheralType), 5);
        inq[0] = 0x20; // qualifier: no unit here
        QCOMPARE(int(parse_Inquiry(reinterpret_cast<const uint8_t*>(inq.constData()), 36).peripheralType), 0x1F);

        const QByteArray cap = hex("00000001d1c0beaf 00000200 0003 0000");
        CapacityInfo c = parse_Read_Capacity_16(reinterpret_cast<const uint8_t*>(cap.constData()));
        QCOMPARE(c.lastLba, uint64_t(0x1d1c0beafull));
        QCOMPARE(c.logicalSectorSize, 512u);
        QCOMPARE(c.physicalSectorSize, 4096u);
    }

    void tcgMessages()
    {
        // StartSession to the Admin SP signed by the PSID authority, as TCG Core tokens.
        const uint8_t psid[] = "0123456789ABCDEF0123456789ABCDEF";
        const std::vector<uint8_t> call = tcg::start_Session_Call(0x4B56, psid, 32);
        const QByteArray expected = hex("f8 a8 00000000000000ff a8 000000000000ff02 f0 82 4b56 a8 0000020500000001 01"
                                        "f2 00 d020") + QByteArray(reinterpret_cast<const char*>(psid), 32) +
                                    hex("f3 f2 03 a8 00000009 0001ff01 f3 f1 f9 f0 000000 f1");
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(call.data()), int(call.size())), expected);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(tcg::revert_Call().data()), int(tcg::revert_Call().size())),
                 hex("f8 a8 0000020500000001 a8 0000000600000202 f0 f1 f9 f0 000000 f1"));

        // A refusal answer (NOT_AUTHORIZED) in a ComPacket.
        const std::vector<uint8_t> refused = tcg::com_Packet(0x07FE, 0, 0, {0xF0, 0xF1, 0xF9, 0xF0, 0x01, 0, 0, 0xF1});
        tcg::Response r;
        QVERIFY(tcg::parse_Response(refused.data(), refused.size(), r));
        QCOMPARE(r.status, 1);
        // Nothing ready yet; a truncated packet is refused.
        std::vector<uint8_t> none(512, 0);
        QVERIFY(tcg::parse_Response(none.data(), none.size(), r));
        QVERIFY(r.empty);
        QVERIFY(!tcg::parse_Response(refused.data(), 60, r));
    }
};

QTEST_GUILESS_MAIN(TestOsknCore)
#include "tst_oskn_core.moc"
