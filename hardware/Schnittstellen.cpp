#include "hardware/Schnittstellen.h"

#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "config/EinstellungsSpeicher.h"
#include "config/Uhr.h"
#include "hardware/ControlBox.h"
#include "hardware/DSZaehler.h"
#include "hardware/LapsterBox.h"
#include "hardware/MSComm.h"
#include "hardware/ParallelPort.h"
#include "hardware/PortIO.h"
#include "hardware/SensorBox.h"
#include "hardware/SensorBoxTreiber.h"
#include "hardware/SerielleRunden.h"

Schnittstellen::Schnittstellen(Einstellungen& einstellungen, Uhr* uhr, QObject* parent,
                               std::unique_ptr<PortIO> io,
                               std::unique_ptr<SensorBoxTreiber> treiber)
    : Zeitnahme(parent), m_e(einstellungen), m_uhr(uhr), m_io(std::move(io)) {
    m_wiederholung = m_uhr->neuerTimer(this);
    m_wiederholung->setInterval(wiederholungMs);
    connect(m_wiederholung, &UhrTimer::timeout, this, &Schnittstellen::oeffneFehlendeWieder);
    if (!m_io) {
        m_eigenesIO = true;
        pruefePortIO();
    }
    m_comm1 = neuerPort(QStringLiteral("MSComm1"));
    m_comm2 = neuerPort(QStringLiteral("MSComm2"));
    m_commRC = neuerPort(QStringLiteral("MSCommRC"));
    m_commBEPFE = neuerPort(QStringLiteral("MSCommBEPFE"));
    m_commDS = neuerPort(QStringLiteral("MSCommDSx00"));

    m_serielle = new SerielleRunden(m_e, this);
    connect(m_comm1, &MSComm::OnComm, m_serielle, &SerielleRunden::OnComm1);
    connect(m_comm2, &MSComm::OnComm, m_serielle, &SerielleRunden::OnComm2);
    connect(m_serielle, &SerielleRunden::zeitstempelGenommen, this,
            &Schnittstellen::zeitstempelGenommen);
    connect(m_serielle, &SerielleRunden::rundeWartet, this, &Schnittstellen::rundeWartet);
    leiteWeiter(m_serielle);

    m_lpt = new ParallelPort(m_e, m_io.get(), m_uhr, this);
    connect(m_lpt, &ParallelPort::chaosKnopfFreigabe, this, &Schnittstellen::chaosKnopfFreigabe);
    connect(m_lpt, &ParallelPort::rundeWartet, this, &Schnittstellen::rundeWartet);
    leiteWeiter(m_lpt);

    m_controlBox = new ControlBox(this);
    verbindeEmpfang(m_commBEPFE, [this](const QByteArray& d) {
        m_controlBox->datenEmpfangen(d);
        pruefeDaten(m_boxDaten, m_controlBox->gueltigeMeldungen(),
                    m_controlBox->verworfeneZeichen());
    });
    connect(m_controlBox, &ControlBox::sende, m_commBEPFE, &MSComm::Output);
    connect(m_controlBox, &ControlBox::anzeigeGeaendert, this,
            [this](qint32 farbe) { setzeIndikator(1, farbe); });
    connect(m_controlBox, &ControlBox::zustandGeaendert, this, [this] {
        SetzeFormCaption(QString());
        emit captionGeaendert();
    });
    leiteWeiter(m_controlBox);

    m_ds = new DSZaehler(&m_e, this);
    verbindeEmpfang(m_commDS, [this](const QByteArray& d) {
        m_ds->datenEmpfangen(d);
        pruefeDaten(m_dsDaten, m_ds->gueltigeRahmen(), m_ds->verworfeneBytes());
    });
    connect(m_commDS, &MSComm::OnComm, this, [this](int ereignis) {
        if (ereignis == MSComm::comEventRxOver) m_ds->datenVerlust();
    });
    connect(m_ds, &DSZaehler::sende, m_commDS, &MSComm::Output);
    connect(m_ds, &DSZaehler::ampelPhase, this, &Schnittstellen::ampelPhase);
    leiteWeiter(m_ds);

    m_sensorBox = new SensorBox(std::move(treiber), &m_e, this);
    m_sensorBox->setUhr([uhr = m_uhr] { return uhr->Zeitstempel(); });
    verbindeEmpfang(m_commRC, [this](const QByteArray& d) { m_sensorBox->datenEmpfangen(d); });
    connect(m_sensorBox, &SensorBox::sende, m_commRC, &MSComm::Output);
    connect(m_sensorBox, &SensorBox::portSchalten, this, [this](bool offen) {
        if (!m_commRC->setPortOpen(offen)) {
            SchreibeDebug(QStringLiteral("MSCommRC: ") + m_commRC->fehlerText());
            wiederholeSpaeter();
        }
        bewerteStatus();
    });
    connect(m_sensorBox, &SensorBox::dtrSetzen, m_commRC, &MSComm::setDTREnable);
    connect(m_sensorBox, &SensorBox::anzeigeGeaendert, this,
            [this](qint32 farbe) { setzeIndikator(1, farbe); });
    leiteWeiter(m_sensorBox);

    m_lapster = new LapsterBox(m_uhr, this);
    leiteWeiter(m_lapster);
    connect(m_lapster, &Zeitnahme::zustand, this, [this](Status st, const QString& grund) {
        m_lapsterStatus = st;
        m_lapsterGrund = grund;
        if (st != Status::Aktiv) wiederholeSpaeter();
        bewerteStatus();
    });
    m_geraete = geraeteFuer(*this, m_e);
}

