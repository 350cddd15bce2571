#include "app/info.h"

#include "exercise/ui/sprachwechsel.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

QPixmap programLogo()
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(72, 72) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    p.drawRoundedRect(QRectF(2, 10, 68, 52), 8, 8);
    QFont font(u"Arial"_s);
    font.setPixelSize(30);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(255, 230, 80));
    p.drawText(QRectF(2, 10, 68, 40), Qt::AlignCenter, u"Lb"_s);
    p.setPen(QPen(QColor(0, 230, 0), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 52), QPointF(50, 52));
    p.drawLine(QPointF(50, 52), QPointF(43, 47));
    p.drawLine(QPointF(50, 52), QPointF(43, 57));
    return pixmap;
}

TForm7::TForm7(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"Form7"_s);
    setModal(true);

    Image1 = new QLabel;
    Image1->setObjectName(u"Image1"_s);
    Image1->setPixmap(programLogo());
    Image1->setAlignment(Qt::AlignTop);

    Label1 = new QLabel;
    Label1->setObjectName(u"Label1"_s);
    QFont title = Label1->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() > 0 ? title.pointSizeF() * 1.8 : 18);
    Label1->setFont(title);
    Label2 = new QLabel;
    Label2->setObjectName(u"Label2"_s);
    Label3 = new QLabel;
    Label3->setObjectName(u"Label3"_s);
    Label3->setWordWrap(true);
    Label4 = new QLabel;
    Label4->setObjectName(u"Label4"_s);
    Label4->setWordWrap(true);
    Label5 = new QLabel;
    Label5->setObjectName(u"Label5"_s);
    Label5->setWordWrap(true);

    BitBtn1 = new QPushButton(u"OK"_s);
    BitBtn1->setObjectName(u"BitBtn1"_s);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    auto *texts = new QVBoxLayout;
    texts->addWidget(Label1);
    texts->addWidget(Label2);
    texts->addSpacing(10);
    texts->addWidget(Label3);
    texts->addWidget(Label4);
    texts->addSpacing(10);
    texts->addWidget(Label5);
    texts->addStretch(1);

    auto *top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(Image1);
    top->addLayout(texts, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 12);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setFixedWidth(400);
    beiSprachwechsel(this, [this] {
        setWindowTitle(tr("Info"));
        Label1->setText(tr("Laufbahn II"));
        Label2->setText(tr("Version %1").arg(QStringLiteral(LAUFBAHN_VERSION)));
        Label3->setText(tr("Lesen und Rechtschreiben üben:\n"
                           "Wörter, Wortgruppen und Texte lesen und aus dem Gedächtnis "
                           "nachschreiben."));
        Label4->setText(tr("Für Schülerinnen und Schüler der Grundschule."));
        Label5->setText(tr("Freie Software: Sie dürfen das Programm weitergeben und verändern "
                           "unter der GNU General Public License, Version 3 oder später. "
                           "Es kommt ohne jede Gewährleistung."));
    });
}
