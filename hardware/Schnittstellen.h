#pragma once
// The timing interfaces of the main window behind one object: it owns the five serial ports,
// the generic serial lap input, the parallel ports, the control box, the DS counters, the
// sensor box and the USB race box, opens the ports of the active interface, switches lane
// power and lights, takes the time stamps and builds the interface part of the window caption.
//
// The engine listens to this object only: every Zeitnahme signal of every interface is
// forwarded from here, together with the few extra events the lap path needs.

#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "hardware/Datenwaechter.h"
#include "hardware/ModemLeitungen.h"
#include "hardware/Zeitnahme.h"
#include "hardware/Zeitnahmegeraete.h"

struct Einstellungen;
class ControlBox;
class DSZaehler;
class LapsterBox;
class MSComm;
class ParallelPort;
class PortIO;
class SensorBox;
class SensorBoxTreiber;
class SerielleRunden;
class Uhr;
class UhrTimer;

class Schnittstellen : public Zeitnahme {
    Q_OBJECT
public:
    static constexpr qint32 farbeRot = 255;
    // A lost port is tried again this often while the program runs.
    static constexpr int wiederholungMs = 2000;

    // What the caption shows beside the interface: program and version, the database name
    // (setting DatenBank), the race kind and the race limit.
    struct CaptionAngaben {
        QString programm = QStringLiteral("Pistorelle");
        int major = 0;
        int minor = 1;
        int revision = 0;
        std::function<QString()> datenBank;
        std::function<QString()> rennArt;
        std::function<QString()> grenze;
    };

    // io: the parallel port access; null chooses the backend that works (PortIO::waehle).
    // treiber: the sensor box driver; null binds the real one at its first use.
    Schnittstellen(Einstellungen& einstellungen, Uhr* uhr, QObject* parent = nullptr,
                   std::unique_ptr<PortIO> io = nullptr,
                   std::unique_ptr<SensorBoxTreiber> treiber = nullptr);
    ~Schnittstellen() override;

    // The driver of the interface the settings choose (Zeitnahmewahl); the race sequence's
    // phases go to it.
    Zeitnahmegeraet& aktiv() const;
    // COM number of a port setting ("1" -> 1; not a number -> 0).
    static int KommNummer(const QString& einstellung);
    // A number as the caption writes it: one leading blank, or the minus sign.
    static QString MitBlank(qint64 zahl);

    void MSCommOeffnen();
    // protokollieren = false: the caller logs the result (start-up sums up the failures).
    bool PortTest(int COMPortNummer, bool protokollieren = true);
    // False for numbers outside 1..10 (and for ports that failed the last probe).
    bool PortOK(int nummer) const;
    // Main window button "Verfügbare".
    void Command1_Click();

    QString StatusText() const;
    // State of the active interface and why; zustand() reports every change.
    Status status() const { return m_status; }
    QString statusGrund() const { return m_grund; }
    // The active interface and its port as the status field names it ("DS300 COM1").
    QString schnittstelle() const;
    // Reads the state of the active interface anew from its ports, driver and data.
    void bewerteStatus();
    // One attempt to reopen every port that is wanted open but is not (the service timer
    // runs it every wiederholungMs while one is missing).
    void oeffneFehlendeWieder();
    UhrTimer* wiederholungsTimer() const { return m_wiederholung; }
    // Rebuilds the caption, emits formCaption() and returns it.
    QString SetzeFormCaption(const QString& AddStr);
    void setCaptionAngaben(CaptionAngaben angaben);

    qint32 HoleZeitstempel();
    void GetPortnummer(int i);
    void SchalteLPT(const QString& Wert, int AnAus);
    void SchalteBepfe(const QString& Wert, int AnAus);
    // Start-up after MSCommOeffnen, when LPTAnsteuerung = 1: port reset, lanes powered, red
    // lights off, green on.
    void LPTStart();
    // Race start / after-run of the generic serial input: MSComm1 and MSComm2 opened when
    // their ports passed the probe; closed again.
    void OeffneRundenPorts();
    void SchliesseRundenPorts();

