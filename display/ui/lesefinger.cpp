#include "display/ui/lesefinger.h"

#include "display/core/glyphset.h"
#include "display/core/surface.h"
#include "reading/core/silben.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <algorithm>

using namespace Qt::StringLiterals;
using display::Lesefinger;
using display::LeseModus;

namespace {

const QRect kGanzesBild(0, 0, Lesefinger::kBreite, Lesefinger::kHoehe);
const QPoint kHilfeOrt(10, 470);

QString hilfeText(LeseModus modus)
{
    return modus == LeseModus::Silbenlesen
               ? u"Geschwindigkeit: 0-9 / Weiter: Leertaste / Satz vor bzw. zurück: Bild-Tasten / "
                 u"Fehler markieren: Return / zurück: Esc"_s
               : u"Geschwindigkeit: 1-9 / Stop: Leertaste / Satz vor bzw. zurück: Bild-Tasten / "
                 u"Fehler markieren: Return / zurück: Esc"_s;
}

QRect zeilenBand(int top, int hoehe)
{
    return QRect(0, top, Lesefinger::kBreite, hoehe);
}

} // namespace

TleseForm4::TleseForm4(const QString &puffer, LeseModus modus,
                       const display::LesefingerSettings &settings, QWidget *parent)
    : BildFenster(settings.background, parent), m_settings(settings)
{
    setObjectName(u"leseForm4"_s);
    setWindowTitle(modus == LeseModus::Silbenlesen ? u"Silbenlesen"_s : u"Lesefinger"_s);
    // The letters at their configured size, as a screen of 96 dpi shows them.
    m_font = settings.font.pointSize() > 0
                 ? display::GlyphSet::atPoints(settings.font, settings.font.pointSize())
                 : settings.font;
    m_zeigerFarbe =
        settings.background.rgb() == QColor(255, 0, 0).rgb() ? QColor(0, 0, 0) : QColor(255, 0, 0);
    const QFontMetrics metrics(m_font);
    display::LeseText lesetext(puffer);
    const display::SilbenAnsicht &silben = settings.silben;
    if (silben.automatisch || silben.farbig) {
        // Without the dictionary the text is read as typed; the run has said why.
        if (const auto anfaenge = silben::deutsch().textGrenzen(lesetext.puffer))
            lesetext.silbenSetzen(*anfaenge, silben.automatisch && modus == LeseModus::Silbenlesen,
                                  silben.farbig);
    }
    m_lese = std::make_unique<Lesefinger>(
        std::move(lesetext), modus, settings.tempo, display::GlyphSet::textHeightOf(m_font),
        [metrics](QStringView text) { return metrics.horizontalAdvance(text.toString()); });
}

TleseForm4::~TleseForm4() = default;

void TleseForm4::showEvent(QShowEvent *event)
{
    BildFenster::showEvent(event);
    m_gezeichneteSeite = -1;
    startClock();
}

QRect TleseForm4::aktiveZeilen() const
{
    const std::optional<display::LeseZeile> &zeile = m_lese->zeile();
    if (!zeile)
        return {};
    return zeilenBand(zeile->pfeilY, zeile->naechsteY + Lesefinger::kPfeilHoehe - zeile->pfeilY);
}

void TleseForm4::onTick(qint64)
{
    if (!isVisible())
        return;
    const bool geaendert = m_lese->advance();
    if (!geaendert && m_gezeichneteSeite == m_lese->seite())
        return;
    const std::optional<display::LeseZeile> &zeile = m_lese->zeile();
    const int zeigerX = m_lese->zeigerSichtbar() ? m_lese->zeigerX() : m_zeigerX;
    const int grenzeX = m_lese->gezeigtBisX();
    QRect rows;
    const QRect aktiv = aktiveZeilen();
    if (m_gezeichneteSeite != m_lese->seite()) {
        rows = kGanzesBild;
    } else if (zeile && zeile->start == m_gezeichneteZeile &&
               m_hilfeGezeichnet == m_lese->hilfe()) {
        // Along the line only the pointers and the end of the passed part move: what
        // lies between where they were and where they are now is drawn anew.
        const int halb = Lesefinger::kZeigerBreite / 2 + 1;
        const int links = std::min({m_zeigerX - halb, zeigerX - halb, m_grenzeX, grenzeX}) - 1;
        const int rechts = std::max({m_zeigerX + halb, zeigerX + halb, m_grenzeX, grenzeX}) + 1;
        rows = QRect(QPoint(links, aktiv.top()), QPoint(rechts, aktiv.bottom()));
    } else {
        rows = m_aktiv | aktiv;
        if (m_hilfeGezeichnet != m_lese->hilfe())
            rows |= zeilenBand(kHilfeOrt.y(), Lesefinger::kHoehe - kHilfeOrt.y());
    }
    m_aktiv = aktiv;
    m_gezeichneteSeite = m_lese->seite();
    m_gezeichneteZeile = zeile ? zeile->start : -1;
    m_zeigerX = zeigerX;
    m_grenzeX = grenzeX;
    rows &= kGanzesBild;
    if (rows.isEmpty())
        return;
    zeichnen(rows);
    zeigen(rows);
}

