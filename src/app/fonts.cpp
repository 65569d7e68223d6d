#include "app/fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

void install_Application_Fonts()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    const char* files[] = {"regular", "bold", "italic", "bolditalic"};
    QString family;
    for (const char* f : files) {
        const int id = QFontDatabase::addApplicationFont(
            QString(":/images/fonts/texgyreheros-%1.otf").arg(f));
        if (id >= 0 && family.isEmpty())
            family = QFontDatabase::applicationFontFamilies(id).value(0);
    }
    if (family.isEmpty())
        family = "TeX Gyre Heros";
    // The forms name a family that is not free; scripts the bundled font lacks (CJK, Thai)
    // fall through to the system's Noto fonts.
    QFont::insertSubstitutions("Helvetica Neue LT Std",
                               QStringList() << family << "Noto Sans CJK SC" << "Noto Sans CJK JP"
                                             << "Noto Sans CJK KR" << "Noto Sans CJK TC"
                                             << "Noto Sans Thai" << "Loma");
}
