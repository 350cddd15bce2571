#include "writing/ui/lob2.h"

#include "exercise/ui/sprachwechsel.h"
#include "writing/ui/tjpgimg.h"

#include <QFrame>
#include <QFutureWatcher>
#include <QKeyEvent>
#include <QListWidget>
#include <QPromise>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QShowEvent>
#include <QThreadPool>
#include <QTimer>

using namespace Qt::StringLiterals;

TForm16::TForm16(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"Form16"_s);
    setWindowTitle(u"gut gemacht"_s);

    Image1 = new StretchedPicture(this);
    Image1->setObjectName(u"Image1"_s);
    FEJpeg1 = new TFEJpeg(this);
    FEJpeg1->setObjectName(u"FEJpeg1"_s);
    // The control's options as the praise uses them; they are its defaults, set here
    // so that a change of the defaults does not change the praise.
    jpeg::Options options;
    options.grayScale = false;
    options.pixelFormat = jpeg::Options::PixelFormat::Bits24;
    options.progressiveDisplay = false;
    options.performance = jpeg::Options::Performance::BestQuality;
    options.scale = jpeg::Options::Scale::FullSize;
    options.smoothing = true;
    FEJpeg1->setOptions(options);
    Image1->hide();
    FEJpeg1->hide();

    for (int i = 0; i < praise::maxPieces; ++i) {
        auto *piece = new QFrame(this);
        piece->setObjectName(u"Panel%1"_s.arg(i + 1));
        piece->setFrameStyle(QFrame::WinPanel | QFrame::Raised);
        piece->setBackgroundRole(QPalette::Button);
        piece->setAutoFillBackground(true);
        bildteile[std::size_t(i)] = piece;
    }

    Button1 = new QPushButton(this);
    Button1->setObjectName(u"Button1"_s);
    QFont font(u"Arial"_s);
    font.setPixelSize(16);
    font.setBold(true);
    Button1->setFont(font);
    Button1->setDefault(true);
    Button1->hide();
    connect(Button1, &QPushButton::clicked, this, &TForm16::Button1Click);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(u"ListBox1"_s);
    ListBox1->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(u"Timer1"_s);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TForm16::Timer1Timer);

    m_loader = [](const praise::PictureJob &job, const std::atomic_bool *cancel) {
        return praise::loadFirstPicture(job, cancel);
    };
    m_cancel = std::make_shared<std::atomic_bool>(false);
    m_loaded = new QFutureWatcher<praise::LoadedPicture>(this);
    connect(m_loaded, &QFutureWatcher<praise::LoadedPicture>::finished, this,
            &TForm16::pictureLoaded);

    beiSprachwechsel(this, [this] { Button1->setText(tr("weiter")); });
    layOut();
}

TForm16::~TForm16()
{
    // The loading owns its job, its promise and its flag: it ends on its own, and the
    // application waits for the thread pool only when the program ends.
    m_cancel->store(true);
}

QList<praise::PictureFailure> TForm16::init(const Setup &setup, QRandomGenerator &random)
{
    m_folder = setup.startverzeichnis;
    ListBox1->clear();
    const QStringList candidates = praise::pictureCandidates(m_folder);
    ListBox1->addItems(candidates);

    // No piece of the last picture may show under the new grid while the new one loads.
    m_pictureName.clear();
    Image1->hide();
    FEJpeg1->hide();
    Image1->clear();
    FEJpeg1->clearJpeg();

    m_cancel->store(true);
    m_cancel = std::make_shared<std::atomic_bool>(false);
    praise::PictureJob job{m_folder, praise::pickingOrder(candidates, random), setup.limits,
                           FEJpeg1->options()};
    // The praise covers the screen it is shown on: no picture needs more pixels.
    if (job.limits.shownAt.isEmpty()) {
        if (const QScreen *shown = parentWidget() ? parentWidget()->screen() : screen())
            job.limits.shownAt = (QSizeF(shown->availableGeometry().size()) *
                                  shown->devicePixelRatio()).toSize();
    }
    // A change of the JPEG control's options decodes the picture again, within the same.
    jpeg::Limits again;
    again.maxPixels = job.limits.maxPixels;
    again.maxScans = job.limits.maxScans;
    again.shownAt = job.limits.shownAt;
    FEJpeg1->setLimits(again);
    auto promise = std::make_shared<QPromise<praise::LoadedPicture>>();
    m_loaded->setFuture(promise->future());
    promise->start();
    m_loading = true;
    // A thread of its own, even while cancelled loadings still end on the others.
    QThreadPool *pool = QThreadPool::globalInstance();
    pool->reserveThread();
    pool->startOnReservedThread(
        [promise, job = std::move(job), cancel = m_cancel, loader = m_loader] {
            praise::LoadedPicture loaded;
            try {
                loaded = loader(job, cancel.get());
            } catch (...) { // loadFirstPicture keeps its failures; a loader put in may not
                loaded.cancelled = true;
            }
            promise->addResult(std::move(loaded));
            promise->finish();
        });

    // The grid laid out here is the one every praise works on until the next init,
    // whatever the settings say in between.
    m_grid = praise::CoverGrid(setup.gridSize);
    m_initialised = true;
    layOut();
    showCoveredPieces();

    QList<praise::PictureFailure> unreported;
    unreported.swap(m_unreported);
    return unreported;
}

