#pragma once
// "Lücken setzen": the spelling phenomena whose letters become gaps, the kind of gap and
// where. Opened from the editor's menu; it shows the last choice and answers with the new.

#include "settings/core/zusatzeinstellungen.h"

#include <QDialog>
#include <QList>

#include <optional>

class QCheckBox;
class QDialogButtonBox;
class QRadioButton;

class LueckenDialog : public QDialog {
    Q_OBJECT
public:
    // `mitAuswahl`: the editor has a selection, so "nur im markierten Abschnitt" can apply.
    LueckenDialog(const settings::LueckenEinstellungen &wahl, bool mitAuswahl,
                  QWidget *parent = nullptr);

    // Shows the dialog modally; the choice when the teacher confirms it.
    std::optional<settings::LueckenEinstellungen> waehlen();

    settings::LueckenEinstellungen werte() const;

    // The mark of a kind of gap in the dialog's order: "§", "$", "&".
    static QChar zeichen(int art);

private:
    void okFreigeben();

    QList<QCheckBox *> m_phaenomene; // one per row of the evaluation but the last
    QList<QRadioButton *> m_arten;
    QRadioButton *m_nurAuswahl;
    QRadioButton *m_ganzerText;
    QDialogButtonBox *m_knoepfe;
};
