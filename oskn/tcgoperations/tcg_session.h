// TCG Core messages for a PSID revert: the token stream of a method call, the ComPacket around
// it, the answer's status, and the base ComID from Level 0 discovery. Pure functions.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace oskn {
namespace tcg {

using std::size_t;
using Uid = std::array<uint8_t, 8>;
constexpr Uid SessionManager{0, 0, 0, 0, 0, 0, 0, 0xFF};
constexpr Uid StartSession{0, 0, 0, 0, 0, 0, 0xFF, 0x02};
constexpr Uid SyncSession{0, 0, 0, 0, 0, 0, 0xFF, 0x03};
constexpr Uid AdminSp{0, 0, 2, 5, 0, 0, 0, 1};
constexpr Uid PsidAuthority{0, 0, 0, 9, 0, 1, 0xFF, 1};
constexpr Uid Revert{0, 0, 0, 6, 0, 0, 2, 2};

// Token writer.
struct Tokens {
    std::vector<uint8_t> bytes;
    Tokens& call() { bytes.push_back(0xF8); return *this; }
    Tokens& start_List() { bytes.push_back(0xF0); return *this; }
    Tokens& end_List() { bytes.push_back(0xF1); return *this; }
    Tokens& start_Name() { bytes.push_back(0xF2); return *this; }
    Tokens& end_Name() { bytes.push_back(0xF3); return *this; }
    Tokens& end_Of_Data() { bytes.push_back(0xF9); return *this; }
    Tokens& end_Of_Session() { bytes.push_back(0xFA); return *this; }
    Tokens& uint(uint64_t value);
    Tokens& atom(const uint8_t* data, size_t length);
    Tokens& uid(const Uid& u) { return atom(u.data(), u.size()); }
    Tokens& status_List() { return start_List().uint(0).uint(0).uint(0).end_List(); }
};

// Method calls of the revert.
std::vector<uint8_t> start_Session_Call(uint32_t hostSession, const uint8_t* psid, size_t psidLength);
std::vector<uint8_t> revert_Call();

// ComPacket / Packet / SubPacket around a payload, padded to `blockBytes`.
std::vector<uint8_t> com_Packet(uint16_t comId, uint32_t tperSession, uint32_t hostSession,
                                const std::vector<uint8_t>& payload, size_t blockBytes = 512);

struct Token {
    bool control = false;
    uint8_t code = 0;
    bool isBytes = false;
    std::vector<uint8_t> data;
    uint64_t value = 0;
};

struct Response {
    bool empty = true;        // nothing yet (ComPacket length 0)
    uint32_t tperSession = 0, hostSession = 0;
    std::vector<Token> tokens;
    int status = -1;          // method status, -1 when none could be read
};

// Reads a ComPacket as the drive answers it. False when it is malformed.
bool parse_Response(const uint8_t* data, size_t length, Response& response);

// The session numbers of a SyncSession answer (host, TPer); false when not one.
bool sync_Session(const Response& response, uint32_t& hostSession, uint32_t& tperSession);

// Base ComID of the first Security Subsystem Class found in Level 0 discovery data; 0 for none.
uint16_t base_Com_Id(const uint8_t* discovery, size_t length);

} // namespace tcg
} // namespace oskn
