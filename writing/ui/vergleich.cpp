#include "writing/ui/vergleich.h"

#include "exercise/ui/sprachwechsel.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {
// The words start 50 pixels in and 80 down the window; the drawing area begins below
// the "fertig" button, so its first row lies this far down in it.
constexpr int seitenRand = 50;
constexpr int flaecheOben = 64;
constexpr int ersteZeile = 80 - flaecheOben;
// The message line stands this far above the window's bottom edge.
constexpr int meldungAbstand = 80;
} // namespace

// The rows of the comparison, laid out for the width the area has.
class VergleichsFlaeche : public QWidget {
public:
    explicit VergleichsFlaeche(QWidget *parent) : QWidget(parent) {}

    void zeigen(const writing::Vergleich &vergleich, const VergleichsAnsicht &ansicht)
    {
        m_vergleich = vergleich;
        m_ansicht = ansicht;
        update();
    }
    const writing::Vergleich &vergleich() const { return m_vergleich; }

    // One place after the other, the wider of its two words wide, a blank's width
    // apart; a place that would reach into the right margin starts a new row, two and a
    // half text heights further down.
    QList<QRect> anordnen(int breite) const
    {
        const QFontMetrics metrics(m_ansicht.schrift);
        const int textHoehe = metrics.height();
        const int zeilenSchritt = 5 * textHoehe / 2;
        const int leerzeichen = metrics.horizontalAdvance(u' ');
        QList<QRect> felder;
        int x = seitenRand;
        int y = ersteZeile;
        for (const writing::VergleichsPaar &paar : m_vergleich.paare) {
            const int w = qMax(metrics.horizontalAdvance(paar.geschrieben),
                               metrics.horizontalAdvance(paar.vorlage));
            // A word wider than a whole row stays on the row it starts.
            if (x + w > breite - seitenRand && x > seitenRand) {
                y += zeilenSchritt;
                x = seitenRand;
            }
            felder << QRect(x, y, w, 2 * textHoehe);
            x += w + leerzeichen;
        }
        return felder;
    }

    int hoeheFuer(int breite) const
    {
        const QList<QRect> felder = anordnen(breite);
        const int textHoehe = QFontMetrics(m_ansicht.schrift).height();
        return (felder.isEmpty() ? ersteZeile : felder.constLast().bottom()) + textHoehe;
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setFont(m_ansicht.schrift);
        const QFontMetrics metrics(m_ansicht.schrift);
        const QList<QRect> felder = anordnen(width());
        for (qsizetype k = 0; k < felder.size(); ++k) {
            const writing::VergleichsPaar &paar = m_vergleich.paare[k];
            const QPoint oben = felder[k].topLeft() + QPoint(0, metrics.ascent());
            painter.setPen(paar.art == writing::WortArt::Richtig ? m_ansicht.normalFarbe
                                                                 : m_ansicht.fehlerFarbe);
            painter.drawText(oben, paar.geschrieben);
            painter.setPen(m_ansicht.vergleichsFarbe);
            painter.drawText(oben + QPoint(0, metrics.height()), paar.vorlage);
        }
    }

private:
    writing::Vergleich m_vergleich;
    VergleichsAnsicht m_ansicht;
};

TForm14::TForm14(QWidget *parent)
    : QDialog(parent), Label1(new QLabel(this)), SpeedButton1(new QToolButton(this)),
      m_flaeche(new VergleichsFlaeche(this)), m_scroll(new QScrollArea(this))
{
    setObjectName(u"Form14"_s);
    resize(800, 600);

    SpeedButton1->setObjectName(u"SpeedButton1"_s);
    SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QFont knopfSchrift = SpeedButton1->font();
    knopfSchrift.setPixelSize(20);
    SpeedButton1->setFont(knopfSchrift);
    connect(SpeedButton1, &QToolButton::clicked, this, &QDialog::accept);

    Label1->setObjectName(u"Label1"_s);
    Label1->setAlignment(Qt::AlignCenter);
    QFont meldungSchrift = Label1->font();
    meldungSchrift.setPixelSize(24);
    meldungSchrift.setBold(true);
    Label1->setFont(meldungSchrift);

    m_flaeche->setObjectName(u"Vergleichsflaeche"_s);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setBackgroundRole(QPalette::Window);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setWidget(m_flaeche);
    beiSprachwechsel(this, [this] {
        setWindowTitle(tr("vergleichen"));
        SpeedButton1->setText(tr("fertig"));
    });
}

TForm14::~TForm14() = default;

writing::Vergleich TForm14::vergleichen(const writing::VergleichsEingabe &eingabe,
                                        const VergleichsAnsicht &ansicht)
{
    m_flaeche->zeigen(writing::vergleichen(eingabe), ansicht);
    emit verglichen(m_flaeche->vergleich());
    if (ansicht.diktatmodus)
        return m_flaeche->vergleich();

    Label1->setText(m_flaeche->vergleich().meldung);
    QPalette farben = Label1->palette();
    farben.setColor(QPalette::WindowText, ansicht.fehlerFarbe);
    Label1->setPalette(farben);
    flaecheAnpassen();
    m_scroll->verticalScrollBar()->setValue(0);
    setWindowState(windowState() | Qt::WindowMaximized);
    exec();
    return m_flaeche->vergleich();
}

QList<QRect> TForm14::felder() const
{
    return m_flaeche->anordnen(m_flaeche->width());
}

QWidget *TForm14::zeichenflaeche() const
{
    return m_flaeche;
}

void TForm14::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int w = width();
    const int h = height();
    SpeedButton1->setGeometry(seitenRand, 8, w - 2 * seitenRand, flaecheOben - 16);
    Label1->setGeometry(10, h - meldungAbstand, w - 20, meldungAbstand - 16);
    m_scroll->setGeometry(0, flaecheOben, w, qMax(0, h - meldungAbstand - flaecheOben));
    flaecheAnpassen();
}

void TForm14::flaecheAnpassen()
{
    // The area is as wide as the window shows it and as high as its rows need; rows
    // that run past the message line are reached by scrolling.
    int breite = m_scroll->width();
    int hoehe = m_flaeche->hoeheFuer(breite);
    if (hoehe > m_scroll->height()) {
        breite -= m_scroll->verticalScrollBar()->sizeHint().width();
        hoehe = m_flaeche->hoeheFuer(breite);
    }
    m_flaeche->resize(breite, hoehe);
}
