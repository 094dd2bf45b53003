#pragma once
// The running program's view of the timing hardware: every call goes to the interface behind
// it; SetzeFormCaption also rebuilds the main window's caption.

#include <functional>

#include "RennHardware.h"

class FensterHardware : public RennHardware {
public:
    explicit FensterHardware(RennHardware& innen) : m_innen(innen) {}

    // Receives the extra text of every SetzeFormCaption (the main window builds the caption).
    void setzeCaptionZiel(std::function<void(const QString&)> ziel) { m_ziel = std::move(ziel); }
    RennHardware& innen() { return m_innen; }

    qint32 HoleZeitstempel() override { return m_innen.HoleZeitstempel(); }
    void SchalteLPT(const QString& wort, int an) override { m_innen.SchalteLPT(wort, an); }
    void SetzeFormCaption(const QString& zusatz) override {
        m_innen.SetzeFormCaption(zusatz);
        if (m_ziel) m_ziel(zusatz);
    }
    void OeffneComPort(int nummer) override { m_innen.OeffneComPort(nummer); }
    void SchliesseComPort(int nummer) override { m_innen.SchliesseComPort(nummer); }
    qint32 StarteSensorBox() override { return m_innen.StarteSensorBox(); }
    void SchliesseSensorBox() override { m_innen.SchliesseSensorBox(); }
    void SendeBepfe(const QString& befehl) override { m_innen.SendeBepfe(befehl); }
    void StarteLPTErfassung() override { m_innen.StarteLPTErfassung(); }
    void StoppeLPTErfassung() override { m_innen.StoppeLPTErfassung(); }
    bool PruefeChaosEingang(bool chaosAktiv) override {
        return m_innen.PruefeChaosEingang(chaosAktiv);
    }
    void LapsterBoxOpen(bool zuruecksetzen) override { m_innen.LapsterBoxOpen(zuruecksetzen); }
    void LapsterBoxInit() override { m_innen.LapsterBoxInit(); }
    void LapsterBoxReset() override { m_innen.LapsterBoxReset(); }
    void LapsterBoxReadTimer() override { m_innen.LapsterBoxReadTimer(); }
    void LapsterBoxClose() override { m_innen.LapsterBoxClose(); }
    void AmpelReset() override { m_innen.AmpelReset(); }
    void AmpelVorstart() override { m_innen.AmpelVorstart(); }
    void AmpelWeiter() override { m_innen.AmpelWeiter(); }
    QString StartHindernis() override { return m_innen.StartHindernis(); }
    bool StartZaehlerVerloren() override { return m_innen.StartZaehlerVerloren(); }

private:
    RennHardware& m_innen;
    std::function<void(const QString&)> m_ziel;
};
