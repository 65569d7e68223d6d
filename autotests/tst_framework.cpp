// The test framework: the Invoker's list, the abort protocol, signal delivery from the worker
// thread, and that finished tests and commands are freed.
#include "tests/command.h"
#include "log/logsapplication.h"
#include "records.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSemaphore>
#include <QtTest>

#include "scriptedtest.h"

class TestFramework : public QObject
{
    Q_OBJECT
private slots:
    void signalsArriveQueuedAndInOrder()
    {
        _tDevice rec = make_Record("M", "SN-ORDER", "F");
        Invoker invoker;
        auto* test = new ScriptedTest(&rec, 0, 200);
        QList<int> received, expected;
        bool allInGuiThread = true;
        int status = -1;
        connect(test, QOverload<int>::of(&ScriptedTest::changePercent), this, [&](int v) {
            received << v;
            allInGuiThread &= QThread::currentThread() == QCoreApplication::instance()->thread();
        });
        connect(test, &MainTest::changeStatus, this, [&](int s) { status = s; });
        invoker.executeTest(new MainTestCmd(test));
        test->release.release();
        QTRY_COMPARE(status, 0);
        for (int i = 1; i <= 200; ++i)
            expected << i;
        QCOMPARE(received, expected);
        QVERIFY(allInGuiThread);
        QTRY_COMPARE(MainTest::live_Count(), 0);
    }

    void abortFlagSeenBetweenOperations()
    {
        _tDevice rec = make_Record("M", "SN-ABORT", "F");
        Invoker invoker;
        auto* test = new ScriptedTest(&rec, 0);
        int status = -1;
        QAtomicInt abortCalls{-1}; // read while the test still exists: the invoker frees it once done
        connect(test, &MainTest::changeStatus, this, [&](int s) { status = s; });
        connect(test, &MainTest::changeStatus, test,
                [&abortCalls, test] { abortCalls.storeRelease(test->abortCalls.loadAcquire()); },
                Qt::DirectConnection);
        invoker.executeTest(new MainTestCmd(test));
        QTRY_VERIFY(test->operations.loadAcquire() > 2);
        invoker.abortCommand(&rec);
        QTRY_COMPARE(status, 5);
        QCOMPARE(abortCalls.loadAcquire(), 1);
        QCOMPARE(invoker.command_Count(), 0); // finished: released even without a done report
    }

    void invokerListSemantics()
    {
        _tDevice a = make_Record("M", "SN-A", "F"), b = make_Record("M", "SN-B", "F");
        Invoker invoker;
        QPointer<ScriptedTest> first = new ScriptedTest(&a, 0);
        auto* second = new ScriptedTest(&a, 0);
        auto* other = new ScriptedTest(&b, 0);
        for (ScriptedTest* t : {first.data(), second, other})
            invoker.executeTest(new MainTestCmd(t));
        QCOMPARE(invoker.command_Count(), 3);
        invoker.abortCommand(&a); // acts on the first command added for the drive
        QTRY_VERIFY(first.isNull()); // aborted, finished and released
        QVERIFY(!second->is_Abort_Requested() && !other->is_Abort_Requested());
        second->release.release();
        other->release.release();
        QTRY_COMPARE(MainTest::live_Count(), 0);
        QCOMPARE(invoker.command_Count(), 0);
        QCOMPARE(Command::live_Count(), 0);
    }

    void abortAllThenLateDone()
    {
        _tDevice recs[3] = {make_Record("M", "SN-1", "F"), make_Record("M", "SN-2", "F"),
                            make_Record("M", "SN-3", "F")};
        Invoker invoker;
        QList<ScriptedTest*> tests;
        for (_tDevice& r : recs) {
            tests << new ScriptedTest(&r, 0);
            invoker.executeTest(new MainTestCmd(tests.last()));
        }
        invoker.abortAllCommand();
        QCOMPARE(invoker.command_Count(), 0);
        for (ScriptedTest* t : tests)
            QVERIFY(t->is_Abort_Requested());
        const int lines = LogsApplication::Instance()->get_List_log().size();
        for (_tDevice& r : recs)
            invoker.this_Done(&r); // late reports find nothing and say nothing
        QCOMPARE(LogsApplication::Instance()->get_List_log().size(), lines);
        QTRY_COMPARE(MainTest::live_Count(), 0);
    }

    void forgottenCommandAbortDoesNothing()
    {
        _tDevice rec = make_Record("M", "SN-GONE", "F");
        Invoker invoker;
        auto* test = new ScriptedTest(&rec, 0);
        auto* cmd = new MainTestCmd(test);
        invoker.executeTest(cmd);
        invoker.this_Done(&rec);
        QCOMPARE(invoker.command_Count(), 0);
        invoker.abortCommand(&rec);
        QVERIFY(!test->is_Abort_Requested());
        invoker.lessCommand(cmd); // not listed any more: a warning, nothing else
        QVERIFY(LogsApplication::Instance()->get_List_log().last().contains(
            "Warning: Invoker::lessCommand() for SN: SN-GONE - Fail: No item matched"));
        test->release.release();
        QTRY_COMPARE(MainTest::live_Count(), 0);
    }

    void destroyingARunningTestWaitsForIt()
    {
        _tDevice rec = make_Record("M", "SN-DTOR", "F");
        auto* test = new ScriptedTest(&rec, 0);
        test->start();
        QTRY_VERIFY(test->operations.loadAcquire() > 0);
        delete test; // sets the flag and waits for the thread
        QCOMPARE(MainTest::live_Count(), 0);
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TestFramework test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_framework.moc"
