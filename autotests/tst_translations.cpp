// Catalogs: their list and order, the languages' own names, loading, documents, completeness.
#include "fonts.h"
#include "languageDialog.h"
#include "translationstatic.h"
#include "viewlog.h"

#include <QApplication>
#include <QDomDocument>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void catalogsListedInOrderWithTheirOwnNames();
    void languageWindowDefaultsToEnglish();
    void germanAfterChoosingDeutsch();
    void missingCatalogLeavesCodeTexts();
    void englishRewrites();
    void noCatalogLeavesATextUnfinished();
};

static const QStringList expectedCodes = {"de_DE", "en_US", "es_ES", "fr_FR", "it_IT",
                                          "ja_JP", "ko_KR", "pt_BR", "ru_RU", "th_TH",
                                          "vi_VI", "zh_CN", "zh_TW"};
static const QStringList expectedNames = {
    "Deutsch", "English", "español", "français", "italiano", "日本語", "한국어",
    "português", "русский", "ภาษาไทย", "Tiếng Việt", "简体中文", "繁體中文"};

void TestTranslations::catalogsListedInOrderWithTheirOwnNames()
{
    QStringList files = TranslationStatic::list_Catalogs();
    QCOMPARE(QDir(":/translations").entryList().size(), 13); // nothing else in the folder
    QStringList codes;
    for (const QString& f : files)
        codes << f.left(f.lastIndexOf('.'));
    QCOMPARE(codes, expectedCodes);

    LanguageDialog dialog;
    QStringList shown, objectNames;
    for (QRadioButton* b : dialog.findChildren<QRadioButton*>()) {
        shown << b->text();
        objectNames << b->objectName();
    }
    QCOMPARE(shown, expectedNames);
    QCOMPARE(objectNames, expectedCodes);
}

void TestTranslations::languageWindowDefaultsToEnglish()
{
    LanguageDialog dialog;
    int opened = 0;
    auto previous = LanguageDialog::openNextWindow;
    LanguageDialog::openNextWindow = [&] { ++opened; };
    QRadioButton* english = dialog.findChild<QRadioButton*>("en_US");
    QVERIFY(english && english->isChecked());
    dialog.findChild<QPushButton*>("btn_ok")->click();
    LanguageDialog::openNextWindow = previous;

    TranslationStatic* t = TranslationStatic::get_Instance();
    QCOMPARE(opened, 1);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(t->get_language(), QString("en_US"));
    QCOMPARE(t->get_License_Agreement(), QString("BrevaneEULA.default-US.html"));
    QCOMPARE(t->get_Help(), QString("KestrovaBootable.README-US.html"));
    QCOMPARE(QCoreApplication::translate("ViewLog", "View log"), QString("View Log"));
}

void TestTranslations::germanAfterChoosingDeutsch()
{
    ViewLog* viewer = ViewLog::Instance(); // open before the choice, follows it after
    LanguageDialog dialog;
    auto previous = LanguageDialog::openNextWindow;
    LanguageDialog::openNextWindow = [] {};
    QRadioButton* german = dialog.findChild<QRadioButton*>("de_DE");
    german->click();
    QCOMPARE(dialog.selected_Code(), QString("de_DE"));
    dialog.findChild<QPushButton*>("btn_ok")->click();
    LanguageDialog::openNextWindow = previous;

    TranslationStatic* t = TranslationStatic::get_Instance();
    QCOMPARE(t->get_License_Agreement(), QString("BrevaneEULA.default-DE.html"));
    QCOMPARE(QCoreApplication::translate("LanguageDialog", "Cancel"), QString("Abbrechen"));
    // An open window follows the new catalog.
    QTRY_COMPARE(viewer->windowTitle(), QString("Protokoll anzeigen"));
}

void TestTranslations::missingCatalogLeavesCodeTexts()
{
    TranslationStatic* t = TranslationStatic::get_Instance();
    t->set_language("xx_XX");
    t->load_Language();
    QCOMPARE(QCoreApplication::translate("LanguageDialog", "Cancel"), QString("Cancel"));
    QCOMPARE(t->get_License_Agreement(), QString("BrevaneEULA.default-XX.html"));
}

void TestTranslations::englishRewrites()
{
    QTranslator en;
    QVERIFY(en.load("en_US.qm", ":/translations"));
    QCOMPARE(en.translate("KV4L", "Boot Tracks"), QString("Erase Track ZERO"));
    QCOMPARE(en.translate("KV4L", "Fix All Fast"), QString("Fast"));
    QCOMPARE(en.translate("KV4L", "Fix All Long"), QString("Long"));
    QCOMPARE(en.translate("KV4L", "Set max LBA"), QString("Set Max LBA"));
    QCOMPARE(en.translate("EULADialog", "I Accept"), QString("I accept"));
    QCOMPARE(en.translate("EULADialog", "License Agreement"), QString("License agreement"));
    QCOMPARE(en.translate("AdvancedFeatures", "CAUTION"), QString("WARNING!"));
    QCOMPARE(en.translate("EraseTime", "Hours"), QString("hours"));
    QCOMPARE(en.translate("SetMaxLba", "New Maximum LBA:"), QString("New maximum LBA count:"));
    QCOMPARE(en.translate("ViewLog", "OK"), QString("Ok"));
}

// Runs lupdate over the code into copies of the catalogs: every text the code shows must come
// out translated in every language.
void TestTranslations::noCatalogLeavesATextUnfinished()
{
    QTemporaryDir dir;
    const QString source = KV_SOURCE_DIR;
    QStringList copies;
    for (const QString& code : expectedCodes) {
        const QString copy = dir.filePath(code + ".ts");
        QVERIFY(QFile::copy(source + "/resources/translations/" + code + ".ts", copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        copies << copy;
    }
    QProcess lupdate;
    lupdate.start(KV_LUPDATE, QStringList{"-silent", "-locations", "none", source + "/src", "-ts"}
                                  + copies);
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);

    QStringList problems;
    for (const QString& copy : copies) {
        QFile f(copy);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QDomDocument doc;
        QVERIFY(doc.setContent(&f));
        const QDomNodeList contexts = doc.elementsByTagName("context");
        for (int c = 0; c < contexts.size(); ++c) {
            const QDomElement ctx = contexts.at(c).toElement();
            const QString name = ctx.firstChildElement("name").text();
            for (QDomElement m = ctx.firstChildElement("message"); !m.isNull();
                 m = m.nextSiblingElement("message")) {
                const QDomElement tr = m.firstChildElement("translation");
                const QString type = tr.attribute("type");
                if (type == "vanished" || type == "obsolete")
                    continue;
                const bool empty = tr.text().isEmpty()
                                   && tr.firstChildElement("numerusform").isNull();
                if (type == "unfinished" || empty)
                    problems << QFileInfo(copy).baseName() + ": " + name + ": "
                                    + m.firstChildElement("source").text().left(60);
            }
        }
    }
    if (!problems.isEmpty())
        QFAIL(qPrintable(QString::number(problems.size()) + " untranslated:\n"
                         + problems.mid(0, 40).join('\n')));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    install_Application_Fonts();
    TestTranslations test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translations.moc"
