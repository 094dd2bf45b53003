#include "DSZaehler.h"

#include <QCoreApplication>

#include "DebugLog.h"
#include "Einstellungen.h"

DSZaehler::DSZaehler(const Einstellungen* einstellungen, QObject* parent)
    : Zeitnahme(parent), m_einstellungen(einstellungen) {}

bool DSZaehler::goStart() const { return m_einstellungen && m_einstellungen->DSGoStart == 1; }

void DSZaehler::datenVerlust() {
    m_protokoll.verwirf();
    SchreibeDebug(QStringLiteral("Datenverlust"));
    emit meldung(tr("Datenverlust"));
}

void DSZaehler::portGeoeffnet() { m_protokoll.zuruecksetzen(); }

void DSZaehler::portWiederGeoeffnet() { m_protokoll.neueVerbindung(); }

void DSZaehler::datenEmpfangen(const QByteArray& daten) {
    for (const DSEreignis& e : m_protokoll.fuettere(daten)) {
        switch (e.art) {
            case DSEreignis::Art::Runde:
                emit rundeErfasst(e.bahn, e.zeit, e.zehntel);
                break;
            case DSEreignis::Art::Fehler:
                // Shown without blocking; the next frame is decoded as usual.
                SchreibeDebug(e.text);
                emit meldung(
                    QCoreApplication::translate("DSProtokoll", e.text.toUtf8().constData()));
                break;
            case DSEreignis::Art::Verworfen:
                SchreibeDebug(e.text);
                break;
            case DSEreignis::Art::Rennstart:
                SchreibeDebug(e.text);
                if (goStart()) {
                    emit startAnforderung();
                    emit ampelPhase(StartRot);
                }
                break;
            case DSEreignis::Art::Status:
                SchreibeDebug(e.text);
                switch (e.code) {
                    case DSProtokoll::statusPhase2:
                        if (goStart()) emit ampelPhase(StartGruen);
                        break;
                    case DSProtokoll::statusPhase3:
                        if (goStart()) emit ampelPhase(UhrLaeuft);
                        break;
                    case DSProtokoll::statusRennende:
                    case DSProtokoll::statusAbbruch:
                        emit stopAnforderung();
                        break;
                    case DSProtokoll::statusChaosAn:
                        emit chaosAn();
                        break;
                    case DSProtokoll::statusChaosAus:
                        emit chaosAus();
                        break;
                    default:
                        break;
                }
                break;
        }
    }
}
