#pragma once
// Speech and sounds of the running program: the announcement queue with its voice, the
// announcer window (the speaking character), the shared sound player, and the settings that
// switch them (SoundAn, MyAgent, LangId).

#include <QObject>
#include <QPointer>
#include <functional>

#include "config/Einstellungen.h"
#include "engine/Ansage.h"
#include "ui/Sprecherfenster.h"

class EinstellungsSpeicher;
class SprachWarteschlange;
class Sprecherfenster;
class Tonspieler;

class ProgrammAnsage : public QObject, public Ansage {
    Q_OBJECT
public:
    // warteschlange: the speech engine's queue, or null when no engine could be set up (then
    // nothing is ever spoken and the settings calls only save).
    ProgrammAnsage(Einstellungen& e, EinstellungsSpeicher& speicher,
                   SprachWarteschlange* warteschlange, Tonspieler& ton, QObject* parent = nullptr);
    ~ProgrammAnsage() override;

    bool agentVorhanden() const { return m_warteschlange != nullptr; }
    // Where the announcer goes when SpracheAn shows it (unset: top right of the screen).
    void setzePlatzierung(std::function<void(Sprecherfenster*)> platziere) {
        m_platziere = std::move(platziere);
    }
    // The announcer window is shown unless the setting SprecherFenster is 0 (speech goes on).
    bool fensterErlaubt() const;
    // Where SpracheAn takes its start-up sentence from (language text 1).
    void setzeTextQuelle(std::function<QString(int)> quelle) { m_texte = std::move(quelle); }

    void SprachAusgabe(const QString& text) override;
    void SprachAusgabeMit(const QString& text, Sprechart art, const QString& fahrer) override;
    void SpieleTon(const QString& datei) override;

    // Saves MA (when not empty) as MyAgent and LID as LangId, reads both back and takes the
    // character and its language; then SpracheAn.
    void SetzeAgent(const QString& MA, qint32 LID);
    // Shows the announcer at the top right and speaks text 1 when SoundAn is 1, else hides it
    // and drops what waits; saves SoundAn either way.
    void SpracheAn();

    // The voice the next announcement is spoken with.
    QString stimme() const;
    Sprecherfenster* fenster() const { return m_fenster; }
    EinstellungsSpeicher& speicher() { return m_speicher; }

private:
    Einstellungen& m_e;
    EinstellungsSpeicher& m_speicher;
    SprachWarteschlange* m_warteschlange;
    Tonspieler& m_ton;
    QPointer<Sprecherfenster> m_fenster;
    std::function<QString(int)> m_texte;
    std::function<void(Sprecherfenster*)> m_platziere;
};
