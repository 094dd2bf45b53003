#include "KorrekturMenue.h"

#include <QMenu>

#include "Datenbank.h"
#include "Rennleitung.h"
#include "Rueckfrage.h"
#include "Rundenkorrektur.h"
#include "SlotAnzeige.h"
#include "SlotWerte.h"
#include "diaKorrektur.h"

KorrekturMenue::KorrekturMenue(Rennleitung& leitung, QWidget* fenster)
    : QObject(fenster),
      m_leitung(leitung),
      m_fenster(fenster),
      m_korrektur(new Rundenkorrektur(leitung, this)) {
    m_frage = [this](const QString& titel, const QString& text) -> std::optional<QString> {
        diaKorrektur dialog(titel, text, m_fenster);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.grund();
    };
}

KorrekturMenue::~KorrekturMenue() = default;

void KorrekturMenue::haengeAn(SlotAnzeige* panel) {
    panel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(panel, &QWidget::customContextMenuRequested, panel, [this, panel](const QPoint& p) {
        QMenu* menue = menueFuer(panel->werte().ReturnBahn(), panel);
        menue->setAttribute(Qt::WA_DeleteOnClose);
        menue->popup(panel->mapToGlobal(p));
    });
}

QMenu* KorrekturMenue::menueFuer(int bahn, QWidget* eltern) {
    auto* menue = new QMenu(eltern);
    using Art = Rundenkorrektur::Art;
    const struct {
        const char* text;
        Art art;
    } eintraege[] = {{QT_TR_NOOP("Runde +1"), Art::PlusEins},
                     {QT_TR_NOOP("Letzte Runde löschen"), Art::MinusEins}};
    for (const auto& e : eintraege) {
        QAction* a = menue->addAction(tr(e.text));
        // A correction that cannot be made now is greyed, and its tooltip says why.
        const QString nein = m_korrektur->hindernis(bahn, e.art);
        a->setEnabled(nein.isEmpty());
        a->setToolTip(nein);
        const bool plus = e.art == Art::PlusEins;
        connect(a, &QAction::triggered, this, [this, bahn, plus] { fuehreAus(bahn, plus); });
    }
    menue->setToolTipsVisible(true);
    return menue;
}

void KorrekturMenue::fuehreAus(int bahn, bool plus) {
    const QString fahrer =
        m_leitung.datenbank()
            .wert(QStringLiteral("select Fahrer from positionen where Bahn=?"), {bahn})
            .toString();
    const QString titel = plus ? tr("Runde +1") : tr("Letzte Runde löschen");
    const QString text =
        plus ? tr("Eine Runde für %1 auf Bahn %2 zählen, die der Sensor nicht erfasst hat?")
                   .arg(fahrer)
                   .arg(bahn)
             : tr("Die letzte Runde von %1 auf Bahn %2 löschen? Sie bleibt in der Rundentabelle "
                  "mit dem Vermerk K- und zählt nicht mehr.")
                   .arg(fahrer)
                   .arg(bahn);
    const std::optional<QString> grund = m_frage(titel, text);
    if (!grund) return;
    const QString nein = m_korrektur->korrigiere(
        bahn, plus ? Rundenkorrektur::Art::PlusEins : Rundenkorrektur::Art::MinusEins, *grund);
    if (!nein.isEmpty()) m_leitung.rueckfrage().meldung(nein);
}