void TleseForm4::zeichnen(const QRect &rows)
{
    display::Surface &bild = this->bild();
    bild.fillRect(rows, background());
    const bool finger = m_lese->modus() == LeseModus::Lesefinger;
    const QString &zeichen = m_lese->text().zeichen;
    const QFontMetrics metrics(m_font);
    const int hoehe = metrics.height();
    {
        display::Canvas canvas(bild);
        canvas.setClipRect(rows);
        canvas.setFont(m_font);
        // `gezeigt` characters of the line in the passed colour (the revealed ones in
        // syllable reading), the rest in the letter colour (nothing in syllable reading).
        const auto zeile = [&](const display::LeseZeile &z, int gezeigt) {
            if (!QRect(0, z.textY, Lesefinger::kBreite, hoehe).intersects(rows))
                return;
            const QString text = zeichen.mid(z.start, z.laenge);
            const int grenze = gezeigt == m_lese->gezeigt() && &z == &*m_lese->zeile()
                                   ? m_lese->gezeigtBisX()
                                   : z.x + metrics.horizontalAdvance(text.left(gezeigt));
            const QPoint ort(z.x, z.textY + metrics.ascent());
            canvas.save();
            canvas.setClipRect(QRect(0, rows.top(), grenze, rows.height()).intersected(rows));
            if (finger) {
                canvas.setPen(m_zeigerFarbe);
                canvas.drawText(ort, text);
            } else {
                farbigZeichnen(canvas, ort, z);
            }
            canvas.restore();
            if (finger && gezeigt < z.laenge) {
                canvas.save();
                canvas.setClipRect(
                    QRect(grenze, rows.top(), Lesefinger::kBreite - grenze, rows.height())
                        .intersected(rows));
                farbigZeichnen(canvas, ort, z);
                canvas.restore();
            }
        };
        for (const display::LeseZeile &z : m_lese->fertigeZeilen())
            zeile(z, z.laenge);
        if (m_lese->zeile())
            zeile(*m_lese->zeile(), m_lese->gezeigt());

        if (m_lese->hilfe() && rows.bottom() >= kHilfeOrt.y()) {
            canvas.setFont(m_settings.helpFont);
            canvas.setPen(m_settings.helpColor);
            canvas.drawText(kHilfeOrt + QPoint(0, QFontMetrics(m_settings.helpFont).ascent()),
                            hilfeText(m_lese->modus()));
        }
    }
    m_hilfeGezeichnet = m_lese->hilfe();

    if (m_lese->zeigerSichtbar()) {
        const display::LeseZeile &z = *m_lese->zeile();
        const display::Pixel farbe = display::Surface::colorMatch(m_zeigerFarbe);
        const int links = m_lese->zeigerX() - Lesefinger::kPfeilHoehe;
        for (int y = 0; y < Lesefinger::kPfeilHoehe; ++y) {
            for (const bool oben : {true, false}) {
                const auto [von, bis] = Lesefinger::zeigerZeile(oben, y);
                const int zeileY = (oben ? z.pfeilY : z.naechsteY) + y;
                if (zeileY >= rows.top() && zeileY <= rows.bottom())
                    bild.fillRect(QRect(links + von, zeileY, bis - von + 1, 1).intersected(rows),
                                  farbe);
            }
        }
    }
}

void TleseForm4::farbigZeichnen(QPainter &canvas, QPoint ort, const display::LeseZeile &z) const
{
    const display::LeseText &text = m_lese->text();
    const QString zeile = text.zeichen.mid(z.start, z.laenge);
    if (text.farben.isEmpty()) {
        canvas.setPen(m_settings.letterColor);
        canvas.drawText(ort, zeile);
        return;
    }
    // One run of characters of one colour after the other, each where it stands in the
    // whole line; only the runs within the rows drawn anew (along the line that is the
    // strip around the pointer) are drawn.
    const QColor farben[] = {m_settings.letterColor, m_settings.silben.farbe1,
                             m_settings.silben.farbe2};
    const QFontMetrics metrics(m_font);
    const QRectF clip = canvas.hasClipping()
                            ? canvas.clipBoundingRect()
                            : QRectF(0, 0, Lesefinger::kBreite, Lesefinger::kHoehe);
    const QByteArrayView farbe = QByteArrayView(text.farben).sliced(z.start, z.laenge);
    int x = 0;
    for (int von = 0; von < z.laenge && ort.x() + x <= clip.right() + metrics.maxWidth();) {
        int bis = von + 1;
        while (bis < z.laenge && farbe[bis] == farbe[von])
            ++bis;
        const int bisX = metrics.horizontalAdvance(zeile.left(bis));
        if (ort.x() + bisX + metrics.maxWidth() >= clip.left()) {
            canvas.setPen(farben[int(farbe[von])]);
            canvas.drawText(ort + QPoint(x, 0), zeile.mid(von, bis - von));
        }
        x = bisX;
        von = bis;
    }
}

void TleseForm4::keyPressEvent(QKeyEvent *event)
{
    display::KeyEffect effekt = display::KeyEffect::None;
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_F1:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        effekt = m_lese->keyDown(event->key());
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        effekt = m_lese->keyPress(u'\r', m_settings.neueUebung);
        break;
    default:
        if (event->text().isEmpty())
            return;
        effekt = m_lese->keyPress(event->text().at(0), m_settings.neueUebung);
        break;
    }
    if (effekt == display::KeyEffect::Close) {
        close();
    } else if (effekt == display::KeyEffect::MarkWord) {
        if (const auto markiert = m_lese->markWord())
            emit wordMarked(markiert->roh, markiert->selectionStart, markiert->selectionLength);
    }
}
