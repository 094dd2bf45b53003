#pragma once
// The options page "Übertragung": race events to an MQTT broker for lobby boards and
// streams. OK writes the settings (record and keys) and starts, moves or stops the sender.

#include <QWidget>
#include <functional>

class QCheckBox;
class QLineEdit;
class QSpinBox;
class EinstellungsSpeicher;
class frmOptionsNeu;
struct Einstellungen;

class MqttSeite : public QWidget {
    Q_OBJECT
public:
    MqttSeite(Einstellungen& e, EinstellungsSpeicher& speicher, QWidget* parent = nullptr);

    // Adds the page to the options; anwenden runs after OK has saved.
    static MqttSeite* fuegeEin(frmOptionsNeu& dialog, Einstellungen& e,
                               EinstellungsSpeicher& speicher, std::function<void()> anwenden);
    void speichere();

private:
    Einstellungen& m_e;
    EinstellungsSpeicher& m_speicher;
    QCheckBox* m_an = nullptr;
    QLineEdit* m_host = nullptr;
    QSpinBox* m_port = nullptr;
    QLineEdit* m_thema = nullptr;
    QLineEdit* m_benutzer = nullptr;
    QLineEdit* m_passwort = nullptr;
    QCheckBox* m_tls = nullptr;
};
