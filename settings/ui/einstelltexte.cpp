#include "settings/ui/einstelltexte.h"

#include "exercise/ui/sprachwechsel.h"
#include "settings/ui/einstell.h"
#include "settings/ui/settingwidgets.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

// The caption above a track bar: the label whose buddy it is.
QLabel *beschriftungVon(const TForm10 &f, const QWidget *regler)
{
    for (QLabel *label : f.findChildren<QLabel *>())
        if (label->buddy() == regler)
            return label;
    return nullptr;
}

void benennen(TForm10 &f)
{
    const std::pair<QWidget *, const char16_t *> gruppen[] = {
        {f.TrackBar4, u"GroupBox1"}, {f.Panel7, u"GroupBox3"},    {f.TrackBar2, u"GroupBox5"},
        {f.CheckBox1, u"GroupBox6"}, {f.CheckBox2, u"GroupBox4"}, {f.Panel3, u"GroupBox2"},
    };
    for (const auto &[darin, name] : gruppen)
        if (auto *gruppe = qobject_cast<QGroupBox *>(darin->parentWidget()))
            gruppe->setObjectName(QString::fromUtf16(name));

    const std::pair<QSlider *, const char16_t *> regler[] = {
        {f.TrackBar4, u"Label6"}, {f.TrackBar2, u"Label3"},  {f.TrackBar1, u"Label2"},
        {f.TrackBar3, u"Label5"}, {f.TrackBar5, u"Label16"},
    };
    for (const auto &[bar, name] : regler)
        if (QLabel *label = beschriftungVon(f, bar))
            label->setObjectName(QString::fromUtf16(name));

    if (auto *zeilen = qobject_cast<QFormLayout *>(f.Panel3->parentWidget()->layout())) {
        const char16_t *namen[] = {u"Label8", u"Label9"};
        for (int zeile = 0; zeile < 2 && zeile < zeilen->rowCount(); ++zeile)
            if (QLayoutItem *item = zeilen->itemAt(zeile, QFormLayout::LabelRole))
                if (QWidget *label = item->widget())
                    label->setObjectName(QString::fromUtf16(namen[zeile]));
    }
}

