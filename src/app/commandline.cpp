#include "app/commandline.h"

#include <getopt.h>
#include <cstdio>
#include <cstdlib>

commandLine* commandLine::get_Instance()
{
    static commandLine* instance = new commandLine();
    return instance;
}

int commandLine::set_Args(int argc, char** argv)
{
    static const struct option longOptions[] = {
        {"eraseNonBrevane", no_argument, nullptr, 'a'},
        {"repairNonBrevane", no_argument, nullptr, 'b'},
        {"skipUSB", no_argument, nullptr, 'c'},
        {"exitPowerOff", no_argument, nullptr, 'd'},
        {"saveDebugLog", no_argument, nullptr, 's'},
        {"operator", required_argument, nullptr, 'o'},
        {"organisation", required_argument, nullptr, 'g'},
        {"verifyFull", no_argument, nullptr, 'V'},
        {nullptr, 0, nullptr, 0}};

    operatorName.clear();
    organisation.clear();
    optind = 0; // full re-initialisation, so the parse is the same whenever it runs
    int opt;
    while ((opt = getopt_long(argc, argv, "abcd:", longOptions, nullptr)) != -1) {
        switch (opt) {
        case 'a': eraseNonBrevane = true; break;
        case 'b': repairNonBrevane = true; break;
        case 'c': skipUSB = true; break;
        case 'd': exitPowerOff = true; break;
        case 's': saveDebugLog = true; break;
        // The arguments come in the locale's encoding; the certificate keeps them as given.
        case 'o': operatorName = QString::fromLocal8Bit(optarg).trimmed(); break;
        case 'g': organisation = QString::fromLocal8Bit(optarg).trimmed(); break;
        case 'V': verifyFull = true; break;
        default: break; // getopt_long has already said what was wrong
        }
    }
    return 0;
}

void commandLine::end_Process(int status)
{
    fflush(stdout);
    fflush(stderr);
    exit(status);
}

void commandLine::execute_Power_Off()
{
    end_Process(EXIT_POWER_OFF);
}

void commandLine::execute_Terminal()
{
    if (terminalRequested)
        return;
    terminalRequested = true;
    end_Process(EXIT_TERMINAL);
}
