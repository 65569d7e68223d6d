// Program time, delays and timers.
//
// Program time runs `scale` times faster than the monotonic clock. Operations wait only through
// delay_Milliseconds/delay_Seconds and the virtual drives read only this clock, so a test can
// raise the scale and get hours of drive time in seconds while the operations run unchanged.
#include "common.h"

#include <cmath>
#include <cstdlib>
#include <mutex>

namespace {

constexpr uint64_t kNanosecondsPerSecond = 1000000000ULL;

struct TimeSource {
    std::mutex lock;
    bool initialised = false;
    double scale = 1.0;
    uint64_t baseReal = 0;    // monotonic clock at the last change of scale
    uint64_t baseProgram = 0; // program time (without the test offset) at that moment
    uint64_t testOffset = 0;
};

TimeSource& timeSource()
{
    static TimeSource source;
    return source;
}

bool validScale(double scale)
{
    return std::isfinite(scale) && scale > 0.0;
}

bool readMonotonic(uint64_t* nanoseconds)
{
    struct timespec now;
    if (clock_gettime(CLOCK_MONOTONIC, &now) != 0)
        return false;
    // 64-bit product: seconds * 1e9 overflows 32 bits after a few seconds of uptime.
    *nanoseconds = static_cast<uint64_t>(now.tv_sec) * kNanosecondsPerSecond
                   + static_cast<uint64_t>(now.tv_nsec);
    return true;
}

// Caller holds the lock.
void initialiseLocked(TimeSource& source)
{
    if (source.initialised)
        return;
    source.initialised = true;
    if (const char* env = std::getenv("KESTROVA_TIME_SCALE")) {
        char* end = nullptr;
        const double scale = std::strtod(env, &end);
        if (end != env && *end == '\0' && validScale(scale))
            source.scale = scale;
    }
    uint64_t now = 0;
    readMonotonic(&now);
    source.baseReal = now;
    source.baseProgram = now; // at scale 1 program time equals the monotonic clock
}

// Program time without the test offset, for a monotonic reading `real`. Caller holds the lock.
uint64_t unshiftedProgramTimeLocked(const TimeSource& source, uint64_t real)
{
    const uint64_t elapsed = real >= source.baseReal ? real - source.baseReal : 0;
    if (source.scale == 1.0)
        return source.baseProgram + elapsed;
    return source.baseProgram + static_cast<uint64_t>(static_cast<double>(elapsed) * source.scale);
}

bool readProgramTime(uint64_t* nanoseconds)
{
    TimeSource& source = timeSource();
    std::lock_guard<std::mutex> guard(source.lock);
    initialiseLocked(source);
    uint64_t real = 0;
    if (!readMonotonic(&real))
        return false;
    *nanoseconds = unshiftedProgramTimeLocked(source, real) + source.testOffset;
    return true;
}

} // namespace

extern "C" {

void set_Time_Scale(double scale)
{
    TimeSource& source = timeSource();
    std::lock_guard<std::mutex> guard(source.lock);
    initialiseLocked(source);
    if (!validScale(scale))
        return;
    uint64_t real = 0;
    if (!readMonotonic(&real))
        return;
    // Rebase so that program time continues from where it is instead of jumping.
    source.baseProgram = unshiftedProgramTimeLocked(source, real);
    source.baseReal = real;
    source.scale = scale;
}

double get_Time_Scale(void)
{
    TimeSource& source = timeSource();
    std::lock_guard<std::mutex> guard(source.lock);
    initialiseLocked(source);
    return source.scale;
}

uint64_t get_Time_Source_Nanoseconds(void)
{
    uint64_t now = 0;
    readProgramTime(&now);
    return now;
}

void set_Time_Source_Offset_For_Test(uint64_t nanoseconds)
{
    TimeSource& source = timeSource();
    std::lock_guard<std::mutex> guard(source.lock);
    initialiseLocked(source);
    source.testOffset = nanoseconds;
}

struct timespec delay_Milliseconds_To_Timespec(uint32_t milliseconds, double scale)
{
    struct timespec sleep = {0, 0};
    if (!validScale(scale) || scale == 1.0) {
        sleep.tv_sec = static_cast<time_t>(milliseconds / 1000);
        sleep.tv_nsec = static_cast<long>(milliseconds % 1000) * 1000000L;
        return sleep;
    }
    const double real = std::round(static_cast<double>(milliseconds) * 1e6 / scale);
    const uint64_t nanoseconds = static_cast<uint64_t>(real);
    sleep.tv_sec = static_cast<time_t>(nanoseconds / kNanosecondsPerSecond);
    sleep.tv_nsec = static_cast<long>(nanoseconds % kNanosecondsPerSecond);
    return sleep;
}

void delay_Milliseconds(uint32_t milliseconds)
{
    const struct timespec sleep = delay_Milliseconds_To_Timespec(milliseconds, get_Time_Scale());
    // A sleep cut short by a signal is not resumed.
    nanosleep(&sleep, nullptr);
}

void delay_Seconds(uint32_t seconds)
{
    // seconds * 1000 would wrap past 49 days; wait such spans in pieces that fit.
    constexpr uint32_t maxSecondsPerDelay = UINT32_MAX / 1000;
    while (seconds > maxSecondsPerDelay) {
        delay_Milliseconds(maxSecondsPerDelay * 1000);
        seconds -= maxSecondsPerDelay;
    }
    delay_Milliseconds(seconds * 1000);
}

void start_Timer(Timer* timer)
{
    uint64_t now = 0;
    if (timer && readProgramTime(&now))
        timer->timerStart = now;
}

void stop_Timer(Timer* timer)
{
    uint64_t now = 0;
    if (timer && readProgramTime(&now))
        timer->timerStop = now;
}

uint64_t get_Nano_Seconds(Timer timer)
{
    return timer.timerStop - timer.timerStart;
}

double get_Micro_Seconds(Timer timer)
{
    return static_cast<double>(get_Nano_Seconds(timer)) / 1000.0;
}

double get_Milli_Seconds(Timer timer)
{
    return get_Micro_Seconds(timer) / 1000.0;
}

double get_Seconds(Timer timer)
{
    return get_Milli_Seconds(timer) / 1000.0;
}

} // extern "C"
