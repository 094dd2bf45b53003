#pragma once
// The options page of the live scoreboard: on or off and the port. OK writes both settings
// keys and applies them at once (the server starts, moves to the new port or stops).

#include <QWidget>
#include <functional>

class QCheckBox;
class QSpinBox;
class EinstellungsSpeicher;
class frmOptionsNeu;

class LiveStandSeite : public QWidget {
    Q_OBJECT
public:
    LiveStandSeite(EinstellungsSpeicher& speicher, QWidget* parent = nullptr);

    // Adds the page "Zuschauer" to the options; anwenden runs after OK has saved.
    static LiveStandSeite* fuegeEin(frmOptionsNeu& dialog, EinstellungsSpeicher& speicher,
                                    std::function<void()> anwenden);

    QCheckBox* an() const { return m_an; }
    QSpinBox* port() const { return m_port; }
    void speichere();

private:
    EinstellungsSpeicher& m_speicher;
    QCheckBox* m_an = nullptr;
    QSpinBox* m_port = nullptr;
};
