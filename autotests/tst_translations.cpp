// Catalogs: their list and order, the languages' own names, loading, documents, completeness.
#include "app/fonts.h"
#include "app/languageDialog.h"
#include "app/translationstatic.h"
#include "log/viewlog.h"

#include <QDomDocument>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

static const QStringList expectedCodes = {"de_DE", "en_US", "es_ES", "fr_FR", "it_IT", "ja_JP", "ko_KR",
                                          "pt_BR", "ru_RU", "th_TH", "vi_VI", "zh_CN", "zh_TW"};

// Clicks OK in the language window, with the window that would follow it left closed.
static void choose(LanguageDialog& dialog, int* opened = nullptr)
{
    auto previous = LanguageDialog::openNextWindow;
    LanguageDialog::openNextWindow = [opened] { if (opened) ++*opened; };
    dialog.findChild<QPushButton*>("btn_ok")->click();
    LanguageDialog::openNextWindow = previous;
}

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { install_Application_Fonts(); }

    void catalogsListedInOrderWithTheirOwnNames()
    {
        QCOMPARE(QDir(":/translations").entryList().size(), 13); // nothing else in the folder
        QStringList codes;
        for (const QString& f : TranslationStatic::list_Catalogs())
            codes << f.left(f.lastIndexOf('.'));
        QCOMPARE(codes, expectedCodes);
        LanguageDialog dialog;
        QStringList shown, objectNames;
        for (QRadioButton* b : dialog.findChildren<QRadioButton*>()) {
            shown << b->text();
            objectNames << b->objectName();
        }
        QCOMPARE(shown, (QStringList{"Deutsch", "English", "español", "français", "italiano", "日本語", "한국어",
                                     "português", "русский", "ภาษาไทย", "Tiếng Việt", "简体中文", "繁體中文"}));
        QCOMPARE(objectNames, expectedCodes);
    }

    void languageWindowDefaultsToEnglish()
    {
        LanguageDialog dialog;
        QVERIFY(dialog.findChild<QRadioButton*>("en_US")->isChecked());
        int opened = 0;
        choose(dialog, &opened);
        TranslationStatic* t = TranslationStatic::get_Instance();
        QCOMPARE(opened, 1);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(t->get_language(), QString("en_US"));
        QCOMPARE(t->get_License_Agreement(), QString("BrevaneEULA.default-US.html"));
        QCOMPARE(t->get_Help(), QString("KestrovaBootable.README-US.html"));
        QCOMPARE(QCoreApplication::translate("ViewLog", "View log"), QString("View Log"));
    }

    void germanAfterChoosingDeutsch()
    {
        ViewLog* viewer = ViewLog::Instance(); // open before the choice, follows it after
        LanguageDialog dialog;
        dialog.findChild<QRadioButton*>("de_DE")->click();
        QCOMPARE(dialog.selected_Code(), QString("de_DE"));
        choose(dialog);
        QCOMPARE(TranslationStatic::get_Instance()->get_License_Agreement(), QString("BrevaneEULA.default-DE.html"));
        QCOMPARE(QCoreApplication::translate("LanguageDialog", "Cancel"), QString("Abbrechen"));
        QTRY_COMPARE(viewer->windowTitle(), QString("Protokoll anzeigen"));
    }

    void missingCatalogLeavesCodeTexts()
    {
        TranslationStatic* t = TranslationStatic::get_Instance();
        t->set_language("xx_XX");
        t->load_Language();
        QCOMPARE(QCoreApplication::translate("LanguageDialog", "Cancel"), QString("Cancel"));
        QCOMPARE(t->get_License_Agreement(), QString("BrevaneEULA.default-XX.html"));
    }

    // Runs lupdate over the code into copies of the catalogs: every text the code shows must come
    // out translated in every language.
    void noCatalogLeavesATextUnfinished()
    {
        QTemporaryDir dir;
        const QString source = KV_SOURCE_DIR;
        QStringList copies;
        for (const QString& code : expectedCodes) {
            copies << dir.filePath(code + ".ts");
            QVERIFY(QFile::copy(source + "/resources/translations/" + code + ".ts", copies.last()));
            QFile::setPermissions(copies.last(), QFile::ReadOwner | QFile::WriteOwner);
        }
        QProcess lupdate;
        lupdate.start(KV_LUPDATE, QStringList{"-silent", "-locations", "none", source + "/src", "-ts"} + copies);
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);

        QStringList problems;
        for (const QString& copy : copies) {
            QFile f(copy);
            QDomDocument doc;
            QVERIFY(f.open(QIODevice::ReadOnly) && doc.setContent(&f));
            const QDomNodeList messages = doc.elementsByTagName("message");
            for (int i = 0; i < messages.size(); ++i) {
                const QDomElement m = messages.at(i).toElement();
                const QDomElement tr = m.firstChildElement("translation");
                const QString type = tr.attribute("type");
                if (type == "vanished" || type == "obsolete")
                    continue;
                if (type == "unfinished" || (tr.text().isEmpty() && tr.firstChildElement("numerusform").isNull()))
                    problems << QFileInfo(copy).baseName() + ": " + m.parentNode().firstChildElement("name").text()
                                    + ": " + m.firstChildElement("source").text().left(60);
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(QString::number(problems.size()) + " untranslated:\n"
                                                + problems.mid(0, 40).join('\n')));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
