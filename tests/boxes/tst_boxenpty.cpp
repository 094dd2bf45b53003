// End to end over real pseudo-terminals: emulator -> pty -> QSerialPort -> glue -> signals.
// Waits run on the event loop for the pty I/O only, with generous limits; nothing is timed.

#include <pty.h>
#include <unistd.h>

#include <QProcess>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "DSRahmen.h"
#include "config/Einstellungen.h"
#include "hardware/ControlBox.h"
#include "hardware/DSZaehler.h"
#include "hardware/SensorBox.h"

namespace {
constexpr int grosszuegig = 60000;

// An emulator started with a script; its first line is the pty path.
struct Emulator {
    QProcess prozess;
    QString pfad;

    bool starte(const QString& programm, const QStringList& argumente) {
        prozess.start(programm, argumente);
        if (!prozess.waitForStarted(grosszuegig)) return false;
        while (!prozess.canReadLine())
            if (!prozess.waitForReadyRead(grosszuegig)) return false;
        pfad = QString::fromLocal8Bit(prozess.readLine()).trimmed();
        return !pfad.isEmpty();
    }
    void los() { prozess.write("\n"); }
    QByteArray ausgabe() {
        prozess.waitForReadyRead(0);
        return m_gelesen += prozess.readAllStandardOutput();
    }
    ~Emulator() {
        prozess.closeWriteChannel();
        if (!prozess.waitForFinished(grosszuegig)) prozess.kill();
    }

private:
    QByteArray m_gelesen;
};

bool oeffne(QSerialPort& port, const QString& pfad, int baud) {
    port.setPortName(pfad);
    port.setBaudRate(baud);
    return port.open(QIODevice::ReadWrite);
}

QString schreibeSkript(const QTemporaryDir& dir, const char* text) {
    const QString pfad = dir.filePath(QStringLiteral("skript.txt"));
    QFile f(pfad);
    if (f.open(QIODevice::WriteOnly)) f.write(text);
    return pfad;
}

template <typename Glue>
void verbinde(QSerialPort& port, Glue& glue) {
    QObject::connect(&port, &QSerialPort::readyRead, &glue,
                     [&] { glue.datenEmpfangen(port.readAll()); });
    QObject::connect(&glue, &Glue::sende, &port, [&](const QByteArray& d) { port.write(d); });
}
}  // namespace

class TestBoxenPty : public QObject {
    Q_OBJECT

private slots:
    void dsZaehlerUeberEmulator_data() {
        QTest::addColumn<int>("baud");
        QTest::newRow("DS200") << 4800;
        QTest::newRow("DS300") << 56000;
    }
    void dsZaehlerUeberEmulator() {
        QFETCH(int, baud);
        QTemporaryDir dir;
        const QString skript = schreibeSkript(dir, R"(takt 1
wiederholung 3
start 3B
status A1
roh 01 02 03 E0 04
status A2
kaputt
status A3
runde 1 1 0
runde 1 2 8.1234
umgekehrt
runde 2 2 9.5
runde 7 2 9.5
status A5
status A6
status A4
)");
        Emulator emu;
        QVERIFY(emu.starte(QStringLiteral(PISTORELLE_DS_EMULATOR),
                           {"--skript", skript, "--baud", QString::number(baud)}));
        QSerialPort port;
        QVERIFY2(oeffne(port, emu.pfad, baud), qPrintable(port.errorString()));
        Einstellungen e;
        e.DSGoStart = 1;
        DSZaehler z(&e);
        verbinde(port, z);
        QSignalSpy runde(&z, &Zeitnahme::rundeErfasst);
        QSignalSpy stop(&z, &Zeitnahme::stopAnforderung);
        QSignalSpy start(&z, &Zeitnahme::startAnforderung);
        QSignalSpy phase(&z, &DSZaehler::ampelPhase);
        QSignalSpy an(&z, &Zeitnahme::chaosAn);
        QSignalSpy meldung(&z, &Zeitnahme::meldung);
        emu.los();
        QTRY_COMPARE_WITH_TIMEOUT(stop.count(), 1, grosszuegig);
        QCOMPARE(start.count(), 1);
        QCOMPARE(phase.count(), 3);
        QCOMPARE(an.count(), 1);
        QCOMPARE(runde.count(), 3);  // lane 7 is dropped, every repeat counts once
        QCOMPARE(runde[1][1].toInt(), 8123);
        QCOMPARE(runde[2][0].toInt(), 2);
        QCOMPARE(runde[2][1].toInt(), 9500);
        QCOMPARE(meldung.count(), 2);
        QCOMPARE(meldung[0][0].toString(), DSProtokoll::textStartbyte);
        QCOMPARE(meldung[1][0].toString(), DSProtokoll::textChecksum);
    }

