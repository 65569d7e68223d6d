// kv-longscan: the program's own long generic test, the operation object on its own thread as the
// program runs it, over one drive of the system test's virtual machine, on the kernel's real
// SCSI and libata layers.
//
//   kv-longscan DEV          DEV is the drive's device node (/dev/sdb)
//
// Prints "status=" the test's status, "bad=" the LBAs it listed as unreadable (or none) and
// "result=" its last log line. It runs only inside the test's virtual machine (whose initramfs
// holds /kv-system-vm); the exit status is 0 when the test ran, 2 for bad usage or no such drive.
#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/registry.h"
#include "linux/linux_transport.h"
#include "log/logsapplication.h"
#include "tests/longgeneric.h"
#include "deviceaccess/oskn_public.h"

namespace {

// The machine's drives as the linux transport lists them, only the one asked for: the others are
// not this check's to open.
class OneDrive : public oskn::Transport {
public:
    explicit OneDrive(std::string path) : inner_(oskn::make_Linux_Transport("/sys", "/dev")), path_(std::move(path)) {}
    std::vector<oskn::DeviceEntry> enumerate() override
    {
        std::vector<oskn::DeviceEntry> entries = inner_->enumerate();
        entries.erase(std::remove_if(entries.begin(), entries.end(),
                                     [this](const oskn::DeviceEntry& e) { return e.path != path_; }),
                      entries.end());
        return entries;
    }

private:
    std::unique_ptr<oskn::Transport> inner_;
    std::string path_;
};

} // namespace

int main(int argc, char** argv)
{
    if (::access("/kv-system-vm", F_OK) != 0) {
        std::fprintf(stderr, "kv-longscan: runs only inside the system test's virtual machine\n");
        return 2;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: kv-longscan DEV\n");
        return 2;
    }
    QCoreApplication app(argc, argv);
    oskn::Registry::instance().set_Transport_Override(std::make_shared<OneDrive>(argv[1]));
    uint32_t count = 0;
    versionBlock block;
    get_Version_Block(&block);
    std::vector<_tDevice> records;
    if (get_Device_Count(&count, OSKN_SCAN_ALL_DRIVES) == OSKN_SUCCESS && count) {
        records.assign(count, _tDevice{});
        std::memset(records.data(), 0, count * sizeof(_tDevice));
        if (get_Device_List(records.data(), uint32_t(count * sizeof(_tDevice)), block, OSKN_SCAN_ALL_DRIVES) != OSKN_SUCCESS)
            records.clear();
    }
    if (records.size() != 1 || records[0].maxLBA == 0) {
        std::fprintf(stderr, "kv-longscan: the library does not list %s as a disk\n", argv[1]);
        return 2;
    }

    LongGeneric test(&records[0]);
    QStringList bad;
    int status = -1;
    QObject::connect(&test, &LongGeneric::change_Log_Erro_Test_Device, &test, [&bad](const QString& lba) { bad << lba; },
                     Qt::DirectConnection);
    QObject::connect(&test, &MainTest::changeStatus, &test, [&status](int s) { status = s; }, Qt::DirectConnection);
    test.start();
    test.wait();

    // A log line is "\nLOG_<level> | <time> |   <message> ": the message alone.
    const QStringList log = LogsApplication::Instance()->get_List_log();
    QString last = log.isEmpty() ? QString() : log.last();
    last = last.mid(last.indexOf("|   ") + 4).trimmed();
    std::printf("status=%d\nbad=%s\nresult=%s\n", status, bad.isEmpty() ? "none" : qPrintable(bad.join(',')),
                qPrintable(last));
    return 0;
}
