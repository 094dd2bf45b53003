#pragma once
// The sensor box ("RaceControl") on its serial port ("4800,n,8,1"). Every received byte goes
// to the driver; the driver's events become laps (sensor 0..3 -> input 1..4, time = ticks / 4.8
// cut to whole ms), status texts and indicator colours. On the box's first transmit request
// after BoxInit the configuration is sent with DTR dropped. While the sensor box is the timing
// source its tick counter is the program's clock: zeitstempel().
//
// The port itself belongs to the serial component: portSchalten() asks to open or close it,
// dtrSetzen() switches DTR, sende() writes.
//
// The race clock never runs backwards: while the port is lost it runs on from the last box
// time with the program's clock, and a box whose clock starts again (a new or power-cycled
// box) is joined to it where it stands, laps included. A box plugged in again gets its
// configuration again at its first transmit request.

#include <array>
#include <functional>
#include <memory>

#include "hardware/SensorBoxTreiber.h"
#include "hardware/Zeitnahme.h"

struct Einstellungen;

class SensorBox : public Zeitnahme {
    Q_OBJECT
public:
    static constexpr qint32 farbeGruen = 0xFF00;
    static constexpr qint32 farbeGelb = 0xFFFF;
    // Transmit bytes taken from the driver for one request at most (a driver that never says
    // -1 must not hang the program).
    static constexpr int maxSendeBytes = 4096;

    // treiber: null binds the driver of SensorBoxTreiber::erzeuge() at the first call.
    // einstellungen: RaceControlLevel for the configuration (default 65 when null).
    explicit SensorBox(std::unique_ptr<SensorBoxTreiber> treiber = nullptr,
                       const Einstellungen* einstellungen = nullptr, QObject* parent = nullptr);
    ~SensorBox() override;

    void setEinstellungen(const Einstellungen* einstellungen) { m_einstellungen = einstellungen; }
    // The program's clock in ms, for the race clock while the box cannot give one.
    void setUhr(std::function<qint32()> uhr) { m_uhr = std::move(uhr); }

    // Port open, box number 0, configuration not sent, driver initialised, port closed.
    void BoxInit();
    // Port open (and left open), configuration handed to the driver; the raw tick counter.
    qint32 BoxOeffnen();
    // Race start: BoxInit and BoxOeffnen; the start reference converted to ms like
    // zeitstempel(), so it can be compared with the laps and the clock.
    qint32 rennStart();
    // Status label text of a sensor event.
    QString ZeigeSensorEvent(int art, int sensor, qint32 zeit);

    // The program's time stamp while the sensor box is the timing source: the tick counter
    // divided by 4.8, rounded to the nearest whole ms (ties to even), joined to the race
    // clock where the box's clock started again.
    qint32 zeitstempel();
    // The port failed: the race clock runs on the program's clock until the box speaks.
    void portVerloren();
    // The port is back: the box (maybe another one) gets its configuration again.
    void portWiederGeoeffnet();

    std::array<qint16, 8> BoxKonfig() const;
    qint16 BoxNummer() const { return m_boxNummer; }
    bool BoxKonfigGesendet() const { return m_konfigGesendet; }
    bool hatTreiber() const { return m_treiber != nullptr; }
    // Binds the driver unless done (tried once); false with the reason in treiberFehler().
    bool ladeTreiber() { return treiberBereit(); }
    QString treiberFehler() const { return m_treiberFehler; }
    // The library the last binding looked for.
    QString treiberBibliothek() const { return m_treiberBibliothek; }

    // Conversions of box ticks to ms: rounded half to even / cut towards minus infinity.
    static qint32 tickRunden(qint64 ticks);
    static qint32 tickAbschneiden(qint64 ticks);
    // "hh:mm:ss.mmm"
    static QString zeitText(qint64 ms);

public slots:
    // Every byte received, in order (BoxEmpfang per byte).
    void datenEmpfangen(const QByteArray& daten);

signals:
    void sende(const QByteArray& daten);
    void portSchalten(bool offen);
    void dtrSetzen(bool an);
    void anzeigeGeaendert(qint32 farbe);

private:
    bool treiberBereit();
    void BoxEmpfang(unsigned char zeichen);
    void behandleEreignis(const SensorBoxEreignis& e);
    // Takes the box's tick counter as just read, joins a clock that started again, and gives
    // the race clock now.
    qint32 folgeUhr(qint32 takt);
    qint32 programmUhr() const { return m_uhr ? m_uhr() : 0; }

    std::unique_ptr<SensorBoxTreiber> m_treiber;
    const Einstellungen* m_einstellungen;
    bool m_ladeVersucht = false;
    QString m_treiberFehler;
    QString m_treiberBibliothek;
    qint16 m_boxNummer = 0;
    bool m_konfigGesendet = false;

    std::function<qint32()> m_uhr;
    qint32 m_versatz = 0;  // ms added to every box time (the clock joins)
    bool m_taktBekannt = false;
    qint32 m_letzterTakt = 0;     // tick counter at the last reading
    qint32 m_letzteMs = 0;        // race clock then
    qint32 m_uhrBeiLetzter = 0;   // program clock then
    bool m_ueberbrueckt = false;  // lost: running on the program clock
};
