// The part of a TCG Opal drive's Admin SP that a PSID revert needs: Properties, StartSession
// (anonymous or with the PSID authority), Authenticate, Revert and end of session. Everything
// else is answered with a failure status, as a drive refuses what it does not offer.
#include <algorithm>
#include <cstring>

#include "virtual/virtual_commands.h"

namespace oskn {
namespace vdrive {

struct TcgDevice::Token {
    bool control = false;
    uint8_t code = 0;          // control token
    bool bytes = false;
    std::vector<uint8_t> data; // byte sequence
    uint64_t value = 0;        // unsigned integer
};

namespace {

using Uid = std::vector<uint8_t>;
const Uid kSessionManager = {0, 0, 0, 0, 0, 0, 0, 0xFF};
const Uid kThisSp = {0, 0, 0, 0, 0, 0, 0, 0x01};
const Uid kAdminSp = {0, 0, 2, 5, 0, 0, 0, 1};
const Uid kPsidAuthority = {0, 0, 0, 9, 0, 1, 0xFF, 1};
const Uid kProperties = {0, 0, 0, 0, 0, 0, 0xFF, 0x01};
const Uid kStartSession = {0, 0, 0, 0, 0, 0, 0xFF, 0x02};
const Uid kSyncSession = {0, 0, 0, 0, 0, 0, 0xFF, 0x03};
const Uid kRevert = {0, 0, 0, 6, 0, 0, 2, 2};
const Uid kAuthenticate = {0, 0, 0, 6, 0, 0, 0, 0x1C};

constexpr uint8_t kStatusSuccess = 0x00, kStatusNotAuthorized = 0x01, kStatusFail = 0x3F;

using Token = TcgDevice::Token;

bool tokenize(const uint8_t* p, size_t n, std::vector<Token>& out)
{
    size_t i = 0;
    while (i < n) {
        const uint8_t b = p[i];
        Token t;
        size_t length = 0, header = 1;
        if (b < 0x80) { // tiny atom
            t.value = b & 0x3F;
            out.push_back(t);
            ++i;
            continue;
        } else if (b < 0xC0) { // short atom
            t.bytes = b & 0x20;
            length = b & 0x0F;
        } else if (b < 0xE0) { // medium atom
            if (i + 1 >= n)
                return false;
            t.bytes = b & 0x10;
            length = size_t(b & 0x07) << 8 | p[i + 1];
            header = 2;
        } else if (b < 0xE4) { // long atom
            if (i + 3 >= n)
                return false;
            t.bytes = b & 0x02;
            length = size_t(p[i + 1]) << 16 | size_t(p[i + 2]) << 8 | p[i + 3];
            header = 4;
        } else {
            if (b != 0xFF) { // empty atoms are padding
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
        if (t.bytes) {
            t.data.assign(d, d + length);
        } else {
            for (size_t k = 0; k < length && k < 8; ++k)
                t.value = t.value << 8 | d[k];
        }
        out.push_back(t);
        i += header + length;
    }
    return true;
}

void put_Uint(std::vector<uint8_t>& out, uint64_t v)
{
    if (v < 64) {
        out.push_back(uint8_t(v));
        return;
    }
    out.push_back(0x84);
    for (int s = 24; s >= 0; s -= 8)
        out.push_back(uint8_t(v >> s));
}

void put_Bytes(std::vector<uint8_t>& out, const std::vector<uint8_t>& b)
{
    if (b.size() < 16) {
        out.push_back(uint8_t(0xA0 | b.size()));
    } else {
        out.push_back(uint8_t(0xD0 | (b.size() >> 8)));
        out.push_back(uint8_t(b.size()));
    }
    out.insert(out.end(), b.begin(), b.end());
}

void put_Status(std::vector<uint8_t>& out, uint8_t status)
{
    const uint8_t tail[] = {0xF9, 0xF0, status, 0x00, 0x00, 0xF1};
    out.insert(out.end(), tail, tail + sizeof(tail));
}

bool is_Bytes(const std::vector<Token>& t, size_t i, const Uid& uid)
{
    return i < t.size() && !t[i].control && t[i].bytes && t[i].data == uid;
}

// Looks for a named parameter "F2 name value F3" in a parameter list.
const Token* named(const std::vector<Token>& t, size_t from, uint64_t name)
{
    for (size_t i = from; i + 3 < t.size(); ++i)
        if (t[i].control && t[i].code == 0xF2 && !t[i + 1].control && !t[i + 1].bytes &&
            t[i + 1].value == name && t[i + 3].control && t[i + 3].code == 0xF3)
            return &t[i + 2];
    return nullptr;
}

} // namespace

bool TcgDevice::takeRevertRequest()
{
    const bool r = revertRequested_;
    revertRequested_ = false;
    return r;
}

void TcgDevice::queueResponse(const std::vector<uint8_t>& payload, uint32_t tperSession, uint32_t hostSession)
{
    const size_t padded = (payload.size() + 3) & ~size_t(3);
    pending_.assign(20 + 24 + 12 + padded, 0);
    uint8_t* p = pending_.data();
    p[4] = uint8_t(kBaseComId >> 8);
    p[5] = uint8_t(kBaseComId);
    put_Be32(p + 16, uint32_t(24 + 12 + padded));
    put_Be32(p + 20, tperSession);
    put_Be32(p + 24, hostSession);
    put_Be32(p + 40, uint32_t(12 + padded));
    put_Be32(p + 52, uint32_t(payload.size()));
    std::memcpy(p + 56, payload.data(), payload.size());
}

bool TcgDevice::send(uint16_t comId, const uint8_t* data, size_t length)
{
    if (comId != kBaseComId || length < 56)
        return false;
    const uint32_t tsn = get_Be32(data + 20), hsn = get_Be32(data + 24);
    const uint32_t subLength = get_Be32(data + 52);
    if (56 + size_t(subLength) > length)
        return false;
    std::vector<Token> tokens;
    if (!tokenize(data + 56, subLength, tokens) || tokens.empty())
        return false;
    handleMethod(std::vector<uint8_t>(data + 56, data + 56 + subLength), tsn, hsn);
    return true;
}

void TcgDevice::handleMethod(const std::vector<uint8_t>& raw, uint32_t tsn, uint32_t hsn)
{
    std::vector<Token> t;
    tokenize(raw.data(), raw.size(), t);
    if (t[0].control && t[0].code == 0xFA) { // end of session
        if (tsn && tsn == openSession_) {
            openSession_ = 0;
            psidAuthenticated_ = false;
        }
        queueResponse({0xFA}, tsn, hsn);
        return;
    }
    if (!(t[0].control && t[0].code == 0xF8) || t.size() < 3) {
        pending_.clear();
        return;
    }
    if (tsn == 0 && is_Bytes(t, 1, kSessionManager)) {
        sessionManagerMethod(t);
        return;
    }
    if (tsn == 0 || tsn != openSession_) { // no such session: nothing to answer
        pending_.clear();
        return;
    }
    queueResponse(sessionMethod(t), tsn, hsn);
}

// Methods of the session manager: Properties and StartSession.
void TcgDevice::sessionManagerMethod(const std::vector<Token>& t)
{
    std::vector<uint8_t> out;
    if (is_Bytes(t, 2, kProperties)) {
        out = {0xF8};
        put_Bytes(out, kSessionManager);
        put_Bytes(out, kProperties);
        out.insert(out.end(), {0xF0, 0xF0});
        const std::pair<const char*, uint64_t> props[] = {
            {"MaxComPacketSize", 2048}, {"MaxPacketSize", 2028}, {"MaxIndTokenSize", 1992},
            {"MaxPackets", 1}, {"MaxSubpackets", 1}, {"MaxMethods", 1}};
        for (const auto& pr : props) {
            out.push_back(0xF2);
            put_Bytes(out, std::vector<uint8_t>(pr.first, pr.first + std::strlen(pr.first)));
            put_Uint(out, pr.second);
            out.push_back(0xF3);
        }
        out.insert(out.end(), {0xF1, 0xF1});
        put_Status(out, kStatusSuccess);
    } else if (is_Bytes(t, 2, kStartSession) && t.size() > 6) {
        out = startSession(t);
    } else {
        out = {0xF0, 0xF1};
        put_Status(out, kStatusFail);
    }
    queueResponse(out, 0, 0);
}

std::vector<uint8_t> TcgDevice::startSession(const std::vector<Token>& t)
{
    const uint64_t hostSession = t[4].value;
    const bool adminSp = is_Bytes(t, 5, kAdminSp);
    const Token* challenge = named(t, 6, 0);
    const Token* authority = named(t, 6, 3);
    bool ok = adminSp && openSession_ == 0;
    bool psid = false;
    if (ok && authority) {
        psid = authority->bytes && authority->data == kPsidAuthority && challenge && challenge->bytes &&
               std::string(challenge->data.begin(), challenge->data.end()) == psid_;
        ok = psid;
    }
    std::vector<uint8_t> out;
    if (!ok) {
        out = {0xF0, 0xF1};
        put_Status(out, kStatusNotAuthorized);
        return out;
    }
    openSession_ = nextSession_++;
    psidAuthenticated_ = psid;
    out = {0xF8};
    put_Bytes(out, kSessionManager);
    put_Bytes(out, kSyncSession);
    out.push_back(0xF0);
    put_Uint(out, hostSession);
    put_Uint(out, openSession_);
    out.push_back(0xF1);
    put_Status(out, kStatusSuccess);
    return out;
}

// Methods inside the open session: Authenticate and Revert.
std::vector<uint8_t> TcgDevice::sessionMethod(const std::vector<Token>& t)
{
    std::vector<uint8_t> out;
    if (is_Bytes(t, 1, kThisSp) && is_Bytes(t, 2, kAuthenticate) && t.size() > 4) {
        const Token* challenge = named(t, 4, 0);
        const bool ok = is_Bytes(t, 4, kPsidAuthority) && challenge && challenge->bytes &&
                        std::string(challenge->data.begin(), challenge->data.end()) == psid_;
        psidAuthenticated_ = psidAuthenticated_ || ok;
        out = {0xF0, uint8_t(ok ? 1 : 0), 0xF1};
        put_Status(out, kStatusSuccess);
        return out;
    }
    out = {0xF0, 0xF1};
    if (is_Bytes(t, 1, kAdminSp) && is_Bytes(t, 2, kRevert) && psidAuthenticated_) {
        put_Status(out, kStatusSuccess);
        // The reverted Admin SP ends the session itself.
        revertRequested_ = true;
        openSession_ = 0;
        psidAuthenticated_ = false;
        return out;
    }
    put_Status(out, kStatusNotAuthorized);
    return out;
}

bool TcgDevice::receive(uint16_t comId, uint8_t* dst, size_t length)
{
    if (comId != kBaseComId)
        return false;
    std::memset(dst, 0, length);
    if (pending_.empty()) { // nothing outstanding: an empty ComPacket
        if (length >= 6) {
            dst[4] = uint8_t(kBaseComId >> 8);
            dst[5] = uint8_t(kBaseComId);
        }
        return true;
    }
    if (pending_.size() > length) { // too small: tell the host how much is waiting
        if (length >= 20) {
            dst[4] = uint8_t(kBaseComId >> 8);
            dst[5] = uint8_t(kBaseComId);
            put_Be32(dst + 8, uint32_t(pending_.size()));
        }
        return true;
    }
    std::memcpy(dst, pending_.data(), pending_.size());
    pending_.clear();
    return true;
}

// ------------------------------------------------------------------------------------------
// Security protocols (TRUSTED SEND/RECEIVE and SECURITY PROTOCOL IN/OUT share this).

void VirtualDrive::securityCommand(ScsiCommand& c, Reply& r, bool out, uint8_t protocol, uint16_t spSpecific,
                                   uint32_t length)
{
    if (length > c.dataLength || (length && c.direction != (out ? DataDirection::Out : DataDirection::In))) {
        r.invalidField();
        return;
    }
    if (out) {
        if (protocol != 0x01 || !tcg_->send(spSpecific, c.data, length)) {
            r.invalidField();
            return;
        }
        if (tcg_->takeRevertRequest()) {
            // The PSID revert returns the drive to factory state: its media key is gone.
            storage_->clear();
            forgetPendingSectors();
        }
        return;
    }
    std::vector<uint8_t> buf;
    if (!securityReceive(protocol, spSpecific, length, buf)) {
        r.invalidField();
        return;
    }
    buf.resize(length, 0); // cut or zero-padded to the transfer length
    respond(c, r, buf.data(), length);
}

bool VirtualDrive::securityReceive(uint8_t protocol, uint16_t spSpecific, uint32_t length, std::vector<uint8_t>& buf)
{
    return tcg_Security_Receive(tcg_.get(), protocol, spSpecific, length, buf);
}

bool tcg_Security_Receive(TcgDevice* tcg, uint8_t protocol, uint16_t spSpecific, uint32_t length,
                          std::vector<uint8_t>& buf)
{
    if (protocol == 0x00 && spSpecific == 0x0000) { // supported security protocols
        buf = {0, 0, 0, 0, 0, 0, 0, 3, 0x00, 0x01, 0x02};
        if (!tcg)
            buf = {0, 0, 0, 0, 0, 0, 0, 1, 0x00};
    } else if (!tcg) {
        return false;
    } else if (protocol == 0x00 && spSpecific == 0x0001) { // no certificate
        buf = {0, 0, 0, 0};
    } else if (protocol == 0x01 && spSpecific == 0x0001) { // level 0 discovery
        buf.assign(48, 0);
        put_Be32(&buf[4], 0x00000001);
        const uint8_t tper[16] = {0x00, 0x01, 0x10, 0x0C, 0x11};
        const uint8_t locking[16] = {0x00, 0x02, 0x10, 0x0C, 0x09};
        uint8_t opal[20] = {0x02, 0x03, 0x10, 0x10};
        put_Be16(opal + 4, TcgDevice::kBaseComId);
        put_Be16(opal + 6, 1);
        put_Be16(opal + 9, 4);
        put_Be16(opal + 11, 8);
        buf.insert(buf.end(), tper, tper + 16);
        buf.insert(buf.end(), locking, locking + 16);
        buf.insert(buf.end(), opal, opal + 20);
        put_Be32(&buf[0], uint32_t(buf.size() - 4));
    } else if (protocol == 0x01) {
        buf.assign(length, 0);
        return tcg->receive(spSpecific, buf.data(), buf.size());
    } else if (protocol == 0x02) { // ComID management: nothing to report
        buf.assign(std::min<uint32_t>(length, 512), 0);
    } else {
        return false;
    }
    return true;
}

} // namespace vdrive
} // namespace oskn
