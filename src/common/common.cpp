// Byte order, strings, units, durations, output, random numbers and platform queries.
// Delays, timers and the time source live in timesource.cpp.
#include "common.h"

#include <cctype>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <sys/utsname.h>

namespace {

constexpr uint32_t kSeedA = 0x9E3779B9u;
constexpr uint32_t kSeedB = 0x7F4A7C15u;

const char* const kReturnNames[] = {
    "SUCCESS",       "FAILURE",        "NOT SUPPORTED",          "COMMAND FAILURE",
    "IN PROGRESS",   "ABORTED",        "BAD PARAMETER",          "MEMORY FAILURE",
    "OS PASSTHROUGH FAILURE", "LIBRARY MISMATCH", "FROZEN",
};

const char* const kForegroundColors[16] = {
    "\033[1;34m", "\033[1;32m", "\033[1;31m", "\033[0;30m", "\033[1;36m", "\033[1;35m",
    "\033[0;33m", "\033[1;33m", "\033[1;37m", "\033[0;37m", "\033[0;34m", "\033[0;32m",
    "\033[0;31m", "\033[0;36m", "\033[1;30m", "\033[0;35m",
};

const char* const kBackgroundColors[16] = {
    "\033[7;1;34m", "\033[7;1;32m", "\033[7;1;31m", "\033[7;30m",   "\033[7;1;36m",
    "\033[7;1;35m", "\033[7;33m",   "\033[7;1;33m", "\033[7;1;37m", "\033[7;37m",
    "\033[7;34m",   "\033[7;32m",   "\033[7;31m",   "\033[7;36m",   "\033[7;1;30m",
    "\033[7;35m",
};

const char* const kCompilerNames[] = {
    "Microsoft Visual C/C++", "GCC", "Clang", "MinGW", "Intel C/C++", "Oracle Sunpro C/C++",
    "IBM XL C/C++", "IBM XL C/C++ for SystemZ", "HP aCC",
};

int unitConvert(double* value, char** unit, double base, const char* const names[8])
{
    if (!value || !unit || !*unit)
        return 6; // BAD PARAMETER
    int divisions = 0;
    while (*value / base >= 1.0 && divisions < 7) {
        *value /= base;
        ++divisions;
    }
    std::strcpy(*unit, names[divisions]); // every name fits the 4 bytes callers provide
    return 0;
}

bool isGregorianLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int month, int year)
{
    switch (month) {
    case 1: // February
        return isGregorianLeapYear(year) ? 29 : 28;
    case 3: case 5: case 8: case 10:
        return 30;
    default:
        return 31;
    }
}

void writeName(char* name, size_t nameSize, const char* format, ...)
{
    if (!name || nameSize == 0)
        return;
    va_list args;
    va_start(args, format);
    vsnprintf(name, nameSize, format, args);
    va_end(args);
}

// Copies the system's issue text, truncated to the caller's buffer.
bool readIssueFile(char* name, size_t nameSize)
{
    FILE* issue = fopen("/etc/issue", "r");
    if (!issue)
        return false;
    if (name && nameSize > 0) {
        const size_t length = fread(name, 1, nameSize - 1, issue);
        name[length] = '\0';
    }
    fclose(issue);
    return true;
}

} // namespace