    qint32 indikatorFarbe(int index) const { return m_indikator.at(index); }

    // The engine's caution state, for the parallel port's caution input.
    void setChaosAbfrage(std::function<bool()> abfrage);
    // Modem-line watcher of every port (tests feed their own edges).
    void setModemFabrik(ModemLeitungsFabrik fabrik);

    MSComm* MSComm1() const { return m_comm1; }
    MSComm* MSComm2() const { return m_comm2; }
    MSComm* MSCommRC() const { return m_commRC; }
    MSComm* MSCommBEPFE() const { return m_commBEPFE; }
    MSComm* MSCommDSx00() const { return m_commDS; }
    SerielleRunden* serielleRunden() const { return m_serielle; }
    ParallelPort* parallelPort() const { return m_lpt; }
    PortIO* portIO() const { return m_io.get(); }
    ControlBox* controlBox() const { return m_controlBox; }
    DSZaehler* dsZaehler() const { return m_ds; }
    SensorBox* sensorBox() const { return m_sensorBox; }
    LapsterBox* lapsterBox() const { return m_lapster; }

signals:
    void formCaption(const QString& text);
    void indikatorGeaendert(int index, qint32 farbe);
    // Stamp of the last event taken with the current time (the engine's LetzterZeitstempel).
    void zeitstempelGenommen(qint32 zeit);
    // An input event was handled: the race timer should refresh the display (RundeWartet).
    void rundeWartet();
    void chaosKnopfFreigabe(bool an);
    // Start light phase driven by the DS counter (DSZaehler::StartPhase).
    void ampelPhase(int phase);
    // The interface part of the caption may read differently now (box inputs and relays).
    void captionGeaendert();

private:
    MSComm* neuerPort(const QString& name);
    // Device path of COM port 1..10: setting ComPfadN, else the platform's standard path.
    QString pfadVon(int nummer) const;
    void verbindeEmpfang(MSComm* port, std::function<void(const QByteArray&)> ziel);
    void leiteWeiter(Zeitnahme* quelle);
    void setzeIndikator(int index, qint32 farbe);
    void pruefePortIO();
    void portFehler(MSComm* port, const QString& text);
    void setzeStatus(Status s, const QString& grund);
    void pruefeDaten(Datenwaechter& waechter, quint64 gueltige, quint64 verworfen);
    void wiederGeoeffnet(MSComm* port, bool nachVerlust);
    void wiederholeSpaeter();
    QString portGrund(MSComm* port, int nummer) const;
    QString lptGrund() const;

    Einstellungen& m_e;
    Uhr* m_uhr;
    std::unique_ptr<PortIO> m_io;
    quint16 m_lptBasis[2] = {0, 0};
    bool m_eigenesIO = false;  // chosen here (and chosen anew when the addresses change)
    std::array<bool, 11> m_portOK{};
    std::array<QString, 11> m_portFehler;  // reason of the last failed probe
    QString m_ioFehler;                    // why no parallel-port backend works
    Status m_status = Status::KeineVerbindung;
    QString m_grund;
    QString m_schnittstelle;
    Status m_lapsterStatus = Status::Aktiv;
    QString m_lapsterGrund;
    Datenwaechter m_dsDaten;
    Datenwaechter m_boxDaten;
    UhrTimer* m_wiederholung = nullptr;
    std::array<qint32, 2> m_indikator{farbeRot, farbeRot};
    CaptionAngaben m_caption;
    ModemLeitungsFabrik m_modemFabrik;

    MSComm* m_comm1 = nullptr;
    MSComm* m_comm2 = nullptr;
    MSComm* m_commRC = nullptr;
    MSComm* m_commBEPFE = nullptr;
    MSComm* m_commDS = nullptr;
    SerielleRunden* m_serielle = nullptr;
    ParallelPort* m_lpt = nullptr;
    ControlBox* m_controlBox = nullptr;
    DSZaehler* m_ds = nullptr;
    SensorBox* m_sensorBox = nullptr;
    LapsterBox* m_lapster = nullptr;
    Zeitnahmegeraete m_geraete;
};
