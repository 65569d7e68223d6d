#pragma once

#include <QObject>
#include <QString>
#include <QTranslator>

// Owns the application's one translator and the chosen language code, and names the
// agreement and help documents of that language.
class TranslationStatic : public QObject
{
public:
    static TranslationStatic* get_Instance();

    void set_language(const QString& code) { language = code; }
    QString get_language() const { return language; }

    void load_Language(const QString& file); // a catalog file name such as "de_DE.qm"
    void load_Language();                    // the catalog of the chosen language

    QString get_License_Agreement() const;
    QString get_Help() const;

    QTranslator* get_Translator() { return &translator; }
    QString get_Path() const { return path; }

    // Catalog file names of ":/translations", in the order the program lists languages.
    static QStringList list_Catalogs();
    // "de_DE.qm" -> "de_DE".
    static QString code_Of(const QString& catalogFile) { return catalogFile.left(catalogFile.lastIndexOf('.')); }
    // The language's own name, as its catalog translates "English" (context KV4L).
    static QString language_Name(const QTranslator& catalog);

private:
    TranslationStatic();
    QString suffix() const { return language.mid(3); }

    QTranslator translator;
    QString language;
    QString path;
};