void TForm16::pictureLoaded()
{
    m_loading = false;
    const praise::LoadedPicture loaded = m_loaded->result();
    if (loaded.cancelled)
        return;
    for (const praise::PictureFailure &failure : loaded.failures) {
        if (!m_reported.contains(failure.name)) {
            m_reported.insert(failure.name);
            m_unreported << failure;
        }
    }
    m_pictureName = loaded.name;
    if (!loaded.jpegBytes.isEmpty()) {
        FEJpeg1->setDecodedJpeg(loaded.jpegBytes, loaded.image);
        FEJpeg1->show();
    } else if (!loaded.name.isEmpty()) {
        Image1->setImage(loaded.image);
        Image1->show();
    }
    emit bildGeladen();
}

void TForm16::zeigen(QRandomGenerator &random)
{
    m_random = &random;
    // At the screen's size from the start, so the first frame already shows the grid
    // as it stays.
    if (const QScreen *screen = parentWidget() ? parentWidget()->screen() : this->screen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    exec();
    m_random = nullptr;
}

void TForm16::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // A window restored by the window manager is no new praise.
    if (!event->spontaneous())
        FormShow();
}

void TForm16::FormShow()
{
    Button1->hide();
    const praise::CoverGrid::Step step =
        m_grid.uncoverOne(m_random ? *m_random : *QRandomGenerator::global());
    showCoveredPieces();
    bild_fertig = step.finished;
    Timer1->setInterval(bild_fertig ? praise::pauseAfterLastMs : praise::pauseAfterPieceMs);
    Timer1->start();
}

void TForm16::Timer1Timer()
{
    Timer1->stop();
    if (bild_fertig) {
        Button1->show();
        Button1->raise();
        Button1->setFocus();
    } else {
        accept();
    }
}

void TForm16::Button1Click()
{
    accept();
}

void TForm16::done(int result)
{
    Timer1->stop();
    QDialog::done(result);
}

void TForm16::keyPressEvent(QKeyEvent *event)
{
    // While pieces are being opened no key does anything (a second Return meant for
    // the rewrite form must not close the praise); "weiter" takes Return and Space.
    if (Button1->isVisible() && event->key() != Qt::Key_Escape)
        QDialog::keyPressEvent(event);
    else
        event->accept();
}

void TForm16::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    layOut();
}

void TForm16::layOut()
{
    const QSize client = size();
    Image1->setGeometry(rect());
    FEJpeg1->setGeometry(rect());
    for (int piece = 1; piece <= m_grid.pieceCount(); ++piece)
        bildteile[std::size_t(piece - 1)]->setGeometry(
            praise::pieceRect(m_grid.gridSize(), piece, client));
    const QSize button = Button1->sizeHint().expandedTo(QSize(120, 36));
    Button1->setGeometry((client.width() - button.width()) / 2,
                         client.height() - button.height() - 24, button.width(), button.height());
}

void TForm16::showCoveredPieces()
{
    for (int piece = 1; piece <= praise::maxPieces; ++piece)
        bildteile[std::size_t(piece - 1)]->setVisible(m_grid.isCovered(piece));
    Button1->raise();
}
