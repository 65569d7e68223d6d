// Command line, the two exits, and the language window's ways out.
#include "app/commandline.h"
#include "app/languageDialog.h"
#include "app/translationstatic.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <vector>

namespace {

// A fresh command line per case, with the process end observed instead of performed.
class TestCommandLine : public commandLine
{
public:
    std::vector<int> ends;

protected:
    void end_Process(int status) override { ends.push_back(status); }
};

struct Argv {
    std::vector<QByteArray> storage;
    std::vector<char*> argv;
    explicit Argv(const QStringList& args)
    {
        for (const QString& a : args)
            storage.push_back(a.toLocal8Bit());
        for (QByteArray& b : storage)
            argv.push_back(b.data());
        argv.push_back(nullptr);
    }
    int argc() const { return int(argv.size()) - 1; }
    QStringList current() const
    {
        QStringList out;
        for (int i = 0; i < argc(); ++i)
            out << QString::fromLocal8Bit(argv[i]);
        return out;
    }
};

// The five switches as "0"/"1": erase repair skipUSB exitPowerOff saveDebugLog.
QString switches(commandLine& cl)
{
    QString out;
    for (bool on : {cl.is_Enabled_Erase_Non_Brevane(), cl.is_Enabled_Repair_Non_Brevane(), cl.is_Enabled_Skip_USB(),
                    cl.is_Enabled_Exit_Power_Off(), cl.is_Save_Debug_log()})
        out += on ? '1' : '0';
    return out;
}

// Runs this executable as the child below and returns its exit code.
int run_Child(const QStringList& args, QProcess& child)
{
    child.start(QCoreApplication::applicationFilePath(), QStringList{"--child"} + args);
    return child.waitForFinished(30000) && child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void options_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("flags");
        QTest::newRow("none") << QStringList() << "00000";
        QTest::newRow("short letters") << QStringList{"-a", "-b", "-c"} << "11100";
        QTest::newRow("-d takes -c as its argument") << QStringList{"-d", "-c"} << "00010";
        QTest::newRow("-d with glued argument") << QStringList{"-dx", "-a"} << "10010";
        QTest::newRow("long options") << QStringList{"--eraseNonBrevane", "--repairNonBrevane", "--skipUSB",
                                                     "--exitPowerOff", "--saveDebugLog"} << "11111";
        QTest::newRow("long exitPowerOff takes no argument") << QStringList{"--exitPowerOff", "-c"} << "00110";
        QTest::newRow("abbreviation") << QStringList{"--skip"} << "00100";
        QTest::newRow("-d without argument") << QStringList{"-a", "-d"} << "10000";
    }
    void options()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, flags);
        Argv argv(QStringList{"kestrova"} + args);
        TestCommandLine cl;
        QCOMPARE(cl.set_Args(argv.argc(), argv.argv.data()), 0);
        QCOMPARE(switches(cl), flags);
    }

    void unknownOptionIsReportedAndParsingGoesOn()
    {
        // getopt's own messages on standard error; -e is not saveDebugLog.
        QProcess child;
        QCOMPARE(run_Child({"options", "-e", "--bogus", "-b"}, child), 0);
        const QString err = child.readAllStandardError();
        QVERIFY2(err.contains("invalid option -- 'e'") && err.contains("unrecognized option '--bogus'"),
                 qPrintable(err));
        QCOMPARE(child.readAllStandardOutput(), QByteArray("01000"));
    }

    void argumentVectorLeftForQt()
    {
        // getopt_long moves the options before the other arguments; Qt gets the vector so.
        Argv argv({"kestrova", "file", "-a", "other", "-b"});
        TestCommandLine cl;
        cl.set_Args(argv.argc(), argv.argv.data());
        QCOMPARE(argv.current(), (QStringList{"kestrova", "-a", "-b", "file", "other"}));
        QVERIFY(cl.is_Enabled_Erase_Non_Brevane() && cl.is_Enabled_Repair_Non_Brevane());
    }

    void terminalActsOnlyOnce()
    {
        TestCommandLine cl;
        cl.execute_Terminal();
        cl.execute_Terminal();
        cl.execute_Power_Off();
        QCOMPARE(cl.ends, (std::vector<int>{1, 2}));
    }

    void exitStatuses_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::newRow("Cancel") << "cancel" << QStringList() << 2;
        QTest::newRow("close control") << "close" << QStringList() << 2;
        QTest::newRow("close control, exitPowerOff set") << "close" << QStringList{"--exitPowerOff"} << 2;
        QTest::newRow("Escape keeps the window") << "escape" << QStringList() << 0;
        QTest::newRow("terminal") << "terminal" << QStringList() << 1;
    }
    void exitStatuses()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QProcess child;
        QCOMPARE(run_Child(QStringList{action} + options, child), status);
    }
};

// The child: the program's own start-up, then its switches or one way out of the language window.
static int runChild(int argc, char** argv)
{
    const QString action = argv[2];
    commandLine::get_Instance()->set_Args(argc - 2, argv + 2);
    if (action == "options") {
        fputs(qPrintable(switches(*commandLine::get_Instance())), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    LanguageDialog dialog;
    dialog.setWindowFlags(Qt::WindowCloseButtonHint);
    dialog.setVisible(true);
    QTimer::singleShot(0, [&] {
        if (action == "cancel")
            dialog.findChild<QPushButton*>("btn_cancel")->click();
        else if (action == "close")
            dialog.close();
        else if (action == "terminal")
            commandLine::get_Instance()->execute_Terminal();
        else {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QCoreApplication::exit(dialog.isVisible() ? 0 : 3);
        }
    });
    return app.exec();
}

int main(int argc, char** argv)
{
    if (argc >= 3 && QByteArray(argv[1]) == "--child")
        return runChild(argc, argv);
    QApplication app(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
