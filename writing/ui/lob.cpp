#include "writing/ui/lob.h"

#include "exercise/ui/sprachwechsel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

using namespace Qt::StringLiterals;

TForm11::TForm11(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"Form11"_s);
    setAutoFillBackground(true);

    Label1 = new QLabel(u"Prima"_s, this);
    Label1->setObjectName(u"Label1"_s);
    // A praise line or a first name is never markup.
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    QFont font(u"Arial"_s);
    font.setPixelSize(64);
    font.setBold(true);
    Label1->setFont(font);

    m_timer = new QTimer(this);
    m_timer->setObjectName(u"Timer1"_s);
    m_timer->setSingleShot(true);
    m_timer->setInterval(showTimeMs);
    connect(m_timer, &QTimer::timeout, this, &QDialog::accept);
    beiSprachwechsel(this, [this] { setWindowTitle(tr("Lob")); });
}

void TForm11::zeigen(const QString &text, const PraiseTextLook &look)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, look.background);
    setPalette(palette);
    QPalette labelPalette = Label1->palette();
    labelPalette.setColor(QPalette::WindowText, look.textColor);
    Label1->setPalette(labelPalette);
    Label1->setText(text);
    placeLabel();

    setWindowState(windowState() | Qt::WindowMaximized);
    m_timer->start();
    exec();
    m_timer->stop();
}

void TForm11::keyPressEvent(QKeyEvent *event)
{
    // Return, Escape and letters alike: the praise goes by itself.
    event->accept();
}

void TForm11::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    placeLabel();
}

void TForm11::placeLabel()
{
    const int width = qMax(1, this->width() - 16);
    const int height = Label1->heightForWidth(width);
    Label1->setGeometry(8, this->height() / 2 - height / 2, width, height);
}
