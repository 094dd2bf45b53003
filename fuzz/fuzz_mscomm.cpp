// The serial receive path: bytes written into a pseudo-terminal arrive through MSComm's input
// buffer, its receive event and Input at the DS counter's decoder, in pieces of any length.
// Every byte must arrive once, in order, and none may be held back.

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "FuzzStuecke.h"
#include "config/Einstellungen.h"
#include "hardware/DSZaehler.h"
#include "hardware/MSComm.h"

namespace {

struct Strecke {
    int master = -1;
    QString pfad;
    MSComm comm{QStringLiteral("MSCommDS")};
    Einstellungen e;
    DSZaehler zaehler{&e};
    QByteArray empfangen;
    int runden = 0;

    Strecke() {
        int slave = -1;
        char name[256] = {};
        if (openpty(&master, &slave, name, nullptr, nullptr) != 0) std::abort();
        ::close(slave);
        fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
        pfad = QString::fromLocal8Bit(name);
        comm.setPfadQuelle([this](int) { return pfad; });
        comm.setCommPort(1);
        comm.setSettings(QStringLiteral("9600,N,8,1"));
        comm.setRThreshold(1);
        comm.setInputLen(0);
        comm.setInBufferSize(1 << 16);
        if (!comm.setPortOpen(true)) std::abort();
        QObject::connect(&comm, &MSComm::OnComm, [this](int ereignis, qint32) {
            FUZZ_PRUEFE(ereignis != MSComm::comEventRxOver);
            if (ereignis != MSComm::comEvReceive) return;
            const QByteArray teil = comm.Input();
            empfangen += teil;
            zaehler.datenEmpfangen(teil);
        });
        QObject::connect(&zaehler, &Zeitnahme::rundeErfasst, [this](int bahn, qint32) {
            FUZZ_PRUEFE(bahn >= 1 && bahn <= 6);
            ++runden;
        });
    }

    void schreibe(const QByteArray& d) {
        qsizetype weg = 0;
        while (weg < d.size()) {
            const ssize_t n = ::write(master, d.constData() + weg, size_t(d.size() - weg));
            if (n > 0)
                weg += n;
            else
                QCoreApplication::processEvents();
        }
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    static int argc = 1;
    static char name[] = "fuzz_mscomm";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static Strecke s;

    s.empfangen.clear();
    s.runden = 0;
    QByteArray gesendet;
    inStuecken(daten, groesse, [&](const QByteArray& stueck) {
        s.schreibe(stueck);
        gesendet += stueck;
        // Sometimes let the port deliver between two writes, sometimes not.
        if (stueck.size() % 3 == 0) QCoreApplication::processEvents();
    });
    QElapsedTimer warten;
    warten.start();
    while (s.empfangen.size() < gesendet.size() && warten.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    FUZZ_PRUEFE(s.comm.PortOpen());
    FUZZ_PRUEFE(s.empfangen == gesendet);
    FUZZ_PRUEFE(s.comm.InBufferCount() == 0);
    FUZZ_PRUEFE(size_t(s.runden) <= size_t(gesendet.size()) / DSProtokoll::rahmenLaenge);
    return 0;
}
