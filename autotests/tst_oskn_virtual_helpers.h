// Raw-CDB helpers for the virtual-drive suites: they talk to the emulator directly, below the
// library's public calls.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "core/sense.h"
#include "core/transport.h"
#include "virtual/virtual_transport.h"

namespace vtest {

using oskn::DataDirection;
using oskn::DeviceChannel;
constexpr DataDirection DataIn = DataDirection::In, DataOut = DataDirection::Out, DataNone = DataDirection::None;

inline std::string fixture(const std::string& name)
{
    std::string dir = qgetenv("KV_FIXTURES").toStdString();
    if (dir.empty()) { // run by hand: the fixtures beside this file
        const std::string self = __FILE__;
        dir = self.substr(0, self.rfind('/')) + "/fixtures";
    }
    return dir + "/" + name;
}

inline std::string write_File(const QTemporaryDir& dir, const std::string& name, const std::string& text)
{
    const std::string path = dir.path().toStdString() + "/" + name;
    std::ofstream(path) << text;
    return path;
}

// A transport over a fixture, enumerated once.
struct Drives {
    explicit Drives(const std::string& name, bool isFixture = true)
    {
        std::string error;
        transport = oskn::make_Virtual_Transport(isFixture ? fixture(name) : name, error);
        if (!transport)
            qFatal("%s", error.c_str());
        entries = transport->enumerate();
    }
    std::unique_ptr<oskn::Transport> transport;
    std::vector<oskn::DeviceEntry> entries;
};

struct Result {
    oskn::TransportResult transport = oskn::TransportResult::Delivered;
    int status = -1;
    std::vector<uint8_t> sense;
    uint32_t residual = 0;
};

inline Result exec(DeviceChannel& channel, const uint8_t* cdb, uint8_t length, DataDirection dir, uint8_t* data,
                   uint32_t bytes)
{
    oskn::ScsiCommand c;
    c.cdb = cdb;
    c.cdbLength = length;
    c.direction = dir;
    c.data = data;
    c.dataLength = bytes;
    Result r;
    r.transport = channel.execute(c);
    r.status = c.scsiStatus;
    r.sense.assign(c.sense, c.sense + c.senseLength);
    r.residual = c.residual;
    return r;
}

inline void put_Be(uint8_t* p, uint64_t v, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i, v >>= 8)
        p[i] = uint8_t(v);
}
inline uint64_t be(const uint8_t* p, int bytes)
{
    uint64_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v = v << 8 | p[i];
    return v;
}
inline uint64_t be64(const uint8_t* p) { return be(p, 8); }

inline Result rw16(DeviceChannel& ch, bool write, uint64_t lba, uint32_t count, std::vector<uint8_t>& buf, uint32_t bytes)
{
    uint8_t cdb[16] = {uint8_t(write ? 0x8A : 0x88)};
    put_Be(cdb + 2, lba, 8);
    put_Be(cdb + 10, count, 4);
    return exec(ch, cdb, 16, write ? DataOut : DataIn, buf.data(), bytes ? bytes : uint32_t(buf.size()));
}
inline Result read16(DeviceChannel& ch, uint64_t lba, uint32_t count, std::vector<uint8_t>& buf, uint32_t bytes = 0)
{
    return rw16(ch, false, lba, count, buf, bytes);
}
inline Result write16(DeviceChannel& ch, uint64_t lba, uint32_t count, std::vector<uint8_t>& buf)
{
    return rw16(ch, true, lba, count, buf, 0);
}

inline Result read_Capacity(DeviceChannel& ch, uint8_t* out32)
{
    uint8_t cdb[16] = {0x9E, 0x10};
    put_Be(cdb + 10, 32, 4);
    return exec(ch, cdb, 16, DataIn, out32, 32);
}

enum AtaProtocol { NonData = 3, PioIn = 4, PioOut = 5, DmaIn = 6 + 16, DmaOut = 6 + 32 };

// ATA PASS-THROUGH(16) with a 48-bit task file; ck asks for the output registers.
inline Result ata(DeviceChannel& ch, uint8_t command, uint16_t feature, uint16_t count, uint64_t lba,
                  int protocol, uint8_t* data, uint32_t bytes, bool ck = false)
{
    const uint8_t proto = uint8_t(protocol & 15);
    const bool in = protocol == PioIn || protocol == DmaIn;
    const bool out = protocol == PioOut || protocol == DmaOut;
    uint8_t cdb[16] = {0x85};
    cdb[1] = uint8_t(proto << 1 | 1);
    cdb[2] = uint8_t((ck ? 0x20 : 0) | (in ? 0x08 : 0) | ((in || out) ? 0x06 : 0));
    cdb[3] = uint8_t(feature >> 8);
    cdb[4] = uint8_t(feature);
    cdb[5] = uint8_t(count >> 8);
    cdb[6] = uint8_t(count);
    cdb[7] = uint8_t(lba >> 24);
    cdb[8] = uint8_t(lba);
    cdb[9] = uint8_t(lba >> 32);
    cdb[10] = uint8_t(lba >> 8);
    cdb[11] = uint8_t(lba >> 40);
    cdb[12] = uint8_t(lba >> 16);
    cdb[13] = 0x40;
    cdb[14] = command;
    return exec(ch, cdb, 16, in ? DataIn : out ? DataOut : DataNone, data, bytes);
}

inline std::vector<uint8_t> identify(DeviceChannel& ch)
{
    std::vector<uint8_t> id(512);
    return ata(ch, 0xEC, 0, 1, 0, PioIn, id.data(), 512).status == 0 ? id : std::vector<uint8_t>();
}

inline QString ata_String(const std::vector<uint8_t>& id, int word, int chars)
{
    QString s;
    for (int i = 0; i < chars; i += 2) {
        s += QChar(id[2 * (word + i / 2) + 1]);
        s += QChar(id[2 * (word + i / 2)]);
    }
    return s;
}

// Sense data read by the library's parser, which its core suite checks against both formats.
inline oskn::SenseData parsed(const std::vector<uint8_t>& s) { return oskn::parse_Sense(s.data(), uint32_t(s.size())); }
inline int sense_Key(const std::vector<uint8_t>& s) { return parsed(s).valid ? parsed(s).key : -1; }
inline int asc(const std::vector<uint8_t>& s) { return parsed(s).asc; }
inline int ascq(const std::vector<uint8_t>& s) { return parsed(s).ascq; }
inline uint64_t information(const std::vector<uint8_t>& s)
{
    return parsed(s).informationValid ? parsed(s).information : UINT64_MAX;
}
inline oskn::AtaResult status_Return(const std::vector<uint8_t>& s) { return parsed(s).ata; }

} // namespace vtest
