#pragma once
// The lane panels' context menu for lap corrections: "Runde +1" and "Letzte Runde löschen".
// Each asks first (with a reason), then corrects through the engine; a refusal is shown.

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QMenu;
class QWidget;
class Rennleitung;
class Rundenkorrektur;
class SlotAnzeige;

class KorrekturMenue : public QObject {
    Q_OBJECT
public:
    KorrekturMenue(Rennleitung& leitung, QWidget* fenster);
    ~KorrekturMenue() override;

    // Gives the panel its context menu.
    void haengeAn(SlotAnzeige* panel);
    // The menu for a lane as it would open now (owned by the caller).
    QMenu* menueFuer(int bahn, QWidget* eltern);
    // The question: the reason when answered yes, nothing when no. The program asks with
    // diaKorrektur; tests answer by script.
    using Frage = std::function<std::optional<QString>(const QString& titel, const QString& text)>;
    void setzeFrage(Frage frage) { m_frage = std::move(frage); }
    Rundenkorrektur& korrektur() { return *m_korrektur; }

private:
    void fuehreAus(int bahn, bool plus);

    Rennleitung& m_leitung;
    QWidget* m_fenster;
    Rundenkorrektur* m_korrektur;
    Frage m_frage;
};
