// The lane panels: their fixed values from the standings at the start of a run, and which
// panel shows which lane or place. A part of Rennleitung kept in a file of its own.

#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "data/Datenbank.h"
#include "engine/Rennleitung.h"
#include "engine/Rundensicherung.h"
#include "engine/SlotAnzeigen.h"

void Rennleitung::SetzeAnzeigeWerte(int sortierung) {
    const int anz = anzBahnen();
    // Drivers, cars and lanes may have changed in the table (dialogs, a tournament heat);
    // lap values are taken from it only while nothing waits to be written there.
    QString fehler;
    if (!m_stand.lade(m_db, !m_sicherung->allesGespeichert(), &fehler))
        SchreibeDebug(QStringLiteral("SetzeAnzeigeWerte: ") + fehler);
    const QVector<PositionsZeile> zeilen = m_stand.sortiert(anz, 1);  // by fastest lap
    const auto bild = [this](const QString& tabelle, const QString& name) {
        const QString link =
            m_db.wert(QStringLiteral("select bildlink from %1 where name=?").arg(tabelle), {name})
                .toString();
        return link.isEmpty() ? QString() : m_e.BilderPfad + QLatin1Char('/') + link;
    };
    const int laenge = int(grenzeZahl());
    int platz = 0;
    for (const PositionsZeile& z : zeilen) {
        ++platz;
        if (!zeitnahme().fahrerNachEingang) {
            if (z.bahn >= 1 && z.bahn <= 6)
                m_z.FahrerNr[size_t(z.bahn)] = qint16(z.fahrerNr);
            else
                SchreibeDebug(QStringLiteral("SetzeAnzeigeWerte: Bahn %1 ungültig").arg(z.bahn));
        }
        SlotWerte& p = sortierung == 2 ? *GetSlotAnzeigeFromBahn(z.bahn) : panel(platz - 1);
        p.SetFirstVarWerte(z.fahrer, bild(QStringLiteral("fahrer"), z.fahrer), z.autoName,
                           bild(QStringLiteral("autos"), z.autoName), m_z.RennArt, laenge);
    }
    emit panelsGeaendert();
}

// ---- lane panels

SlotWerte& Rennleitung::slotWerte(int bahn) { return m_anzeigen->panel(qBound(1, bahn, 6) - 1); }

SlotWerte& Rennleitung::panel(int index) { return m_anzeigen->panel(index); }

int Rennleitung::panelIndexVonBahn(int bahn) const {
    return m_anzeigen->indexVonBahn(bahn, anzBahnen());
}

int Rennleitung::panelIndexVonPosition(int platz) const {
    return m_anzeigen->indexVonPosition(platz, anzBahnen());
}

SlotWerte* Rennleitung::GetSlotAnzeigeFromBahn(int bahn) {
    return &m_anzeigen->panel(panelIndexVonBahn(bahn));
}

SlotWerte* Rennleitung::GetSlotAnzeigeFromPosition(int platz) {
    return &m_anzeigen->panel(panelIndexVonPosition(platz));
}

QVector<int> Rennleitung::panelReihenfolge() const { return m_anzeigen->reihenfolge(anzBahnen()); }

void Rennleitung::ordneNachBahn() {
    m_anzeigen->ordneNachBahn();
    emit panelsGeaendert();
}
