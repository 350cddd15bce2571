#pragma once
// Reading finger and syllable reading: the exercise text page by page, one sentence at a
// time, in a picture of 640 x 480 pixels enlarged to fill the screen; a pair of red
// triangles leads the eye along each line, or the line appears syllable by syllable.
// Opened modally by the main window's reading-finger and syllable-reading commands.

#include "display/core/lesefinger.h"
#include "display/ui/bildfenster.h"

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>
#include <memory>

class TleseForm4 : public display::BildFenster {
    Q_OBJECT
public:
    // `puffer` is the exercise buffer (up to its "#"; line breaks as CR LF), shown with
    // its gap marks taken out. Of the settings the font, both colours, the speed, the
    // help label's font and colour and whether Return marks words count here. exec()
    // shows the reading and returns when the pupil has closed it with Esc.
    TleseForm4(const QString &puffer, display::LeseModus modus,
               const display::LesefingerSettings &settings, QWidget *parent = nullptr);
    ~TleseForm4() override;

    // For tests and measurements.
    const display::Lesefinger *motion() const { return m_lese.get(); }

signals:
    // A word marked with Return: as it stands in the buffer, with its gap marks, and the
    // selection that colours it in the exercise text (a line break one character).
    void wordMarked(const QString &word, int selectionStart, int selectionLength);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void onTick(qint64 refresh) override;

private:
    // Draws the rows `rows` of the picture anew from the reading's state.
    void zeichnen(const QRect &rows);
    QRect aktiveZeilen() const;
    // Line `z` at `ort`, its syllables in their colours when they are coloured.
    void farbigZeichnen(QPainter &canvas, QPoint ort, const display::LeseZeile &z) const;

    const display::LesefingerSettings m_settings;
    QFont m_font;
    QColor m_zeigerFarbe; // the pointers and the passed text
    std::unique_ptr<display::Lesefinger> m_lese;
    int m_gezeichneteSeite = -1;
    bool m_hilfeGezeichnet = false;
    QRect m_aktiv; // the rows the current line and its pointers took when last drawn
    int m_gezeichneteZeile = -1;
    int m_zeigerX = 0; // the pointer's tip and the end of the passed part, as drawn
    int m_grenzeX = 0;
};