extern "C" {

int g_verbosity = 1;
time_t g_currentTime = 0;
char g_currentTimeString[64] = {0};
char* g_currentTimeStringPtr = g_currentTimeString;
uint32_t seed32Array[2] = {kSeedA, kSeedB};
uint64_t seed64Array[2] = {kSeedA, kSeedB};

// --- byte order --------------------------------------------------------------------------

void nibble_Swap(uint8_t* byteToSwap)
{
    if (byteToSwap)
        *byteToSwap = static_cast<uint8_t>((*byteToSwap << 4) | (*byteToSwap >> 4));
}

void byte_Swap_16(uint16_t* wordToSwap)
{
    if (wordToSwap)
        *wordToSwap = static_cast<uint16_t>((*wordToSwap << 8) | (*wordToSwap >> 8));
}

void byte_Swap_32(uint32_t* doubleWordToSwap)
{
    if (doubleWordToSwap)
        *doubleWordToSwap = __builtin_bswap32(*doubleWordToSwap);
}

void word_Swap_32(uint32_t* doubleWordToSwap)
{
    if (doubleWordToSwap)
        *doubleWordToSwap = (*doubleWordToSwap << 16) | (*doubleWordToSwap >> 16);
}

void byte_Swap_64(uint64_t* quadWordToSwap)
{
    if (quadWordToSwap)
        *quadWordToSwap = __builtin_bswap64(*quadWordToSwap);
}

void word_Swap_64(uint64_t* quadWordToSwap)
{
    if (!quadWordToSwap)
        return;
    const uint64_t v = *quadWordToSwap;
    *quadWordToSwap = ((v & 0xFFFFULL) << 48) | ((v & 0xFFFF0000ULL) << 16)
                      | ((v >> 16) & 0xFFFF0000ULL) | (v >> 48);
}

void double_Word_Swap_64(uint64_t* quadWordToSwap)
{
    if (quadWordToSwap)
        *quadWordToSwap = (*quadWordToSwap << 32) | (*quadWordToSwap >> 32);
}

// The i16 result keeps the low 16 bits; going through int32 avoids the undefined
// out-of-range conversion from double.
int16_t celsius_To_Fahrenheit(int16_t* celsius)
{
    if (!celsius)
        return 0;
    return static_cast<int16_t>(static_cast<int32_t>(*celsius * 1.8 + 32));
}

int16_t fahrenheit_To_celsius(int16_t* fahrenheit)
{
    if (!fahrenheit)
        return 0;
    return static_cast<int16_t>(static_cast<int32_t>((*fahrenheit - 32) * 0.5555555555555556));
}

// --- strings -----------------------------------------------------------------------------

// Drive identity strings hold two characters per word, first character in the high byte.
// An odd last character has no partner and is dropped.
void byte_Swap_String(char* stringToChange)
{
    if (!stringToChange)
        return;
    const size_t length = std::strlen(stringToChange);
    for (size_t i = 0; i + 1 < length; i += 2) {
        const char first = stringToChange[i];
        stringToChange[i] = stringToChange[i + 1];
        stringToChange[i + 1] = first;
    }
    if (length % 2)
        stringToChange[length - 1] = '\0';
}

void remove_Trailing_Whitespace(char* stringToChange)
{
    if (!stringToChange)
        return;
    size_t length = std::strlen(stringToChange);
    while (length > 0 && std::isspace(static_cast<unsigned char>(stringToChange[length - 1])))
        stringToChange[--length] = '\0';
}

void remove_Leading_Whitespace(char* stringToChange)
{
    if (!stringToChange)
        return;
    const size_t leading = std::strspn(stringToChange, " \t\n\v\f");
    if (leading > 0)
        std::memmove(stringToChange, stringToChange + leading,
                     std::strlen(stringToChange + leading) + 1);
}

void remove_Leading_And_Trailing_Whitespace(char* stringToChange)
{
    remove_Leading_Whitespace(stringToChange);
    remove_Trailing_Whitespace(stringToChange);
}

void convert_String_To_Upper_Case(char* stringToChange)
{
    if (!stringToChange)
        return;
    for (char* c = stringToChange; *c; ++c)
        *c = static_cast<char>(std::toupper(static_cast<unsigned char>(*c)));
}

void convert_String_To_Lower_Case(char* stringToChange)
{
    if (!stringToChange)
        return;
    for (char* c = stringToChange; *c; ++c)
        *c = static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
}

// --- output ------------------------------------------------------------------------------

void print_Return_Enum(const char* funcName, int ret)
{
    if (g_verbosity < 3)
        return;
    if (funcName)
        printf("%s returning: ", funcName);
    else
        printf("Unknown funtion returning: ");
    const int known = static_cast<int>(sizeof kReturnNames / sizeof kReturnNames[0]);
    printf("%s\n", ret >= 0 && ret < known ? kReturnNames[ret] : "UNKOWN");
}

void print_Data_Buffer(const uint8_t* dataBuffer, uint32_t bufferLen, bool showPrint)
{
    if (!dataBuffer && bufferLen > 0)
        return;
    const char* indent;
    const char* rowFormat;
    if (bufferLen < 0x100) {
        indent = "\n        ";
        rowFormat = "\n  0x%02X ";
    } else if (bufferLen < 0x10000) {
        indent = "\n          ";
        rowFormat = "\n  0x%04X ";
    } else if (bufferLen > 0xFFFFFF) {
        indent = "\n              ";
        rowFormat = "\n  0x%08X ";
    } else {
        indent = "\n            ";
        rowFormat = "\n  0x%06X ";
    }
    printf("%s", indent);
    for (uint32_t column = 0; column < 16 && column < bufferLen; ++column)
        printf("%X  ", column);

    char printable[17];
    uint32_t collected = 0;
    for (uint32_t offset = 0; offset < bufferLen; ++offset) {
        if (offset % 16 == 0)
            printf(rowFormat, offset);
        printf("%02X ", dataBuffer[offset]);
        if (!showPrint)
            continue;
        const unsigned char byte = dataBuffer[offset];
        printable[collected++] = std::isprint(byte) ? static_cast<char>(byte) : '.';
        if (collected == 16 || offset + 1 == bufferLen) {
            for (uint32_t missing = collected; missing < 16; ++missing)
                printf("   ");
            printable[collected] = '\0';
            printf("  %s", printable);
            collected = 0;
        }
    }
    puts("\n");
}

void set_Console_Colors(bool foregroundBackground, int consoleColor)
{
    if (consoleColor < 0 || consoleColor > 15) {
        printf("\033[0m");
        return;
    }
    printf("%s", foregroundBackground ? kForegroundColors[consoleColor]
                                      : kBackgroundColors[consoleColor]);
}

void print_Compiler(int compilerUsed)
{
    const int known = static_cast<int>(sizeof kCompilerNames / sizeof kCompilerNames[0]);
    printf("%s", compilerUsed >= 1 && compilerUsed <= known ? kCompilerNames[compilerUsed - 1]
                                                            : "Unknown Compiler");
}

void print_Compiler_Version_Info(tCompilerVersion* compilerVersionInfo)
{
    if (!compilerVersionInfo)
        return;
    printf("%u.%u.%u", static_cast<unsigned>(compilerVersionInfo->major),
           static_cast<unsigned>(compilerVersionInfo->minor),
           static_cast<unsigned>(compilerVersionInfo->patch));
}

// --- units and durations -----------------------------------------------------------------

int metric_Unit_Convert(double* byteValue, char** metricUnit)
{
    static const char* const names[8] = {"B", "KB", "MB", "GB", "TB", "PB", "EB", "ZB"};
    return unitConvert(byteValue, metricUnit, 1000.0, names);
}

int capacity_Unit_Convert(double* byteValue, char** capacityUnit)
{
    static const char* const names[8] = {"B", "KiB", "MiB", "GiB", "TiB", "PiB", "EiB", "ZiB"};
    return unitConvert(byteValue, capacityUnit, 1024.0, names);
}

void convert_Seconds_To_Displayable_Time(uint64_t secondsToConvert, uint8_t* years, uint8_t* days,
                                         uint8_t* hours, uint8_t* minutes, uint8_t* seconds)
{
    const uint64_t totalMinutes = secondsToConvert / 60;
    const uint64_t totalHours = totalMinutes / 60;
    const uint64_t totalDays = totalHours / 24;
    if (seconds)
        *seconds = static_cast<uint8_t>(secondsToConvert % 60);
    if (minutes)
        *minutes = static_cast<uint8_t>(totalMinutes % 60);
    if (hours)
        *hours = static_cast<uint8_t>(totalHours % 24);
    if (days)
        *days = static_cast<uint8_t>(totalDays % 365);
    if (years)
        *years = static_cast<uint8_t>(totalHours / 8760);
}

void print_Time_To_Screen(uint8_t* years, uint8_t* days, uint8_t* hours, uint8_t* minutes,
                          uint8_t* seconds)
{
    const struct {
        const uint8_t* value;
        const char* unit;
    } parts[] = {{years, "year"}, {days, "day"}, {hours, "hour"}, {minutes, "minute"},
                 {seconds, "second"}};
    bool any = false;
    for (const auto& part : parts) {
        if (!part.value)
            continue;
        any = true;
        if (*part.value == 0)
            continue;
        printf(" %u %s%s", static_cast<unsigned>(*part.value), part.unit,
               *part.value > 1 ? "s" : "");
    }
    if (any)
        printf(" ");
}

time_t get_Future_Data_And_Time(time_t currentTime, uint64_t secondsInTheFuture)
{
    uint8_t years = 0, days = 0, hours = 0, minutes = 0, seconds = 0;
    convert_Seconds_To_Displayable_Time(secondsInTheFuture, &years, &days, &hours, &minutes,
                                        &seconds);
    struct tm future;
    if (!localtime_r(&currentTime, &future))
        return static_cast<time_t>(-1);

    future.tm_sec += seconds;
    if (future.tm_sec >= 60) {
        future.tm_sec -= 60;
        ++future.tm_min;
    }
    future.tm_min += minutes;
    if (future.tm_min >= 60) {
        future.tm_min -= 60;
        ++future.tm_hour;
    }
    future.tm_hour += hours;
    if (future.tm_hour >= 24) {
        future.tm_hour -= 24;
        ++future.tm_mday;
    }
    future.tm_mday += days;
    const int monthLength = daysInMonth(future.tm_mon, future.tm_year + 1900);
    if (future.tm_mday > monthLength) {
        future.tm_mday -= monthLength;
        ++future.tm_mon;
    }
    if (future.tm_mon >= 12) {
        future.tm_mon -= 12;
        ++future.tm_year;
    }
    future.tm_year += years;
    return mktime(&future); // normalises what a single carry left out of range
}

// --- memory and files --------------------------------------------------------------------

void safe_Free(void* mem)
{
    if (mem)
        free(mem);
}

long get_File_Size(FILE* filePtr)
{
    if (!filePtr)
        return -1;
    const long position = ftell(filePtr);
    fseek(filePtr, 0, SEEK_END);
    const long size = ftell(filePtr);
    fseek(filePtr, position, SEEK_SET);
    return size;
}

uint64_t os_Get_File_Size(FILE* filePtr)
{
    struct stat status;
    if (!filePtr || fstat(fileno(filePtr), &status) != 0)
        return UINT64_MAX;
    return static_cast<uint64_t>(status.st_size);
}

bool os_File_Exists(const char* filetoCheck)
{
    struct stat status;
    return filetoCheck && stat(filetoCheck, &status) == 0;
}

bool os_Directory_Exists(const char* pathToCheck)
{
    struct stat status;
    return pathToCheck && stat(pathToCheck, &status) == 0 && S_ISDIR(status.st_mode);
}

// --- random numbers ----------------------------------------------------------------------

uint32_t xorshiftplus32(void)
{
    uint32_t x = seed32Array[0];
    const uint32_t y = seed32Array[1];
    seed32Array[0] = y;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= y ^ (y >> 7);
    seed32Array[1] = x;
    return x + y;
}

uint64_t xorshiftplus64(void)
{
    uint64_t x = seed64Array[0];
    const uint64_t y = seed64Array[1];
    seed64Array[0] = y;
    x ^= x << 27;
    x ^= x >> 13;
    x ^= y ^ (y >> 32);
    seed64Array[1] = x;
    return x + y;
}

// A zero seed would leave both state words zero and the generator would return 0 forever,
// so it falls back to the built-in state.
uint32_t seed_32(uint32_t seed)
{
    if (seed == 0) {
        seed32Array[0] = kSeedA;
        seed32Array[1] = kSeedB;
    } else {
        seed32Array[0] = seed;
        seed32Array[1] = static_cast<uint32_t>(static_cast<int32_t>(seed) >> 1);
    }
    seed32Array[0] = xorshiftplus32();
    seed32Array[0] = xorshiftplus32();
    return seed32Array[0];
}

uint64_t seed_64(uint64_t seed)
{
    if (seed == 0) {
        seed64Array[0] = kSeedA;
        seed64Array[1] = kSeedB;
    } else {
        seed64Array[0] = seed;
        seed64Array[1] = static_cast<uint64_t>(static_cast<int64_t>(seed) >> 2);
    }
    seed64Array[0] = xorshiftplus64();
    seed64Array[0] = xorshiftplus64();
    return seed64Array[0];
}

// Swapped bounds and a minimum of all ones would otherwise make the modulus zero.
uint32_t random_Range_32(uint32_t rangeMin, uint32_t rangeMax)
{
    if (rangeMin > rangeMax) {
        const uint32_t swap = rangeMin;
        rangeMin = rangeMax;
        rangeMax = swap;
    }
    if (rangeMax == UINT32_MAX)
        rangeMax -= 1;
    if (rangeMin > rangeMax)
        rangeMin = rangeMax;
    return xorshiftplus32() % (rangeMax - rangeMin + 1) + rangeMin;
}

uint64_t random_Range_64(uint64_t rangeMin, uint64_t rangeMax)
{
    if (rangeMin > rangeMax) {
        const uint64_t swap = rangeMin;
        rangeMin = rangeMax;
        rangeMax = swap;
    }
    if (rangeMax == UINT64_MAX)
        rangeMax -= 1;
    if (rangeMin > rangeMax)
        rangeMin = rangeMax;
    return xorshiftplus64() % (rangeMax - rangeMin + 1) + rangeMin;
}

// --- platform ----------------------------------------------------------------------------

int get_Compiled_Architecture(void)
{
    return 1;
}

int get_Compiler_Info(int* compilerUsed, tCompilerVersion* compilerVersionInfo)
{
#if defined(__clang__)
    const int kind = 3;
    const tCompilerVersion version = {__clang_major__, __clang_minor__, __clang_patchlevel__};
#elif defined(__GNUC__)
    const int kind = 2;
    const tCompilerVersion version = {__GNUC__, __GNUC_MINOR__, __GNUC_PATCHLEVEL__};
#else
    const int kind = 0;
    const tCompilerVersion version = {0, 0, 0};
#endif
    if (compilerUsed)
        *compilerUsed = kind;
    if (compilerVersionInfo)
        *compilerVersionInfo = version;
    return 0;
}

long double convert_128bit_to_long_double(const uint8_t* pData)
{
    long double value = 0;
    if (!pData)
        return value;
    for (int i = 15; i >= 0; --i)
        value = value * 256 + pData[i];
    return value;
}

int get_Operating_System_Version_And_Name(tOsVersion* versionNumber, char* name, size_t nameSize)
{
    tOsVersion scratch;
    tOsVersion* version = versionNumber ? versionNumber : &scratch;
    struct utsname system;
    if (uname(&system) != 0)
        return 1;
    char sysName[sizeof system.sysname];
    std::strcpy(sysName, system.sysname);
    convert_String_To_Upper_Case(sysName);

    uint16_t* numbers = version->versionNumbers;
    std::memset(numbers, 0, sizeof version->versionNumbers);
    const bool twoNumbers = sscanf(system.release, "%hu.%hu", &numbers[0], &numbers[1]) == 2;
    const unsigned major = numbers[0];
    const unsigned minor = numbers[1];

    if (std::strcmp(sysName, "LINUX") == 0) {
        version->osKind = 2;
        // Releases such as "6.1.0" or "6.18.44-fc-v1272" lack the fourth number; only a
        // release without even a major number counts as unreadable.
        std::memset(numbers, 0, sizeof version->versionNumbers);
        const int parsed = sscanf(system.release, "%hu.%hu.%hu-%hu%*s", &numbers[0], &numbers[1],
                                  &numbers[2], &numbers[3]);
        if (!readIssueFile(name, nameSize))
            writeName(name, nameSize, "Unknown Linux OS");
        return parsed >= 1 ? 0 : 1;
    }

    struct BsdLike {
        const char* sysName;
        uint32_t kind;
        const char* format; // takes major and minor
        const char* unknown;
    };
    static const BsdLike numbered[] = {
        {"FREEBSD", 3, "FreeBSD %u.%u", "Unknown FreeBSD OS Version"},
        {"OPENBSD", 8, "OpenBSD %u.%u", "Unknown OpenBSD Version"},
        {"DRAGONFLY", 10, "Dragonfly BSD %u.%u", "Unknown Dragonfly BSD Version"},
    };
    for (const BsdLike& entry : numbered) {
        if (std::strcmp(sysName, entry.sysName) != 0)
            continue;
        version->osKind = entry.kind;
        if (!twoNumbers) {
            writeName(name, nameSize, "%s", entry.unknown);
            return 1;
        }
        writeName(name, nameSize, entry.format, major, minor);
        return 0;
    }
    if (std::strcmp(sysName, "AIX") == 0) {
        version->osKind = 6;
        // The major number is the system's version, the minor its release.
        numbers[0] = static_cast<uint16_t>(std::atoi(system.version));
        numbers[1] = static_cast<uint16_t>(std::atoi(system.release));
        writeName(name, nameSize, "AIX %u.%u", static_cast<unsigned>(numbers[0]),
                  static_cast<unsigned>(numbers[1]));
        return 0;
    }
    if (std::strcmp(sysName, "HP-UX") == 0) {
        version->osKind = 11;
        // The release reads like "B.11.31".
        if (sscanf(system.release, "%*[^.].%hu.%hu", &numbers[0], &numbers[1]) != 2) {
            writeName(name, nameSize, "Unknown HP-UX Version");
            return 1;
        }
        writeName(name, nameSize, "HP-UX %u.%u", static_cast<unsigned>(numbers[0]),
                  static_cast<unsigned>(numbers[1]));
        return 0;
    }
    if (std::strcmp(sysName, "SUNOS") == 0) {
        version->osKind = 4;
        writeName(name, nameSize, "Solaris %s", system.release);
        return 0;
    }
    if (std::strcmp(sysName, "OSF1") == 0) {
        version->osKind = 7;
        if (system.release[0] == '\0') {
            writeName(name, nameSize, "Unknown Tru64 Version");
            return 1;
        }
        writeName(name, nameSize, "Tru64 %s", system.release);
        return 0;
    }
    if (std::strcmp(sysName, "NETBSD") == 0) {
        version->osKind = 9;
        if (system.release[0] == '\0') {
            writeName(name, nameSize, "Unknown NetBSD Version");
            return 1;
        }
        writeName(name, nameSize, "NetBSD %s", system.release);
        return 0;
    }
    if (std::strcmp(sysName, "DARWIN") == 0) {
        static const char* const releases[] = {
            "Mac OS X 10.1 Puma",    "Mac OS X 10.2 Jaguar",  "Mac OS X 10.3 Panther",
            "Mac OS X 10.4 Tiger",   "Mac OS X 10.5 Leopard", "Mac OS X 10.6 Snow Leopard",
            "Mac OS X 10.7 Lion",    "OS X 10.8 Mountain Lion", "OS X 10.9 Mavericks",
            "OS X 10.10 Yosemite",   "OS X 10.11 El Capitan",
        };
        version->osKind = 5;
        if (major >= 5 && major <= 15)
            writeName(name, nameSize, "%s", releases[major - 5]);
        else
            writeName(name, nameSize, "Unknown Mac OS X Version");
        return 0;
    }
    return 2;
}

} // extern "C"
