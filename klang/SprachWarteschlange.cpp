#include "klang/SprachWarteschlange.h"

#include "config/DebugLog.h"
#include "config/Uhr.h"

SprachWarteschlange::SprachWarteschlange(SprachSynthese& synthese, SprachWiedergabe& wiedergabe,
                                         QObject* parent)
    : QObject(parent), m_synthese(synthese), m_wiedergabe(wiedergabe) {
    connect(&m_synthese, &SprachSynthese::fertig, this, &SprachWarteschlange::synthetisiert);
    connect(&m_wiedergabe, &SprachWiedergabe::beendet, this, &SprachWarteschlange::gesprochen);
}

void SprachWarteschlange::sprich(const QString& text, const QString& stimme, Sprechart art,
                                 const QString& fahrer) {
    if (art == Sprechart::Bestzeit && !fahrer.isEmpty()) {
        // The older best lap of this driver is stale once a newer one is known.
        for (qsizetype i = m_warten.size() - 1; i >= 0; --i) {
            const Eintrag& e = m_warten.at(i);
            if (e.art == Sprechart::Bestzeit && e.fahrer == fahrer) {
                SchreibeDebug(QStringLiteral("Ansage ersetzt: ") + e.text);
                m_warten.removeAt(i);
            }
        }
    }
    m_warten.enqueue({text, stimme, art, fahrer, m_uhr ? m_uhr->ms() : 0});
    if (!m_aktiv) weiter();
}

bool SprachWarteschlange::zuSpaet(const Eintrag& e) const {
    return m_uhr && e.art != Sprechart::Ergebnis && m_uhr->ms() - e.seit > maxWarteMs;
}

void SprachWarteschlange::leeren() {
    m_warten.clear();
    if (!m_aktiv) return;
    if (m_synthetisiert) {
        m_wiedergabe.abbrechen();  // gesprochen() follows and finds the queue empty
    } else {
        // The engine still works on it; its answer is thrown away when it comes.
        ++m_verworfen;
        m_aktiv = false;
        emit leer();
    }
}

void SprachWarteschlange::weiter() {
    if (m_imWeiter) {
        m_nochmal = true;
        return;
    }
    m_imWeiter = true;
    do {
        m_nochmal = false;
        if (m_warten.isEmpty()) {
            const bool warAktiv = m_aktiv;
            m_aktiv = false;
            if (warAktiv) emit leer();
            break;
        }
        const Eintrag e = m_warten.dequeue();
        if (zuSpaet(e)) {
            SchreibeDebug(QStringLiteral("Ansage verworfen nach %1 ms Wartezeit: %2")
                              .arg(m_uhr->ms() - e.seit)
                              .arg(e.text));
            m_nochmal = true;
            continue;
        }
        m_aktiv = true;
        m_synthetisiert = false;
        m_aktuell = e.text;
        m_synthese.starte(e.text, e.stimme);
    } while (m_nochmal);
    m_imWeiter = false;
}

void SprachWarteschlange::synthetisiert(const SprachPcm& pcm) {
    if (m_verworfen > 0) {
        --m_verworfen;
        return;
    }
    if (!m_aktiv || m_synthetisiert) return;
    m_synthetisiert = true;
    emit beginnt(m_aktuell);
    m_wiedergabe.spiele(pcm);
}

void SprachWarteschlange::gesprochen() {
    if (!m_aktiv || !m_synthetisiert) return;
    m_synthetisiert = false;
    emit beendet(m_aktuell);
    weiter();
}