Schnittstellen::~Schnittstellen() {
    // The sampling thread reads through m_io: stop it before the port access goes.
    m_lpt->stoppeErfassung();
}

MSComm* Schnittstellen::neuerPort(const QString& name) {
    auto* port = new MSComm(name, this);
    port->setPfadQuelle([this](int n) { return pfadVon(n); });
    Uhr* uhr = m_uhr;
    port->setZeitquelle([uhr] { return uhr->Zeitstempel(); });
    if (m_modemFabrik) port->setModemFabrik(m_modemFabrik);
    connect(port, &MSComm::portFehler, this,
            [this, port](const QString& text) { portFehler(port, text); });
    // Bytes lost while the port stays usable: shown, but the port is not counted as failed.
    connect(port, &MSComm::meldung, this, &Zeitnahme::statusText);
    return port;
}

QString Schnittstellen::pfadVon(int nummer) const {
    if (nummer < 1 || nummer > 10) return QString();
    const QString& pfad = m_e.ComPfad[nummer];
    return pfad.isEmpty() ? EinstellungsSpeicher::standardComPfad(nummer) : pfad;
}

void Schnittstellen::verbindeEmpfang(MSComm* port, std::function<void(const QByteArray&)> ziel) {
    connect(port, &MSComm::OnComm, this, [port, ziel](int ereignis) {
        if (ereignis == MSComm::comEvReceive) ziel(port->Input());
    });
}

void Schnittstellen::leiteWeiter(Zeitnahme* q) {
    connect(q, &Zeitnahme::rundeErfasst, this, &Zeitnahme::rundeErfasst);
    connect(q, &Zeitnahme::chaosAn, this, &Zeitnahme::chaosAn);
    connect(q, &Zeitnahme::chaosAus, this, &Zeitnahme::chaosAus);
    connect(q, &Zeitnahme::startAnforderung, this, &Zeitnahme::startAnforderung);
    connect(q, &Zeitnahme::stopAnforderung, this, &Zeitnahme::stopAnforderung);
    connect(q, &Zeitnahme::statusText, this, &Zeitnahme::statusText);
    connect(q, &Zeitnahme::meldung, this, &Zeitnahme::meldung);
}

void Schnittstellen::setzeIndikator(int index, qint32 farbe) {
    m_indikator.at(index) = farbe;
    emit indikatorGeaendert(index, farbe);
}

void Schnittstellen::pruefePortIO() {
    const quint16 b1 = LesePortAdresse(m_e.LPT1PortAdr);
    const quint16 b2 = LesePortAdresse(m_e.LPT2PortAdr);
    if (m_io && (!m_eigenesIO || (b1 == m_lptBasis[0] && b2 == m_lptBasis[1]))) return;
    m_lptBasis[0] = b1;
    m_lptBasis[1] = b2;
    if (m_lpt) m_lpt->setPortIO(nullptr);
    m_ioFehler.clear();
    m_io = PortIO::waehle(b1, b2, &m_ioFehler);
    if (m_lpt) m_lpt->setPortIO(m_io.get());
}

