// The application log: line format, concurrent appends, and the viewer's refresh rule.
#include "log/logsapplication.h"
#include "log/viewlog.h"

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QThread>
#include <QtTest>

class TestAppLog : public QObject
{
    Q_OBJECT
private slots:
    void lineFormatPerLevel()
    {
        LogsApplication* log = LogsApplication::Instance();
        const QString message = "Called: Short Drive Self Test";
        log->kestrova_Log_Debug(message);
        log->kestrova_Log_Info(message);
        log->kestrova_Log_Error(message);
        log->kestrova_Log_Fatal(message);
        log->kestrova_Log_Trace(message);
        // "MMM dd yyyy - hh:mm:ss", a space, a bar, three spaces, the message, one space.
        const QRegularExpression form("^\\n(LOG_[A-Z]+ +\\| )[A-Z][a-z]{2} \\d{2} \\d{4} - \\d{2}:\\d{2}:\\d{2} \\|   "
                                      + QRegularExpression::escape(message) + " $");
        QStringList prefixes;
        for (const QString& line : log->get_List_log().mid(log->get_List_log().size() - 5)) {
            const QRegularExpressionMatch m = form.match(line);
            QVERIFY2(m.hasMatch(), qPrintable(line));
            prefixes << m.captured(1);
        }
        QCOMPARE(prefixes, (QStringList{"LOG_DEBUG  | ", "LOG_INFO      | ", "LOG_ERROR  | ", "LOG_FATAL  | ",
                                        "LOG_TRACE  | "}));
        log->kestrova_Log_Info("value %1 and %2 stay");
        QVERIFY(log->get_List_log().last().endsWith(" |   value %1 and %2 stay "));
    }

    void noLineLostUnderConcurrentAppends()
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
            workers.last()->start();
        }
        // The GUI thread drains while the others append.
        while (std::any_of(workers.begin(), workers.end(), [](QThread* w) { return !w->isFinished(); }))
            log->get_List_log();
        qDeleteAll(workers);
        const QStringList all = log->get_List_log().mid(before);
        QCOMPARE(all.size(), threads * perThread);
        QVector<int> next(threads, 0);
        const QRegularExpression form("T(\\d) #(\\d+) $");
        for (const QString& line : all) {
            const QRegularExpressionMatch m = form.match(line);
            QVERIFY(m.hasMatch());
            QCOMPARE(m.captured(2).toInt(), next[m.captured(1).toInt()]++); // each thread's lines in its order
        }
    }

    void viewerRefreshesOnlyWhenSomethingWasAdded()
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
        QCOMPARE(text.count(QRegularExpression("^LOG_", QRegularExpression::MultilineOption)),
                 log->get_List_log().size());
        // Every line starts with a line feed and the viewer adds one: an empty line between entries.
        QVERIFY(text.contains("first entry \n\nLOG_INFO      | "));
        QVERIFY(text.endsWith("second entry \n"));
    }
};

QTEST_MAIN(TestAppLog)
#include "tst_applog.moc"
