#include "app/translate.h"

#include "app/info.h"
#include "settings/ui/einstell.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

// The product word the main window's caption begins with, and its Spanish.
constexpr QStringView produkt = u"Laufbahn";
constexpr QStringView producto = u"Cinta rodante";

// Delivers the language change to every form now, so that the captions set after it
// are the last ones.
void sprachwechselZustellen()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

} // namespace

TForm19::TForm19(QWidget &hauptfenster, TForm10 &einstellungen, TForm7 &info)
    : m_hauptfenster(hauptfenster), m_einstellungen(einstellungen), m_info(info)
{
    setObjectName(u"Form19"_s);
}

TForm19::~TForm19()
{
    // The translators must not outlive their place in the application's list.
    QCoreApplication::removeTranslator(&m_qtTexte);
    QCoreApplication::removeTranslator(&m_beschriftungen);
}

void TForm19::translatetoespanol()
{
    if (m_spanisch)
        return;
    // Made from the repository's translation file at build time and built into the program.
    if (!m_beschriftungen.load(u":/uebersetzung/laufbahn_es.qm"_s))
        return;
    m_spanisch = true;
    if (m_qtTexte.isEmpty())
        (void)m_qtTexte.load(QLocale(QLocale::Spanish, QLocale::Spain), u"qtbase"_s, u"_"_s,
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Installed last, so they are asked before the German texts of Qt's dialogs.
    if (!m_qtTexte.isEmpty())
        QCoreApplication::installTranslator(&m_qtTexte);
    QCoreApplication::installTranslator(&m_beschriftungen);
    sprachwechselZustellen();

    QWidget &f = m_hauptfenster;
    emit spracheGewechselt(true);
    // "Tipo escritura" is longer than "Schriftart": the settings' font samples get the room.
    m_einstellGroesse = m_einstellungen.size();
    m_einstellungen.resize(qMax(m_einstellGroesse.width(), 660), m_einstellGroesse.height());
    // The Spanish about box has no line for the German primary school.
    m_info.Label4->setHidden(true);

    m_titel = f.windowTitle();
    if (m_titel.startsWith(produkt))
        f.setWindowTitle(producto + m_titel.mid(produkt.size()));
}

void TForm19::translatetodeutsch()
{
    if (!m_spanisch)
        return;
    m_spanisch = false;
    QCoreApplication::removeTranslator(&m_beschriftungen);
    QCoreApplication::removeTranslator(&m_qtTexte);
    sprachwechselZustellen();

    QWidget &f = m_hauptfenster;
    emit spracheGewechselt(false);
    m_einstellungen.resize(m_einstellGroesse);
    m_info.Label4->setHidden(false);
    f.setWindowTitle(m_titel);
}
