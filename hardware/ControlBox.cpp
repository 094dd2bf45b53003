#include "hardware/ControlBox.h"

#include "config/DebugLog.h"

void ControlBox::setzeFarbe(qint32 farbe) {
    m_farbe = farbe;
    emit anzeigeGeaendert(farbe);
}

void ControlBox::portGeoeffnet() {
    m_protokoll.zuruecksetzen();
    setzeFarbe(farbeRot);
    emit sende(BoxProtokoll::befehlOeffnen());
}

void ControlBox::portWiederGeoeffnet() {
    m_protokoll.zuruecksetzen();
    emit sende(QByteArrayLiteral("gi;"));
}

void ControlBox::rennStart() { emit sende(BoxProtokoll::befehlRennStart()); }

void ControlBox::gruen() { emit sende(BoxProtokoll::befehlGruen()); }

void ControlBox::SchalteBepfe(const QString& wert, int anAus) {
    const QByteArray befehl = BoxProtokoll::befehlSchalten(wert, anAus);
    if (!befehl.isEmpty()) emit sende(befehl);
}

void ControlBox::datenEmpfangen(const QByteArray& daten) {
    bool herz = false;
    bool runde = false;
    for (const BoxEreignis& e : m_protokoll.fuettere(daten)) {
        if (e.art != BoxEreignis::Art::Verworfen) ++m_gueltige;
        switch (e.art) {
            case BoxEreignis::Art::Runde:
                runde = true;
                emit rundeErfasst(e.bahn, e.zeit);
                break;
            case BoxEreignis::Art::Ok:
                m_bereit = true;
                break;
            case BoxEreignis::Art::Herzschlag:
                herz = true;
                break;
            case BoxEreignis::Art::Chaos:
                if (e.wert == 1)
                    emit chaosAn();
                else
                    emit chaosAus();
                break;
            case BoxEreignis::Art::Eingaenge:
                m_eingaenge = e.wert;
                emit zustandGeaendert(m_eingaenge, m_relais);
                break;
            case BoxEreignis::Art::Relais:
                m_relais = e.wert;
                emit zustandGeaendert(m_eingaenge, m_relais);
                break;
            case BoxEreignis::Art::Verworfen:
                SchreibeDebug(e.text);
                break;
        }
    }
    if (!m_bereit) return;
    if (herz) setzeFarbe(m_farbe == farbeBlau ? farbeGelb : farbeBlau);
    if (runde) setzeFarbe(farbeGruen);
}
