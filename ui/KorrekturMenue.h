#pragma once
// The lane panels' context menu for lap corrections: headed by the lane and its driver,
// "Runde +1" and "Letzte Runde löschen". Each asks first (naming the lane, the driver and, for
// a lap taken back, its number and time; laps that come in while the question is open are
// named in it), then corrects through the engine; a refusal is shown.

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QMenu;
class QWidget;
class Rennleitung;
class Rundenkorrektur;
class SlotAnzeige;
class diaKorrektur;

class KorrekturMenue : public QObject {
    Q_OBJECT
public:
    KorrekturMenue(Rennleitung& leitung, QWidget* fenster);
    ~KorrekturMenue() override;

    // Gives the panel its context menu.
    void haengeAn(SlotAnzeige* panel);
    // The menu for a lane as it would open now (owned by the caller).
    QMenu* menueFuer(int bahn, QWidget* eltern);
    // The question: the reason when answered yes, nothing when no. The program shows the
    // dialog modally; tests answer by script (the race goes on meanwhile either way).
    using Frage = std::function<std::optional<QString>(diaKorrektur& dialog)>;
    void setzeFrage(Frage frage) { m_frage = std::move(frage); }
    Rundenkorrektur& korrektur() { return *m_korrektur; }

private:
    void fuehreAus(int bahn, bool plus);

    Rennleitung& m_leitung;
    QWidget* m_fenster;
    Rundenkorrektur* m_korrektur;
    Frage m_frage;
};
