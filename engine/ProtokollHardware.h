#pragma once
// A RennHardware without hardware: every call is written to the debug log and kept in a list;
// switching words are announced through geschaltet(). Serves until the hardware adapter is in
// place, and in tests and the replay runner. The caution input is a settable line.

#include <QObject>
#include <QStringList>

#include "RennHardware.h"

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

signals:
    void geschaltet(const QString& wort, int an);

private:
    void protokolliere(const QString& zeile);

    Uhr& m_uhr;
    QStringList m_aufrufe;
    QString m_caption;
    bool m_chaosEingang = false;
};
