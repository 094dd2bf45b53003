#include "ui/MqttFeld.h"

#include "uebertragung/MqttSender.h"
#include "ui/Knopfleiste.h"
#include "ui/frmMain.h"

MqttFeld::MqttFeld(MqttSender& sender, QWidget* parent) : QLabel(parent), m_sender(sender) {
    setObjectName(QStringLiteral("lblMqtt"));
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setWordWrap(true);
    connect(&sender, &MqttSender::zustandGeaendert, this, &MqttFeld::aktualisiere);
    // The field lives as long as its sender.
    connect(&sender, &QObject::destroyed, this, [this] {
        hide();
        deleteLater();
    });
    aktualisiere();
}

MqttSender* MqttFeld::richteEin(frmMain& f, Rennleitung& leitung, Hauptanzeige& anzeige,
                                ZeitnahmeStatus* zeitnahme) {
    // Called again after the options changed: the old sender and its field go first.
    delete f.findChild<MqttSender*>(QString(), Qt::FindDirectChildrenOnly);
    MqttSender* sender = MqttSender::ausEinstellungen(leitung, anzeige, &f, zeitnahme);
    if (sender) zeige(f, *sender);
    return sender;
}

MqttFeld* MqttFeld::zeige(frmMain& f, MqttSender& sender) {
    auto* feld = new MqttFeld(sender);
    // A row of its own below the live scoreboard's: the reason must be readable in full.
    f.fuegeLeistenZeileAn(feld, Knopfleiste::mqttReihe);
    return feld;
}

void MqttFeld::aktualisiere() {
    const bool gut = m_sender.zustand() == MqttSender::Zustand::Verbunden ||
                     m_sender.zustand() == MqttSender::Zustand::Verbinde;
    setStyleSheet(gut ? QString()
                      : QStringLiteral("QLabel { color: #b00000; font-weight: bold; }"));
    setText(m_sender.text());
}
