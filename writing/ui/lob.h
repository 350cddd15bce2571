#pragma once
// The praise text "Lob": one praise line in large letters over the whole screen for
// about a second. Shown by the main window when a pupil rewrites a chunk right.

#include <QColor>
#include <QDialog>

class QLabel;
class QTimer;

// What the praise text takes from the settings, read at every showing.
struct PraiseTextLook {
    QColor background = QColor(240, 240, 240); // the rewrite form's background
    QColor textColor = Qt::black;              // the writing font's colour
};

class TForm11 : public QDialog {
    Q_OBJECT
public:
    // How long a praise text stays.
    static constexpr int showTimeMs = 1000;

    explicit TForm11(QWidget *parent = nullptr);

    // Shows `text` as plain text and returns when it has gone. Meanwhile the praise
    // holds the keyboard, so a key meant for the rewrite form does nothing twice.
    void zeigen(const QString &text, const PraiseTextLook &look);

    QLabel *Label1;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeLabel();

    QTimer *m_timer;
};
