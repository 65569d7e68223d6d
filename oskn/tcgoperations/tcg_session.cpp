#include "tcg_session.h"

#include <algorithm>

#include "core/cdb.h"

namespace oskn {
namespace tcg {

Tokens& Tokens::uint(uint64_t value)
{
    if (value < 64) { // tiny atom
        bytes.push_back(uint8_t(value));
        return *this;
    }
    int n = 8;
    while (n > 1 && !(value >> (8 * (n - 1))))
        --n;
    bytes.push_back(uint8_t(0x80 | n)); // short atom, unsigned integer
    for (int i = n - 1; i >= 0; --i)
        bytes.push_back(uint8_t(value >> (8 * i)));
    return *this;
}

Tokens& Tokens::atom(const uint8_t* data, size_t length)
{
    if (length < 16) {
        bytes.push_back(uint8_t(0xA0 | length)); // short atom, byte sequence
    } else {
        bytes.push_back(uint8_t(0xD0 | ((length >> 8) & 0x07))); // medium atom, byte sequence
        bytes.push_back(uint8_t(length));
    }
    bytes.insert(bytes.end(), data, data + length);
    return *this;
}

std::vector<uint8_t> start_Session_Call(uint32_t hostSession, const uint8_t* psid, size_t psidLength)
{
    Tokens t;
    t.call().uid(SessionManager).uid(StartSession).start_List();
    t.uint(hostSession).uid(AdminSp).uint(1); // HostSessionID, SPID, Write
    t.start_Name().uint(0).atom(psid, psidLength).end_Name();   // HostChallenge
    t.start_Name().uint(3).uid(PsidAuthority).end_Name();       // HostSigningAuthority
    t.end_List().end_Of_Data().status_List();
    return t.bytes;
}

std::vector<uint8_t> revert_Call()
{
    Tokens t;
    t.call().uid(AdminSp).uid(Revert).start_List().end_List().end_Of_Data().status_List();
    return t.bytes;
}

std::vector<uint8_t> com_Packet(uint16_t comId, uint32_t tperSession, uint32_t hostSession,
                                const std::vector<uint8_t>& payload, size_t blockBytes)
{
    const size_t padded = (payload.size() + 3) & ~size_t(3);
    size_t total = 56 + padded;
    total = (total + blockBytes - 1) / blockBytes * blockBytes;
    std::vector<uint8_t> p(total, 0);
    put_Be16(&p[4], comId);
    put_Be32(&p[16], uint32_t(24 + 12 + padded)); // ComPacket length
    put_Be32(&p[20], tperSession);
    put_Be32(&p[24], hostSession);
    put_Be32(&p[40], uint32_t(12 + padded));      // Packet length
    put_Be32(&p[52], uint32_t(payload.size()));   // SubPacket length
    std::copy(payload.begin(), payload.end(), p.begin() + 56);
    return p;
}

namespace {

bool tokenize(const uint8_t* p, size_t n, std::vector<Token>& out)
{
    size_t i = 0;
    while (i < n) {
        const uint8_t b = p[i];
        Token t;
        size_t length = 0, header = 1;
        if (b < 0x80) {
            t.value = b & 0x3F;
            out.push_back(t);
            ++i;
            continue;
        }
        if (b < 0xC0) {
            t.isBytes = b & 0x20;
            length = b & 0x0F;
        } else if (b < 0xE0) {
            if (i + 1 >= n)
                return false;
            t.isBytes = b & 0x10;
            length = size_t(b & 0x07) << 8 | p[i + 1];
            header = 2;
        } else if (b < 0xE4) {
            if (i + 3 >= n)
                return false;
            t.isBytes = b & 0x02;
            length = size_t(p[i + 1]) << 16 | size_t(p[i + 2]) << 8 | p[i + 3];
            header = 4;
        } else {
            if (b != 0xFF) { // empty atom: padding
                t.control = true;
                t.code = b;
                out.push_back(t);
            }
            ++i;
            continue;
        }
        if (i + header + length > n)
            return false;
        const uint8_t* d = p + i + header;
        if (t.isBytes)
            t.data.assign(d, d + length);
        else
            for (size_t k = 0; k < length && k < 8; ++k)
                t.value = t.value << 8 | d[k];
        out.push_back(std::move(t));
        i += header + length;
    }
    return true;
}

bool is_Uid(const Token& t, const Uid& u)
{
    return !t.control && t.isBytes && t.data.size() == u.size() && std::equal(u.begin(), u.end(), t.data.begin());
}

} // namespace

bool parse_Response(const uint8_t* data, size_t length, Response& r)
{
    r = Response();
    if (length < 20)
        return false;
    const uint32_t comLength = get_Be32(data + 16);
    if (comLength == 0)
        return true; // nothing to read yet
    if (length < 56 || 20 + size_t(comLength) > length)
        return false;
    r.empty = false;
    r.tperSession = get_Be32(data + 20);
    r.hostSession = get_Be32(data + 24);
    const uint32_t subLength = get_Be32(data + 52);
    if (56 + size_t(subLength) > length || !tokenize(data + 56, subLength, r.tokens))
        return false;
    // Status list after the last end-of-data: F0 status 0 0 F1.
    for (size_t i = r.tokens.size(); i-- > 0;) {
        if (r.tokens[i].control && r.tokens[i].code == 0xF9) {
            if (i + 2 < r.tokens.size() && r.tokens[i + 1].control && r.tokens[i + 1].code == 0xF0 &&
                !r.tokens[i + 2].control)
                r.status = int(r.tokens[i + 2].value);
            break;
        }
    }
    if (!r.tokens.empty() && r.tokens[0].control && r.tokens[0].code == 0xFA)
        r.status = 0; // end of session acknowledged
    return true;
}

bool sync_Session(const Response& r, uint32_t& hostSession, uint32_t& tperSession)
{
    const auto& t = r.tokens;
    if (t.size() < 6 || !t[0].control || t[0].code != 0xF8 || !is_Uid(t[1], SessionManager) ||
        !is_Uid(t[2], SyncSession) || !t[3].control || t[3].code != 0xF0 || t[4].control || t[5].control)
        return false;
    hostSession = uint32_t(t[4].value);
    tperSession = uint32_t(t[5].value);
    return true;
}

uint16_t base_Com_Id(const uint8_t* d, size_t length)
{
    if (length < 48)
        return 0;
    const size_t end = std::min<size_t>(length, size_t(get_Be32(d)) + 4);
    for (size_t at = 48; at + 4 <= end;) {
        const uint16_t code = get_Be16(d + at);
        const size_t size = 4u + d[at + 3];
        const bool ssc = code == 0x0100 || (code >= 0x0200 && code <= 0x0203) || (code >= 0x0301 && code <= 0x0304);
        if (ssc && at + 6 <= end)
            return get_Be16(d + at + 4);
        at += size;
    }
    return 0;
}

} // namespace tcg
} // namespace oskn
