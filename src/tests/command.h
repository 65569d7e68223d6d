#pragma once

#include <QList>
#include <QObject>

#include "tests/maintest.h"

class Command : public QObject
{
public:
    Command();
    ~Command() override;
    virtual void execute() = 0;
    virtual void abort() = 0;

    // Commands alive in the process (see MainTest::live_Count).
    static int live_Count();
};

class MainTestCmd : public Command
{
public:
    explicit MainTestCmd(MainTest* test);
    void execute() override;
    void abort() override;

    _tDevice* get_Device() const { return device; }
    MainTest* get_Test() const { return test; }

private:
    _tDevice* device;
    MainTest* test;
};

// Keeps the running commands, starts them, aborts one or all, and forgets a command when its
// drive reports the test over. A command and its test are freed once the test's thread has
// finished and every signal it queued before that has been delivered.
class Invoker : public QObject
{
    Q_OBJECT
public:
    explicit Invoker(QObject* parent = nullptr) : QObject(parent) {}

    void addCommand(Command* command);
    void executeTest(Command* command);
    void lessCommand(Command* command);

    int command_Count() const { return commands.size(); }

signals:
    // A test's thread has ended and its queued signals are delivered: what it found may be read,
    // until control returns to the event loop (the test is freed then).
    void test_Finished(MainTest* test);

public slots:
    void this_Done(tDevice* device);
    void abortCommand(tDevice* device);
    void abortAllCommand();

private:
    void release_Finished(Command* command);
    Command* find_By_Device(tDevice* device) const;

    QList<Command*> commands;
};
