#include "engine/Rennvorgaben.h"

#include "config/Einstellungen.h"
#include "config/EinstellungsSpeicher.h"
#include "engine/Rennleitung.h"

Rennvorgaben::Rennvorgaben(Rennleitung& leitung, QObject* parent)
    : QObject(parent), m_leitung(leitung) {
    connect(&leitung, &Rennleitung::zustandGeaendert, this, &Rennvorgaben::merke);
}

void Rennvorgaben::stelleWiederHer() {
    EinstellungsSpeicher& s = m_leitung.speicher();
    bool ok = false;
    const int modus = s.hole(QStringLiteral("LetzterModus"), QString()).toInt(&ok);
    const QString grenze = s.hole(QStringLiteral("LetzteGrenze"), QString()).trimmed();
    m_stellt = true;
    if (ok && modus >= 0 && modus < Rennleitung::rennModi().size())
        m_leitung.cbRAuswahl_Click(modus);
    // T-Power takes its limit from PowerTrainingZeit.
    bool zahl = false;
    const double wert = grenze.toDouble(&zahl);
    if (zahl && wert >= 1 && wert <= 300 && m_leitung.zustand().RennModus != 4) {
        m_leitung.setzeGrenze(grenze);
        m_leitung.Grenze_Validate();
    }
    const QString name = m_leitung.einstellungen().RennName;
    if (m_leitung.zustand().RennArt != Laufart::Training && !name.isEmpty())
        m_leitung.RennNameSetzen(name);
    m_stellt = false;
    merke();
}

void Rennvorgaben::merke() {
    if (m_stellt) return;
    const RennZustand& z = m_leitung.zustand();
    EinstellungsSpeicher& s = m_leitung.speicher();
    if (z.RennModus != m_modus) {
        m_modus = z.RennModus;
        s.speichere(QStringLiteral("LetzterModus"), QString::number(m_modus));
    }
    if (z.Grenze != m_grenze) {
        m_grenze = z.Grenze;
        s.speichere(QStringLiteral("LetzteGrenze"), m_grenze);
    }
}
