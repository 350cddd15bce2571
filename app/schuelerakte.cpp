#include "app/schuelerakte.h"

#include "exercise/ui/hiddenmemo.h"

#include <QDateTime>
#include <QEvent>
#include <QListWidget>
#include <QTimer>

namespace {

// Selects `entry`, or nothing when the list does not hold it (entries are never empty).
void selectEntry(QListWidget *list, const QString &entry)
{
    const QList<QListWidgetItem *> found =
        entry.isEmpty() ? QList<QListWidgetItem *>() : list->findItems(entry, Qt::MatchExactly);
    if (found.isEmpty()) {
        list->setCurrentItem(nullptr);
        list->clearSelection();
        return;
    }
    list->setCurrentItem(found.constFirst());
    found.constFirst()->setSelected(true);
}

// A selection made with the mouse counts once the button is released: a modal question
// asked in the middle of a press would leave the list dragging its selection after it.
class Mausbeobachter : public QObject {
public:
    Mausbeobachter(QListWidget *list, std::function<void()> released)
        : QObject(list), m_list(list), m_released(std::move(released))
    {
        list->viewport()->installEventFilter(this);
    }
    bool pressed = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick) {
            pressed = true;
        } else if (event->type() == QEvent::MouseButtonRelease && pressed) {
            pressed = false;
            // After the list has handled the release (and emitted its click).
            QTimer::singleShot(0, m_list, m_released);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QListWidget *m_list;
    std::function<void()> m_released;
};

} // namespace

SchuelerAkte::SchuelerAkte(QListWidget *liste, HiddenMemo *zeilen, QObject *parent)
    : QObject(parent), m_liste(liste), m_zeilen(zeilen)
{
    // A record of years of exercises lists hundreds of thousands of them.
    m_liste->setUniformItemSizes(true);
    const auto gewaehlt = [this](bool auchGezeigt) {
        if (m_auffuellen || m_beschaeftigt)
            return;
        const QString eintrag = gewaehlterEintrag();
        if (eintrag.isEmpty() || (!auchGezeigt && eintrag == m_gezeigt))
            return;
        m_beschaeftigt = true;
        emit eintragGewaehlt();
        m_beschaeftigt = false;
    };
    auto *maus = new Mausbeobachter(m_liste, [gewaehlt] { gewaehlt(false); });
    // Arrow keys and the like select at once.
    connect(m_liste, &QListWidget::itemSelectionChanged, this, [maus, gewaehlt] {
        if (!maus->pressed)
            gewaehlt(false);
    });
    // A click shows the exercise again even when it is selected already, as a fresh start
    // of its corrections.
    connect(m_liste, &QListWidget::itemClicked, this, [gewaehlt] { gewaehlt(true); });
}

void SchuelerAkte::uebernehmen(pupilrecord::PupilFile datei)
{
    m_datei = std::move(datei);
    m_gezeigt.clear();
    auffuellen(QString());
    emit schuelerGewechselt();
}

IoError SchuelerAkte::laden(const QString &pfad)
{
    IoError error;
    std::optional<pupilrecord::PupilFile> datei = pupilrecord::PupilFile::load(pfad, &error);
    if (datei)
        uebernehmen(std::move(*datei));
    return error;
}

void SchuelerAkte::vergessen()
{
    m_datei.reset();
    m_gezeigt.clear();
    auffuellen(QString());
    emit schuelerGewechselt();
}

QString SchuelerAkte::gewaehlterEintrag() const
{
    const QListWidgetItem *item = m_liste->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

QStringList SchuelerAkte::zeigen(const QString &eintrag)
{
    m_gezeigt = eintrag;
    return m_datei ? m_datei->wordsOf(eintrag) : QStringList();
}

void SchuelerAkte::gezeigtenWaehlen()
{
    m_auffuellen = true;
    selectEntry(m_liste, m_gezeigt);
    m_auffuellen = false;
}

SchuelerAkte::Eingetragen SchuelerAkte::eintragen(pupilrecord::ExerciseKind art,
                                                  const QString &textName,
                                                  const QStringList &woerter)
{
    Eingetragen ergebnis;
    if (!m_datei)
        return ergebnis;
    const QString eintrag = pupilrecord::makeEntry(art, QDateTime::currentDateTime(), textName);
    ergebnis.schreiben = m_datei->appendExercise(eintrag, woerter);
    if (ergebnis.schreiben.unencodable.isEmpty())
        emit eingetragen();
    // Step 3 now shows this run's words: an earlier exercise chosen again must show its
    // own before a correction may reach it.
    m_gezeigt.clear();
    if (art != pupilrecord::ExerciseKind::Laufbahn) {
        auffuellen(QString());
        return ergebnis;
    }
    auffuellen(eintrag);
    if (!gewaehlterEintrag().isEmpty())
        ergebnis.woerter = zeigen(eintrag);
    return ergebnis;
}

WriteResult SchuelerAkte::korrigieren(const QStringList &woerter)
{
    WriteResult ergebnis;
    const QString eintrag = gewaehlterEintrag();
    // Only the exercise whose words step 3 shows may take them.
    if (!m_datei || eintrag.isEmpty() || eintrag != m_gezeigt)
        return ergebnis;
    ergebnis = m_datei->updateWords(eintrag, woerter);
    if (ergebnis.unencodable.isEmpty())
        emit eingetragen();
    auffuellen(eintrag);
    return ergebnis;
}

WriteResult SchuelerAkte::ungeschriebeneSchreiben()
{
    if (!m_datei || !m_datei->hasUnwrittenChanges())
        return {};
    const WriteResult ergebnis = m_datei->writeUnwritten();
    if (ergebnis.ok())
        auffuellen(gewaehlterEintrag());
    return ergebnis;
}

void SchuelerAkte::auffuellen(const QString &auswahl)
{
    m_auffuellen = true;
    m_zeilen->setPlainText(m_datei ? m_datei->text() : QString());
    m_liste->clear();
    if (m_datei)
        m_liste->addItems(m_datei->entries());
    selectEntry(m_liste, auswahl);
    m_auffuellen = false;
}
