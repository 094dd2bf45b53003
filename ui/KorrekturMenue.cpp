#include "ui/KorrekturMenue.h"

#include <QMenu>

#include "config/Formate.h"
#include "engine/Rennleitung.h"
#include "engine/Rueckfrage.h"
#include "engine/Rundenkorrektur.h"
#include "engine/SlotWerte.h"
#include "ui/SlotAnzeige.h"
#include "ui/diaKorrektur.h"

KorrekturMenue::KorrekturMenue(Rennleitung& leitung, QWidget* fenster)
    : QObject(fenster),
      m_leitung(leitung),
      m_fenster(fenster),
      m_korrektur(new Rundenkorrektur(leitung, this)) {
    m_frage = [](diaKorrektur& dialog) -> std::optional<QString> {
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
    const QString fahrer = m_korrektur->fahrer(bahn);
    menue->addSection(fahrer.isEmpty() ? tr("Bahn %1").arg(bahn)
                                       : tr("Bahn %1: %2").arg(QString::number(bahn), fahrer));
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
    Rundenkorrektur& k = *m_korrektur;
    const QString fahrer = k.fahrer(bahn);
    // The lap is named now, as the race director sees it; it is the one taken back.
    const Laufrunden::Runde runde = plus ? Laufrunden::Runde{} : k.letzteRunde(bahn);
    if (!plus && runde.schluessel == 0) {
        m_leitung.rueckfrage().meldung(k.hindernis(bahn, Rundenkorrektur::Art::MinusEins));
        return;
    }
    const QString text =
        plus ? tr("Eine Runde für %1 auf Bahn %2 zählen, die der Sensor nicht erfasst hat?")
                   .arg(fahrer)
                   .arg(bahn)
             //: %1 lap number, %2 driver, %3 lane, %4 lap time in seconds
             : tr("Runde %1 von %2 auf Bahn %3 (%4 s) löschen? Sie bleibt in der "
                  "Rundentabelle mit dem Vermerk K- und zählt nicht mehr.")
                   .arg(QString::number(runde.runde), fahrer, QString::number(bahn),
                        Formate::Format(runde.zeit / 1000.0, QStringLiteral("#######0.000")));
    diaKorrektur dialog(plus ? tr("Runde +1") : tr("Letzte Runde löschen"), text, m_fenster);
    if (!plus) {
        // Laps keep coming while the question is open: it says what that means.
        connect(&m_leitung, &Rennleitung::panelsGeaendert, &dialog, [&] {
            dialog.setzeHinweis(k.seitDerFrage(bahn, runde.schluessel));
        });
    }
    const std::optional<QString> grund = m_frage(dialog);
    if (!grund) return;
    const QString nein = k.korrigiere(
        bahn, plus ? Rundenkorrektur::Art::PlusEins : Rundenkorrektur::Art::MinusEins, *grund,
        runde.schluessel);
    if (!nein.isEmpty()) m_leitung.rueckfrage().meldung(nein);
}
