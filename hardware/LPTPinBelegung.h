#pragma once
// What one pin assignment control of the options dialog does, without the widgets: the port
// button ("LPT1", "LPT2", "deaktiv"), the label button with its test state, the 17 pin options
// (pin numbers 0..16) and the live test: an output line switched on and off, an input watched
// every 100 ms (the option jumps to the line that is high). The widget LPTControl mirrors this
// state and forwards its clicks.

#include <QObject>
#include <QString>
#include <array>

class ParallelPort;
class Uhr;
class UhrTimer;

class LPTPinBelegung : public QObject {
    Q_OBJECT
public:
    static constexpr int anzahlPins = 17;
    static constexpr qint32 farbeButtonFace = qint32(0x8000000F);
    static constexpr qint32 farbeGruen = 65280;
    static constexpr int timer1Ms = 100;

    struct Option {
        bool gewaehlt = false;
        bool aktiv = true;
        bool sichtbar = true;
    };

    LPTPinBelegung(ParallelPort* lpt, Uhr* uhr, QObject* parent = nullptr);
    ~LPTPinBelegung() override;  // stops the monitor

    // TS label, LS pin identifier ("LPT1 3" or "AUS"), IO "out" or "in", Farbe background.
    void SetzeParameter(const QString& TS, const QString& LS, const QString& IO, qint32 Farbe);
    // LS = port caption; lp = highest selected pin (unchanged when none is selected).
    void GetParameter(QString& LS, int& lp) const;
    // The assignment as the settings store it: port name, blank, pin number; or "AUS".
    QString pinKennung() const;

    void cmdPort_Click();
    void cmdTyp_Click();
    void PinSB1_Click(int index);
    void Timer1_Timer();

    QString cmdPortCaption() const { return m_portCaption; }
    QString cmdTypCaption() const { return m_typCaption; }
    QString cmdTypTag() const { return m_typTag; }
    qint32 cmdTypFarbe() const { return m_typFarbe; }
    qint32 hintergrund() const { return m_hintergrund; }
    QString IO() const { return m_io; }
    const Option& option(int index) const { return m_optionen.at(index); }
    bool monitorLaeuft() const;

signals:
    void geaendert();
    // The options dialog checks for a line assigned twice ("Achtung: Doppelte Pinbelegung").
    void pruefeBelegung();
    // The options dialog's hint for the input test.
    void testHinweis(bool sichtbar);

private:
    int gewaehlterPin() const;  // -1 when none
    void waehle(int index);

    ParallelPort* m_lpt;
    UhrTimer* m_timer1;
    QString m_portCaption = QStringLiteral("LPT1");
    QString m_typCaption;
    QString m_typTag;
    qint32 m_typFarbe = farbeButtonFace;
    qint32 m_hintergrund = farbeButtonFace;
    QString m_io = QStringLiteral("out");
    std::array<Option, anzahlPins> m_optionen{};
};
