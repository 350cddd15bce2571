#pragma once
// The praise picture "gut gemacht": a picture of the start directory under a grid of
// cover pieces; each praise takes one piece away. Shown by the main window when a
// pupil rewrites a chunk right; laid out anew at every exercise start.

#include "writing/core/praisepicture.h"

#include <QDialog>
#include <QList>
#include <QSet>
#include <QString>
#include <array>
#include <atomic>
#include <functional>
#include <memory>

class QFrame;
class QListWidget;
class QPushButton;
class QRandomGenerator;
class QTimer;
template <typename T> class QFutureWatcher;
class StretchedPicture;
class TFEJpeg;

class TForm16 : public QDialog {
    Q_OBJECT
public:
    explicit TForm16(QWidget *parent = nullptr);
    ~TForm16() override;

    // What init reads from the settings and the main window.
    struct Setup {
        QString startverzeichnis; // ends with "/"
        int gridSize = 4;         // 3, 4 or 5
        praise::PictureLimits limits;
    };
    // Covers the form with a fresh grid and chooses a picture, which is read and decoded
    // in a worker thread: init returns at once, and a praise given before the picture
    // is ready shows it as soon as it is. Pictures that cannot be shown are skipped;
    // init returns those that earlier loadings skipped and were not reported yet, for
    // one message.
    // The picture is decoded at the size of the screen the praise shows on. Neither a
    // new init nor closing or destroying the form waits for a loading under way: it is
    // told to stop and left to end on its own, owning all it works on.
    QList<praise::PictureFailure> init(const Setup &setup, QRandomGenerator &random);
    bool isInitialised() const { return m_initialised; }
    bool isLoading() const { return m_loading; }

    // One picture praise: takes a piece away and returns when the form has closed
    // (after 3 seconds, or when the picture is whole after 10 seconds and "weiter").
    void zeigen(QRandomGenerator &random);

    void Timer1Timer();
    void Button1Click();

signals:
    // The picture chosen by the last init is shown, or none could be.
    void bildGeladen();

public:
    // The picture chosen by the last init; empty while it loads and when none could be
    // shown.
    QString pictureName() const { return m_pictureName; }
    const praise::CoverGrid &grid() const { return m_grid; }
    // What a loading runs on the worker thread; tests put a slow one in its place.
    using Loader =
        std::function<praise::LoadedPicture(const praise::PictureJob &, const std::atomic_bool *)>;
    void setLoader(Loader loader) { m_loader = std::move(loader); }
    bool bild_fertig = false;

    StretchedPicture *Image1;
    TFEJpeg *FEJpeg1;
    std::array<QFrame *, praise::maxPieces> bildteile{};
    QPushButton *Button1;
    QListWidget *ListBox1;
    QTimer *Timer1;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void done(int result) override;

private:
    void FormShow();
    void pictureLoaded();
    void layOut();
    void showCoveredPieces();

    praise::CoverGrid m_grid;
    QString m_folder;
    QString m_pictureName;
    QSet<QString> m_reported;
    QList<praise::PictureFailure> m_unreported;
    // A new init stops the loading under way and starts its own beside it.
    Loader m_loader;
    std::shared_ptr<std::atomic_bool> m_cancel;
    QFutureWatcher<praise::LoadedPicture> *m_loaded;
    bool m_loading = false;
    QRandomGenerator *m_random = nullptr;
    bool m_initialised = false;
};
