#include "uebertragung/LiveStandDaten.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtMath>

#include "darstellung/Farbwert.h"
#include "engine/Hauptanzeige.h"
#include "engine/Laufart.h"
#include "engine/Rennleitung.h"
#include "engine/SlotWerte.h"
#include "engine/ZeitnahmeStatus.h"

using H = Hauptanzeige;

namespace {
QString farbName(qint32 wert) { return Farbwert::alsFarbe(wert).name(); }

// Seconds with three decimals and a German comma: 1234 ms -> "1,234".
QString sekunden(double ms) {
    return QString::number(ms / 1000.0, 'f', 3).replace(QLatin1Char('.'), QLatin1Char(','));
}
}  // namespace

LiveStandDaten::LiveStandDaten(Rennleitung& leitung, Hauptanzeige& anzeige, QObject* parent)
    : QObject(parent), m_leitung(leitung), m_anzeige(anzeige) {
    connect(&leitung, &Rennleitung::panelsGeaendert, this, &LiveStandDaten::geaendert);
    // A counted lap changes the values of its panel (and the places of others).
    for (int i = 0; i < 6; ++i)
        connect(&leitung.panel(i), &SlotWerte::geaendert, this, &LiveStandDaten::geaendert);
    connect(&leitung, &Rennleitung::zustandGeaendert, this, &LiveStandDaten::geaendert);
    connect(&anzeige, &H::geaendert, this, [this](H::Element e) {
        if (e == H::Label1 || e == H::lblWeiter) emit geaendert();
    });
    connect(&anzeige, &H::label1ChaosGeaendert, this, &LiveStandDaten::geaendert);
}

void LiveStandDaten::setzeZeitnahme(ZeitnahmeStatus* status) {
    if (m_zeitnahme) m_zeitnahme->disconnect(this);
    m_zeitnahme = status;
    if (status) connect(status, &ZeitnahmeStatus::geaendert, this, &LiveStandDaten::geaendert);
    emit geaendert();
}

QByteArray LiveStandDaten::json() const {
    const RennZustand& z = m_leitung.zustand();
    QJsonObject o;
    o[QStringLiteral("rennen")] = z.AktRennName;
    o[QStringLiteral("art")] = laufartWort(z.RennArt);
    o[QStringLiteral("modus")] = Rennleitung::rennModi().value(z.RennModus);
    o[QStringLiteral("laeuft")] = z.RennenLaeuft;
    o[QStringLiteral("aufZeit")] = z.ZeitRunden == 1;
    o[QStringLiteral("grenze")] = z.Grenze;
    o[QStringLiteral("uhr")] =
        m_anzeige.label1Chaos() ? QStringLiteral("Chaos") : m_anzeige.caption(H::Label1);
    o[QStringLiteral("chaos")] = m_anzeige.label1Chaos();
    o[QStringLiteral("hinweis")] =
        m_anzeige.istVisible(H::lblWeiter) ? m_anzeige.caption(H::lblWeiter) : QString();
    // The timing state as the main window's status field shows it.
    QJsonObject zeitnahme;
    if (m_zeitnahme) {
        zeitnahme[QStringLiteral("zustand")] = Zeitnahme::statusWort(m_zeitnahme->status());
        zeitnahme[QStringLiteral("grund")] =
            m_zeitnahme->grund().isEmpty() ? m_zeitnahme->info() : m_zeitnahme->grund();
        // The name of the main window's status field ("DS300 COM1", "USB-Rennbox").
        zeitnahme[QStringLiteral("schnittstelle")] = m_zeitnahme->schnittstelle();
    } else {
        zeitnahme[QStringLiteral("zustand")] = Zeitnahme::statusWort(Zeitnahme::Status::Simuliert);
        zeitnahme[QStringLiteral("grund")] = QCoreApplication::translate("LiveStand", "Die Runden kommen aus der Simulation im Programm.");
        zeitnahme[QStringLiteral("schnittstelle")] = QCoreApplication::translate("LiveStand", "Simulation");
    }
    o[QStringLiteral("zeitnahme")] = zeitnahme;

    QJsonArray bahnen;
    const SlotWerte* erster = nullptr;
    QVector<bool> gezeigt(6, false);
    for (int bahn : m_leitung.panelReihenfolge()) {
        const int index = m_leitung.panelIndexVonBahn(bahn);
        if (index < 0 || index >= 6 || gezeigt[index]) continue;
        gezeigt[index] = true;
        const SlotWerte& w = m_leitung.panel(index);
        // A lane nobody drives (a tournament's free lane) is no part of the standings.
        if (m_leitung.istFreieBahn(w.ReturnBahn())) continue;
        if (!erster) erster = &w;
        QJsonObject b;
        b[QStringLiteral("platz")] = w.ReturnPosition();
        b[QStringLiteral("bahn")] = w.ReturnBahn();
        b[QStringLiteral("farbe")] = farbName(w.hintergrundFarbe());
        b[QStringLiteral("schrift")] = farbName(w.schriftFarbe());
        b[QStringLiteral("fahrer")] = w.fahrer();
        b[QStringLiteral("auto")] = w.autoName();
        b[QStringLiteral("runden")] = w.ReturnRunden();
        b[QStringLiteral("letzteRunde")] = w.ReturnRunden() > 0 ? QJsonValue(w.letzteRunde())
                                                                : QJsonValue(QJsonValue::Null);
        const double beste = w.ReturnSchnellsteRundenZeit();
        b[QStringLiteral("besteRunde")] =
            beste > 0 && beste < 99999 ? QJsonValue(beste) : QJsonValue(QJsonValue::Null);
        b[QStringLiteral("gesamtZeit")] = w.ReturnGesamtZeit();
        QString abstand;
        if (erster != &w) {
            const double runden = erster->ReturnRunden() - w.ReturnRunden();
            if (runden >= 1)
                abstand = QStringLiteral("+%1 Rd.").arg(qFloor(runden));
            else if (w.ReturnRunden() > 0)
                abstand = QLatin1Char('+') +
                          sekunden(qMax(0.0, w.ReturnGesamtZeit() - erster->ReturnGesamtZeit()));
        }
        b[QStringLiteral("abstand")] = abstand;
        b[QStringLiteral("fruehstart")] = w.fruehstart();
        bahnen.append(b);
    }
    o[QStringLiteral("bahnen")] = bahnen;
    // Laps still to go in a race by laps (from the leader's count).
    if (z.ZeitRunden != 1 && erster) {
        bool ok = false;
        const int grenze = z.Grenze.toInt(&ok);
        if (ok) o[QStringLiteral("restRunden")] = qMax(0, grenze - int(erster->ReturnRunden()));
    }
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}
