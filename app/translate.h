#pragma once
// The program's captions in Spanish, from the hidden entries "español" and "deutsch" of
// the main window's menu "Extras": the Spanish translation goes over the German captions
// of the forms that live for the whole run, and comes off again. Nothing is stored.

#include <QObject>
#include <QSize>
#include <QString>
#include <QTranslator>

class QWidget;
class TForm7;
class TForm10;

class TForm19 : public QObject {
    Q_OBJECT
public:
    TForm19(QWidget &hauptfenster, TForm10 &einstellungen, TForm7 &info);
    ~TForm19() override;

    // Spanish captions, also for Qt's own dialogs where Qt's Spanish texts are installed;
    // the main window's caption begins with "Cinta rodante". Once Spanish, nothing changes.
    void translatetoespanol();
    // Every caption, hint and width back as at start.
    void translatetodeutsch();
    bool spanisch() const { return m_spanisch; }

signals:
    // After the captions changed language: the main window makes room for the longer
    // Spanish ones, and gives it back.
    void spracheGewechselt(bool spanisch);

private:
    QWidget &m_hauptfenster;
    TForm10 &m_einstellungen;
    TForm7 &m_info;
    QTranslator m_beschriftungen;
    QTranslator m_qtTexte;
    bool m_spanisch = false;
    // What the Spanish captions change besides texts, kept to be put back.
    QString m_titel;
    QSize m_einstellGroesse;
};
