#pragma once
// "Lernverlauf": how the loaded pupil's wrong words develop, exercise by exercise and by
// spelling phenomenon, to print or save as a picture. Created once at start-up; the main
// window's pupil menu fills it with init and shows it.

#include "exercise/ui/lazyfiledialog.h"
#include "exercise/ui/printing.h"
#include "settings/core/lernverlauf.h"

#include <QDialog>
#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

class QCheckBox;
class QChartView;
class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;

class TFormLernverlauf : public QDialog {
    Q_OBJECT
public:
    explicit TFormLernverlauf(QWidget *parent = nullptr);

    // The lines of the loaded pupil record, the pupil's line first. The span of the
    // phenomena becomes the whole time the record covers.
    void init(const QStringList &schuelerZeilen);
    void setDruckschrift(const QFont &font) { m_druckschrift = font; }

    // The charts as pictures, drawn apart from the window at a fixed size.
    QImage verlaufsBild() const;
    QImage phaenomenBild() const;

    void drucken();
    // Saves the chart of the page shown as a PNG picture.
    void bildSpeichern();

    QLabel *Label1;
    QTabWidget *Seiten;
    // How many exercises the chart over time shows, and from when to when.
    QLabel *LabelUebungen;
    QDateEdit *DatumVon;
    QDateEdit *DatumBis;
    QPushButton *GanzerZeitraum;
    QCheckBox *JeUebung;
    QLabel *LabelOhneDatum;
    QListWidget *ListeOhneDatum;
    QPushButton *Drucken;
    QPushButton *BildSpeichern;
    QPushButton *Schliessen;
    // Made when the window is first shown.
    QChartView *VerlaufsDiagramm = nullptr;
    QChartView *PhaenomenDiagramm = nullptr;
    // Made when a picture is first saved.
    LazyFileDialog SaveDialog1{this, QStringLiteral("SaveDialog1")};

signals:
    // A print the teacher asked for, to be shown in the print preview over this window.
    void druckauftrag(const printing::PrintJob &job);

private:
    void diagrammeZeigen();
    void zeitraumGeaendert();
    lernverlauf::Vergleich vergleich() const;

    QString m_name;
    lernverlauf::Verlauf m_verlauf;
    QFont m_druckschrift;
};
