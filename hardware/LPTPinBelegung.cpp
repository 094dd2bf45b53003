#include "hardware/LPTPinBelegung.h"

#include <QStringList>

#include "config/Uhr.h"
#include "hardware/ParallelPort.h"
#include "hardware/PortIO.h"

namespace {
const QString deaktiv = QStringLiteral("deaktiv");
}

LPTPinBelegung::LPTPinBelegung(ParallelPort* lpt, Uhr* uhr, QObject* parent)
    : QObject(parent), m_lpt(lpt), m_timer1(uhr->neuerTimer(this)) {
    m_timer1->setInterval(timer1Ms);
    connect(m_timer1, &UhrTimer::timeout, this, &LPTPinBelegung::Timer1_Timer);
}

LPTPinBelegung::~LPTPinBelegung() { m_timer1->stop(); }

bool LPTPinBelegung::monitorLaeuft() const { return m_timer1->isActive(); }

int LPTPinBelegung::gewaehlterPin() const {
    for (int i = anzahlPins - 1; i >= 0; --i)
        if (m_optionen[i].gewaehlt) return i;
    return -1;
}

void LPTPinBelegung::waehle(int index) {
    // Option buttons of one group: selecting one clears the others.
    for (int i = 0; i < anzahlPins; ++i) m_optionen[i].gewaehlt = i == index;
}

void LPTPinBelegung::SetzeParameter(const QString& TS, const QString& LS, const QString& IO,
                                    qint32 Farbe) {
    if (LS.trimmed().toUpper() == QLatin1String("AUS")) {
        m_portCaption = deaktiv;
        for (Option& o : m_optionen) {
            o.gewaehlt = false;
            o.aktiv = false;
        }
    } else {
        const QStringList teile = LS.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        m_portCaption = teile.value(0);
        // The port reads "lpt1" as LPT1; the port button steps only from its own spelling.
        for (const char* name : {"LPT1", "LPT2"})
            if (m_portCaption.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                m_portCaption = QLatin1String(name);
        bool ok = false;
        const int pin = teile.value(1).toInt(&ok);
        for (Option& o : m_optionen) o.aktiv = true;
        if (ok && pin >= 0 && pin < anzahlPins)
            waehle(pin);
        else
            waehle(-1);
    }
    m_typCaption = TS;
    m_io = IO;
    for (int i = 0; i < anzahlPins; ++i)
        m_optionen[i].sichtbar =
            IO == QLatin1String("out") ? i <= 11 : IO == QLatin1String("in") && i >= 12;
    m_hintergrund = Farbe;
    emit geaendert();
}

void LPTPinBelegung::GetParameter(QString& LS, int& lp) const {
    LS = m_portCaption;
    const int pin = gewaehlterPin();
    if (pin >= 0) lp = pin;
}

QString LPTPinBelegung::pinKennung() const {
    const int pin = gewaehlterPin();
    if (m_portCaption == deaktiv || pin < 0) return QStringLiteral("AUS");
    return m_portCaption + QLatin1Char(' ') + QString::number(pin);
}

void LPTPinBelegung::cmdPort_Click() {
    if (m_portCaption == QLatin1String("LPT1"))
        m_portCaption = QStringLiteral("LPT2");
    else if (m_portCaption == QLatin1String("LPT2"))
        m_portCaption = deaktiv;
    else if (m_portCaption == deaktiv)
        m_portCaption = QStringLiteral("LPT1");
    const bool an = m_portCaption != deaktiv;
    for (Option& o : m_optionen) o.aktiv = an;
    // Pin 11 is never offered.
    m_optionen[11].gewaehlt = false;
    m_optionen[11].aktiv = false;
    emit geaendert();
    emit pruefeBelegung();
}

void LPTPinBelegung::PinSB1_Click(int index) {
    if (index < 0 || index >= anzahlPins || !m_optionen[index].aktiv) return;
    waehle(index);
    emit geaendert();
    emit pruefeBelegung();
}

void LPTPinBelegung::cmdTyp_Click() {
    if (m_portCaption == deaktiv) return;
    const bool starten = m_typTag == QLatin1String("an");
    if (m_io == QLatin1String("out")) {
        const int wert = starten ? 1 : 0;
        m_typTag = starten ? QStringLiteral("aus") : QStringLiteral("an");
        m_typFarbe = starten ? farbeGruen : farbeButtonFace;
        const int pin = gewaehlterPin();
        // No pin selected: nothing to switch (a pin number outside 0..16 would follow).
        if (pin >= 0 && m_lpt)
            m_lpt->SchalteLPTPin(m_portCaption + QLatin1Char(' ') + QString::number(pin), wert);
    } else {
        if (starten) {
            m_typTag = QStringLiteral("aus");
            m_typFarbe = farbeGruen;
            emit testHinweis(true);
            m_timer1->start(timer1Ms);
        } else {
            m_typTag = QStringLiteral("an");
            m_typFarbe = farbeButtonFace;
            m_timer1->stop();
            emit testHinweis(false);
        }
    }
    emit geaendert();
}

void LPTPinBelegung::Timer1_Timer() {
    if (!m_lpt || !m_lpt->portIO()) return;
    const quint16 b = m_lpt->basis(m_portCaption == QLatin1String("LPT1") ? QStringLiteral("LPT1")
                                                                          : QStringLiteral("LPT2"));
    const quint8 s = m_lpt->portIO()->Inp32(quint16(b + 1));
    const quint8 c = m_lpt->portIO()->Inp32(quint16(b + 2));
    // C0 and C1 are inverted by the port, C2 is not.
    for (int i = 0; i <= 2; ++i) {
        const bool bit = (c >> i) & 1;
        if (i == 2 ? bit : !bit) {
            waehle(i + 8);
            emit geaendert();
            return;
        }
    }
    // S3..S6 as they are, S7 (BUSY) inverted.
    for (int i = 3; i <= 7; ++i) {
        const bool bit = (s >> i) & 1;
        if (i < 7 ? bit : !bit) {
            waehle(i + 9);
            emit geaendert();
            return;
        }
    }
}
