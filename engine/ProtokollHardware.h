#pragma once
// A RennHardware without hardware: every call is written to the debug log and kept in a list;
// switching words are announced through geschaltet(). Serves until the hardware adapter is in
// place, and in tests and the replay runner. The caution input is a settable line.

#include <QObject>
#include <QStringList>

#include "engine/RennHardware.h"

class Uhr;

class ProtokollHardware : public QObject, public RennHardware {
    Q_OBJECT
public:
    explicit ProtokollHardware(Uhr& uhr, QObject* parent = nullptr);

    static constexpr int maxAufrufe = 10000;
    // The latest calls (at most maxAufrufe), one line each ("SchalteLPT BahnAlle 1", ...).
    const QStringList& aufrufe() const { return m_aufrufe; }
    void leereAufrufe() { m_aufrufe.clear(); }
    // Simulated caution input line (true = caution asked for).
    void setzeChaosEingang(bool aktiv) { m_chaosEingang = aktiv; }
    QString formCaption() const { return m_caption; }

    qint32 HoleZeitstempel() override;
    void SchalteLPT(const QString& wort, int an) override;
    void SetzeFormCaption(const QString& zusatz) override;
    bool PruefeChaosEingang(bool chaosAktiv) override;
    // The phases of a run, each logged by its name ("Vorbereiten", "CountdownBeginn", ...).
    void Vorbereiten() override;
    std::optional<qint32> CountdownBeginn() override;
    void AmpelSchritt() override;
    void Gruen() override;
    void Takt() override;
    void Stopp() override;
    void Schliessen() override;
    void Grundstellung() override;

signals:
    void geschaltet(const QString& wort, int an);

private:
    void protokolliere(const QString& zeile);

    Uhr& m_uhr;
    QStringList m_aufrufe;
    QString m_caption;
    bool m_chaosEingang = false;
};
