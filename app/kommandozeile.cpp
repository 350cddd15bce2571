#include "app/kommandozeile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

struct Optionen {
    QCommandLineParser parser;
    QCommandLineOption hilfe = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();
    QCommandLineOption startverzeichnis{
        u"startverzeichnis"_s,
        u"Arbeitet im <Ordner> statt in ~/Laufbahn (er wird angelegt, wenn er fehlt)."_s,
        u"Ordner"_s};
    QCommandLineOption versteckteBefehle{
        u"versteckte-befehle"_s,
        u"Zeigt die sonst versteckten Befehle (Lesefinger, Silbenlesen, Laufbahn alt, "
        u"español und deutsch im Menü Extras)."_s};

    Optionen()
    {
        QCoreApplication::setApplicationVersion(QStringLiteral(LAUFBAHN_VERSION));
        parser.setApplicationDescription(
            u"Laufbahn: Lese- und Rechtschreibtraining für die Grundschule.\n"
            u"Ohne Angabe ist der Startordner ~/Laufbahn; beim ersten Start wird er mit "
            u"Beispieltexten angelegt."_s);
        parser.addOption(startverzeichnis);
        parser.addOption(versteckteBefehle);
        parser.addPositionalArgument(
            u"Datei"_s, u"Eine Schülerdatei (.lbs) oder ein Übungstext, der gleich geladen wird."_s,
            u"[Datei]"_s);
    }
};

} // namespace

void hilfeOderVersionZeigen()
{
    Optionen optionen;
    // The window system's own options are not known here; they are no error yet.
    optionen.parser.parse(QCoreApplication::arguments());
    if (optionen.parser.isSet(optionen.version))
        optionen.parser.showVersion();
    if (optionen.parser.isSet(optionen.hilfe) || optionen.parser.isSet(u"help-all"_s))
        optionen.parser.showHelp();
}

Kommandozeile kommandozeileLesen()
{
    Optionen optionen;
    optionen.parser.process(QCoreApplication::arguments());
    Kommandozeile ergebnis;
    if (optionen.parser.isSet(optionen.startverzeichnis))
        ergebnis.startverzeichnis =
            QFileInfo(optionen.parser.value(optionen.startverzeichnis)).absoluteFilePath();
    ergebnis.versteckteBefehle = optionen.parser.isSet(optionen.versteckteBefehle);
    // Named relative to the folder the program was started in, which is left for the
    // start directory.
    if (const QStringList dateien = optionen.parser.positionalArguments(); !dateien.isEmpty())
        ergebnis.datei = QFileInfo(dateien.constFirst()).absoluteFilePath();
    return ergebnis;
}
