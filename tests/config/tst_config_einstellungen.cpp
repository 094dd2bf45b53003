#include <QtTest>
#include <cmath>

#include "config/EinstellungsSpeicher.h"

namespace {

// Every key of the bulk load with its kind and default, as the program documents them:
// G whole number, L long, B byte, F flag, Z number kept as text, T text; @ = user data folder.
// clang-format off
const char* const tabelle[][3] = {
    {"AnzBahnen", "G", "4"}, {"AnzHistRennen", "G", "20"}, {"SoundAn", "B", "1"},
    {"AktStrecke", "T", "default"}, {"PrellZeit", "G", "1000"}, {"LangId", "L", "1031"},
    {"MyAgent", "T", ""}, {"PSPort", "B", "0"}, {"LPT1PortAdr", "Z", "888"},
    {"LPT2PortAdr", "Z", "632"}, {"ComControlAktiv", "F", "1"}, {"RaceControlAktiv", "F", "0"},
    {"RaceControlPort1", "G", "1"}, {"RaceControlPort2", "G", "2"}, {"RaceControlPort3", "G", "3"},
    {"RaceControlPort4", "G", "4"}, {"RaceControlLevel", "G", "65"}, {"BEPFEAktiv", "F", "0"},
    {"BEPFEmitAmpel", "G", "1"}, {"DS200Aktiv", "F", "0"}, {"DS300Aktiv", "F", "0"},
    {"LapsterAktiv", "F", "0"}, {"LAPSTERmitAmpel", "G", "0"}, {"LPTControlAktiv", "F", "0"},
    {"Farbe1", "L", "65280"}, {"Farbe2", "L", "255"}, {"Farbe3", "L", "16711680"},
    {"Farbe4", "L", "65535"}, {"Farbe5", "L", "12583104"}, {"Farbe6", "L", "16777152"},
    {"FontFarbe1", "L", "0"}, {"FontFarbe2", "L", "0"},
    {"FontFarbe3", "L", "16777215"}, {"FontFarbe4", "L", "0"},
    {"FontFarbe5", "L", "16777215"}, {"FontFarbe6", "L", "0"},
    {"RennName", "T", "Rennen"}, {"Fruehstart", "F", "1"}, {"ltfPfad", "T", ""},
    {"LTFEinzelSchreiben", "F", "0"}, {"LTFSchreiben", "F", "0"}, {"showRundenTab", "F", "0"},
    {"BahnStrom", "F", "0"}, {"BahnStromTraining", "F", "0"}, {"LPTAnsteuerung", "F", "0"},
    {"CommPort1", "Z", "1"}, {"CommPort2", "Z", "2"}, {"LPTBahn1", "T", "LPT1 0"},
    {"LPTBahn2", "T", "LPT1 1"}, {"LPTBahn3", "T", "LPT1 2"}, {"LPTBahn4", "T", "LPT1 3"},
    {"LPTBahn5", "T", "AUS"}, {"LPTBahn6", "T", "AUS"}, {"LPTErf1", "T", "AUS"},
    {"LPTErf2", "T", "AUS"}, {"LPTErf3", "T", "AUS"}, {"LPTErf4", "T", "AUS"},
    {"LPTErf5", "T", "AUS"}, {"LPTErf6", "T", "AUS"}, {"LPTChaos", "T", "AUS"},
    {"BahnStromInvers", "F", "0"}, {"LPTAmpel1", "T", "AUS"}, {"LPTAmpel2", "T", "LPT1 4"},
    {"LPTAmpel3", "T", "LPT1 5"}, {"LPTAmpel4", "T", "LPT1 6"}, {"LPTAmpel5", "T", "LPT1 7"},
    {"LPTAmpelGruen", "T", "AUS"}, {"AnzGesamtzeit", "F", "1"}, {"MenueOben", "F", "1"},
    {"CheckSRunden", "F", "1"}, {"StartZeitBei", "F", "1"},
    {"TonAmpelAn", "T", "@/Sounds/ringout.wav"}, {"TonAmpelAus", "T", "@/Sounds/ding.wav"},
    {"TonBeep", "T", "@/Sounds/start.wav"}, {"NachlaufZeit", "G", "1000"},
    {"DSGoStart", "F", "0"}, {"DatenBankAuswahl", "G", "2"},
    {"MeldungsAnsage0", "G", "7"}, {"MeldungsAnsage1", "G", "7"}, {"MeldungsAnsage2", "G", "7"},
    {"MeldungsAnsage3", "G", "7"}, {"MeldungsAnsage4", "G", "7"}, {"MeldungsAnsage5", "G", "7"},
    {"MeldungsAnsage6", "G", "7"}, {"MeldungsAnsage7", "G", "7"}, {"MeldungAbRunde0", "G", "0"},
    {"MeldungAbRunde1", "G", "0"}, {"MeldungAbRunde2", "G", "0"}, {"MeldungAbRunde3", "G", "0"},
    {"MeldungAbRunde4", "G", "0"}, {"MeldungAbRunde5", "G", "0"}, {"MeldungAbRunde6", "G", "0"},
    {"MeldungAbRunde7", "G", "0"}, {"BilderAnzeigen", "G", "0"}, {"BilderPfad", "T", "@/Bilder"},
    {"PauseNachStint", "G", "10"}, {"PauseVorStint", "G", "70"}, {"PauseZwischenStint", "G", "15"},
    {"AnzeigeSort", "G", "0"}, {"PowerTrainingZeit", "G", "5"}, {"PowerTrainingPause", "G", "10"},
    {"Punkte", "T", "10,8,6,5,4,3,2,1"}, {"PunkteSchnellsteRunde", "G", "0"},
    {"Streichergebnisse", "G", "0"}, {"MqttAn", "F", "0"}, {"MqttHost", "T", "localhost"},
    {"MqttPort", "L", "1883"}, {"MqttThema", "T", "pistorelle/bahn1"}, {"MqttBenutzer", "T", ""},
    {"MqttPasswort", "T", ""}, {"MqttTls", "F", "0"},
};
// clang-format on

// Contrast ratio of two colours 0x00BBGGRR by their relative luminance.
double kontrast(quint32 a, quint32 b) {
    const auto hell = [](quint32 farbe) {
        double l = 0;
        const double anteil[3] = {0.2126, 0.7152, 0.0722};
        for (int k = 0; k < 3; ++k) {
            const double c = ((farbe >> (8 * k)) & 0xFF) / 255.0;
            l += anteil[k] * (c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
        }
        return l;
    };
    const double x = hell(a), y = hell(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

QString daten() { return qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Pistorelle"); }

QString standard(const char* const* zeile) {
    return QString::fromUtf8(zeile[2]).replace(QStringLiteral("@"), daten());
}

// Writes the pairs into [Parameter] of a fresh INI file.
void schreibeDatei(const QString& pfad, const QList<QPair<QString, QString>>& werte) {
    QFile::remove(pfad);
    QSettings s(pfad, QSettings::IniFormat);
    s.beginGroup(QStringLiteral("Parameter"));
    for (const auto& [k, v] : werte) s.setValue(k, v);
}

void schreibeBytes(const QString& pfad, const QByteArray& bytes) {
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray lesBytes(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

QMap<QString, QString> leseDatei(const QString& pfad) {
    // Read through a copy under a new name: QSettings keeps files it has read in a cache that
    // misses a rewrite of the same size within the same second.
    static int nr = 0;
    const QString kopie = pfad + QStringLiteral(".lesen%1").arg(++nr);
    QFile::remove(kopie);
    QFile::copy(pfad, kopie);
    QSettings s(kopie, QSettings::IniFormat);
    s.beginGroup(QStringLiteral("Parameter"));
    QMap<QString, QString> m;
    for (const QString& k : s.childKeys()) m.insert(k, s.value(k).toString());
    return m;
}

}  // namespace

class TestEinstellungen : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString datei(const QString& name) const { return m_dir.filePath(name); }

    // Loads from `ein` and writes the record to a second file; returns what was written.
    QMap<QString, QString> durchlauf(const QList<QPair<QString, QString>>& ein) {
        schreibeDatei(datei("ein.ini"), ein);
        Einstellungen e;
        EinstellungsSpeicher(datei("ein.ini")).HoleRegWerte(e);
        QFile::remove(datei("aus.ini"));
        EinstellungsSpeicher(datei("aus.ini")).SchreibeRegWerte(e);
        return leseDatei(datei("aus.ini"));
    }

private slots:
    void leererSpeicherGibtStandardwerte() {
        const auto aus = durchlauf({});
        for (const auto& z : tabelle) {
            QVERIFY2(aus.contains(z[0]), z[0]);
            QCOMPARE(aus.value(z[0]), standard(z));
        }
        for (int i = 1; i <= 10; ++i)
            QCOMPARE(aus.value(QStringLiteral("ComPfad%1").arg(i)),
                     QStringLiteral("/dev/ttyS%1").arg(i - 1));
        QCOMPARE(aus.size(), int(std::size(tabelle)) + 10);

        Einstellungen e;
        EinstellungsSpeicher(datei("leer.ini")).HoleRegWerte(e);
        QCOMPARE(e.ComControlAktiv, 1);
        QCOMPARE(e.DatenBankAuswahl, 2);
        QCOMPARE(e.LPTAmpel[2], QStringLiteral("LPT1 4"));
        QCOMPARE(EinstellungsSpeicher::standardWert("datenbank"), daten() + "/Pistorelle.db");
        QCOMPARE(EinstellungsSpeicher::standardWert("MeineFarbe2"), QStringLiteral("16711680"));
        // Every default lane, and the default of the user's own scheme, is readable: text
        // against background at least 4.5:1, in colours of their own (a system colour
        // depends on the desktop theme).
        for (int b = 1; b <= 6; ++b) {
            const auto std = [b](const char* stamm) {
                return EinstellungsSpeicher::standardWert(stamm + QString::number(b)).toLongLong();
            };
            for (const auto& [hinten, schrift] :
                 {std::pair{qint64(e.Farbe[b]), qint64(e.FontFarbe[b])},
                  std::pair{std("MeineFarbe"), std("MeineFontFarbe")}}) {
                QVERIFY(hinten >= 0 && schrift >= 0);
                QVERIFY2(kontrast(quint32(hinten), quint32(schrift)) >= 4.5,
                         qPrintable(QStringLiteral("Bahn %1: %2").arg(b).arg(
                             kontrast(quint32(hinten), quint32(schrift)))));
            }
        }
    }

    // Each key takes a valid text of its kind and falls back to its default on an invalid one.
    void artenJeSchluessel() {
        QList<QPair<QString, QString>> gueltig, ungueltig;
        QMap<QString, QString> erwartet;
        int i = 0;
        for (const auto& z : tabelle) {
            ++i;  // distinct values per key, so two keys sharing one field would show
            QString rein, raus, schlecht = QStringLiteral("x1");
            switch (z[1][0]) {
                case 'G':
                    rein = raus = QString::number(-100 - i);
                    schlecht = QStringLiteral("40000");
                    break;
                case 'L':  // a colour above 0x7FFFFFFF stored as unsigned text
                    rein = QString::number(2147483648LL + i);
                    raus = QString::number(qint32(quint32(2147483648LL + i)));
                    schlecht = QStringLiteral("4294967296");
                    break;
                case 'B':
                    rein = raus = QString::number(100 + i);
                    schlecht = QStringLiteral("256");
                    break;
                case 'F':
                    rein = raus = QLatin1String(z[2]) == QLatin1String("1") ? "0" : "1";
                    break;
                case 'Z':
                    rein = raus = QString::number(4000 + i);
                    break;
                default:
                    rein = raus = QStringLiteral("Wert %1, mit Komma").arg(i);
                    schlecht.clear();
            }
            gueltig.append({z[0], rein});
            erwartet.insert(z[0], raus);
            if (!schlecht.isEmpty()) ungueltig.append({z[0], schlecht});
        }
        const auto aus = durchlauf(gueltig);
        for (const auto& z : tabelle) QCOMPARE(aus.value(z[0]), erwartet.value(z[0]));
        const auto zurueck = durchlauf(ungueltig);
        for (const auto& z : tabelle)
            if (z[1][0] != 'T') QCOMPARE(zurueck.value(z[0]), standard(z));
    }

    void grenzenDerArten() {
        Einstellungen e;
        schreibeDatei(datei("g.ini"), {{"AnzBahnen", "32767"},
                                       {"PrellZeit", "-32768"},
                                       {"SoundAn", "255"},
                                       {"PSPort", "-1"},
                                       {"LangId", " 1033 "},
                                       {"Farbe1", "-2147483648"},
                                       {"MenueOben", "2"},
                                       {"NachlaufZeit", "12.5"},
                                       {"LPT1PortAdr", ""},
                                       {"ComPfad2", "/dev/ttyUSB0"}});
        EinstellungsSpeicher(datei("g.ini")).HoleRegWerte(e);
        QCOMPARE(e.AnzBahnen, 32767);
        QCOMPARE(e.PrellZeit, -32768);
        QCOMPARE(e.SoundAn, 255);
        QCOMPARE(e.PSPort, 0);
        QCOMPARE(e.LangId, 1033);
        QCOMPARE(e.Farbe[1], std::numeric_limits<qint32>::min());
        QCOMPARE(e.MenueOben, 2);  // any value but 1 means "top"; it is kept
        QCOMPARE(e.NachlaufZeit, 1000);
        QCOMPARE(e.LPT1PortAdr, QStringLiteral("888"));
        QCOMPARE(e.ComPfad[2], QStringLiteral("/dev/ttyUSB0"));
    }

    void schluesselOhneGrossKlein() {
        const QString pfad = datei("k.ini");
        QFile::remove(pfad);
        EinstellungsSpeicher sp(pfad);
        Einstellungen e;
        e.LangId = 1033;
        sp.SchreibeRegWerte(e);
        QVERIFY(leseDatei(pfad).contains("LangId") && !leseDatei(pfad).contains("LangID"));
        QCOMPARE(sp.hole("LangId"), QStringLiteral("1033"));

        // A hand-edited file spelling the key in lower case (older versions wrote "LangID").
        schreibeDatei(pfad, {{"langid", "1033"}, {"anzbahnen", "6"}});
        Einstellungen f;
        sp.HoleRegWerte(f);
        QCOMPARE(f.LangId, 1033);
        QCOMPARE(f.AnzBahnen, 6);
        QCOMPARE(sp.hole("LANGID", "x"), QStringLiteral("1033"));
        QCOMPARE(sp.hole("Fehlt", "x"), QStringLiteral("x"));

        // Writing replaces the other spelling instead of adding a second key.
        sp.SchreibeRegWerte(f);
        auto m = leseDatei(pfad);
        QCOMPARE(m.value("LangId"), QStringLiteral("1033"));
        QCOMPARE(m.value("AnzBahnen"), QStringLiteral("6"));
        QVERIFY(!m.contains("langid") && !m.contains("anzbahnen"));
        sp.speichere("langId", "1031");
        m = leseDatei(pfad);
        QCOMPARE(m.value("langId"), QStringLiteral("1031"));
        QVERIFY(!m.contains("LangId"));
        sp.HoleRegWerte(f);
        QCOMPARE(f.LangId, 1031);

        // A key twice by hand: the first line counts and takes the new value; the other line
        // stays as the user wrote it.
        schreibeBytes(pfad, "[Parameter]\nAnzBahnen=5\nanzbahnen=3\n");
        sp.HoleRegWerte(f);
        QCOMPARE(f.AnzBahnen, 5);
        sp.speichere("AnzBahnen", "6");
        QCOMPARE(lesBytes(pfad), QByteArray("[Parameter]\nAnzBahnen=6\nanzbahnen=3\n"));
        sp.HoleRegWerte(f);
        QCOMPARE(f.AnzBahnen, 6);
    }

    void laufMatrix() {
        const QString pfad = datei("m.ini");
        schreibeDatei(pfad, {});
        EinstellungsSpeicher sp(pfad);
        const QStringList standard = {"1",     "12",     "132",     "1342",
                                      "13542", "135642", "1357642", "13578642"};
        for (int n = 1; n <= 8; ++n) QCOMPARE(sp.LaufMatrix(n), standard[n - 1]);
        QCOMPARE(sp.LaufMatrix(9), QStringLiteral("1342"));
        QCOMPARE(sp.LaufMatrix(0), QStringLiteral("1342"));

        schreibeDatei(pfad, {{"LaufMatrix4", "1432"}, {"laufmatrix3", "1x2"}});
        QCOMPARE(sp.LaufMatrix(9), QStringLiteral("1432"));
        QCOMPARE(sp.LaufMatrix(4), QStringLiteral("1432"));
        QCOMPARE(sp.LaufMatrix(3), QStringLiteral("132"));  // not a rotation of three lanes

        schreibeDatei(pfad, {{"LaufMatrix4", "1234"}, {"LaufMatrix2", "112"}});
        QCOMPARE(sp.LaufMatrix(4), QStringLiteral("1342"));
        QCOMPARE(sp.LaufMatrix(2), QStringLiteral("12"));
    }

    void standardDateiDesBenutzers() {
        const QString erwartet =
            qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Pistorelle/Pistorelle.ini");
        QFile::remove(erwartet);
        EinstellungsSpeicher sp;
        QCOMPARE(sp.pfad(), erwartet);
        sp.speichere("RennName", "Nachtrennen");
        QVERIFY(QFile::exists(erwartet));
        Einstellungen e;
        sp.HoleRegWerte(e);
        QCOMPARE(e.RennName, QStringLiteral("Nachtrennen"));
    }

    // A file edited by hand: Windows-1252 text, comments, keys and sections the program does
    // not know, a key twice and [Parameter] twice. The first line of a key is the one read and
    // written; the program's writes change only those lines.
    void handgeschriebeneDatei() {
        const QString pfad = datei("hand/Pistorelle.ini");
        QDir(m_dir.path()).mkpath("hand");
        const QByteArray vorher =
            "; von Hand angelegt\r\n"
            "[Parameter]\r\n"
            "# Name mit Umlaut in Windows-1252\r\n"
            "RennName=Gro\xDF"
            "er Preis von K\xF6ln\r\n"
            "Unbekannt = bleibt, wie er ist\r\n"
            "BilderPfad=C:\\Bilder\\neu\r\n"
            "AnzBahnen=4\r\n"
            "anzbahnen=5\r\n"
            "[parameter]\r\n"
            "AnzBahnen=8\r\n"
            "RennName=Zweiter\r\n"
            "\r\n"
            "[Fremd]\r\n"
            "x=1\r\n";
        schreibeBytes(pfad, vorher);
        EinstellungsSpeicher sp(pfad);
        Einstellungen e;
        sp.HoleRegWerte(e);
        QCOMPARE(e.RennName, QStringLiteral("Großer Preis von Köln"));
        QCOMPARE(e.BilderPfad, QStringLiteral("C:\\Bilder\\neu"));
        QCOMPARE(sp.hole("unbekannt"), QStringLiteral("bleibt, wie er ist"));
        QCOMPARE(e.AnzBahnen, qint16(4));

        // One key: exactly its line changes; the untouched file is kept as the .bak.
        sp.speichere("AnzBahnen", "6");
        QByteArray erwartet = vorher;
        erwartet.replace("AnzBahnen=4", "AnzBahnen=6");
        QCOMPARE(lesBytes(pfad), erwartet);
        QCOMPARE(lesBytes(pfad + ".bak"), vorher);

        // The whole record: the hand-written lines stay byte for byte, the new keys go into
        // [Parameter] before the blank line, with the file's CR LF.
        e.AnzBahnen = 6;
        sp.SchreibeRegWerte(e);
        const QByteArray nachher = lesBytes(pfad);
        QVERIFY(nachher.startsWith(erwartet.left(erwartet.indexOf("AnzBahnen=6"))));
        QVERIFY(
            nachher.contains("\r\nAnzBahnen=6\r\nanzbahnen=5\r\n[parameter]\r\nAnzBahnen=8\r\n"
                             "RennName=Zweiter\r\nAnzHistRennen=20\r\n"));
        QVERIFY(nachher.endsWith("\r\n\r\n[Fremd]\r\nx=1\r\n"));
        QCOMPARE(nachher.count('\n'), nachher.count("\r\n"));
        QCOMPARE(lesBytes(pfad + ".bak"), vorher);  // only before the first write of a start
        Einstellungen f;
        sp.HoleRegWerte(f);
        QCOMPARE(f.RennName, e.RennName);
        QCOMPARE(f.BilderPfad, e.BilderPfad);
        QCOMPARE(f.AnzBahnen, qint16(6));

        // A changed value is written in UTF-8 and reads back the same, here and in QSettings.
        sp.speichere("RennName", QString::fromUtf8("Łódź \"Nacht\"; Lauf 2"));
        QCOMPARE(sp.hole("RennName"), QString::fromUtf8("Łódź \"Nacht\"; Lauf 2"));
        QCOMPARE(leseDatei(pfad).value("RennName"), QString::fromUtf8("Łódź \"Nacht\"; Lauf 2"));
        QVERIFY(lesBytes(pfad).contains("; von Hand angelegt\r\n[Parameter]\r\n# Name mit"));
    }

    // Values that need quotes or escapes come back unchanged from this store and from QSettings
    // (files written before still read the same).
    void werteMitSonderzeichen() {
        const QString pfad = datei("sonder.ini");
        const QStringList werte = {"a,b",
                                   " vorne und hinten ",
                                   "C:\\Pfad\\x.wav",
                                   "@Wert",
                                   "Tab\tund\nZeile",
                                   "\\\\server\\f",
                                   "x=y#z",
                                   "\x01"
                                   "5f",
                                   QString()};
        for (const QString& w : werte) {
            QFile::remove(pfad);
            EinstellungsSpeicher sp(pfad);
            sp.speichere("Wert", w);
            QCOMPARE(sp.hole("Wert", "fehlt"), w);
            QCOMPARE(leseDatei(pfad).value("Wert"), w);
            // QSettings leaves a control character's escape unquoted; such a value reads as
            // typed by hand, so only the printable ones are compared.
            if (std::any_of(w.begin(), w.end(), [](QChar c) { return c.unicode() < 0x20; }))
                continue;
            schreibeDatei(pfad, {{"Wert", w}});
            QCOMPARE(sp.hole("Wert", "fehlt"), w);
        }
    }

    void iniDatei() {
        QDir(m_dir.path()).mkpath("out");
        // An existing folder, with or without the separator, takes the file inside; any other
        // value is a prefix of the file name.
        SchreibeIni(m_dir.filePath("out"), "AnzeigeOben_0", "Prozent", 40);
        SchreibeIni(m_dir.filePath("out") + "/", "AnzeigeUnten_4", "SchriftName", "Arial");
        SchreibeIni(m_dir.filePath("vor"), "AnzeigeOben_1", "Prozent", 20);
        QVERIFY(!QFile::exists(m_dir.filePath("outPistorelle.INI")));
        QSettings b(m_dir.filePath("out/Pistorelle.INI"), QSettings::IniFormat);
        QCOMPARE(b.value("AnzeigeOben_0/Prozent").toString(), QStringLiteral("40"));
        QCOMPARE(b.value("AnzeigeUnten_4/SchriftName").toString(), QStringLiteral("Arial"));
        QSettings c(m_dir.filePath("vorPistorelle.INI"), QSettings::IniFormat);
        QCOMPARE(c.value("AnzeigeOben_1/Prozent").toString(), QStringLiteral("20"));
    }
};

QTEST_GUILESS_MAIN(TestEinstellungen)
#include "tst_config_einstellungen.moc"
