#include "settings/ui/lueckendialog.h"

#include "exercise/core/markup.h"
#include "settings/core/luecken.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int zeilenJeSpalte = 13;

} // namespace

LueckenDialog::LueckenDialog(const settings::LueckenEinstellungen &wahl, bool mitAuswahl,
                             QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"LueckenDialog"_s);
    setWindowTitle(u"Lücken setzen"_s);

    auto *faelle = new QGroupBox(u"Lücken bei"_s, this);
    auto *faelleLayout = new QGridLayout(faelle);
    for (int row = 0; row < auswertung::sonstigeWoerter; ++row) {
        auto *box = new QCheckBox(auswertung::beschriftung(row), faelle);
        box->setObjectName(u"Phaenomen%1"_s.arg(row));
        box->setChecked(wahl.phaenomene >> row & 1);
        faelleLayout->addWidget(box, row % zeilenJeSpalte, row / zeilenJeSpalte);
        connect(box, &QCheckBox::toggled, this, &LueckenDialog::okFreigeben);
        m_phaenomene.append(box);
    }

    auto *art = new QGroupBox(u"Lücke"_s, this);
    auto *artLayout = new QVBoxLayout(art);
    const QString arten[] = {u"Buchstaben als _ _ _ zeigen"_s, u"als [] zeigen"_s,
                             u"nicht nachschreiben"_s};
    for (int n = 0; n < 3; ++n) {
        auto *knopf = new QRadioButton(arten[n], art);
        knopf->setObjectName(u"Art%1"_s.arg(n));
        artLayout->addWidget(knopf);
        m_arten.append(knopf);
    }
    m_arten[std::clamp(wahl.art, 0, 2)]->setChecked(true);

    auto *bereich = new QGroupBox(u"Bereich"_s, this);
    auto *bereichLayout = new QVBoxLayout(bereich);
    m_nurAuswahl = new QRadioButton(u"nur im markierten Abschnitt"_s, bereich);
    m_nurAuswahl->setObjectName(u"NurAuswahl"_s);
    m_ganzerText = new QRadioButton(u"im ganzen Text"_s, bereich);
    m_ganzerText->setObjectName(u"GanzerText"_s);
    bereichLayout->addWidget(m_nurAuswahl);
    bereichLayout->addWidget(m_ganzerText);
    // Without a selection only the whole text can be meant.
    m_nurAuswahl->setEnabled(mitAuswahl);
    (mitAuswahl && wahl.nurAuswahl ? m_nurAuswahl : m_ganzerText)->setChecked(true);

    m_knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_knoepfe->button(QDialogButtonBox::Ok)->setText(u"OK"_s);
    m_knoepfe->button(QDialogButtonBox::Cancel)->setText(u"Abbrechen"_s);
    connect(m_knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *unten = new QHBoxLayout;
    unten->addWidget(art);
    unten->addWidget(bereich);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(faelle);
    layout->addLayout(unten);
    layout->addWidget(m_knoepfe);
    okFreigeben();
}

std::optional<settings::LueckenEinstellungen> LueckenDialog::waehlen()
{
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return werte();
}

settings::LueckenEinstellungen LueckenDialog::werte() const
{
    settings::LueckenEinstellungen wahl;
    for (int row = 0; row < m_phaenomene.size(); ++row) {
        if (m_phaenomene[row]->isChecked())
            wahl.phaenomene |= 1 << row;
    }
    for (int n = 0; n < m_arten.size(); ++n) {
        if (m_arten[n]->isChecked())
            wahl.art = n;
    }
    wahl.nurAuswahl = m_nurAuswahl->isChecked();
    return wahl;
}

QChar LueckenDialog::zeichen(int art)
{
    switch (art) {
    case 1:
        return markup::omittedPartMark;
    case 2:
        return markup::notRewrittenMark;
    default:
        return markup::omittedLettersMark;
    }
}

// Without a phenomenon there is nothing to mark.
void LueckenDialog::okFreigeben()
{
    const bool eines = std::any_of(m_phaenomene.begin(), m_phaenomene.end(),
                                   [](const QCheckBox *box) { return box->isChecked(); });
    m_knoepfe->button(QDialogButtonBox::Ok)->setEnabled(eines);
}