void Schnittstellen::portFehler(MSComm* port, const QString& text) {
    // Unplugged or gone: not usable until it opens again.
    if (port->CommPort() >= 0 && port->CommPort() <= 10) m_portOK[port->CommPort()] = false;
    if (port == m_commRC) m_sensorBox->portVerloren();
    emit statusText(text);
    SetzeFormCaption(QString());
    wiederholeSpaeter();
    bewerteStatus();
}

void Schnittstellen::setModemFabrik(ModemLeitungsFabrik fabrik) {
    m_modemFabrik = fabrik;
    for (MSComm* p : {m_comm1, m_comm2, m_commRC, m_commBEPFE, m_commDS}) p->setModemFabrik(fabrik);
}

void Schnittstellen::setChaosAbfrage(std::function<bool()> abfrage) {
    m_lpt->setChaosAbfrage(std::move(abfrage));
}

void Schnittstellen::setCaptionAngaben(CaptionAngaben angaben) { m_caption = std::move(angaben); }

Zeitnahmegeraet& Schnittstellen::aktiv() const {
    return *m_geraete[size_t(Zeitnahmewahl::art(m_e))];
}

int Schnittstellen::KommNummer(const QString& einstellung) {
    bool ok = false;
    const int n = einstellung.trimmed().toInt(&ok);
    return ok ? n : 0;
}

QString Schnittstellen::MitBlank(qint64 zahl) {
    return zahl < 0 ? QString::number(zahl) : QLatin1Char(' ') + QString::number(zahl);
}

bool Schnittstellen::PortOK(int nummer) const {
    return nummer >= 1 && nummer <= 10 && m_portOK[nummer];
}

bool Schnittstellen::PortTest(int n, bool protokollieren) {
    // A port of our own that is open on this number is in use, hence usable: probing it
    // would fail on the lock and mark a working port as broken.
    bool ok = false;
    bool inBenutzung = false;
    for (MSComm* p : {m_comm1, m_comm2, m_commRC, m_commBEPFE, m_commDS})
        if (p->PortOpen() && p->CommPort() == n) inBenutzung = true;
    if (inBenutzung) {
        ok = true;
    } else {
        // A probe of its own: MSComm2 may be set up for the lap input.
        MSComm probe(QStringLiteral("PortTest"));
        probe.setPfadQuelle([this](int nr) { return pfadVon(nr); });
        probe.setModemFabrik(nullptr);
        probe.setCommPort(n);
        ok = probe.setPortOpen(true);
        if (!ok && n >= 0 && n <= 10)
            m_portFehler[n] = probe.pfad() + QStringLiteral(": ") + probe.fehlerText();
        probe.setPortOpen(false);
    }
    if (n >= 0 && n <= 10) m_portOK[n] = ok;
    if (!protokollieren) return ok;
    SchreibeDebug(QStringLiteral("Port %1 %2")
                      .arg(n)
                      .arg(ok ? QStringLiteral("OK") : QStringLiteral("Fehler")));
    return ok;
}

void Schnittstellen::Command1_Click() {
    PortTest(1);
    PortTest(2);
    // The configured interface's ports too: a box plugged in again counts at once.
    oeffneFehlendeWieder();
}

