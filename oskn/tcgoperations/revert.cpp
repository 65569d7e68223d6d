// PSID revert: a session to the drive's Admin SP signed by the PSID authority, then Revert on
// the Admin SP, which returns the drive to its factory state and erases the user data.
#include <algorithm>
#include <cstring>

#include "core/clock.h"
#include "oskn_tcgoperations.h"
#include "tcg/security_io.h"
#include "tcg_session.h"
#include "transferbuffer.h"

using namespace oskn;

namespace {

constexpr uint8_t ProtocolTcg = 0x01;

// Sends one ComPacket and collects the answer, asking again while the drive has none ready.
int exchange(_tDevice* device, Drive& drive, uint16_t comId, std::vector<uint8_t> packet, tcg::Response& response)
{
    TransferBuffer out(packet.size());
    std::copy(packet.begin(), packet.end(), out.begin());
    int rc = security_Send(device, drive, ProtocolTcg, comId, out.data(), uint32_t(out.size()));
    if (rc != OSKN_SUCCESS)
        return rc;
    TransferBuffer answer(2048);
    for (int attempt = 0; attempt < 50; ++attempt) {
        rc = security_Receive(device, drive, ProtocolTcg, comId, answer.data(), uint32_t(answer.size()));
        if (rc != OSKN_SUCCESS)
            return rc;
        if (!tcg::parse_Response(answer.data(), answer.size(), response))
            return OSKN_FAILURE;
        if (!response.empty)
            return OSKN_SUCCESS;
        sleep_Milliseconds(100);
    }
    return OSKN_TIMEOUT;
}

} // namespace

extern "C" int get_Revert_Session_Status(_tDevice* device, int* status)
{
    const CallTarget call = begin_Call(device, status);
    if (call.refusal)
        return call.refusal;
    *status = call.drive->state->revertSessionStatus.load();
    return OSKN_SUCCESS;
}

extern "C" int revert_SP(_tDevice* device, const char* psid)
{
    const CallTarget call = begin_Call(device, psid);
    if (call.refusal)
        return call.refusal;
    const std::shared_ptr<Drive>& drive = call.drive;
    const size_t psidLength = strnlen(psid, 64);
    if (psidLength == 0 || psidLength > 32)
        return OSKN_BAD_PARAMETER;

    alignas(kTransferAlignment) uint8_t protocols[OSKN_SECURITY_PROTOCOL_LIST_BYTES] = {};
    const int listed = read_Supported_Security_Protocols_From_Device(device, protocols);
    // A drive that stopped answering has not said that it cannot do this.
    if (listed == OSKN_DEVICE_GONE || listed == OSKN_TIMEOUT)
        return listed;
    if (listed != OSKN_SUCCESS || check_TCG_Support(protocols) != OSKN_SUCCESS)
        return OSKN_NOT_SUPPORTED;

    // The whole conversation stays together on the drive.
    std::lock_guard<std::recursive_mutex> hold(drive->state->lock);
    TransferBuffer discovery(2048);
    int rc = security_Receive(device, *drive, ProtocolTcg, 0x0001, discovery.data(), uint32_t(discovery.size()));
    if (rc != OSKN_SUCCESS)
        return rc == OSKN_NOT_SUPPORTED ? OSKN_NOT_SUPPORTED : rc;
    const uint16_t comId = tcg::base_Com_Id(discovery.data(), discovery.size());
    if (comId == 0)
        return OSKN_NOT_SUPPORTED;

    drive->state->revertSessionStatus.store(-1);
    const uint32_t hostSession = 0x4B56; // any number of ours
    tcg::Response response;
    rc = exchange(device, *drive, comId,
                  tcg::com_Packet(comId, 0, 0,
                                  tcg::start_Session_Call(hostSession, reinterpret_cast<const uint8_t*>(psid),
                                                          psidLength)),
                  response);
    if (rc != OSKN_SUCCESS)
        return rc;
    drive->state->revertSessionStatus.store(response.status);
    uint32_t hsn = 0, tsn = 0;
    if (response.status != 0 || !tcg::sync_Session(response, hsn, tsn))
        return OSKN_FAILURE; // wrong PSID (not authorized) or the session refused

    rc = exchange(device, *drive, comId, tcg::com_Packet(comId, tsn, hsn, tcg::revert_Call()), response);
    if (rc == OSKN_SUCCESS && response.status == 0)
        return OSKN_SUCCESS; // the reverted Admin SP has closed the session itself
    tcg::Response closing;
    exchange(device, *drive, comId, tcg::com_Packet(comId, tsn, hsn, tcg::Tokens().end_Of_Session().bytes), closing);
    return rc != OSKN_SUCCESS ? rc : OSKN_FAILURE;
}
