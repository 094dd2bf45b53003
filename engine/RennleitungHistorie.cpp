// The end of a run in the history: lap records, the history copy with its result file, and
// the check that a new run may clear the lap table. A part of Rennleitung kept in a file of
// its own.

#include <memory>

#include "config/Einstellungen.h"
#include "data/Datenbank.h"
#include "engine/Rangliste.h"
#include "engine/Rennleitung.h"
#include "engine/Rueckfrage.h"
#include "engine/Rundenprotokoll.h"
#include "engine/Rundenschreiber.h"
#include "engine/Rundensicherung.h"

void Rennleitung::CheckSchnellsteRunde() {
    // The rows as the run ended, carried into the lap records behind the laps of the run.
    const QVector<PositionsZeile> zeilen = rangliste();
    auto schritt = std::make_shared<QString>();
    m_sicherung->schreibeDanach(
        [zeilen, schritt](Datenbank& db) {
            Rundenschreiber::Ergebnis e;
            e.ok = Rangliste(db).uebertrageSchnellsteRunden(zeilen, schritt.get(), &e.text);
            return e;
        },
        [this, schritt, gemeldet = false](const Rundenschreiber::Ergebnis& e) mutable {
            if (e.ok || gemeldet) return;
            gemeldet = true;
            m_rueckfrage.meldung(
                tr("Fehler in SUB CheckSchnellsteRunde bei %1 . %2").arg(*schritt, e.text));
        });
}

bool Rennleitung::KopieToHistRennen() {
    const QString stempel = rennStempel();
    const QString rennName = m_z.AktRennName;
    // Runs behind the laps of the run, once the database has them; the messages come once.
    auto lrfOk = std::make_shared<bool>(true);
    const bool kopiert = m_sicherung->kopiereInHistorie(
        [stempel](Datenbank& db) {
            Rundenschreiber::Ergebnis e;
            e.ok = db.KopieToHistRennen(stempel, &e.text, &e.fehlerNr);
            return e;
        },
        [this, stempel, rennName, lrfOk, gemeldet = false](
            const Rundenschreiber::Ergebnis& e) mutable {
            if (!e.ok) {
                if (!gemeldet)
                    m_rueckfrage.meldung(
                        tr("Fehler beim kopieren in die Historie Tabelle. FehlerNr: %1 Info: %2")
                            .arg(QString::number(e.fehlerNr), e.text));
                gemeldet = true;
                return;
            }
            // A result file that cannot be written is reported, not retried: the laps are
            // safe.
            int nr = 0;
            QString text;
            if (m_e.LTFSchreiben == 1 && !m_protokoll->schreibeLrf(rennName, stempel, &nr, &text)) {
                m_rueckfrage.meldung(
                    tr("Fehler beim Schreiben der LRF Datei. FehlerNr: %1 Info: %2")
                        .arg(QString::number(nr), text));
                *lrfOk = false;
            }
        });
    return kopiert && *lrfOk;
}

bool Rennleitung::bereitFuerNeuenLauf() {
    if (m_sicherung->allesGespeichert() || m_sicherung->sichereJetzt()) return true;
    m_rueckfrage.meldung(
        (m_sicherung->ungespeicherteRunden() == 1
             ? tr("Der letzte Lauf ist noch nicht gespeichert (%1 Runde). %2")
             : tr("Der letzte Lauf ist noch nicht gespeichert (%1 Runden). %2"))
            .arg(QString::number(m_sicherung->ungespeicherteRunden()), m_sicherung->fehlerText()));
    return false;
}
