#pragma once
// The evaluation window: sorts a pupil's wrong words ("Fehlerauswertung...") or the words
// of the loaded text ("Textauswertung...") by German spelling phenomena, to print or save.
// Created once at start-up; the main window fills it with init or init2 and shows it.

#include "exercise/ui/printing.h"
#include "settings/core/auswertung.h"

#include <QDialog>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

class QCheckBox;
class QFileDialog;
class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

class TForm17 : public QDialog {
    Q_OBJECT
public:
    explicit TForm17(QWidget *parent = nullptr);

    // "Fehlerauswertung": the lines of the loaded pupil record, the pupil's line first.
    void init(const QStringList &schuelerZeilen);
    // "Textauswertung": the lines of the loaded text and its name as the main window
    // shows it.
    void init2(const QStringList &textZeilen, const QString &textName);
    // Merges the duplicates of ListBox1; "Häufigkeit anzeigen" decides whether an
    // entry shows its count.
    void doppelte();
    // The font the prints use: the display font's face and style, 10 points, black.
    void setDruckschrift(const QFont &font) { m_druckschrift = font; }

    void ListBox3Click();
    void CheckBox1Click();
    // The prints: "alle Wörter drucken", "drucken" and "sortiert drucken".
    void BitBtn1Click();
    void BitBtn3Click();
    void BitBtn2Click();
    void SpeedButton1Click();
    void BitBtn5Click();

    QLabel *Label1;
    QLabel *Label2;
    QListWidget *ListBox1;
    QCheckBox *CheckBox1;
    QPushButton *BitBtn1;
    QListWidget *ListBox3;
    QPushButton *BitBtn2;
    QLabel *Label3;
    QListWidget *ListBox2;
    QPushButton *BitBtn3;
    QPushButton *BitBtn5;
    QToolButton *SpeedButton1;
    QPushButton *BitBtn4;
    // Made when the words are first saved.
    QFileDialog *SaveDialog1 = nullptr;

signals:
    // A print the teacher asked for, to be shown in the print preview over this window.
    void druckauftrag(const printing::PrintJob &job);

private:
    bool istFehlerauswertung() const;
    // One framed block of words under `ueberschrift`.
    void wortblockDrucken(const QString &ueberschrift, const QStringList &woerter);
    printing::PrintJob auftrag(const QString &titel, printing::Layout layout) const;
    // ListBox1 from m_liste, and the number of words beside each phenomenon.
    void listeZeigen();
    // The entries of ListBox1 that show phenomenon `row` (none for -1), and their texts.
    std::vector<qsizetype> eintraegeMit(int row) const;
    QStringList texteVon(const std::vector<qsizetype> &eintraege) const;
    // The selected phenomenon, or -1.
    int gewaehlt() const;
    void setzeAuswahl(int row);

    // What init and init2 were given, so that "Häufigkeit anzeigen" can evaluate anew.
    QStringList m_zeilen;
    QString m_textName;
    // The entries of ListBox1 and the phenomena each shows, row by row.
    QList<auswertung::Eintrag> m_liste;
    std::vector<quint32> m_phaenomene;
    // For each row of ListBox2 the entry of ListBox1 it shows.
    std::vector<qsizetype> m_auswahl;
    // Set when a word was removed from ListBox2: a click on its phenomenon refills it.
    bool m_auswahlGekuerzt = false;
    QFont m_druckschrift;
};