void beschriften(TForm10 &f)
{
    const auto titel = [&f](const char16_t *name, const QString &text) {
        if (auto *gruppe = f.findChild<QGroupBox *>(QString::fromUtf16(name)))
            gruppe->setTitle(text);
    };
    const auto label = [&f](const char16_t *name, const QString &text) {
        if (auto *l = f.findChild<QLabel *>(QString::fromUtf16(name)))
            l->setText(text);
    };
    const auto seite = [&f](const char16_t *name, const QString &text) {
        if (auto *page = f.PageControl1->findChild<QWidget *>(QString::fromUtf16(name)))
            f.PageControl1->setTabText(f.PageControl1->indexOf(page), text);
    };

    f.setWindowTitle(QCoreApplication::translate("TForm10", "Einstellungen"));
    seite(u"TabSheet2", QCoreApplication::translate("TForm10", "Reaktion auf Fehler"));
    seite(u"TabSheet4", QCoreApplication::translate("TForm10", "Text-Auswahl"));
    seite(u"TabSheet1", QCoreApplication::translate("TForm10", "Laufbahn"));
    seite(u"TabSheet3", QCoreApplication::translate("TForm10", "Nachschreiben"));
    seite(u"TabSheet5", QCoreApplication::translate("TForm10", "Sonstiges"));

    f.RadioGroup1->setTitle(QCoreApplication::translate("TForm10", "Reaktion auf Fehler"));
    f.RadioButton1->setText(QCoreApplication::translate(
        "TForm10", "keine unmittelbare Reaktion - Kontrolle mit Lesefinger"));
    f.RadioButton2->setText(QCoreApplication::translate("TForm10", "Fehler nicht annehmen"));
    f.RadioButton3->setText(QCoreApplication::translate("TForm10", "falsche Buchstaben markieren"));
    f.RadioButton4->setText(
        QCoreApplication::translate("TForm10", "bei einem Fehler Wort rot färben"));
    f.RadioButton5->setText(
        QCoreApplication::translate("TForm10", "bei einem Fehler Hintergrund rot färben"));
    f.RadioButton6->setText(QCoreApplication::translate("TForm10", "keine Reaktion"));
    f.RadioButton7->setText(QCoreApplication::translate("TForm10", "Bei Fehler Wort löschen"));
    f.RadioGroup2->setTitle(QCoreApplication::translate("TForm10", "Lob"));
    f.RadioGroup2->button(0)->setText(QCoreApplication::translate("TForm10", "kein Lob"));
    f.RadioGroup2->button(1)->setText(
        QCoreApplication::translate("TForm10", "Text", "praise given as a text"));
    f.RadioGroup2->button(2)->setText(QCoreApplication::translate("TForm10", "Bild"));
    f.RadioGroup3->setTitle(QCoreApplication::translate("TForm10", "Bildelemente"));

    titel(u"GroupBox1", QCoreApplication::translate("TForm10", "Wörter"));
    titel(u"GroupBox3", QCoreApplication::translate("TForm10", "Text", "group of the text's look"));
    label(u"Label6", QCoreApplication::translate("TForm10", "Anzahl der Wörter:"));
    f.Label14->setCaption(QCoreApplication::translate("TForm10", "Schriftart"));
    f.Label15->setCaption(QCoreApplication::translate("TForm10", "Farbe Auswahl"));
    f.BitBtn2->setText(QCoreApplication::translate("TForm10", "speichern..."));
    f.BitBtn3->setText(QCoreApplication::translate("TForm10", "laden..."));

    titel(u"GroupBox5", QCoreApplication::translate("TForm10", "Einstellungen Laufbahn"));
    label(u"Label3", QCoreApplication::translate("TForm10", "Geschwindigkeit:"));
    label(u"Label2", QCoreApplication::translate("TForm10", "Abstand:"));
    label(u"Label5", QCoreApplication::translate("TForm10", "Geschwindigkeit Lesefinger:"));
    f.Label10->setCaption(QCoreApplication::translate("TForm10", "Farbe Lesefinger"));
    f.Label11->setCaption(QCoreApplication::translate("TForm10", "Farbe Fehler"));
    f.Label4->setCaption(QCoreApplication::translate("TForm10", "Schriftart"));
    f.Label7->setCaption(QCoreApplication::translate("TForm10", "Schriftart"));
    f.Label13->setCaption(QCoreApplication::translate("TForm10", "Farbe Fehler"));
    f.Label12->setCaption(QCoreApplication::translate("TForm10", "Farbe Vergleich"));
    titel(u"GroupBox4", QCoreApplication::translate("TForm10", "Vergleich"));
    f.CheckBox2->setText(QCoreApplication::translate("TForm10", "kein Vergleich (Diktatmodus)"));
    f.CheckBox3->setText(
        QCoreApplication::translate("TForm10", "ganze Wortgruppe als Fehler speichern"));
    titel(u"GroupBox6", QCoreApplication::translate("TForm10", "Kurzzeitdarstellung für Wörter"));
    f.CheckBox1->setText(QCoreApplication::translate(
        "TForm10", "für Wörter statt der Laufbahn Kurzzeitdarstellung verwenden"));
    label(u"Label16", QCoreApplication::translate("TForm10", "Verzögerung:"));
    f.Label1->setCaption(QCoreApplication::translate("TForm10", "Schriftart"));
    titel(u"GroupBox2",
          QCoreApplication::translate("TForm10", "Ausgelassene Zeichen / Fragen und Antworten"));
    label(u"Label8",
          QCoreApplication::translate("TForm10", "Zeichen für ausgelassenen Buchstaben:"));
    label(u"Label9", QCoreApplication::translate("TForm10", "Zeichen für ausgelassenen Wortteil:"));
}

} // namespace

void einstellTexteNachfuehren(TForm10 &form)
{
    benennen(form);
    beiSprachwechsel(&form, [&form] { beschriften(form); });
}
