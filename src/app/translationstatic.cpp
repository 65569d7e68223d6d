#include "app/translationstatic.h"

#include <QCoreApplication>
#include <QDir>

TranslationStatic* TranslationStatic::get_Instance()
{
    static TranslationStatic* instance = new TranslationStatic();
    return instance;
}

TranslationStatic::TranslationStatic() : QObject(nullptr), path(":/translations")
{
    QCoreApplication::installTranslator(&translator);
}

void TranslationStatic::load_Language(const QString& file)
{
    // A failed load leaves the translator empty: texts then show as written in the code.
    translator.load(file, path);
}

void TranslationStatic::load_Language()
{
    translator.load(language, path);
}

QString TranslationStatic::get_License_Agreement() const
{
    return "BrevaneEULA.default-" + suffix() + ".html";
}

QString TranslationStatic::get_Help() const
{
    return "KestrovaBootable.README-" + suffix() + ".html";
}

QStringList TranslationStatic::list_Catalogs()
{
    return QDir(":/translations").entryList(QStringList() << "*.qm", QDir::Files,
                                            QDir::Name | QDir::IgnoreCase);
}

QString TranslationStatic::language_Name(const QTranslator& catalog)
{
    static const char* const source = QT_TRANSLATE_NOOP("KV4L", "English");
    return QString("%1").arg(catalog.translate("KV4L", source));
}
