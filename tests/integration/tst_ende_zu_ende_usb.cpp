// A whole race timed by the USB race box: the simulated box library loaded by name through
// the program's own binding, the engine's race sequence on the virtual clock, and the laps the
// box counted in the lap tables.

#include <QFile>

#include "EndeZuEndeUmgebung.h"
#include "engine/ZeitnahmeStatus.h"
#include "hardware/LapsterBox.h"
#include "portalix_sim.h"

namespace {

const QString simPfad = QStringLiteral(PORTALIX_SIM_PFAD);

struct Schreibvorgang {
    int adresse = 0;
    QByteArray daten;
};

QList<Schreibvorgang> schreiblog() {
    QList<Schreibvorgang> log;
    for (int i = 0; i < portalix_sim_schreibanzahl(); ++i) {
        Schreibvorgang s;
        QByteArray d(8192, '\0');
        d.truncate(portalix_sim_schreibvorgang(i, &s.adresse,
                                               reinterpret_cast<unsigned char*>(d.data()), 8192));
        s.daten = d;
        log << s;
    }
    return log;
}

// The writes that matter for the race, in order: controller reset "R<v>", firmware block
// "F<length>", light byte "A<v>", and "Z" for clearing the lap counter of lane 1.
QStringList ablaufMarken() {
    QStringList m;
    for (const Schreibvorgang& s : schreiblog()) {
        const int erstes = s.daten.isEmpty() ? -1 : static_cast<unsigned char>(s.daten[0]);
        if (s.adresse == LapsterBox::adrCpuReset)
            m << QStringLiteral("R%1").arg(erstes);
        else if (s.adresse < 0xE000)
            m << QStringLiteral("F%1").arg(s.daten.size());
        else if (s.adresse == LapsterBox::adrAmpel)
            m << QStringLiteral("A%1").arg(erstes);
        else if (s.adresse == LapsterBox::adrZaehler(0) && s.daten == QByteArray(2, '\0'))
            m << QStringLiteral("Z");
    }
    return m;
}

QStringList mal(int n, const QStringList& teil) {
    QStringList l;
    for (int i = 0; i < n; ++i) l += teil;
    return l;
}

const QStringList puls{"A0", "A1", "A0"};
const QStringList lichtReset{"A0", "A2", "A0"};

}  // namespace

class TstEndeZuEndeUsb : public QObject {
    Q_OBJECT

    QTemporaryDir ordner;

    QByteArray schreibeFirmware(int groesse) {
        QByteArray bild(groesse, '\0');
        for (int i = 0; i < groesse; ++i) bild[i] = char((i * 13 + 5) & 0xFF);
        QFile f(ordner.filePath(QStringLiteral("lapster.bin")));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("lapster.bin");
        f.write(bild);
        return bild;
    }

    static std::function<void(Einstellungen&)> mitBox() {
        return [](Einstellungen& e) {
            e.LapsterAktiv = 1;
            e.LAPSTERmitAmpel = 1;
        };
    }
    std::function<void(Schnittstellen&)> simulierteBox() {
        return [this](Schnittstellen& s) {
            s.lapsterBox()->setBibliothek(simPfad);
            s.lapsterBox()->setFirmwareDatei(ordner.filePath(QStringLiteral("lapster.bin")));
        };
    }

private slots:
    void init() {
        QLocale::setDefault(QLocale::c());
        portalix_sim_zuruecksetzen();
    }

