#pragma once
// The MQTT sender's state on the main window: one line below the button bar, red while the
// broker does not take the messages, with the reason and when it is tried again.

#include <QLabel>

class Hauptanzeige;
class MqttSender;
class Rennleitung;
class ZeitnahmeStatus;
class frmMain;

class MqttFeld : public QLabel {
    Q_OBJECT
public:
    MqttFeld(MqttSender& sender, QWidget* parent = nullptr);

    // Starts the sender as the settings say, owned by the main window, and shows its state
    // there; called again, it replaces the one it started before. Null when it is switched off.
    static MqttSender* richteEin(frmMain& f, Rennleitung& leitung, Hauptanzeige& anzeige,
                                 ZeitnahmeStatus* zeitnahme = nullptr);
    // Puts a field for the sender into the main window's bar.
    static MqttFeld* zeige(frmMain& f, MqttSender& sender);

private:
    void aktualisiere();

    MqttSender& m_sender;
};
