#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "deviceaccess/oskn_device.h"

class KV4L;
class MainTest;
class device;

// What a parameter dialog answered; each operation reads the fields it asked for.
struct OperationParameters {
    uint64_t firstLba = 0;
    uint64_t lastLba = 0;
    int time = 0;
    bool reset = false;
    QString key;
};

// What the selected drives can do, for the entries only some of them take.
struct MenuOffer {
    bool repairs = false;  // the repairs are offered
    bool full = true;      // more than spin down is offered
    bool setMaxLba = true;
    bool sanitize = false; // the sanitize submenu is shown
    bool writeSame = false;
    bool crypto = false;
    bool overwrite = false;
    bool psid = false;
    bool idd70 = false;
    bool idd71 = false;
    bool iddLast = false; // the in-drive diagnostics submenu is shown
};

// One operation as the main window offers and starts it. Adding an operation is its test class
// and one row of operation_Catalogue().
struct Operation {
    enum class Menu { Basic, FixAll, Advanced, Erase, Sanitize, Idd };
    enum class Confirm { None, Dangerous, Execution, AlertIdd };
    // What the panel hears from the test, and what starting it changes besides.
    enum Wire : unsigned {
        Percent = 1u << 0,       // changePercent, whichever of its forms the test has
        Estimate = 1u << 1,      // changeTimeEstimate: the time left, in the bar
        Errors = 1u << 2,        // change_Log_Erro_Test_Device: a failed sector, in the drive's log
        Fixed = 1u << 3,         // change_Log_Fixed_Test_Device: a repaired sector
        Phase = 1u << 4,         // changeNameTest: the phase bar's name
        Range = 1u << 5,         // the answered LBAs, in the drive's log
        NoAbort = 1u << 6,       // the drive works on its own once started: no abort, from the start
        NoAbortLater = 1u << 7,  // the same, once the test is handed to the invoker
        CloseInfo = 1u << 8,     // the drive's information is about to change: close its panel
        HoldRescan = 1u << 9,    // a rescan would rebuild the panel of a drive busy with its own routine
        SanitizeFailed = 1u << 10, // sanitizeFailed: the drive's panel says a new sanitize is needed
    };

    const char* action; // its menu entry: the QAction's object name in kv4l.ui
    Menu menu;
    // Whether the selection offers it, beyond its menu being shown; null for always.
    bool (*offered)(const MenuOffer&);
    Confirm confirm;
    QString name;     // "Called: <name>"
    QString rejected; // the line a refused confirmation writes; empty for none
    bool quietLimit;  // more than twelve selected drives write no line
    // The parameter dialog opened once confirmed; its answer comes back through KV4L::answer().
    // Null: the operation starts at once.
    void (KV4L::*ask)(const Operation&);
    // Checks a dialog's answer and writes what it chose; false drops it. Null: any answer.
    bool (*accept)(const OperationParameters&);
    MainTest* (*make)(_tDevice*, const OperationParameters&);
    unsigned wiring;
};

// In the menus' order.
const std::vector<Operation>& operation_Catalogue();
// The row of a menu entry; null for none.
const Operation* find_Operation(const char* action);
// Connects what the row's wiring names from the test to its panel; false when the test lacks a
// signal the row names.
bool wire_Operation(const Operation& op, MainTest* test, device* panel, const OperationParameters& parameters);
