#include "tests/command.h"

#include "deviceaccess/devicetext.h"
#include "log/logsapplication.h"

#include <cstdlib>
#include <new>

namespace {
std::atomic<int> liveCommands{0};

QString serial_Of(Command* command)
{
    MainTestCmd* cmd = dynamic_cast<MainTestCmd*>(command);
    return cmd && cmd->get_Device() ? device_Serial_Number(cmd->get_Device()) : QString();
}
} // namespace

Command::Command() { ++liveCommands; }
Command::~Command() { --liveCommands; }
int Command::live_Count() { return liveCommands.load(); }

MainTestCmd::MainTestCmd(MainTest* t) : device(t->getTDevice()), test(t) {}

void MainTestCmd::execute()
{
    try {
        test->start(QThread::InheritPriority);
    } catch (const std::bad_alloc&) {
        LogsApplication::Instance()->kestrova_Log_Fatal(
            "Warning: MainTestCmd::error: could not allocate storage");
        exit(EXIT_FAILURE);
    }
}

void MainTestCmd::abort()
{
    try {
        test->request_Abort();
    } catch (const std::bad_alloc&) {
        LogsApplication::Instance()->kestrova_Log_Fatal(
            "Warning: MainTestCmd::error: could not allocate storage");
        exit(EXIT_FAILURE);
    }
}

void Invoker::addCommand(Command* command)
{
    commands.append(command);
}

void Invoker::executeTest(Command* command)
{
    addCommand(command);
    if (!commands.contains(command)) {
        LogsApplication::Instance()->kestrova_Log_Info(
            "Warning: Invoker::executeTest() for SN:" + serial_Of(command) + " Fail: No item matched");
        return;
    }
    if (MainTestCmd* cmd = dynamic_cast<MainTestCmd*>(command)) {
        // Queued behind every signal the thread emitted before it ended.
        connect(cmd->get_Test(), &QThread::finished, this,
                [this, command] { release_Finished(command); }, Qt::QueuedConnection);
    }
    command->execute();
}

void Invoker::lessCommand(Command* command)
{
    if (!commands.removeOne(command))
        LogsApplication::Instance()->kestrova_Log_Info("Warning: Invoker::lessCommand() for SN: "
                                                       + serial_Of(command)
                                                       + " - Fail: No item matched");
}

Command* Invoker::find_By_Device(tDevice* device) const
{
    for (Command* c : commands) {
        MainTestCmd* cmd = dynamic_cast<MainTestCmd*>(c);
        if (cmd && cmd->get_Device() == device)
            return c;
    }
    return nullptr;
}

void Invoker::this_Done(tDevice* device)
{
    if (Command* c = find_By_Device(device))
        lessCommand(c);
}

void Invoker::abortCommand(tDevice* device)
{
    if (Command* c = find_By_Device(device))
        c->abort();
}

void Invoker::abortAllCommand()
{
    for (Command* c : qAsConst(commands))
        c->abort();
    commands.clear();
}

void Invoker::release_Finished(Command* command)
{
    // A test that ended without a final report (IN PROGRESS) is still listed: forget it
    // silently, so no later abort reaches a freed test.
    commands.removeAll(command);
    MainTestCmd* cmd = static_cast<MainTestCmd*>(command);
    MainTest* test = cmd->get_Test();
    emit test_Finished(test);
    delete command;
    test->deleteLater();
}