void Schnittstellen::MSCommOeffnen() {
    setzeIndikator(0, farbeRot);
    setzeIndikator(1, farbeRot);
    // The DS port too: left open it would block the port for the next interface.
    for (MSComm* p : {m_commBEPFE, m_commRC, m_comm1, m_comm2, m_commDS}) p->setPortOpen(false);
    SchreibeDebug(QStringLiteral("CommPort1: ") + m_e.CommPort1);
    SchreibeDebug(QStringLiteral("CommPort2: ") + m_e.CommPort2);
    // A PC has one or two real ports: the others in one line, not one line each.
    QStringList fehlend;
    for (int n = 1; n <= 10; ++n) {
        if (PortTest(n, false))
            SchreibeDebug(QStringLiteral("Port %1 OK").arg(n));
        else
            fehlend << QString::number(n);
    }
    if (!fehlend.isEmpty())
        SchreibeDebug(QStringLiteral("Ports nicht nutzbar: ") + fehlend.join(QStringLiteral(", ")));
    pruefePortIO();

    const int k1 = KommNummer(m_e.CommPort1);
    const int k2 = KommNummer(m_e.CommPort2);
    if (m_e.ComControlAktiv == 1) {
        for (auto [port, nummer] : {std::pair{m_comm1, k1}, std::pair{m_comm2, k2}}) {
            port->setCommPort(nummer);
            port->setSettings(QStringLiteral("9600,N,8,1"));
            port->setRThreshold(1);
            port->setSThreshold(1);
            port->setInputLen(0);
        }
    }
    if (m_e.LapsterAktiv == 1) {
        // The bridge library is bound now: a missing one shows before the first race, not
        // as a silent box at the start.
        QString fehler;
        if (!m_lapster->bindeBibliothek(&fehler)) {
            m_lapsterStatus = Status::TreiberFehlt;
            m_lapsterGrund = tr("Bibliothek der USB-Rennbox (%1) nicht geladen: %2")
                                 .arg(m_lapster->bibliothek(), fehler);
        } else {
            // The library alone counts nothing: the box must answer too.
            m_lapster->pruefeVerbindung();
        }
    }
    if (m_e.RaceControlAktiv == 1) {
        m_commRC->setCommPort(k1);
        m_commRC->setSettings(QStringLiteral("4800,n,8,1"));
        m_commRC->setDTREnable(true);
        m_commRC->setHandshaking(0);
        m_commRC->setSThreshold(0);
        m_commRC->setRThreshold(1);
        m_commRC->setInBufferSize(1024);
        m_commRC->setOutBufferSize(1024);
        m_commRC->setInputMode(0);
        m_commRC->setInputLen(1);
        m_commRC->setOutBufferCount(0);
        m_commRC->setInBufferCount(0);
    }
    if (m_e.BEPFEAktiv == 1) {
        m_commBEPFE->setCommPort(k1);
        m_commBEPFE->setSettings(QStringLiteral("9600,n,8,1"));
        m_commBEPFE->setDTREnable(true);
        m_commBEPFE->setRThreshold(1);
        if (m_commBEPFE->setPortOpen(true))
            m_controlBox->portGeoeffnet();  // resets the box: "reset;gi;"
        else
            SchreibeDebug(QStringLiteral("MSCommBEPFE: ") + m_commBEPFE->fehlerText());
    }
    if (m_e.DS200Aktiv == 1 || m_e.DS300Aktiv == 1) {
        m_commDS->setCommPort(k1);
        m_commDS->setSettings(m_e.DS300Aktiv == 1 ? QStringLiteral("56000,n,8,1")
                                                  : QStringLiteral("4800,n,8,1"));
        m_commDS->setInputLen(63);
        // Every byte is handed on at once: the decoder finds the frames itself, and a
        // threshold of three frames would hold back a last frame (race end) sent fewer times.
        m_commDS->setRThreshold(1);
        m_commDS->setSThreshold(63);
        if (m_commDS->setPortOpen(true))
            m_ds->portGeoeffnet();
        else
            SchreibeDebug(QStringLiteral("MSCommDSx00: ") + m_commDS->fehlerText());
    }
    m_dsDaten.zuruecksetzen();
    m_boxDaten.zuruecksetzen();
    for (MSComm* p : {m_commBEPFE, m_commDS})
        if (p->sollOffen() && !p->PortOpen()) wiederholeSpaeter();
    SchalteLPT(QStringLiteral("BahnAlle"), m_e.BahnStromTraining == 1 ? 0 : 1);
    SetzeFormCaption(QString());
    bewerteStatus();
}

void Schnittstellen::OeffneRundenPorts() {
    for (MSComm* p : {m_comm1, m_comm2}) {
        if (!PortOK(p->CommPort()) || p->PortOpen()) continue;
        if (!p->setPortOpen(true)) {
            SchreibeDebug(p->objectName() + QStringLiteral(": ") + p->fehlerText());
            wiederholeSpaeter();
        }
    }
    bewerteStatus();
}

void Schnittstellen::SchliesseRundenPorts() {
    m_comm1->setPortOpen(false);
    m_comm2->setPortOpen(false);
    bewerteStatus();
}