    void ganzesRennen() {
        const QByteArray bild = schreibeFirmware(5000);
        EndeZuEndeUmgebung u(mitBox(), simulierteBox());
        QCOMPARE(u.e.ComControlAktiv, 0);
        QCOMPARE(portalix_sim_schreibanzahl(), 0);  // nothing reaches the box before a race

        // Preparation: box opened, firmware loaded, lights reset and pre-started.
        u.rl->cbRAuswahl_Click(2);
        u.rl->setzeGrenze("1");
        u.ablauf->Command2_Click();
        const qint64 start = u.t();
        QCOMPARE(portalix_sim_offen(), 1);
        QCOMPARE(portalix_sim_oeffnungen(), 2);  // asked at start-up whether it answers
        QCOMPARE(portalix_sim_im_reset(), 0);
        const QList<Schreibvorgang> log = schreiblog();
        QVERIFY(log.size() > 4);
        QCOMPARE(log[1].adresse, 0);
        QCOMPARE(log[2].adresse, LapsterBox::maxBlock);
        QCOMPARE(log[1].daten + log[2].daten, bild);
        QCOMPARE(portalix_sim_ampel_resets(), 1);
        QCOMPARE(portalix_sim_ampel_schritte(), 5);

        // One light step per countdown step, taken in the race timer's tick.
        for (int k = 1; k <= 5; ++k) {
            u.bis(start + 1000 * k - 1);
            QCOMPARE(portalix_sim_ampel_schritte(), 4 + k);
            u.bis(start + 1000 * k + 200);
            QCOMPARE(portalix_sim_ampel_schritte(), 5 + k);
        }
        while (u.z().AmpelPhase != 6 && u.t() < start + 10000) u.uhr.vorruecken(10);
        QCOMPARE(u.z().AmpelPhase, 6);
        const qint64 gruen = u.t();
        QCOMPARE(portalix_sim_ampel_schritte(), 11);
        // Firmware before anything else; the lap memories cleared at preparation and again
        // at green, between the last red step and the green step.
        QCOMPARE(ablaufMarken(), QStringList({"R1", "F4096", "F904", "R0"}) + lichtReset +
                                     mal(5, puls) + QStringList{"Z"} + mal(5, puls) +
                                     QStringList{"Z"} + puls);

        // Laps counted by the box, read on the race timer: the box's lap times count, not
        // the moment the program reads them. The first value of a lane only starts it.
        u.bis(gruen + 2000);
        portalix_sim_runde(1, 3000);
        portalix_sim_runde(2, 3210);
        u.bis(gruen + 7000);
        portalix_sim_runde(1, 5000);
        u.bis(gruen + 7000 + 240);
        QCOMPARE(u.runden("aktrennen"), QStringList{"1/1 5.000 5.000"});
        u.bis(gruen + 9000);
        portalix_sim_runde(2, 6100);
        u.bis(gruen + 12000);
        portalix_sim_runde(1, 4500);
        u.bis(gruen + 12500);
        const QStringList erwartet{"1/1 5.000 5.000", "2/1 6.100 6.100", "1/2 4.500 9.500"};
        QCOMPARE(u.runden("aktrennen"), erwartet);
        QCOMPARE(u.z().Runden[1], qint16(2));
        QCOMPARE(u.z().GesamtZeit[1], 9500);
        QCOMPARE(portalix_sim_offen(), 1);

        // The end: lights off, box closed, the laps in the history.
        portalix_sim_log_leeren();
        u.bisLeerlauf(gruen + 120000);
        QVERIFY(u.ablauf->gestoppt());
        QVERIFY(!u.z().RennenLaeuft);
        QCOMPARE(ablaufMarken(), lichtReset + puls);
        QCOMPARE(portalix_sim_ampel_resets(), 2);
        QCOMPARE(portalix_sim_offen(), 0);
        QCOMPARE(u.runden("aktrennen"), erwartet);
        QCOMPARE(u.runden("histrennen"), erwartet);
        QVERIFY(u.mit.meldungen.isEmpty());
    }

