#include "registry.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "oskn_return.h"

namespace oskn {

namespace record {

namespace {
// The record's private words, at their offsets: the record is packed, so never through a pointer
// to the field.
template <class T>
T get_Field(const _tDevice* device, size_t offset)
{
    T v;
    std::memcpy(&v, reinterpret_cast<const uint8_t*>(device) + offset, sizeof v);
    return v;
}

template <class T>
void set_Field(_tDevice* device, size_t offset, T v)
{
    std::memcpy(reinterpret_cast<uint8_t*>(device) + offset, &v, sizeof v);
}
} // namespace

uint32_t flags(const _tDevice* device) { return get_Field<uint32_t>(device, FlagsOffset); }
void set_Flags(_tDevice* device, uint32_t v) { set_Field(device, FlagsOffset, v); }
uint32_t nsid(const _tDevice* device) { return get_Field<uint32_t>(device, NsidOffset); }
void set_Nsid(_tDevice* device, uint32_t v) { set_Field(device, NsidOffset, v); }
uint16_t nvme_Oacs(const _tDevice* device) { return get_Field<uint16_t>(device, NvmeOacsOffset); }
void set_Nvme_Oacs(_tDevice* device, uint16_t v) { set_Field(device, NvmeOacsOffset, v); }

std::string path(const _tDevice* device)
{
    const char* p = reinterpret_cast<const char*>(device) + PathOffset;
    return std::string(p, strnlen(p, PathLength));
}

} // namespace record

Registry& Registry::instance()
{
    // Never destroyed: records may be used from threads still running at exit.
    static Registry* registry = new Registry;
    return *registry;
}

void Registry::set_Transport_Override(std::shared_ptr<Transport> transport)
{
    std::lock_guard<std::mutex> guard(mutex_);
    override_ = std::move(transport);
}

void Registry::register_Transport(const std::string& name, TransportFactory factory)
{
    std::lock_guard<std::mutex> guard(mutex_);
    for (auto& f : factories_)
        if (f.first == name) {
            f.second = std::move(factory);
            return;
        }
    factories_.emplace_back(name, std::move(factory));
}

void Registry::set_Transport_Chooser(TransportChooser chooser)
{
    std::lock_guard<std::mutex> guard(mutex_);
    chooser_ = std::move(chooser);
}

std::shared_ptr<Transport> Registry::active_Transport()
{
    std::lock_guard<std::mutex> guard(mutex_);
    if (override_)
        return override_;
    if (!chooser_)
        return nullptr;
    const TransportChoice choice = chooser_();
    // Kept for the process: emulated drives' state must outlive a rescan. One made from an
    // argument changed since (an edited description) is made again, so a rescan finds drives
    // added to it and loses those removed.
    for (auto& t : transports_)
        if (t.choice.name == choice.name && t.choice.argument == choice.argument &&
            t.choice.version == choice.version)
            return t.transport;
    std::string error;
    std::shared_ptr<Transport> made;
    const auto factory = std::find_if(factories_.begin(), factories_.end(),
                                      [&](const auto& f) { return f.first == choice.name; });
    if (factory == factories_.end())
        error = choice.argument + ": " + choice.name + " drives are not available in this build";
    else
        made = factory->second(choice.argument, error);
    if (!made) {
        // Count and list both enumerate: say it once, not at every call.
        const std::string message = error.empty() ? choice.argument + ": refused" : error;
        if (message != lastError_)
            std::fprintf(stderr, "%s\n", message.c_str());
        lastError_ = message;
        return nullptr;
    }
    lastError_.clear();
    transports_.erase(std::remove_if(transports_.begin(), transports_.end(),
                                     [&](const MadeTransport& t) {
                                         return t.choice.name == choice.name &&
                                                t.choice.argument == choice.argument;
                                     }),
                      transports_.end());
    transports_.push_back({choice, made});
    return made;
}

std::string Registry::last_Error() const
{
    std::lock_guard<std::mutex> guard(mutex_);
    return lastError_;
}

std::vector<DeviceEntry> Registry::enumerate()
{
    std::shared_ptr<Transport> transport = active_Transport();
    if (!transport)
        return {};
    return transport->enumerate();
}

std::shared_ptr<Drive> Registry::add(const DeviceEntry& entry, _tDevice* device)
{
    auto drive = std::make_shared<Drive>();
    drive->path = entry.path;
    drive->interfaceType = entry.interfaceType;
    drive->driveTypeHint = entry.driveTypeHint;
    drive->noMedium = entry.noMedium;
    drive->kind = entry.kind;
    drive->nsid = entry.nsid;
    drive->identity = entry.identity;
    drive->channel = entry.channel;
    {
        std::lock_guard<std::mutex> guard(mutex_);
        for (auto& l : states_)
            if (l.first == entry.path)
                drive->state = l.second;
        if (!drive->state) {
            drive->state = std::make_shared<DriveState>();
            states_.emplace_back(entry.path, drive->state);
        }
        drive->handle = uint32_t(drives_.size());
        drives_.push_back(drive);
    }
    uint8_t* bytes = reinterpret_cast<uint8_t*>(device);
    std::memcpy(bytes + record::MagicOffset, &record::Magic, 4);
    std::memcpy(bytes + record::HandleOffset, &drive->handle, 4);
    std::memset(bytes + record::PathOffset, 0, record::PathLength);
    std::memcpy(bytes + record::PathOffset, entry.path.data(),
                std::min<size_t>(entry.path.size(), record::PathLength - 1));
    return drive;
}

std::shared_ptr<Drive> Registry::find(const _tDevice* device) const
{
    if (!device)
        return nullptr;
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(device);
    uint32_t magic, handle;
    std::memcpy(&magic, bytes + record::MagicOffset, 4);
    std::memcpy(&handle, bytes + record::HandleOffset, 4);
    if (magic != record::Magic)
        return nullptr;
    std::lock_guard<std::mutex> guard(mutex_);
    if (handle >= drives_.size())
        return nullptr;
    return drives_[handle];
}

CallTarget begin_Call(const _tDevice* device, bool argumentsValid, int nonAta)
{
    CallTarget call;
    call.drive = Registry::instance().find(device);
    if (!call.drive)
        call.refusal = OSKN_INVALID_DEVICE;
    else if (!argumentsValid)
        call.refusal = OSKN_BAD_PARAMETER;
    else if (nonAta != AnyDrive && !is_Ata(device))
        call.refusal = nonAta;
    return call;
}

int scsi_Command(Drive& drive, const Cdb& cdb, DataDirection direction, uint8_t* data,
                 uint32_t length, uint32_t timeoutSeconds, SenseData* senseOut)
{
    if (!drive.channel)
        return OSKN_DEVICE_GONE;
    if (drive.kind != DriveKind::Scsi)
        return OSKN_CANNOT_PERFORM;
    if (length && !data)
        return OSKN_BAD_PARAMETER;
    int rc = OSKN_FAILURE;
    for (int attempt = 0; attempt < 3; ++attempt) {
        ScsiCommand command;
        command.cdb = cdb.bytes;
        command.cdbLength = cdb.length;
        command.direction = length ? direction : DataDirection::None;
        command.data = length ? data : nullptr;
        command.dataLength = length;
        command.timeoutSeconds = timeoutSeconds;
        TransportResult delivered;
        {
            std::lock_guard<std::recursive_mutex> guard(drive.state->lock);
            delivered = drive.channel->execute(command);
            uint64_t lba, count;
            if (ReadAhead::changes_Medium(cdb.bytes, cdb.length, lba, count))
                drive.state->readAhead.medium_Changed(lba, count);
        }
        const uint32_t senseLength = std::min<uint32_t>(command.senseLength, sizeof command.sense);
        SenseData sense = parse_Sense(command.sense, senseLength);
        rc = map_Command_Result(delivered, command, sense, cdb.bytes[0] == 0x85);
        if (senseOut)
            *senseOut = sense;
        const bool unitAttention = delivered == TransportResult::Delivered && !command.timedOut &&
                                   command.scsiStatus == 0x02 && sense.valid &&
                                   sense.key == sensekey::UnitAttention;
        if (!unitAttention)
            break;
    }
    return rc;
}

int ata_Command(Drive& drive, const AtaCommand& command, uint8_t* data, uint32_t length,
                uint32_t timeoutSeconds, AtaResult* result)
{
    DataDirection direction = DataDirection::None;
    if (command.protocol == AtaProtocol::PioDataIn || command.protocol == AtaProtocol::Dma)
        direction = DataDirection::In;
    else if (command.protocol == AtaProtocol::PioDataOut)
        direction = DataDirection::Out;
    if (direction != DataDirection::None && length != uint32_t(command.count) * 512u)
        return OSKN_BAD_PARAMETER;
    SenseData sense;
    const int rc = scsi_Command(drive, ata_Pass_Through_16(command), direction, data, length,
                                timeoutSeconds, &sense);
    if (result)
        *result = sense.ata;
    if (rc == OSKN_SUCCESS && command.checkCondition && !sense.ata.valid)
        return OSKN_FAILURE;
    return rc;
}

} // namespace oskn
