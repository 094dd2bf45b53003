#include "hardware/SerielleRunden.h"

#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "hardware/MSComm.h"

SerielleRunden::SerielleRunden(const Einstellungen& einstellungen, QObject* parent)
    : Zeitnahme(parent), m_e(einstellungen) {}

int SerielleRunden::Bahn(int commEvent, int port) {
    int bahn = 0;
    switch (commEvent) {
        case MSComm::comEvCD:
            bahn = 1;
            break;
        case MSComm::comEvDSR:
            bahn = 2;
            break;
        case MSComm::comEvCTS:
            bahn = 3;
            break;
        case MSComm::comEvRing:
            bahn = 4;
            break;
        default:
            return 0;
    }
    return port == 2 ? bahn + 4 : bahn;
}

void SerielleRunden::OnComm1(int commEvent, qint32 zeit) { OnComm(1, commEvent, zeit); }

void SerielleRunden::OnComm2(int commEvent, qint32 zeit) { OnComm(2, commEvent, zeit); }

void SerielleRunden::OnComm(int port, int commEvent, qint32 zeit) {
    emit zeitstempelGenommen(zeit);
    if (m_e.RaceControlAktiv == 1 || m_e.PSPort != 0) return;
    const int bahn = Bahn(commEvent, port);
    if (bahn > 6) {
        // The lap entry takes inputs 1..6: CTS and RI of the second port have no lane.
        SchreibeDebug(
            QStringLiteral("MSComm2: Leitung %1 (Bahn %2) hat keinen Eingang, verworfen")
                .arg(commEvent == MSComm::comEvCTS ? QStringLiteral("CTS") : QStringLiteral("RI"))
                .arg(bahn));
    } else if (bahn > 0) {
        emit rundeErfasst(bahn, zeit);
    }
    emit rundeWartet();
}
