#include "display/ui/kuzzeit.h"

#include "display/core/refreshschedule.h"
#include "display/ui/frameclock.h"
#include "display/ui/framepresenter.h"
#include "display/ui/silbenfarbe.h"
#include "exercise/ui/sprachwechsel.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QWindow>

using namespace Qt::StringLiterals;
using display::KurzzeitPhase;

namespace display {

FlashSettings FlashSettings::defaults()
{
    FlashSettings settings;
    settings.font = QFont(u"Arial"_s);
    settings.font.setPixelSize(80);
    settings.font.setBold(true);
    settings.background = QGuiApplication::palette().color(QPalette::Button);
    return settings;
}

} // namespace display

namespace {

QLabel *makeLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(false);
    // Never on the screen by itself: the window draws it into its pictures.
    label->hide();
    return label;
}

void setTextColor(QLabel *label, const QColor &color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

} // namespace

TForm15::TForm15(QWidget *parent) : DisplayWindow(Showing::Maximized, parent)
{
    setObjectName(u"TForm15"_s);
    setWindowTitle(u"Form15"_s);
    setAttribute(Qt::WA_OpaquePaintEvent);

    Label2 = makeLabel(u"Label2"_s, this);
    QFont cue(u"Arial"_s);
    cue.setPixelSize(40);
    cue.setBold(true);
    Label2->setFont(cue);
    Label1 = makeLabel(u"Label1"_s, this);

    m_watchdog.setSingleShot(true);
    connect(&m_watchdog, &QTimer::timeout, this, &TForm15::finish);
    beiSprachwechsel(this, [this] { Label2->setText(tr("Achtung!")); });
}

TForm15::~TForm15() = default;

display::KurzzeitMessung TForm15::zeigen(const QString &wort,
                                         const display::FlashSettings &settings)
{
    if (isVisible())
        return {};
    m_settings = settings;
    m_ablauf.reset();
    m_shown = KurzzeitPhase::Bereit;
    m_bilder = {};
    const QByteArray farben = display::silbenFarbenFuer(wort, settings.silben);
    if (farben.isEmpty()) {
        Label1->setTextFormat(Qt::PlainText);
        Label1->setText(wort);
    } else {
        // The syllables in their colours; the picture is made before the flash begins.
        const QColor farbe[] = {settings.letterColor, settings.silben.farbe1,
                                settings.silben.farbe2};
        QString html;
        for (qsizetype von = 0; von < wort.size();) {
            qsizetype bis = von + 1;
            while (bis < wort.size() && farben[bis] == farben[von])
                ++bis;
            html += u"<span style=\"color:"_s + farbe[int(farben[von])].name() + u"\">"_s +
                    wort.mid(von, bis - von).toHtmlEscaped() + u"</span>"_s;
            von = bis;
        }
        Label1->setTextFormat(Qt::RichText);
        Label1->setText(u"<span style=\"white-space:pre\">"_s + html + u"</span>"_s);
    }
    Label1->setFont(settings.font);
    setTextColor(Label1, settings.letterColor);
    setTextColor(Label2, settings.letterColor);

    exec();

    // Pictures the server still holds for refreshes to come would appear when the
    // window is shown again: a new window drops them with the old one.
    const bool pending = m_presenter && m_ablauf && m_ablauf->phase() != KurzzeitPhase::Fertig;
    m_presenter.reset();
    if (pending) {
        discardClock();
        destroy();
    }
    return m_ablauf ? m_ablauf->messung() : display::KurzzeitMessung{};
}

TForm15::Bild TForm15::bildOf(KurzzeitPhase phase)
{
    switch (phase) {
    case KurzzeitPhase::Bereit:
        return Hintergrund;
    case KurzzeitPhase::Wort:
        return Wort;
    case KurzzeitPhase::Achtung:
    case KurzzeitPhase::Aus:
    case KurzzeitPhase::Fertig:
        break;
    }
    return Achtung;
}

void TForm15::showEvent(QShowEvent *event)
{
    DisplayWindow::showEvent(event);
    if (QWindow *window = windowHandle()) {
        window->removeEventFilter(this);
        window->installEventFilter(this);
    }
    // The pictures are made for the size the window has once it is on the screen.
    m_beginPending = true;
    if (windowHandle() && windowHandle()->isExposed())
        QTimer::singleShot(0, this, &TForm15::begin);
}

bool TForm15::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose && m_beginPending &&
        windowHandle()->isExposed())
        QTimer::singleShot(0, this, &TForm15::begin);
    return DisplayWindow::eventFilter(watched, event);
}

