#include "ui/MqttSeite.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>

#include "config/Einstellungen.h"
#include "config/EinstellungsSpeicher.h"
#include "ui/frmOptionsNeu.h"

MqttSeite::MqttSeite(Einstellungen& e, EinstellungsSpeicher& speicher, QWidget* parent)
    : QWidget(parent), m_e(e), m_speicher(speicher) {
    setObjectName(QStringLiteral("MqttSeite"));
    auto* form = new QFormLayout(this);
    const auto feld = [this](const char* name, const QString& wert) {
        auto* f = new QLineEdit(wert, this);
        f->setObjectName(QLatin1String(name));
        return f;
    };
    m_an = new QCheckBox(tr("Rennen an einen MQTT-Broker senden"), this);
    m_an->setObjectName(QStringLiteral("MqttAn"));
    m_an->setChecked(e.MqttAn == 1);
    m_host = feld("MqttHost", e.MqttHost);
    m_port = new QSpinBox(this);
    m_port->setObjectName(QStringLiteral("MqttPort"));
    m_port->setRange(1, 65535);
    m_port->setValue(e.MqttPort >= 1 && e.MqttPort <= 65535 ? e.MqttPort : 1883);
    m_thema = feld("MqttThema", e.MqttThema);
    m_benutzer = feld("MqttBenutzer", e.MqttBenutzer);
    m_passwort = feld("MqttPasswort", e.MqttPasswort);
    m_passwort->setEchoMode(QLineEdit::Password);
    m_tls = new QCheckBox(tr("Verschlüsselt (TLS, mit den Zertifikaten des Systems)"), this);
    m_tls->setObjectName(QStringLiteral("MqttTls"));
    m_tls->setChecked(e.MqttTls == 1);
    auto* hilfe = new QLabel(
        tr("Der Broker verteilt Stand und Runden an Anzeigen in der Lobby und an Streams, "
           "für beliebig viele Zuschauer, ohne diesen Rechner zu belasten. Jede Bahn bekommt "
           "ihr eigenes Thema, z. B. pistorelle/bahn1 und pistorelle/bahn2; die Lobby-Seite "
           "zeigt alle unter pistorelle/+."),
        this);
    hilfe->setWordWrap(true);
    form->addRow(m_an);
    form->addRow(tr("Broker:"), m_host);
    form->addRow(tr("Port:"), m_port);
    form->addRow(tr("Thema:"), m_thema);
    form->addRow(tr("Benutzer:"), m_benutzer);
    form->addRow(tr("Passwort:"), m_passwort);
    form->addRow(m_tls);
    form->addRow(hilfe);
    const auto freigeben = [this](bool an) {
        for (QWidget* w : std::initializer_list<QWidget*>{m_host, m_port, m_thema, m_benutzer,
                                                          m_passwort, m_tls})
            w->setEnabled(an);
    };
    freigeben(m_an->isChecked());
    connect(m_an, &QCheckBox::toggled, this, freigeben);
}

void MqttSeite::speichere() {
    m_e.MqttAn = m_an->isChecked() ? 1 : 0;
    m_e.MqttHost = m_host->text().trimmed();
    m_e.MqttPort = m_port->value();
    m_e.MqttThema = m_thema->text().trimmed();
    m_e.MqttBenutzer = m_benutzer->text();
    m_e.MqttPasswort = m_passwort->text();
    m_e.MqttTls = m_tls->isChecked() ? 1 : 0;
    const auto flag = [](int w) { return w == 1 ? QStringLiteral("1") : QStringLiteral("0"); };
    m_speicher.speichere(QStringLiteral("MqttAn"), flag(m_e.MqttAn));
    m_speicher.speichere(QStringLiteral("MqttHost"), m_e.MqttHost);
    m_speicher.speichere(QStringLiteral("MqttPort"), QString::number(m_e.MqttPort));
    m_speicher.speichere(QStringLiteral("MqttThema"), m_e.MqttThema);
    m_speicher.speichere(QStringLiteral("MqttBenutzer"), m_e.MqttBenutzer);
    m_speicher.speichere(QStringLiteral("MqttPasswort"), m_e.MqttPasswort);
    m_speicher.speichere(QStringLiteral("MqttTls"), flag(m_e.MqttTls));
}

MqttSeite* MqttSeite::fuegeEin(frmOptionsNeu& dialog, Einstellungen& e,
                               EinstellungsSpeicher& speicher, std::function<void()> anwenden) {
    auto* seite = new MqttSeite(e, speicher);
    dialog.seiten()->addTab(seite, tr("Übertragung"));
    QObject::connect(&dialog, &QDialog::accepted, seite, [seite, anwenden = std::move(anwenden)] {
        seite->speichere();
        if (anwenden) anwenden();
    });
    return seite;
}