    void dsRahmenInStueckenUeberPty() {
        int master = -1, slave = -1;
        char name[256];
        QVERIFY(::openpty(&master, &slave, name, nullptr, nullptr) == 0);
        QSerialPort port;
        QVERIFY2(oeffne(port, QString::fromLocal8Bit(name), 56000), qPrintable(port.errorString()));
        DSZaehler z;
        verbinde(port, z);
        QSignalSpy runde(&z, &Zeitnahme::rundeErfasst);
        QByteArray strom;
        for (int i = 0; i < 6; ++i)
            strom += DSRahmen::runde(static_cast<unsigned char>(40 + i), i + 1, 2, 10000 * (i + 1));
        // Cut into pieces that never line up with the frames.
        for (qsizetype p = 0; p < strom.size(); p += 17)
            QVERIFY(::write(master, strom.constData() + p,
                            size_t(qMin<qsizetype>(17, strom.size() - p))) > 0);
        QTRY_COMPARE_WITH_TIMEOUT(runde.count(), 6, grosszuegig);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(runde[i][0].toInt(), i + 1);
            QCOMPARE(runde[i][1].toInt(), 1000 * (i + 1));
        }
        port.close();
        ::close(slave);
        ::close(master);
    }

    void controlBoxUeberEmulator() {
        QTemporaryDir dir;
        const QString skript = schreibeSkript(dir, R"(takt 1
herz 1000
runde 1 4100
roh S9:100;S2:0;
herz 2000
runde 2 4350
chaos 1
chaos 0
relais 5
eingaenge 3
)");
        Emulator emu;
        QVERIFY(emu.starte(QStringLiteral(PISTORELLE_BOX_EMULATOR), {"--skript", skript}));
        QSerialPort port;
        QVERIFY2(oeffne(port, emu.pfad, 9600), qPrintable(port.errorString()));
        ControlBox box;
        verbinde(port, box);
        QSignalSpy runde(&box, &Zeitnahme::rundeErfasst);
        QSignalSpy aus(&box, &Zeitnahme::chaosAus);
        QSignalSpy an(&box, &Zeitnahme::chaosAn);
        box.portGeoeffnet();
        QTRY_VERIFY_WITH_TIMEOUT(box.bereit(), grosszuegig);
        box.SchalteBepfe(QStringLiteral("Bahn3"), 1);
        QTRY_VERIFY_WITH_TIMEOUT(emu.ausgabe().contains("befehl b31\n"), grosszuegig);
        QVERIFY(emu.ausgabe().contains("befehl reset\nbefehl gi\n"));
        emu.los();
        QTRY_COMPARE_WITH_TIMEOUT(box.eingaenge(), 3, grosszuegig);
        QCOMPARE(runde.count(), 2);
        QCOMPARE(runde[0][0].toInt(), 1);
        QCOMPARE(runde[0][1].toInt(), 4100);
        QCOMPARE(runde[1][0].toInt(), 2);
        QCOMPARE(runde[1][1].toInt(), 4350);
        QCOMPARE(an.count(), 1);
        QCOMPARE(aus.count(), 1);
        QCOMPARE(box.relais(), 5);
    }

    void sensorBoxUeberEmulator() {
        QTemporaryDir dir;
        const QString skript = schreibeSkript(dir, R"(takt 1
zeit 500
sensor 0 2000
sensor 3 2900
code 83
sendewunsch 3000
sensor 1 9500
)");
        Emulator emu;
        QVERIFY(emu.starte(QStringLiteral(PISTORELLE_SENSOR_EMULATOR),
                           {"--skript", skript, "--takt", "50"}));
        QSerialPort port;
        QVERIFY2(oeffne(port, emu.pfad, 4800), qPrintable(port.errorString()));
        Einstellungen e;
        e.RaceControlLevel = 80;
        SensorBox box(std::make_unique<SimulierterSensorBoxTreiber>(), &e);
        verbinde(port, box);
        QSignalSpy runde(&box, &Zeitnahme::rundeErfasst);
        QStringList texte;
        connect(&box, &Zeitnahme::statusText, [&](const QString& s) { texte << s; });
        box.rennStart();
        emu.los();
        QTRY_COMPARE_WITH_TIMEOUT(runde.count(), 3, grosszuegig);
        QVERIFY(emu.ausgabe().contains("konfig 0 0 80 25 7 0 0 -1\n"));
        QCOMPARE(runde[0][0].toInt(), 1);
        QCOMPARE(runde[0][1].toInt(), 2000);
        QCOMPARE(runde[1][0].toInt(), 4);
        QCOMPARE(runde[1][1].toInt(), 2900);
        QCOMPARE(runde[2][0].toInt(), 2);
        QCOMPARE(runde[2][1].toInt(), 9500);
        QVERIFY(texte.contains("MSG: BOXCONFIGURATION SENT"));
        QVERIFY(texte.contains("EVENT: SENSOR BOX ACTIVATES"));
        QVERIFY(texte.contains("MSG: SENSOR OFFLINE"));
        QCOMPARE(texte.count("MSG: BOXCONFIGURATION SENT"), 1);
        // The tick counter of the last frame (sensor off, 10 ms after on).
        QTRY_COMPARE_WITH_TIMEOUT(box.zeitstempel(), 9510, grosszuegig);
    }
};

QTEST_GUILESS_MAIN(TestBoxenPty)
#include "tst_boxenpty.moc"
