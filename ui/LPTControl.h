#pragma once
// Pin assignment control of the options dialog: the port button, the label button that runs
// the live test, and one option per pin number 0..16. The logic lives in LPTPinBelegung; this
// widget shows its state and hands it the clicks.

#include <QWidget>
#include <array>

#include "hardware/LPTPinBelegung.h"

class QButtonGroup;
class QPushButton;
class QRadioButton;

class LPTControl : public QWidget {
    Q_OBJECT
public:
    LPTControl(ParallelPort* lpt, Uhr* uhr, QWidget* parent = nullptr);

    LPTPinBelegung* belegung() const { return m_belegung; }
    void SetzeParameter(const QString& TS, const QString& LS, const QString& IO, qint32 Farbe) {
        m_belegung->SetzeParameter(TS, LS, IO, Farbe);
    }
    void GetParameter(QString& LS, int& lp) const { m_belegung->GetParameter(LS, lp); }

    QPushButton* cmdPort() const { return m_cmdPort; }
    QPushButton* cmdTyp() const { return m_cmdTyp; }
    QRadioButton* PinSB1(int index) const { return m_pins.at(index); }

private:
    void zeige();

    LPTPinBelegung* m_belegung;
    QPushButton* m_cmdPort;
    QPushButton* m_cmdTyp;
    QButtonGroup* m_gruppe;
    std::array<QRadioButton*, LPTPinBelegung::anzahlPins> m_pins{};
};
