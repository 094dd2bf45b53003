#pragma once
// The running program's view of the timing hardware: every call goes to the interface behind
// it; SetzeFormCaption also rebuilds the main window's caption.

#include <functional>

#include "engine/RennHardware.h"

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
    bool PruefeChaosEingang(bool chaosAktiv) override {
        return m_innen.PruefeChaosEingang(chaosAktiv);
    }
    void Vorbereiten() override { m_innen.Vorbereiten(); }
    std::optional<qint32> CountdownBeginn() override { return m_innen.CountdownBeginn(); }
    void AmpelSchritt() override { m_innen.AmpelSchritt(); }
    void Gruen() override { m_innen.Gruen(); }
    void Takt() override { m_innen.Takt(); }
    void Stopp() override { m_innen.Stopp(); }
    void Schliessen() override { m_innen.Schliessen(); }
    void Grundstellung() override { m_innen.Grundstellung(); }
    QString StartHindernis() override { return m_innen.StartHindernis(); }
    QString StartRueckfrage() override { return m_innen.StartRueckfrage(); }
    bool ZeitnahmeVerloren() override { return m_innen.ZeitnahmeVerloren(); }

private:
    RennHardware& m_innen;
    std::function<void(const QString&)> m_ziel;
};
