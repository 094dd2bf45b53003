// Races timed by a DS counter, the control box and the sensor box, end to end: bytes on a
// pseudo-terminal through the serial port, the interface objects and the adapter into the
// engine, the start sequence and caution on the virtual clock, and the lap rows in the
// database.

#include "BoxMeldungen.h"
#include "Boxenumgebung.h"
#include "DSRahmen.h"
#include "SensorRahmen.h"
#include "hardware/ControlBox.h"
#include "hardware/MSComm.h"
#include "hardware/SensorBox.h"

namespace {

// A lap message of the counter: lane, its lap count and lap time in tenths of a ms.
struct DSRunde {
    int bahn;
    int runden;
    qint64 zehntelMs;
};

void einstellen(EinstellungsSpeicher& sp, const char* schluessel, int wert) {
    sp.speichere(QString::fromLatin1(schluessel), QString::number(wert));
}

}  // namespace

class TestEndeZuEndeBoxen : public QObject {
    Q_OBJECT

    unsigned char m_folge = 0;
    // Every frame gets the next sequence byte (never 0, the decoder's start value).
    unsigned char folge() { return m_folge = m_folge == 255 ? 1 : m_folge + 1; }

    // A counter sends every message three times with the same sequence byte: one receive
    // event of the port (63 bytes).
    static QByteArray dreimal(const QByteArray& f) { return f + f + f; }
    bool dsRunde(Boxenumgebung& u, const DSRunde& r, bool normal) {
        return u.runde(dreimal(DSRahmen::runde(folge(), r.bahn, r.runden, r.zehntelMs, normal)));
    }
    bool dsStatus(Boxenumgebung& u, unsigned char code, const std::function<bool()>& bis) {
        return u.sende(dreimal(DSRahmen::status(folge(), code)), bis);
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale::c());
        QVERIFY(PtyPaar().ok());
    }
    void init() { m_folge = 0; }

    void dsZaehlerStartetUndTimtDasRennen_data() {
        QTest::addColumn<bool>("normal");
        QTest::newRow("Bahnen normal") << true;
        QTest::newRow("Bahnen umgekehrt") << false;
    }
    void dsZaehlerStartetUndTimtDasRennen() {
        QFETCH(bool, normal);
        Boxenumgebung u([](EinstellungsSpeicher& sp) {
            einstellen(sp, "DS300Aktiv", 1);
            einstellen(sp, "DSGoStart", 1);
        });
        QVERIFY(u.s->MSCommDSx00()->PortOpen());
        QVERIFY(u.s->StatusText().endsWith(" DSx00 aktiv an COM 1 56000"));
        u.rl->cbRAuswahl_Click(2);
        u.rl->setzeGrenze("5");
        QVERIFY(u.rl->Grenze_Validate());

        // The program's own start button is refused: the counter starts the run.
        u.ablauf->StarteErfassung();
        QVERIFY(u.mit.ereignisse.contains(
            "message Bitte den START/STOP Button der DS200/DS300 verwenden!"));
        QVERIFY(!u.ablauf->beschaeftigt());

        QVERIFY(u.sende(dreimal(DSRahmen::start(folge(), 0x3A)),
                        [&] { return u.anzeige->caption(H::Command2) == "&Stop"; }));
        QVERIFY(!u.z().RennenLaeuft);
        QCOMPARE(u.anzeige->lampe(1, 0), H::Lampe::Rot);
        // A crossing in the counter's countdown is no lap.
        u.pty.schreibe(dreimal(DSRahmen::runde(folge(), 1, 1, 0, normal)));

        const int toene = u.mit.anzahl("sound an.wav");
        QVERIFY(dsStatus(u, 0xA2, [&] { return u.mit.anzahl("sound an.wav") > toene; }));
        QCOMPARE(u.anzeige->lampe(1, 0), H::Lampe::Gruen);
        QVERIFY(!u.z().RennenLaeuft);
        QVERIFY(dsStatus(u, 0xA3, [&] { return u.z().RennenLaeuft; }));
        QVERIFY(u.bisGruen());
        QCOMPARE(u.rl->wartendeRunden(), 0);

        // First crossings (count 1, time 0), then laps with the counter's own times.
        const QList<DSRunde> vorChaos = {{1, 1, 0},     {2, 1, 0},     {3, 1, 0},
                                         {1, 2, 52345}, {2, 2, 61000}, {3, 2, 70009},
                                         {1, 3, 49870}, {2, 3, 58765}};
        for (const DSRunde& r : vorChaos) QVERIFY(dsRunde(u, r, normal));

        QVERIFY(dsStatus(u, 0xA5, [&] { return u.z().ChaosAktiv; }));
        QCOMPARE(u.anzeige->caption(H::Label1), QStringLiteral("Chaos"));
        u.uhr.vorruecken(4000);
        // Caution off runs the three-second restart before the clock goes on.
        QVERIFY(dsStatus(u, 0xA6, [&] { return !u.z().ChaosAktiv; }));
        QCOMPARE(u.z().ChaosZeit, 0);

        // The counter's lap across the caution includes the pause; it is taken as timed.
        QVERIFY(dsRunde(u, {1, 4, 123456}, normal));
        QVERIFY(dsRunde(u, {3, 3, 65432}, normal));

        QVERIFY(dsStatus(u, 0xA4, [&] { return u.ablauf->gestoppt(); }));
        u.bisLeerlauf();
        QVERIFY(!u.z().RennenLaeuft);

        // Lap times rounded half up; totals the exact sums of the tenths (22567.1 ms on lane 1).
        const QList<Zeile> erwartet = {
            {1, 1, 5235, 5235},  {2, 1, 6100, 6100},   {3, 1, 7001, 7001}, {1, 2, 4987, 10222},
            {2, 2, 5877, 11977}, {1, 3, 12346, 22567}, {3, 2, 6543, 13544}};
        QCOMPARE(u.zeilen("aktrennen"), erwartet);
        QCOMPARE(u.zeilen("histrennen", "Bahn, Runde"), u.zeilen("aktrennen", "Bahn, Runde"));
        QVERIFY(u.rennInfo().at(5).contains("C-"));
        QVERIFY(u.mit.ereignisse.filter("Fehler bei der").isEmpty());
    }

    void ds200OhneGoStartStartetMitEigenemCountdown() {
        Boxenumgebung u([](EinstellungsSpeicher& sp) {
            einstellen(sp, "DS200Aktiv", 1);
            einstellen(sp, "DSGoStart", 0);
        });
        QVERIFY(u.s->MSCommDSx00()->PortOpen());
        QVERIFY(u.s->StatusText().endsWith(" DSx00 aktiv an COM 1 4800"));
        u.rl->cbRAuswahl_Click(3);
        u.rl->setzeGrenze("20");
        QVERIFY(u.rl->Grenze_Validate());

        // The counter's start phases only leave their debug lines.
        QVERIFY(u.sende(dreimal(DSRahmen::start(folge(), 0x3B)) +
                            dreimal(DSRahmen::status(folge(), 0xA2)) +
                            dreimal(DSRahmen::status(folge(), 0xA3)),
                        [] { return zeilenMit("Rennstart Phase 3") == 1; }));
        QVERIFY(!u.ablauf->beschaeftigt());
        QVERIFY(u.anzeige->caption(H::Command2) != "&Stop");

        u.ablauf->StarteErfassung();
        QVERIFY(u.z().RennenLaeuft);
        QVERIFY(u.z().AmpelPhase != 6);
        QVERIFY(u.bisGruen());

        for (const DSRunde& r :
             QList<DSRunde>{{2, 1, 0}, {4, 1, 0}, {2, 2, 83456}, {4, 2, 90000}, {2, 3, 79999}})
            QVERIFY(dsRunde(u, r, true));
        QVERIFY(dsStatus(u, 0xA4, [&] { return u.ablauf->gestoppt(); }));
        u.bisLeerlauf();

        const QList<Zeile> erwartet = {{2, 1, 8346, 8346}, {4, 1, 9000, 9000}, {2, 2, 8000, 16346}};
        QCOMPARE(u.zeilen("aktrennen"), erwartet);
        QCOMPARE(u.zeilen("histrennen", "Bahn, Runde"), u.zeilen("aktrennen", "Bahn, Runde"));
    }

    void controlBoxRennenMitChaos() {
        Boxenumgebung u([](EinstellungsSpeicher& sp) { einstellen(sp, "BEPFEAktiv", 1); });
        QVERIFY(u.s->MSCommBEPFE()->PortOpen());
        QByteArray weg;
        QVERIFY(u.bis([&] { return (weg += u.gesendet()).contains("reset;gi;"); }));
        QVERIFY(weg.startsWith("reset;gi;"));
        QVERIFY(u.sende(BoxMeldungen::ok(), [&] { return u.s->controlBox()->bereit(); }));

        u.rl->cbRAuswahl_Click(2);
        u.rl->setzeGrenze("5");
        QVERIFY(u.rl->Grenze_Validate());
        u.ablauf->StarteErfassung();
        QVERIFY(u.bis([&] { return !u.gesendet().isEmpty(); }));
        u.uhr.vorruecken(1000);
        QCOMPARE(u.z().AmpelPhase, quint8(4));
        weg.clear();
        QVERIFY(u.bis([&] { return (weg += u.gesendet()).size() >= 6; }));
        QVERIFY2(weg.startsWith("reset;"), weg.constData());
        // The countdown lamps, then the reset that starts the box clock at green.
        QVERIFY(u.bisGruen());
        const qsizetype lampe5 = weg.size();
        QVERIFY(u.bis([&] { return (weg += u.gesendet()).indexOf("reset;b01;", lampe5) > 0; }));
        QVERIFY2(weg.lastIndexOf("a51;") < weg.lastIndexOf("reset;b01;"), weg.constData());
        // Box times count from the reset at green.
        for (const auto& [bahn, ms] : {std::pair{1, 800}, {2, 950}, {1, 6000}, {2, 6500}})
            QVERIFY(u.runde(BoxMeldungen::runde(bahn, ms)));
        QCOMPARE(u.s->indikatorFarbe(1), ControlBox::farbeGruen);
        QVERIFY(u.sende(BoxMeldungen::herzschlag(7000),
                        [&] { return u.s->indikatorFarbe(1) == ControlBox::farbeBlau; }));

        QVERIFY(u.sende(BoxMeldungen::chaos(true), [&] { return u.z().ChaosAktiv; }));
        weg.clear();
        QVERIFY(u.bis([&] { return (weg += u.gesendet()).contains("b00;"); }));
        // A crossing reported during caution is not counted.
        QVERIFY(u.sende(BoxMeldungen::runde(2, 8000),
                        [&] { return u.s->indikatorFarbe(1) == ControlBox::farbeGruen; }));
        u.uhr.vorruecken(2000);
        QVERIFY(u.sende(BoxMeldungen::chaos(false), [&] { return !u.z().ChaosAktiv; }));
        QCOMPARE(u.z().ChaosZeit, 3000);
        QCOMPARE(u.rl->wartendeRunden(), 0);

        QVERIFY(u.runde(BoxMeldungen::runde(1, 15000)));
        QVERIFY(u.runde(BoxMeldungen::runde(2, 16000)));
        u.ablauf->StopRennen();
        u.bisLeerlauf();

        const QList<Zeile> erwartet = {
            {1, 1, 6000, 6000}, {2, 1, 6500, 6500}, {1, 2, 9000, 12000}, {2, 2, 9500, 13000}};
        QCOMPARE(u.zeilen("aktrennen"), erwartet);
        QVERIFY(u.rennInfo().at(2).contains("C-3000"));
        QCOMPARE(u.zeilen("histrennen", "Bahn, Runde").size(), 4);
    }

    void sensorBoxRennenAufDerBoxUhr() {
        Boxenumgebung u([](EinstellungsSpeicher& sp) { einstellen(sp, "RaceControlAktiv", 1); });
        u.rl->cbRAuswahl_Click(3);
        u.rl->setzeGrenze("2");
        QVERIFY(u.rl->Grenze_Validate());
        u.ablauf->StarteErfassung();
        u.uhr.vorruecken(1000);
        QVERIFY(u.s->MSCommRC()->PortOpen());
        QVERIFY(u.treiber->offen());

        // The box clock stands far from the program's: every time comes from the box.
        using namespace SensorRahmen;
        QVERIFY(u.sende(rahmen(SimSensorBox::typTakt, 0, ticks(50000)),
                        [&] { return u.s->sensorBox()->zeitstempel() == 50000; }));
        QVERIFY(u.bisGruen());
        QCOMPARE(u.z().StartZeit, 50000);

        for (const auto& [sensor, ms] :
             {std::pair{0, 50800}, {1, 51000}, {0, 55800}, {1, 57500}, {0, 60600}})
            QVERIFY(u.runde(rahmen(SimSensorBox::typSensorAn, sensor, ticks(ms))));
        QVERIFY(u.ablauf->gestoppt());
        // Sensor off is no crossing.
        QVERIFY(u.sende(rahmen(SimSensorBox::typSensorAus, 1, ticks(61000)),
                        [&] { return u.s->sensorBox()->zeitstempel() == 61000; }));
        QCOMPARE(u.rl->wartendeRunden(), 0);
        u.bisLeerlauf();

        const QList<Zeile> erwartet = {{1, 1, 5800, 5800}, {2, 1, 7500, 7500}, {1, 2, 4800, 10600}};
        QCOMPARE(u.zeilen("aktrennen"), erwartet);
        QCOMPARE(u.zeilen("histrennen", "Bahn, Runde").size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestEndeZuEndeBoxen)
#include "tst_ende_zu_ende_boxen.moc"
