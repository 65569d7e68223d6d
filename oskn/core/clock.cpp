#include "clock.h"

#include <chrono>
#include <thread>

#include "common.h"

// Resolved in the executable when it exports them; null otherwise.
extern "C" {
#pragma weak get_Time_Source_Nanoseconds
#pragma weak delay_Milliseconds
}

namespace oskn {

uint64_t now_Nanoseconds()
{
    if (&get_Time_Source_Nanoseconds != nullptr)
        return get_Time_Source_Nanoseconds();
    return uint64_t(std::chrono::duration_cast<std::chrono::nanoseconds>(
                        std::chrono::steady_clock::now().time_since_epoch())
                        .count());
}

void sleep_Milliseconds(uint32_t milliseconds)
{
    if (&delay_Milliseconds != nullptr) {
        delay_Milliseconds(milliseconds);
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace oskn
