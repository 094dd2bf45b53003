#pragma once
// The settings record: the in-memory copy of every setting of the bulk load, named exactly
// as its key. Numbered keys are arrays indexed by the key's own number (index 0 unused where
// the keys start at 1). Flags hold the stored 0 or 1; "number" settings hold their stored text.
// The initial values are the defaults a missing or unreadable key gets (EinstellungsSpeicher),
// except FontFarbe, whose stored default is black or white, and the installation's paths.

#include <QString>
#include <array>

struct Einstellungen {
    qint16 AnzBahnen = 4;
    qint16 AnzHistRennen = 20;
    quint8 SoundAn = 1;
    QString AktStrecke = QStringLiteral("default");
    qint16 PrellZeit = 1000;
    qint32 LangId = 1031;
    QString MyAgent;
    quint8 PSPort = 0;
    QString LPT1PortAdr = QStringLiteral("888");
    QString LPT2PortAdr = QStringLiteral("632");
    int ComControlAktiv = 1;
    int RaceControlAktiv = 0;
    std::array<qint16, 5> RaceControlPort{0, 1, 2, 3, 4};
    qint16 RaceControlLevel = 65;
    int BEPFEAktiv = 0;
    qint16 BEPFEmitAmpel = 1;
    int DS200Aktiv = 0;
    int DS300Aktiv = 0;
    int LapsterAktiv = 0;
    qint16 LAPSTERmitAmpel = 0;
    int LPTControlAktiv = 0;
    std::array<qint32, 7> Farbe{0, 65280, 255, 0xFF0000, 65535, 0xC000C0, 0xFFFFC0};
    std::array<qint32, 7> FontFarbe{0,          qint32(0x80000012), 0xFFFFFF, qint32(0x80000012),
                                    0xFFFFFF,   qint32(0x80000012), 0xFFFFFF};
    QString RennName = QStringLiteral("Rennen");
    int Fruehstart = 1;
    QString ltfPfad;
    int LTFEinzelSchreiben = 0;
    int LTFSchreiben = 0;
    int showRundenTab = 0;
    int BahnStrom = 0;
    int BahnStromTraining = 0;
    int LPTAnsteuerung = 0;
    QString CommPort1 = QStringLiteral("1");
    QString CommPort2 = QStringLiteral("2");
    std::array<QString, 7> LPTBahn{QString(),          QStringLiteral("LPT1 0"),
                                   QStringLiteral("LPT1 1"), QStringLiteral("LPT1 2"),
                                   QStringLiteral("LPT1 3"), QStringLiteral("AUS"),
                                   QStringLiteral("AUS")};
    std::array<QString, 7> LPTErf{QString(),           QStringLiteral("AUS"), QStringLiteral("AUS"),
                                  QStringLiteral("AUS"), QStringLiteral("AUS"), QStringLiteral("AUS"),
                                  QStringLiteral("AUS")};
    QString LPTChaos = QStringLiteral("AUS");
    int BahnStromInvers = 0;
    std::array<QString, 6> LPTAmpel{QString(),          QStringLiteral("AUS"),
                                    QStringLiteral("LPT1 4"), QStringLiteral("LPT1 5"),
                                    QStringLiteral("LPT1 6"), QStringLiteral("LPT1 7")};
    QString LPTAmpelGruen = QStringLiteral("AUS");
    int AnzGesamtzeit = 1;
    int MenueOben = 1;
    int CheckSRunden = 1;
    int StartZeitBei = 1;
    QString TonAmpelAn;   // defaults: the program's own sound files (EinstellungsSpeicher)
    QString TonAmpelAus;
    QString TonBeep;
    qint16 NachlaufZeit = 1000;
    int DSGoStart = 0;
    qint16 DatenBankAuswahl = 2;
    std::array<qint16, 8> MeldungsAnsage{7, 7, 7, 7, 7, 7, 7, 7};
    std::array<qint16, 8> MeldungAbRunde{0, 0, 0, 0, 0, 0, 0, 0};
    qint16 BilderAnzeigen = 0;
    QString BilderPfad;   // default computed at load time (EinstellungsSpeicher)
    qint16 PauseNachStint = 10;
    qint16 PauseVorStint = 70;
    qint16 PauseZwischenStint = 15;
    qint16 AnzeigeSort = 0;
    qint16 PowerTrainingZeit = 5;
    qint16 PowerTrainingPause = 10;
    // Series standings: points per final place of a tournament (places beyond the list score
    // nothing), the bonus for a tournament's fastest lap, the worst results a driver drops.
    QString Punkte = QStringLiteral("10,8,6,5,4,3,2,1");
    qint16 PunkteSchnellsteRunde = 0;
    qint16 Streichergebnisse = 0;
    // Race events to an MQTT broker (off by default): host, port, the track's topic root,
    // optional user and password, TLS with the system's CA certificates.
    int MqttAn = 0;
    QString MqttHost = QStringLiteral("localhost");
    int MqttPort = 1883;
    QString MqttThema = QStringLiteral("pistorelle/bahn1");
    QString MqttBenutzer;
    QString MqttPasswort;
    int MqttTls = 0;

    // Not part of the bulk load, but held here for the code that maps COM numbers to paths:
    // ComPfad[n] is the device path of COM port n (1..10).
    std::array<QString, 11> ComPfad;
};

// The lane count the program works with: a stored AnzBahnen outside 2..6 counts as 4.
inline int gueltigeAnzBahnen(int anzahl) { return anzahl >= 2 && anzahl <= 6 ? anzahl : 4; }
