#pragma once
// The MQTT sender's state on the main window: one line below the button bar, red while the
// broker does not take the messages, with the reason and when it is tried again.

#include <QLabel>

class MqttSender;
class frmMain;

class MqttFeld : public QLabel {
    Q_OBJECT
public:
    MqttFeld(MqttSender& sender, QWidget* parent = nullptr);

    // Puts a field for the sender into the main window's bar.
    static MqttFeld* zeige(frmMain& f, MqttSender& sender);

private:
    void aktualisiere();

    MqttSender& m_sender;
};
