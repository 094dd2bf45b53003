// The end of a run in the history: lap records, the history copy with its result file, and
// the check that a new run may clear the lap table. A part of Rennleitung kept in a file of
// its own.

#include <memory>

#include "Datenbank.h"
#include "Einstellungen.h"
#include "Rangliste.h"
#include "Rennleitung.h"
#include "Rueckfrage.h"
#include "Rundenprotokoll.h"
#include "Rundensicherung.h"

void Rennleitung::CheckSchnellsteRunde() {
    QString schritt = QStringLiteral("Positionen lesen");
    QString fehler;
    const QVector<PositionsZeile> zeilen = m_rangliste->lese(anzBahnen(), ordnung(), &fehler);
    if (fehler.isEmpty() && m_rangliste->uebertrageSchnellsteRunden(zeilen, &schritt, &fehler))
        return;
    m_rueckfrage.meldung(tr("Fehler in SUB CheckSchnellsteRunde bei %1 . %2").arg(schritt, fehler));
}

bool Rennleitung::KopieToHistRennen() {
    const QString stempel = rennStempel();
    const QString rennName = m_z.AktRennName;
    // Runs now, or once the laps still unsaved are stored; the messages come once.
    auto lrfOk = std::make_shared<bool>(true);
    auto kopie = [this, stempel, rennName, lrfOk, gemeldet = false](QString* grund) mutable {
        QString text;
        int nr = 0;
        if (!m_db.KopieToHistRennen(stempel, &text, &nr)) {
            if (!gemeldet)
                m_rueckfrage.meldung(
                    tr("Fehler beim kopieren in die Historie Tabelle. FehlerNr: %1 Info: %2")
                        .arg(QString::number(nr), text));
            gemeldet = true;
            *grund = text;
            return false;
        }
        // A result file that cannot be written is reported, not retried: the laps are safe.
        if (m_e.LTFSchreiben == 1 && !m_protokoll->schreibeLrf(rennName, stempel, &nr, &text)) {
            m_rueckfrage.meldung(tr("Fehler beim Schreiben der LRF Datei. FehlerNr: %1 Info: %2")
                                     .arg(QString::number(nr), text));
            *lrfOk = false;
        }
        return true;
    };
    return m_sicherung->kopiereInHistorie(kopie) && *lrfOk;
}

bool Rennleitung::bereitFuerNeuenLauf() {
    if (m_sicherung->allesGespeichert() || m_sicherung->sichereJetzt()) return true;
    m_rueckfrage.meldung(
        tr("Der letzte Lauf ist noch nicht gespeichert (%1 Runden). %2")
            .arg(QString::number(m_sicherung->ungespeicherteRunden()), m_sicherung->fehlerText()));
    return false;
}
