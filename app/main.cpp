// Program start: the German texts of Qt's own dialogs, then the application object
// with its forms; the program ends when the main window closes.

#include "app/glmain.h"
#include "app/laufbahnapp.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyle>
#include <QTranslator>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // Without a desktop's own style Qt falls back to its plain Windows 95 look.
    if (QApplication::style()->name().compare(u"windows"_s, Qt::CaseInsensitive) == 0)
        QApplication::setStyle(u"Fusion"_s);

    // The file dialogs and standard buttons speak German like the rest of the program.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::German, QLocale::Germany), u"qtbase"_s, u"_"_s,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    LaufbahnApp laufbahn;
    laufbahn.Form3->show();
    return QApplication::exec();
}
