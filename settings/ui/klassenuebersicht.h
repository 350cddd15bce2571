#pragma once
// "Klassenübersicht": every pupil of a folder side by side, the words several pupils got
// wrong and the class's wrong words by spelling phenomenon, to export, print and take into
// the editor. Made by the main window's pupil menu for each use.

#include "exercise/ui/lazyfiledialog.h"
#include "exercise/ui/printing.h"
#include "settings/core/klassenuebersicht.h"

#include <QDate>
#include <QDialog>
#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;
class QStandardItemModel;
class QTabWidget;
class QTableView;

// What the window reads when it is made.
struct KlassenuebersichtWerte {
    // The folder looked at unless the INI file names another one that exists.
    QString startverzeichnis;
    // The INI file beside the settings file, which keeps the folder chosen last.
    QString iniDatei;
    QFont druckschrift;
    QDate heute;
};

class TFormKlassenuebersicht : public QDialog {
    Q_OBJECT
public:
    explicit TFormKlassenuebersicht(KlassenuebersichtWerte werte, QWidget *parent = nullptr);

    // Reads every pupil record of `ordner` anew and fills the pages.
    void ordnerLesen(const QString &ordner);
    const klassenuebersicht::Klasse &klasse() const { return m_klasse; }

    // The phenomena's chart as a picture, drawn apart from the window at a fixed size.
    QImage phaenomenBild() const;

signals:
    // A print the teacher asked for, to be shown in the print preview over this window.
    void druckauftrag(const printing::PrintJob &job);
    // The chosen shared words, to become the editor's text as a word list.
    void alsWortliste(const QStringList &woerter);

private:
    void ordnerWaehlen();
    void zeitraumGewaehlt();
    void auswertungZeigen();
    void tabelleFuellen();
    void diagrammZeigen();
    klassenuebersicht::Zeitraum zeitraum() const;
    QString zeitraumText() const;
    void csvSpeichern();
    void drucken();
    void wortlisteUebernehmen();
    void seiteGewechselt();

    KlassenuebersichtWerte m_werte;
    klassenuebersicht::Klasse m_klasse;
    QList<klassenuebersicht::GemeinsamesWort> m_gemeinsam;
    std::array<int, auswertung::phaenomenAnzahl> m_phaenomene{};

    QLabel *m_ordner;
    QPushButton *m_ordnerWaehlen;
    QLabel *m_stand;
    QTabWidget *m_seiten;
    QTableView *m_schuelerTabelle;
    QStandardItemModel *m_schuelerModell;
    QWidget *m_zeitraumZeile;
    QComboBox *m_zeitraum;
    QDateEdit *m_von;
    QDateEdit *m_bis;
    QTableView *m_woerterTabelle;
    QStandardItemModel *m_woerterModell;
    QPushButton *m_wortliste;
    QWidget *m_phaenomenSeite;
    // Made when the window is first shown.
    QChartView *m_diagramm = nullptr;
    QListWidget *m_unlesbar;
    QPushButton *m_csv;
    QPushButton *m_drucken;
    QPushButton *m_schliessen;
    LazyFileDialog m_ordnerDialog{this, QStringLiteral("OrdnerDialog")};
    LazyFileDialog m_csvDialog{this, QStringLiteral("CsvDialog")};
};
