#pragma once
// The race engine's hardware calls carried out by the real timing interfaces, and the one
// place where the interfaces' events are connected to the race operations.

#include <QObject>
#include <memory>

#include "RennHardware.h"

class DSStartfolge;
class Rennablauf;
class Rennleitung;
class Schnittstellen;
class ZeitnahmeStatus;
struct Einstellungen;

class SchnittstellenHardware : public QObject, public RennHardware {
    Q_OBJECT
public:
    SchnittstellenHardware(Schnittstellen& schnittstellen, Einstellungen& einstellungen,
                           QObject* parent = nullptr);
    ~SchnittstellenHardware() override;

    Schnittstellen& schnittstellen() { return m_s; }
    // The interface's state for the main window; exists once verbinde() has run.
    ZeitnahmeStatus* status() const { return m_status.get(); }

    // Start-up: the one active interface chosen, its ports opened, the parallel-port inputs
    // read from the settings and, with LPTAnsteuerung, the outputs reset.
    void oeffne();
    // Connects every interface event to the engine: laps, caution, start and stop requests,
    // the DS start phases, notices and the lap-wait flag.
    void verbinde(Rennleitung& leitung, Rennablauf& ablauf);

    qint32 HoleZeitstempel() override;
    void SchalteLPT(const QString& wort, int an) override;
    void SetzeFormCaption(const QString& zusatz) override;
    void OeffneComPort(int nummer) override;
    void SchliesseComPort(int nummer) override;
    qint32 StarteSensorBox() override;
    void SchliesseSensorBox() override;
    void SendeBepfe(const QString& befehl) override;
    void StarteLPTErfassung() override;
    void StoppeLPTErfassung() override;
    bool PruefeChaosEingang(bool chaosAktiv) override;
    void LapsterBoxOpen(bool zuruecksetzen) override;
    void LapsterBoxInit() override;
    void LapsterBoxReset() override;
    void LapsterBoxReadTimer() override;
    void LapsterBoxClose() override;
    void AmpelReset() override;
    void AmpelVorstart() override;
    void AmpelWeiter() override;
    QString StartHindernis() override;
    QString StartRueckfrage() override;
    bool StartZaehlerVerloren() override;

private:
    Schnittstellen& m_s;
    Einstellungen& m_e;
    std::unique_ptr<DSStartfolge> m_dsStart;
    std::unique_ptr<ZeitnahmeStatus> m_status;
};