    // Without the box the race still runs on the program's own light, once the race director
    // agreed; the box is asked for nothing more and the operator hears of it once per start.
    void ohneBox() {
        schreibeFirmware(100);
        portalix_sim_setze_vorhanden(0);
        EndeZuEndeUmgebung u(mitBox(), simulierteBox());
        const qint64 gruen = u.starteZeitrennen("1");
        QCOMPARE(u.z().AmpelPhase, 6);
        QCOMPARE(u.mit.fragen.size(), 1);  // racing without timing was asked, and agreed
        QCOMPARE(u.mit.meldungen, QStringList{"Kein Kontakt zur Box"});
        portalix_sim_runde(1, 3000);
        portalix_sim_runde(1, 4000);
        u.bisLeerlauf(gruen + 120000);
        QCOMPARE(portalix_sim_schreibanzahl(), 0);
        QCOMPARE(portalix_sim_leseanzahl(), 0);
        QCOMPARE(u.db.wert("select count(*) from aktrennen").toInt(), 0);
    }

    // Every loss the bridge can show, and the state at each step: the box absent at start-up
    // (Start asks; no starts nothing), plugged in, its cable pulled before the first lap while
    // it counts on (the laps arrive once; the one only the box saw counted with remark " Z"),
    // switched off and on mid-race (firmware loaded again, its counters taken from 0, laps go
    // on). The device is opened at the pace of the 2 s service, never in a loop.
    void boxFehltVerlorenUndAusUndAn() {
        schreibeFirmware(100);
        portalix_sim_setze_vorhanden(0);
        EndeZuEndeUmgebung u(mitBox(), simulierteBox());
        ZeitnahmeStatus& st = *u.hw->status();
        QStringList zustaende{Zeitnahme::statusWort(st.status())};
        connect(&st, &ZeitnahmeStatus::geaendert, this, [&] {
            if (zustaende.last() != Zeitnahme::statusWort(st.status()))
                zustaende << Zeitnahme::statusWort(st.status());
        });
        QCOMPARE(st.text(), QStringLiteral("USB-Rennbox: keine Verbindung"));
        QVERIFY2(st.grund().contains("Keine USB-Rennbox gefunden"), qPrintable(st.grund()));

        u.mit.antwort = false;
        u.rl->cbRAuswahl_Click(2);
        u.rl->setzeGrenze("2");
        u.ablauf->Command2_Click();
        QCOMPARE(u.mit.fragen.size(), 1);
        QVERIFY2(u.mit.fragen[0].endsWith("Ohne Zeitnahme starten?"), qPrintable(u.mit.fragen[0]));
        QVERIFY(!u.ablauf->beschaeftigt());

        portalix_sim_setze_vorhanden(1);
        u.bis(u.t() + 2100);
        QCOMPARE(st.status(), Zeitnahme::Status::Aktiv);
        u.mit.antwort = true;
        const qint64 gruen = u.starteZeitrennen("2");
        QCOMPARE(u.mit.fragen.size(), 1);

        // The cable is pulled before any lap: the firmware cell reads 0 at the next tick.
        portalix_sim_stecker(0);
        u.bis(gruen + 130);
        QCOMPARE(st.status(), Zeitnahme::Status::VerbindungVerloren);
        const int gelesen = portalix_sim_leseanzahl();
        portalix_sim_runde(1, 2000);  // the lane's first crossing
        portalix_sim_runde(1, 4100);
        portalix_sim_runde(1, 4200);
        u.bis(gruen + 11000);
        QCOMPARE(portalix_sim_leseanzahl(), gelesen);
        portalix_sim_stecker(1);
        u.bis(gruen + 13500);
        QCOMPARE(st.status(), Zeitnahme::Status::Aktiv);
        const QStringList vorher = u.runden("aktrennen");
        QCOMPARE(vorher.size(), 2);
        const double geteilt = vorher[0].section(' ', 1, 1).toDouble();
        QVERIFY2(geteilt > 12.0 - 4.2 && geteilt < 13.5 - 4.2, qPrintable(vorher[0]));
        QCOMPARE(vorher[1], QStringLiteral("1/2 4.200 %1").arg(geteilt + 4.2, 0, 'f', 3));

        // Off and on: the stale handle fails, the service opens the box once and loads the
        // firmware again; the box counts from 0 and its next lap is the lane's third.
        const int oeffnungen = portalix_sim_oeffnungen();
        portalix_sim_log_leeren();
        portalix_sim_aus_und_an();
        u.bis(gruen + 13650);
        QCOMPARE(st.status(), Zeitnahme::Status::VerbindungVerloren);
        u.bis(gruen + 17000);
        QCOMPARE(st.status(), Zeitnahme::Status::Aktiv);
        QCOMPARE(portalix_sim_oeffnungen(), oeffnungen + 1);
        QCOMPARE(ablaufMarken().mid(0, 3), QStringList({"R1", "F100", "R0"}));
        portalix_sim_runde(1, 3900);
        u.bis(gruen + 17300);
        QCOMPARE(u.runden("aktrennen").value(2),
                 QStringLiteral("1/3 3.900 %1").arg(geteilt + 8.1, 0, 'f', 3));

        u.bisLeerlauf(gruen + 200000);
        QCOMPARE(u.runden("histrennen").size(), 3);
        QCOMPARE(u.db.wert("select RennInfo from aktrennen where Runde = 1").toString().trimmed(),
                 QStringLiteral("Z"));
        QCOMPARE(u.rl->stand().zeile(1)->schnellste, 3900);
        QCOMPARE(zustaende, QStringList({"keine Verbindung", "aktiv", "Verbindung verloren",
                                         "aktiv", "Verbindung verloren", "aktiv"}));
        QStringList ersteZeilen;
        for (const QString& m : u.mit.meldungen) ersteZeilen << m.section('\n', 0, 0);
        QCOMPARE(ersteZeilen,
                 QStringList({"Zeitnahme: Verbindung verloren", "Zeitnahme: wieder verbunden",
                              "Bahn 1: eine Runde während der Unterbrechung vom "
                              "Zähler gezählt (Zeit geschätzt)",
                              "Zeitnahme: Verbindung verloren", "Zeitnahme: wieder verbunden"}));
    }

