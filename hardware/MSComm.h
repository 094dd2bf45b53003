#pragma once
// The serial port component of the timing interfaces: a COM port number mapped to a device
// path, a settings text, thresholds for the receive event, an input buffer read by Input and
// OnComm events for received data and for every edge of the modem status lines.
//
// Failures never throw: a property that cannot be applied returns false and leaves its text
// in fehlerText(). A port that fails while open (adapter unplugged, peer gone) is closed at
// the first error and reported once through portFehler() and the debug log; it stays wanted
// (sollOffen) and lost (verloren) until it is opened again or closed on purpose.
//
// An open port is read on a thread of its own: a busy UI thread (a database waiting for its
// lock) must not leave the bytes in the driver until they overflow. That thread takes every
// byte as it arrives, stamps it and puts it into the input buffer; the UI thread is told with
// one queued call and raises OnComm there. The input buffer grows up to eingangsGrenze(); only
// beyond it are bytes dropped, with comEventRxOver and meldung().

#include <QByteArray>
#include <QMutex>
#include <QObject>
#include <QSerialPort>
#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <utility>

#include "hardware/ModemLeitungen.h"

class QThread;

class MSComm : public QObject {
    Q_OBJECT
public:
    // CommEvent codes.
    static constexpr int comEvSend = 1;
    static constexpr int comEvReceive = 2;
    static constexpr int comEvCTS = 3;
    static constexpr int comEvDSR = 4;
    static constexpr int comEvCD = 5;
    static constexpr int comEvRing = 6;
    static constexpr int comEventRxOver = 1008;  // input buffer full, bytes lost
    static constexpr qsizetype standardGrenze = 1 << 20;

    explicit MSComm(const QString& name, QObject* parent = nullptr);
    ~MSComm() override;

    // COM number -> device path; the default uses the standard paths of the platform.
    void setPfadQuelle(std::function<QString(int)> quelle);
    // Clock for the event stamps; called from the port and modem-line threads as well.
    void setZeitquelle(ZeitstempelQuelle quelle);
    void setModemFabrik(ModemLeitungsFabrik fabrik);

    int CommPort() const { return m_commPort; }
    bool setCommPort(int nummer);  // refused while the port is open
    QString pfad() const;          // device path of CommPort ("" when it has none)

    QString Settings() const { return m_settings; }
    bool setSettings(const QString& settings);  // "9600,N,8,1"; refused when malformed

    bool PortOpen() const;
    bool setPortOpen(bool offen);  // false when the port could not be opened
    // Asked open and not closed on purpose since (whether the opening worked or not).
    bool sollOffen() const { return m_sollOffen; }
    // Closed by a failure of the open port, not yet reopened.
    bool verloren() const { return m_verloren; }

    int RThreshold() const { return m_rThreshold; }
    void setRThreshold(int n) { m_rThreshold = qMax(0, n); }
    int SThreshold() const { return m_sThreshold; }
    void setSThreshold(int n) { m_sThreshold = qMax(0, n); }
    int InputLen() const { return m_inputLen; }
    void setInputLen(int n) { m_inputLen = qMax(0, n); }
    int InputMode() const { return m_inputMode; }
    void setInputMode(int modus) { m_inputMode = modus; }
    bool DTREnable() const { return m_dtr; }
    void setDTREnable(bool an);
    int Handshaking() const { return m_handshaking; }
    void setHandshaking(int art);
    // Kept for the callers' set-up; it no longer cuts the input (see eingangsGrenze).
    int InBufferSize() const { return m_inBufferSize; }
    void setInBufferSize(int n) { m_inBufferSize = qMax(1, n); }
    int OutBufferSize() const { return m_outBufferSize; }
    void setOutBufferSize(int n) { m_outBufferSize = qMax(1, n); }
    int InBufferCount() const;     // received and not yet taken by Input
    void setInBufferCount(int n);  // 0 empties the input buffer
    // Most bytes held unread; what arrives beyond it is dropped and reported.
    qsizetype eingangsGrenze() const;
    void setEingangsGrenze(qsizetype n);
    int OutBufferCount() const;
    void setOutBufferCount(int n);  // 0 drops what waits to be sent

    // Takes up to InputLen waiting bytes (0 = all); one byte is one character.
    QByteArray Input();
    // Sends the bytes unchanged; false when the port is closed.
    bool Output(const QByteArray& daten);

    int CommEvent() const { return m_commEvent; }
    qint32 EreignisZeit() const { return m_ereignisZeit; }
    QString fehlerText() const { return m_fehlerText; }

    // Lives in the port's thread while open: for its settings and handle, not for reading.
    QSerialPort* port() const { return m_port.get(); }

signals:
    // zeit: stamp of the edge (modem lines) or of the arrival of the data.
    void OnComm(int commEvent, qint32 zeit);
    void portFehler(const QString& text);
    // The port works but bytes were lost: "Eingabepuffer voll, N Zeichen verloren".
    void meldung(const QString& text);

private:
    // Port thread.
    void liesImFaden();
    void fehler(QSerialPort::SerialPortError e);
    QString ausfallGrund(QSerialPort::SerialPortError e) const;
    // UI thread.
    void datenDa();
    void empfangAusloesen();
    void ausloesen(int ereignis, qint32 zeit);
    void ausgefallen(const QString& grund, quint64 oeffnung);
    void schliessen();
    bool wendeSettingsAn();
    template <typename F>
    void imPortFaden(F&& f) const;
    template <typename F>
    void eigenerAufruf(F&& f);
    // Under m_sperre.
    void nimmWeg(qsizetype n);
    qint32 ankunftBei(quint64 stelle) const;

    std::unique_ptr<QThread> m_faden;   // reads the open port
    std::unique_ptr<QSerialPort> m_port;  // lives in m_faden while open
    std::unique_ptr<ModemLeitungen> m_modem;
    std::function<QString(int)> m_pfadQuelle;
    ZeitstempelQuelle m_zeit;
    ModemLeitungsFabrik m_modemFabrik;

    int m_commPort = 1;
    QString m_settings = QStringLiteral("9600,N,8,1");
    int m_rThreshold = 0;
    std::atomic<int> m_sThreshold{0};
    int m_inputLen = 0;
    int m_inputMode = 0;
    bool m_dtr = true;
    int m_handshaking = 0;
    int m_inBufferSize = 1024;
    int m_outBufferSize = 512;

    // The input, shared with the port thread. Positions count bytes since the opening.
    mutable QMutex m_sperre;
    QByteArray m_eingang;  // unread bytes start at m_anfang
    qsizetype m_anfang = 0;
    quint64 m_empfangen = 0;  // bytes put in
    quint64 m_gelesen = 0;    // bytes taken by Input or emptied
    std::deque<std::pair<quint64, qint32>> m_ankunft;  // end of each arrival and its stamp
    qint64 m_verworfen = 0;  // dropped at the bound, not yet reported
    qint32 m_verworfenZeit = 0;
    bool m_angestossen = false;  // a datenDa is queued
    qsizetype m_grenze = standardGrenze;

    std::atomic<quint64> m_oeffnung{0};  // counts the openings: late news of an old one is dropped
    bool m_eigenerAufruf = false;        // thread of the port
    bool m_offen = false;
    int m_commEvent = 0;
    qint32 m_ereignisZeit = 0;
    QString m_fehlerText;
    QString m_offenerPfad;
    bool m_imEmpfang = false;
    bool m_nachholen = false;  // arrivals came while a handler of ours waited
    bool m_gemeldet = false;   // failure of this opening already reported
    bool m_sollOffen = false;
    bool m_verloren = false;
};
