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

class QFrame;
class QListWidget;
class QPushButton;
class QRandomGenerator;
class QTimer;
class StretchedPicture;
class TFEJpeg;

class TForm16 : public QDialog {
    Q_OBJECT
public:
    explicit TForm16(QWidget *parent = nullptr);

    // What init reads from the settings and the main window.
    struct Setup {
        QString startverzeichnis; // ends with "/"
        int gridSize = 4;         // 3, 4 or 5
        praise::PictureLimits limits;
    };
    // Chooses a picture and covers it with a fresh grid. Pictures that cannot be shown
    // are skipped; those not reported before come back, for one message.
    QList<praise::PictureFailure> init(const Setup &setup, QRandomGenerator &random);
    bool isInitialised() const { return m_initialised; }

    // One picture praise: takes a piece away and returns when the form has closed
    // (after 3 seconds, or when the picture is whole after 10 seconds and "weiter").
    void zeigen(QRandomGenerator &random);

    void Timer1Timer();
    void Button1Click();

    // The picture chosen by the last init; empty when none could be shown.
    QString pictureName() const { return m_pictureName; }
    const praise::CoverGrid &grid() const { return m_grid; }
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
    // Empty when the picture is shown, else the reason it cannot be.
    QString loadPicture(const QString &name, const praise::PictureLimits &limits);
    void layOut();
    void showCoveredPieces();

    praise::CoverGrid m_grid;
    QString m_folder;
    QString m_pictureName;
    QSet<QString> m_reported;
    QRandomGenerator *m_random = nullptr;
    bool m_initialised = false;
};