    // Unplugged mid-race: shown as lost, nothing read or made up meanwhile; plugged in again
    // it is reopened by the 2 s service and the laps it counted meanwhile arrive once.
    void boxVerlorenUndWieder() {
        schreibeFirmware(100);
        EndeZuEndeUmgebung u(mitBox(), simulierteBox());
        ZeitnahmeStatus& st = *u.hw->status();
        const qint64 gruen = u.starteZeitrennen("1");
        QCOMPARE(st.status(), Zeitnahme::Status::Aktiv);
        portalix_sim_runde(1, 3000);
        u.bis(gruen + 4000);
        portalix_sim_runde(1, 5000);
        u.bis(gruen + 9000);
        QCOMPARE(u.runden("aktrennen"), QStringList{"1/1 5.000 5.000"});

        portalix_sim_setze_vorhanden(0);
        portalix_sim_lesefehler(1000000);
        u.bis(gruen + 9300);
        QCOMPARE(st.status(), Zeitnahme::Status::VerbindungVerloren);
        QCOMPARE(u.mit.meldungen.filter("Zeitnahme: Verbindung verloren").size(), 1);
        const int gelesen = portalix_sim_leseanzahl();
        u.bis(gruen + 15000);
        QCOMPARE(portalix_sim_leseanzahl(), gelesen);
        QCOMPARE(st.status(), Zeitnahme::Status::VerbindungVerloren);

        // The box went on counting while it was away.
        portalix_sim_lesefehler(0);
        portalix_sim_runde(1, 4400);
        portalix_sim_setze_vorhanden(1);
        u.bis(gruen + 17500);
        QCOMPARE(st.status(), Zeitnahme::Status::Aktiv);
        const QStringList erwartet{"1/1 5.000 5.000", "1/2 4.400 9.400"};
        QCOMPARE(u.runden("aktrennen"), erwartet);
        u.bisLeerlauf(gruen + 120000);
        QCOMPARE(u.runden("aktrennen"), erwartet);
    }
};

QTEST_GUILESS_MAIN(TstEndeZuEndeUsb)
#include "tst_ende_zu_ende_usb.moc"
