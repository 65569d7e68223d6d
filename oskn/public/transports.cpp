#include "transports.h"

#include <cstdlib>
#include <mutex>
#include <sys/stat.h>

#include "linux/linux_transport.h"
#include "virtual/virtual_transport.h"

namespace oskn {

namespace {
// Modification time and size: a description edited since it was read is read again.
std::string file_Stamp(const char* path)
{
    struct stat st;
    if (::stat(path, &st) != 0)
        return std::string();
    return std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec) + "/"
           + std::to_string(st.st_size);
}
} // namespace

TransportChoice choose_Transport()
{
    const char* json = std::getenv("OSKN_VIRTUAL_DRIVES");
    if (json && *json)
        return {"virtual", json, file_Stamp(json)};
    return {"linux", "/sys", ""};
}

void install_Transports()
{
    static std::once_flag once;
    std::call_once(once, [] {
        register_Linux_Transport();
        register_Virtual_Transport();
        Registry::instance().set_Transport_Chooser(choose_Transport);
    });
}

} // namespace oskn
