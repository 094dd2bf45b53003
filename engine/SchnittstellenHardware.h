#pragma once
// The race engine's hardware calls carried out by the real timing interfaces, and the one
// place where the interfaces' events are connected to the race operations.

#include <QObject>
#include <memory>

#include "engine/RennHardware.h"

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
    bool PruefeChaosEingang(bool chaosAktiv) override;
    void Vorbereiten() override;
    std::optional<qint32> CountdownBeginn() override;
    void AmpelSchritt() override;
    void Gruen() override;
    void Takt() override;
    void Stopp() override;
    void Schliessen() override;
    void Grundstellung() override;
    QString StartHindernis() override;
    QString StartRueckfrage() override;
    bool ZeitnahmeVerloren() override;

private:
    Schnittstellen& m_s;
    Einstellungen& m_e;
    std::unique_ptr<DSStartfolge> m_dsStart;
    std::unique_ptr<ZeitnahmeStatus> m_status;
};
