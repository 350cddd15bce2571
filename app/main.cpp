// Program start: the command line, the start directory, the German texts of Qt's own
// dialogs, then the application object with its forms; the program ends when the main
// window closes.

#include "app/glmain.h"
#include "app/kommandozeile.h"
#include "app/laufbahnapp.h"
#include "exercise/core/startverzeichnis.h"
#include "exercise/ui/messages.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyle>
#include <QTextStream>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

// The sample files, installed beside the program (a build folder links them to data/ of
// the source tree at the same place).
QString mitgelieferteDaten()
{
    return QDir::cleanPath(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(LAUFBAHN_DATEN)));
}

// Qt's own texts (file dialogs, standard buttons, the command line's help) in German,
// like the rest of the program.
void deutscheQtTexte(QTranslator &texte)
{
    if (texte.load(QLocale(QLocale::German, QLocale::Germany), u"qtbase"_s, u"_"_s,
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&texte);
}

} // namespace

int main(int argc, char *argv[])
{
    {
        QCoreApplication konsole(argc, argv);
        QTranslator qtTexte;
        deutscheQtTexte(qtTexte);
        hilfeOderVersionZeigen();
    }

    QApplication application(argc, argv);
    // Lets a Wayland desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(u"de.laufbahn.Laufbahn"_s);
    // Without a desktop's own style Qt falls back to its plain Windows 95 look.
    if (QApplication::style()->name().compare(u"windows"_s, Qt::CaseInsensitive) == 0)
        QApplication::setStyle(u"Fusion"_s);

    QTranslator qtTexte;
    deutscheQtTexte(qtTexte);
    const Kommandozeile kommandozeile = kommandozeileLesen();

    // The main window takes the current folder as its start directory; started from a
    // desktop menu that is the home folder, so the folder is chosen here.
    const QString ordner = kommandozeile.startverzeichnis.isEmpty()
                               ? startverzeichnis::standardOrdner()
                               : kommandozeile.startverzeichnis;
    const startverzeichnis::Vorbereitung vorbereitung =
        startverzeichnis::vorbereiten(ordner, mitgelieferteDaten());
    if (QFileInfo(ordner).isDir())
        QDir::setCurrent(ordner);
    QTextStream bericht(stdout);
    if (vorbereitung.angelegt) {
        bericht << u"Startordner angelegt: "_s << QDir::toNativeSeparators(ordner) << Qt::endl;
    } else {
        for (const QString &name : vorbereitung.hinzugefuegt)
            bericht << u"Hinzugefügt: "_s << name << Qt::endl;
    }

    LaufbahnApp laufbahn;
    // Before the main window's first paint, which reads the settings from the folder.
    if (!vorbereitung.fehler.isEmpty())
        showWarning(laufbahn.Form3.get(), vorbereitung.fehler);
    laufbahn.Form3->versteckteBefehleZeigen(kommandozeile.versteckteBefehle);
    laufbahn.Form3->show();
    if (!kommandozeile.datei.isEmpty())
        laufbahn.Form3->dateiOeffnen(kommandozeile.datei);
    return QApplication::exec();
}
