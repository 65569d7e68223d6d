#pragma once

// Virtual drives whose commands are counted per drive, to show that a call sent a drive nothing.
#include <atomic>
#include <map>
#include <memory>
#include <string>

#include "core/registry.h"
#include "virtual/virtual_transport.h"

class CountingChannel : public oskn::DeviceChannel
{
public:
    // changesOnly: reads of data, identify data and logs (what a drive offers) are not counted.
    CountingChannel(std::shared_ptr<oskn::DeviceChannel> inner, bool changesOnly)
        : inner_(std::move(inner)), changesOnly_(changesOnly)
    {
    }
    oskn::TransportResult execute(oskn::ScsiCommand& c) override { ++sent; return inner_->execute(c); }
    oskn::TransportResult execute_Nvme(oskn::NvmeCommand& c) override
    {
        sent += !changesOnly_ || (c.admin ? c.opcode != 0x02 && c.opcode != 0x06 : c.opcode != 0x02);
        return inner_->execute_Nvme(c);
    }
    oskn::TransportResult execute_Block(oskn::BlockCommand& c) override
    {
        sent += !changesOnly_ || c.write;
        return inner_->execute_Block(c);
    }
    std::atomic<int> sent{0};

private:
    std::shared_ptr<oskn::DeviceChannel> inner_;
    bool changesOnly_;
};

class CountingTransport : public oskn::Transport
{
public:
    // pathSuffix makes the drives new to the library, apart from those it found uncounted.
    CountingTransport(const std::string& path, bool changesOnly, const std::string& pathSuffix)
    {
        std::string error;
        inner_ = oskn::make_Virtual_Transport(path, error);
        if (!inner_)
            qFatal("%s", error.c_str());
        for (oskn::DeviceEntry e : inner_->enumerate()) {
            e.path += pathSuffix;
            auto counting = std::make_shared<CountingChannel>(e.channel, changesOnly);
            channels[e.path] = counting;
            e.channel = counting;
            entries_.push_back(e);
        }
    }
    std::vector<oskn::DeviceEntry> enumerate() override { return entries_; }
    int sent(_tDevice* d) const { return channels.at(oskn::record::path(d))->sent; }
    std::map<std::string, std::shared_ptr<CountingChannel>> channels; // by the drive's path

private:
    std::unique_ptr<oskn::Transport> inner_;
    std::vector<oskn::DeviceEntry> entries_;
};

// The library's drives are the description's, through counting channels, while this lives.
struct CountedDrives {
    explicit CountedDrives(const std::string& path, bool changesOnly = false, const std::string& pathSuffix = "")
        : transport(std::make_shared<CountingTransport>(path, changesOnly, pathSuffix))
    {
        oskn::Registry::instance().set_Transport_Override(transport);
    }
    ~CountedDrives() { oskn::Registry::instance().set_Transport_Override(nullptr); }
    std::shared_ptr<CountingTransport> transport;
};
