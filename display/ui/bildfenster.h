#pragma once
// What the displays of a 640 x 480 picture share: the picture, enlarged on the screen by
// the largest whole factor that fits, centred, its border in the background colour. The
// video mode is never changed; the picture is only painted larger.

#include "display/core/alternativzeile.h"
#include "display/core/surface.h"
#include "display/ui/displaywindow.h"

#include <QColor>
#include <QRect>

namespace display {

class BildFenster : public DisplayWindow {
    Q_OBJECT
public:
    // The 640 x 480 picture as the last frame composed it.
    const Surface &picture() const { return m_bild; }
    Skalierung skalierung() const { return m_skalierung; }

protected:
    BildFenster(const QColor &background, QWidget *parent);

    Surface &bild() { return m_bild; }
    Pixel background() const { return m_background; }
    // Where the rows `rows` of the picture stand on the screen.
    QRect onScreen(const QRect &rows) const;
    // Paints the rows `rows` of the picture at once, in the refresh just begun.
    void zeigen(const QRect &rows);

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    Surface m_bild;
    Pixel m_background;
    Skalierung m_skalierung;
};

} // namespace display
