#include "app/commandline.h"
#include "tests/eraseverifier.h"
#include "app/eulaDialog.h"
#include "mainwindow/kv4l.h"
#include "app/fonts.h"
#include "app/languageDialog.h"
#include "log/logsapplication.h"
#include "app/logsnotice.h"
#include "app/translationstatic.h"
#include "app/windowplacement.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char** argv)
{
    commandLine::get_Instance()->set_Args(argc, argv);
    EraseVerifier::set_Full_Read_Back(commandLine::get_Instance()->is_Verify_Full());

    QApplication app(argc, argv);
    install_Application_Fonts();
    give_Windows_The_Keyboard(app);
    QCoreApplication::installTranslator(TranslationStatic::get_Instance()->get_Translator());

    LogsApplication* log = LogsApplication::Instance();
    log->kestrova_Log_Info("Kestrova Bootable " + QString(KESTROVA_VERSION) + " started");
    commandLine* cl = commandLine::get_Instance();
    log->kestrova_Log_Debug(QString("Options: eraseNonBrevane=%1 repairNonBrevane=%2 skipUSB=%3 "
                                    "exitPowerOff=%4 saveDebugLog=%5")
                                .arg(cl->is_Enabled_Erase_Non_Brevane())
                                .arg(cl->is_Enabled_Repair_Non_Brevane())
                                .arg(cl->is_Enabled_Skip_USB())
                                .arg(cl->is_Enabled_Exit_Power_Off())
                                .arg(cl->is_Save_Debug_log()));

    // The windows follow one another: language, agreement, main window.
    LanguageDialog::openNextWindow = [] {
        EULADialog* agreement = new EULADialog(nullptr);
        agreement->setWindowFlags(Qt::WindowCloseButtonHint);
        agreement->setAttribute(Qt::WA_DeleteOnClose);
        agreement->show();
    };
    EULADialog::openMainWindow = [] {
        KV4L* window = new KV4L(nullptr);
        window->setWindowFlags(Qt::WindowCloseButtonHint);
        window->show();
        if (logs_Kept_In_Memory())
            show_Logs_In_Memory_Notice(window);
    };

    LanguageDialog dialog;
    dialog.setWindowFlags(Qt::WindowCloseButtonHint);
    dialog.setVisible(true);
    return app.exec();
}
