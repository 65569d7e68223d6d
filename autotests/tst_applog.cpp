// The application log: line format, concurrent appends, and the viewer's refresh rule.
#include "logsapplication.h"
#include "viewlog.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QThread>
#include <QtTest>

class TestAppLog : public QObject
{
    Q_OBJECT
private slots:
    void lineFormatPerLevel_data();
    void lineFormatPerLevel();
    void placeholderInMessageKept();
    void noLineLostUnderConcurrentAppends();
    void viewerRefreshesOnlyWhenSomethingWasAdded();
};

void TestAppLog::lineFormatPerLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("debug") << 0 << "\nLOG_DEBUG  | ";
    QTest::newRow("info") << 1 << "\nLOG_INFO      | ";
    QTest::newRow("error") << 2 << "\nLOG_ERROR  | ";
    QTest::newRow("fatal") << 3 << "\nLOG_FATAL  | ";
    QTest::newRow("trace") << 4 << "\nLOG_TRACE  | ";
}

void TestAppLog::lineFormatPerLevel()
{
    QFETCH(int, level);
    QFETCH(QString, prefix);
    LogsApplication* log = LogsApplication::Instance();
    const int before = log->get_List_log().size();
    const QString message = "Called: Short Drive Self Test";
    switch (level) {
    case 0: log->kestrova_Log_Debug(message); break;
    case 1: log->kestrova_Log_Info(message); break;
    case 2: log->kestrova_Log_Error(message); break;
    case 3: log->kestrova_Log_Fatal(message); break;
    default: log->kestrova_Log_Trace(message); break;
    }
    const QStringList all = log->get_List_log();
    QCOMPARE(all.size(), before + 1);
    const QString line = all.last();
    QVERIFY2(line.startsWith(prefix), qPrintable(line));
    // "MMM dd yyyy - hh:mm:ss", a space, a bar, three spaces, the message, one space.
    const QRegularExpression stamp("^[A-Z][a-z]{2} \\d{2} \\d{4} - \\d{2}:\\d{2}:\\d{2} \\|   ");
    const QString rest = line.mid(prefix.size());
    QVERIFY2(stamp.match(rest).hasMatch(), qPrintable(rest));
    QVERIFY(rest.endsWith(" |   " + message + " "));
}

void TestAppLog::placeholderInMessageKept()
{
    LogsApplication* log = LogsApplication::Instance();
    log->kestrova_Log_Info("value %1 and %2 stay");
    QVERIFY(log->get_List_log().last().endsWith(" |   value %1 and %2 stay "));
}

void TestAppLog::noLineLostUnderConcurrentAppends()
{
    LogsApplication* log = LogsApplication::Instance();
    const int before = log->get_List_log().size();
    const int threads = 8, perThread = 4000;
    QList<QThread*> workers;
    for (int t = 0; t < threads; ++t) {
        workers << QThread::create([log, t] {
            for (int i = 0; i < perThread; ++i)
                log->kestrova_Log_Debug(QString("T%1 #%2").arg(t).arg(i));
        });
    }
    for (QThread* w : workers)
        w->start();
    // The GUI thread drains while the others append.
    int drains = 0;
    while (std::any_of(workers.begin(), workers.end(), [](QThread* w) { return !w->isFinished(); })) {
        log->get_List_log();
        ++drains;
    }
    for (QThread* w : workers) {
        w->wait();
        delete w;
    }
    const QStringList all = log->get_List_log().mid(before);
    QCOMPARE(all.size(), threads * perThread);
    QVector<int> next(threads, 0);
    for (const QString& line : all) {
        const QRegularExpressionMatch m = QRegularExpression("T(\\d) #(\\d+) $").match(line);
        QVERIFY(m.hasMatch());
        const int t = m.captured(1).toInt();
        QCOMPARE(m.captured(2).toInt(), next[t]++); // each thread's lines in its order
    }
    QVERIFY(drains > 0);
}

void TestAppLog::viewerRefreshesOnlyWhenSomethingWasAdded()
{
    LogsApplication* log = LogsApplication::Instance();
    ViewLog* viewer = ViewLog::Instance();
    QPlainTextEdit* box = viewer->findChild<QPlainTextEdit*>("plainTextEdit");
    QVERIFY(box);
    log->kestrova_Log_Info("first entry");
    viewer->print_Logs();

    QSignalSpy changes(box, &QPlainTextEdit::textChanged);
    viewer->print_Logs();
    viewer->print_Logs();
    QCOMPARE(changes.count(), 0);

    log->kestrova_Log_Info("second entry");
    viewer->print_Logs();
    QVERIFY(changes.count() > 0);
    const QString text = viewer->get_LogAplication();
    QCOMPARE(text.count("LOG_INFO"), log->get_List_log().size() - text.count("LOG_DEBUG")
                                         - text.count("LOG_ERROR") - text.count("LOG_FATAL")
                                         - text.count("LOG_TRACE"));
    // Every line starts with a line feed and the viewer adds one: an empty line between entries.
    QVERIFY(text.contains("first entry \n\nLOG_INFO      | "));
    QVERIFY(text.endsWith("second entry \n"));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TestAppLog test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_applog.moc"
