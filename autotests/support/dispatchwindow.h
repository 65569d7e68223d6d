#pragma once

// Driving the main window's operations from a suite: the language, ticking panels, their bars,
// the application log's new lines and answering a confirmation.
#include <QApplication>
#include <QCheckBox>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

#include "device/device.h"
#include "app/fonts.h"
#include "mainwindow/kv4l.h"
#include "log/logsapplication.h"
#include "app/translationstatic.h"

// Loads the language's catalog and lets the open windows retranslate.
inline void use_Language(const QString& code)
{
    TranslationStatic::get_Instance()->set_language(code);
    TranslationStatic::get_Instance()->load_Language();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// The application's fonts and English texts, as a window suite starts.
inline void start_Window_Suite()
{
    install_Application_Fonts();
    use_Language("en_US");
}

inline void check(device* panel)
{
    panel->findChild<QCheckBox*>("checkBox")->click();
}

inline QString bar(device* panel)
{
    return panel->findChild<QProgressBar*>("progressBar")->format();
}

inline void trigger(KV4L& w, const char* slot)
{
    QVERIFY(QMetaObject::invokeMethod(&w, slot));
}

// A drive-log entry without its "\nyyyy-MM-dd  | hh:mm:ss |  " stamps.
inline QString unstamped(QString entry)
{
    static const QRegularExpression stamp("\n\\d{4}-\\d\\d-\\d\\d  \\| \\d\\d:\\d\\d:\\d\\d \\|  ");
    return entry.remove(stamp);
}

// The panel's drive-log entries, the part after the time stamp.
inline QStringList panel_Log(device* panel)
{
    QStringList out;
    for (const QString& entry : panel->get_List_Log_Device())
        out << entry.mid(entry.lastIndexOf(" |  ") + 4).trimmed();
    return out;
}

inline QStringList log_Since(int from)
{
    QStringList out;
    for (const QString& l : LogsApplication::Instance()->get_List_log().mid(from))
        out << l.mid(l.indexOf(" |   ") + 5).chopped(1);
    return out;
}

inline int log_Size()
{
    return LogsApplication::Instance()->get_List_log().size();
}

// Triggers an action whose confirmation runs modally, answering it with the key (again, until
// the confirmation has taken it: a key that arrives before the window is active is lost).
inline void trigger_Confirmed(KV4L& w, const char* slot, Qt::Key key = Qt::Key_F8)
{
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [key] {
        // The F8 shortcut reaches only the active window.
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isActiveWindow())
            QTest::keyClick(modal, key);
    });
    answer.start(20);
    QVERIFY(QMetaObject::invokeMethod(&w, slot));
}
