#pragma once

#include <QString>

#include <cstdint>

#include "deviceaccess/oskn_return.h"

// What one failed read of a surface scan says. Only a medium error makes a sector unreadable: a
// drive that vanished, timed out or could not be reached by the system read nothing, so none of
// the sectors it was asked for may be listed as bad, and the scan cannot go on.
enum class ReadVerdict { Read, Unreadable, CannotRun, Lost, Refused };

inline ReadVerdict read_Verdict(int rc)
{
    switch (rc) {
    case OSKN_SUCCESS:
        return ReadVerdict::Read;
    case OSKN_COMMAND_FAILURE:
        return ReadVerdict::Unreadable;
    case OSKN_CANNOT_PERFORM:
        return ReadVerdict::CannotRun;
    case OSKN_DEVICE_GONE:
    case OSKN_TIMEOUT:
    case OSKN_OS_PASSTHROUGH_FAILURE:
        return ReadVerdict::Lost;
    default:
        return ReadVerdict::Refused;
    }
}

// The tail of the failure line of a scan that stopped on a read that was not a medium error.
inline QString read_Stop_Text(int rc, uint64_t lba)
{
    return (read_Verdict(rc) == ReadVerdict::Lost ? QString(" - Drive stopped answering at LBA: ")
                                                  : QString(" - Read refused at LBA: "))
           + QString::number(lba);
}
