// Utility functions and globals shared by the program and the device-access library.
// They keep unmangled names: the library's shared objects resolve them in the executable.
#pragma once

#include <stdbool.h>
#include <stdint.h>
#include <stdio.h>
#include <time.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct _timer {
    uint64_t timerStart; // nanoseconds
    uint64_t timerStop;  // nanoseconds
} Timer;

typedef struct _tOsVersion {
    uint32_t osKind;
    uint16_t versionNumbers[4];
} tOsVersion;

typedef struct _tCompilerVersion {
    uint16_t major;
    uint16_t minor;
    uint16_t patch;
} tCompilerVersion;

extern int g_verbosity;
extern time_t g_currentTime;
extern char g_currentTimeString[64];
extern char* g_currentTimeStringPtr;
extern uint32_t seed32Array[2];
extern uint64_t seed64Array[2];

// --- time source -------------------------------------------------------------------------
// Every wait of an operation and every clock of the virtual drives goes through these, so
// that tests can run hours of drive time in seconds: with scale S, one real second is S
// seconds of program time and a delay of N ms sleeps N/S real ms.
void set_Time_Scale(double scale);
double get_Time_Scale(void);
uint64_t get_Time_Source_Nanoseconds(void); // monotonic, program time

void delay_Milliseconds(uint32_t milliseconds);
void delay_Seconds(uint32_t seconds);

// --- byte order --------------------------------------------------------------------------
void nibble_Swap(uint8_t* byteToSwap);
void byte_Swap_16(uint16_t* wordToSwap);
void byte_Swap_32(uint32_t* doubleWordToSwap);
void word_Swap_32(uint32_t* doubleWordToSwap);
void byte_Swap_64(uint64_t* quadWordToSwap);
void word_Swap_64(uint64_t* quadWordToSwap);
void double_Word_Swap_64(uint64_t* quadWordToSwap);

int16_t celsius_To_Fahrenheit(int16_t* celsius);
int16_t fahrenheit_To_celsius(int16_t* fahrenheit);

// --- strings -----------------------------------------------------------------------------
void byte_Swap_String(char* stringToChange);
void remove_Trailing_Whitespace(char* stringToChange);
void remove_Leading_Whitespace(char* stringToChange);
void remove_Leading_And_Trailing_Whitespace(char* stringToChange);
void convert_String_To_Upper_Case(char* stringToChange);
void convert_String_To_Lower_Case(char* stringToChange);

// --- output ------------------------------------------------------------------------------
void print_Return_Enum(const char* funcName, int ret);
void print_Data_Buffer(const uint8_t* dataBuffer, uint32_t bufferLen, bool showPrint);
void set_Console_Colors(bool foregroundBackground, int consoleColor);
void print_Compiler(int compilerUsed);
void print_Compiler_Version_Info(tCompilerVersion* compilerVersionInfo);

// --- units and durations -----------------------------------------------------------------
int metric_Unit_Convert(double* byteValue, char** metricUnit);
int capacity_Unit_Convert(double* byteValue, char** capacityUnit);
void convert_Seconds_To_Displayable_Time(uint64_t secondsToConvert, uint8_t* years, uint8_t* days,
                                         uint8_t* hours, uint8_t* minutes, uint8_t* seconds);
void print_Time_To_Screen(uint8_t* years, uint8_t* days, uint8_t* hours, uint8_t* minutes,
                          uint8_t* seconds);
time_t get_Future_Data_And_Time(time_t currentTime, uint64_t secondsInTheFuture);

// --- memory and files --------------------------------------------------------------------
void safe_Free(void* mem);
long get_File_Size(FILE* filePtr);
uint64_t os_Get_File_Size(FILE* filePtr);
bool os_File_Exists(const char* filetoCheck);
bool os_Directory_Exists(const char* pathToCheck);

// --- random numbers ----------------------------------------------------------------------
uint32_t xorshiftplus32(void);
uint64_t xorshiftplus64(void);
uint32_t seed_32(uint32_t seed);
uint64_t seed_64(uint64_t seed);
uint32_t random_Range_32(uint32_t rangeMin, uint32_t rangeMax);
uint64_t random_Range_64(uint64_t rangeMin, uint64_t rangeMax);

// --- timers ------------------------------------------------------------------------------
void start_Timer(Timer* timer);
void stop_Timer(Timer* timer);
uint64_t get_Nano_Seconds(Timer timer);
double get_Micro_Seconds(Timer timer);
double get_Milli_Seconds(Timer timer);
double get_Seconds(Timer timer);

// --- platform ----------------------------------------------------------------------------
int get_Compiled_Architecture(void);
int get_Compiler_Info(int* compilerUsed, tCompilerVersion* compilerVersionInfo);
long double convert_128bit_to_long_double(const uint8_t* pData);
// nameSize bounds the copy of the system's name into name.
int get_Operating_System_Version_And_Name(tOsVersion* versionNumber, char* name, size_t nameSize);

// --- testing -----------------------------------------------------------------------------
// Hooks for the test suite; the program and the library do not call them.

// The sleep that delay_Milliseconds makes for `milliseconds` of program time at `scale`.
struct timespec delay_Milliseconds_To_Timespec(uint32_t milliseconds, double scale);
// Adds a fixed offset to the time source (replacing any earlier one), so that timers can be
// exercised at clock values far above what the machine has reached. Setting a smaller offset
// than before moves the time source backwards: only tests may do that.
void set_Time_Source_Offset_For_Test(uint64_t nanoseconds);

#ifdef __cplusplus
}
#endif
