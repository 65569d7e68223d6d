#pragma once

#include <QString>

// The switches of the command line, read once before any window exists, and the two ways the
// program ends: status 2 asks the environment to power off, status 1 asks for a terminal.
class commandLine
{
public:
    static commandLine* get_Instance();

    int set_Args(int argc, char** argv);

    bool is_Enabled_Erase_Non_Brevane() const { return eraseNonBrevane; }
    bool is_Enabled_Repair_Non_Brevane() const { return repairNonBrevane; }
    bool is_Enabled_Skip_USB() const { return skipUSB; }
    bool is_Enabled_Exit_Power_Off() const { return exitPowerOff; }
    bool is_Save_Debug_log() const { return saveDebugLog; }
    // Who erases, for whom: printed on the erasure certificates, blank when not given.
    const QString& get_Operator() const { return operatorName; }
    const QString& get_Organisation() const { return organisation; }
    // Erases are read back in full, every sector, instead of a sample.
    bool is_Verify_Full() const { return verifyFull; }

    void execute_Power_Off(); // returns only when a test has replaced end_Process
    void execute_Terminal();

    enum { EXIT_POWER_OFF = 2, EXIT_TERMINAL = 1 };

protected:
    commandLine() = default;
    // Where the process ends; tests replace it to observe the status without exiting.
    virtual void end_Process(int status);

private:
    bool eraseNonBrevane = false;
    bool repairNonBrevane = false;
    bool skipUSB = false;
    bool exitPowerOff = false;
    bool saveDebugLog = false;
    bool verifyFull = false;
    bool terminalRequested = false;
    QString operatorName;
    QString organisation;
};