void TForm15::begin()
{
    if (!m_beginPending || !isVisible())
        return;
    m_beginPending = false;
    const qint64 period = display::refreshPeriodNs(screen() ? screen()->refreshRate() : 0.0);
    m_ablauf.emplace(display::KurzzeitDauer::fuer(period, m_settings.delay));
    layoutLabels();
    renderPictures();
    m_presentedAhead = beginPresenting();
    if (!m_presentedAhead)
        startClock();
    const display::KurzzeitDauer &dauer = m_ablauf->dauer();
    m_watchdog.start(int((dauer.achtung + dauer.wort + 3) * period / 1'000'000) + 2000);
}

void TForm15::layoutLabels()
{
    const int w = width();
    const int h = height();
    Label1->setGeometry(32, h / 2 - 20, w - 64, std::max(0, h / 2 - 40));
    Label2->setGeometry(32, 40, w - 64, Label2->sizeHint().height());
}

void TForm15::renderPictures()
{
    const qreal ratio = devicePixelRatio();
    QImage hintergrund(size() * ratio, QImage::Format_RGB32);
    if (hintergrund.isNull())
        return;
    hintergrund.setDevicePixelRatio(ratio);
    hintergrund.fill(m_settings.background);
    const auto withLabel = [](QImage picture, QLabel *label) {
        QPainter painter(&picture);
        label->render(&painter, label->pos(), QRegion(), QWidget::RenderFlags());
        return picture;
    };
    m_bilder[Hintergrund] = hintergrund;
    m_bilder[Achtung] = withLabel(hintergrund, Label2);
    m_bilder[Wort] = withLabel(m_bilder[Achtung], Label1);
}

bool TForm15::beginPresenting()
{
    m_presenter = display::FramePresenter::create(windowHandle());
    if (!m_presenter)
        return false;
    m_achtungBild = m_presenter->upload(m_bilder[Achtung]);
    m_wortBild = m_presenter->upload(m_bilder[Wort]);
    if (m_achtungBild < 0 || m_wortBild < 0) {
        m_presenter.reset();
        return false;
    }
    connect(m_presenter.get(), &display::FramePresenter::shown, this, &TForm15::onShown);
    m_wortShown = 0;
    m_ausShown = 0;
    m_achtungShown = m_presenter->present(m_achtungBild, 0);
    return true;
}

void TForm15::onShown(quint32 presentation, qint64 refresh, bool)
{
    if (!m_ablauf || !m_presenter || presentation == 0)
        return;
    if (presentation == m_achtungShown) {
        // The word and the picture that takes it away again are handed over at once,
        // each for its refresh: the server alone decides how long the word stands.
        const auto ziele = m_ablauf->achtungGezeigt(refresh);
        m_shown = KurzzeitPhase::Achtung;
        m_wortShown = m_presenter->present(m_wortBild, ziele.wort);
        m_ausShown = m_presenter->present(m_achtungBild, ziele.aus);
    } else if (presentation == m_wortShown) {
        m_ablauf->wortGezeigt(refresh);
        m_shown = KurzzeitPhase::Wort;
    } else if (presentation == m_ausShown) {
        m_ablauf->ausGezeigt(refresh);
        m_shown = KurzzeitPhase::Aus;
        finish();
    }
}

void TForm15::onTick(qint64 refresh)
{
    if (!m_ablauf || !isVisible())
        return;
    const KurzzeitPhase phase = m_ablauf->refresh(refresh);
    if (phase == KurzzeitPhase::Fertig) {
        finish();
        return;
    }
    if (phase != m_shown) {
        m_shown = phase;
        repaint();
    }
}

void TForm15::finish()
{
    m_watchdog.stop();
    close();
}

void TForm15::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QImage &bild = m_bilder[bildOf(m_shown)];
    if (bild.isNull() || bild.size() != size() * devicePixelRatio())
        painter.fillRect(event->rect(), m_settings.background);
    else
        painter.drawImage(QPoint(0, 0), bild);
}

void TForm15::resizeEvent(QResizeEvent *event)
{
    DisplayWindow::resizeEvent(event);
    // The toolkit repaints the whole window after a resize, with the picture of the
    // phase on the screen.
    if (m_ablauf) {
        layoutLabels();
        renderPictures();
    }
}

void TForm15::closeEvent(QCloseEvent *event)
{
    m_watchdog.stop();
    DisplayWindow::closeEvent(event);
}
