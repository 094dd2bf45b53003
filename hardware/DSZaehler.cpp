#include "hardware/DSZaehler.h"

#include <QCoreApplication>

#include "config/DebugLog.h"
#include "config/Einstellungen.h"

DSZaehler::DSZaehler(const Einstellungen* einstellungen, QObject* parent)
    : Zeitnahme(parent), m_einstellungen(einstellungen) {
    vergissRunden(-1);
}

void DSZaehler::vergissRunden(int wert) { m_letzteRunde.fill(wert); }

bool DSZaehler::goStart() const { return m_einstellungen && m_einstellungen->DSGoStart == 1; }

void DSZaehler::datenVerlust() {
    m_protokoll.verwirf();
    SchreibeDebug(QStringLiteral("Datenverlust"));
    emit meldung(tr("Datenverlust"));
}

void DSZaehler::portGeoeffnet() {
    m_protokoll.zuruecksetzen();
    vergissRunden(-1);
}

void DSZaehler::portWiederGeoeffnet() { m_protokoll.neueVerbindung(); }

void DSZaehler::datenEmpfangen(const QByteArray& daten) {
    for (const DSEreignis& e : m_protokoll.fuettere(daten)) {
        switch (e.art) {
            case DSEreignis::Art::Runde: {
                int& letzte = m_letzteRunde[size_t(e.bahn)];
                const int verpasst =
                    letzte >= 0 && e.runden > letzte + 1 ? e.runden - letzte - 1 : 0;
                if (verpasst > 0)
                    SchreibeDebug(QStringLiteral("DS: Bahn %1 Runde %2 nach Runde %3, %4 Runden "
                                                 "nicht empfangen")
                                      .arg(e.bahn)
                                      .arg(e.runden)
                                      .arg(letzte)
                                      .arg(verpasst));
                // A smaller number is a new race of the counter: counted from there on.
                letzte = e.runden;
                emit rundeErfasst(e.bahn, e.zeit, e.zehntel, verpasst);
                break;
            }
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
                // The counter counts every lane from nought again.
                vergissRunden(0);
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