QString Schnittstellen::StatusText() const {
    const int k1 = KommNummer(m_e.CommPort1);
    const int k2 = KommNummer(m_e.CommPort2);
    QString s;
    if (PortOK(k1)) s = QStringLiteral(" COM") + MitBlank(k1) + QStringLiteral(" OK");
    if (PortOK(k2)) s += QStringLiteral(" COM") + MitBlank(k2) + QStringLiteral(" OK");
    if (m_e.RaceControlAktiv == 1)
        s = QLatin1Char(' ') + tr("Racecontrol aktiv an COM%1").arg(MitBlank(k1));
    if (m_e.BEPFEAktiv == 1)
        s = QLatin1Char(' ') + tr("Bepfe/Titus aktiv an COM%1 Eingänge:%2 Relais:%3")
                                   .arg(MitBlank(k1), MitBlank(m_controlBox->eingaenge()),
                                        MitBlank(m_controlBox->relais()));
    if (m_e.DS200Aktiv == 1 || m_e.DS300Aktiv == 1)
        s = QLatin1Char(' ') + tr("DSx00 aktiv an COM%1 %2")
                                   .arg(MitBlank(k1), m_e.DS300Aktiv == 1 ? QStringLiteral("56000")
                                                                          : QStringLiteral("4800"));
    if (m_e.LPTControlAktiv == 1) s = tr("LPT Erfassung aktiv");
    return s;
}

QString Schnittstellen::SetzeFormCaption(const QString& AddStr) {
    auto hole = [](const std::function<QString()>& f) { return f ? f() : QString(); };
    const QString text = m_caption.programm + QLatin1Char(' ') + QString::number(m_caption.major) +
                         QLatin1Char('.') + QString::number(m_caption.minor) + QLatin1Char('(') +
                         QString::number(m_caption.revision) + QStringLiteral("): ") +
                         hole(m_caption.datenBank) + QLatin1Char(' ') + StatusText() +
                         QLatin1Char(' ') + hole(m_caption.rennArt) + QStringLiteral(" :  ") +
                         hole(m_caption.grenze) + QLatin1Char(' ') + AddStr;
    emit formCaption(text);
    return text;
}

qint32 Schnittstellen::HoleZeitstempel() {
    if (m_e.RaceControlAktiv != 1) return m_uhr->Zeitstempel();
    // The box keeps the race clock going while its port is lost (SensorBox::portVerloren).
    return m_sensorBox->zeitstempel();
}

void Schnittstellen::GetPortnummer(int i) {
    const qint32 t = HoleZeitstempel();
    emit zeitstempelGenommen(t);
    emit rundeErfasst(i, t);
    emit rundeWartet();
}

void Schnittstellen::SchalteBepfe(const QString& Wert, int AnAus) {
    m_controlBox->SchalteBepfe(Wert, AnAus);
}

void Schnittstellen::SchalteLPT(const QString& Wert, int AnAus) {
    if (m_e.BEPFEAktiv == 1) {
        if (m_e.BEPFEmitAmpel == 1 || Wert.startsWith(QLatin1String("Bahn"))) {
            SchalteBepfe(Wert, AnAus);
            return;
        }
    }
    if (m_e.LPTAnsteuerung == 0) return;
    const int v = m_e.BahnStromInvers == 1 ? (AnAus == 0 ? 1 : 0) : AnAus;
    if (Wert == QLatin1String("BahnAlle")) {
        for (int k = 1; k <= 6; ++k) m_lpt->SchalteLPTPin(m_e.LPTBahn[k], v);
    } else if (Wert == QLatin1String("AmpelAlle")) {
        for (int k = 1; k <= 5; ++k) m_lpt->SchalteLPTPin(m_e.LPTAmpel[k], AnAus);
        m_lpt->SchalteLPTPin(m_e.LPTAmpelGruen, AnAus);
    } else if (Wert == QLatin1String("AmpelGruen")) {
        m_lpt->SchalteLPTPin(m_e.LPTAmpelGruen, AnAus);
    } else if (Wert.size() == 5 && Wert.startsWith(QLatin1String("Bahn")) &&
               Wert[4] >= QLatin1Char('1') && Wert[4] <= QLatin1Char('6')) {
        m_lpt->SchalteLPTPin(m_e.LPTBahn[Wert[4].digitValue()], v);
    } else if (Wert.size() == 6 && Wert.startsWith(QLatin1String("Ampel")) &&
               Wert[5] >= QLatin1Char('1') && Wert[5] <= QLatin1Char('5')) {
        m_lpt->SchalteLPTPin(m_e.LPTAmpel[Wert[5].digitValue()], AnAus);
    }
}

void Schnittstellen::LPTStart() {
    if (m_e.LPTAnsteuerung != 1) return;
    m_lpt->PortReset();
    SchalteLPT(QStringLiteral("BahnAlle"), 1);
    SchalteLPT(QStringLiteral("AmpelAlle"), 0);
    SchalteLPT(QStringLiteral("AmpelGruen"), 1);
}
