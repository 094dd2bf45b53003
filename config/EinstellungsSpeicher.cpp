#include "config/EinstellungsSpeicher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <cmath>
#include <limits>
#include <optional>
#include <variant>

#include "config/Ausgabepfad.h"
#include "config/DebugLog.h"

namespace {

const QString gruppe = QStringLiteral("Parameter");

// How a stored text becomes the value in the record.
enum class Art {
    Ganz,  // whole number, 16 bit
    Lang,  // 32 bit; colours above 0x7FFFFFFF may be stored unsigned
    Byte,  // 0..255
    Flag,  // the stored number, written back as "1" when it is 1 and "0" otherwise
    Zahl,  // the stored text of a number
    Text,
};

struct Feld {
    QString name;
    Art art;
    QString standard;  // null: the default is the value a fresh record starts with
    std::variant<qint16*, int*, quint8*, QString*> ziel;
};

std::optional<qint64> ganzzahl(const QString& text) {
    bool ok = false;
    const qint64 wert = text.trimmed().toLongLong(&ok, 10);
    if (!ok) return std::nullopt;
    return wert;
}

bool istZahl(const QString& text) {
    if (text.trimmed().isEmpty()) return false;
    bool ok = false;
    const double wert = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(wert);
}

// Converts text to the field's kind and stores it; false when text is not valid for it.
bool setze(const Feld& f, const QString& text) {
    switch (f.art) {
        case Art::Text:
            *std::get<QString*>(f.ziel) = text;
            return true;
        case Art::Zahl:
            if (!istZahl(text)) return false;
            *std::get<QString*>(f.ziel) = text;
            return true;
        default:
            break;
    }
    const auto wert = ganzzahl(text);
    if (!wert) return false;
    const qint64 w = *wert;
    switch (f.art) {
        case Art::Ganz:
            if (w < std::numeric_limits<qint16>::min() || w > std::numeric_limits<qint16>::max())
                return false;
            *std::get<qint16*>(f.ziel) = qint16(w);
            return true;
        case Art::Byte:
            if (w < 0 || w > 255) return false;
            *std::get<quint8*>(f.ziel) = quint8(w);
            return true;
        case Art::Lang:
            // 0x80000012 may come back as "-2147483630" or as "2147483666"; both are that colour.
            if (w < std::numeric_limits<qint32>::min() || w > std::numeric_limits<quint32>::max())
                return false;
            *std::get<int*>(f.ziel) = qint32(quint32(w));
            return true;
        case Art::Flag:
            if (w < std::numeric_limits<qint32>::min() || w > std::numeric_limits<qint32>::max())
                return false;
            *std::get<int*>(f.ziel) = int(w);
            return true;
        default:
            return false;
    }
}

QString text(const Feld& f) {
    switch (f.art) {
        case Art::Ganz:
            return QString::number(*std::get<qint16*>(f.ziel));
        case Art::Byte:
            return QString::number(*std::get<quint8*>(f.ziel));
        case Art::Lang:
            return QString::number(*std::get<int*>(f.ziel));
        case Art::Flag:
            return *std::get<int*>(f.ziel) == 1 ? QStringLiteral("1") : QStringLiteral("0");
        case Art::Zahl:
        case Art::Text:
            return *std::get<QString*>(f.ziel);
    }
    return QString();
}

// The default of f, a field of a fresh record.
QString standardText(const Feld& f) { return f.standard.isNull() ? text(f) : f.standard; }

QString farbe(quint32 wert) { return QString::number(qint32(wert)); }

// Every key of the bulk load in the order it is read (and written), pointing into e. The
// defaults are the values a fresh record starts with, except where a Feld names its own.
QList<Feld> felder(Einstellungen& e) {
    QList<Feld> l;
    auto ganz = [&](const QString& n, qint16& z) { l.append({n, Art::Ganz, QString(), &z}); };
    auto flag = [&](const QString& n, int& z) { l.append({n, Art::Flag, QString(), &z}); };
    auto txt = [&](const QString& n, QString& z, const QString& s = QString()) {
        l.append({n, Art::Text, s, &z});
    };
    auto zahl = [&](const QString& n, QString& z) { l.append({n, Art::Zahl, QString(), &z}); };
    const auto n = [](const char* stamm, int i) {
        return QLatin1String(stamm) + QString::number(i);
    };

    ganz(QStringLiteral("AnzBahnen"), e.AnzBahnen);
    ganz(QStringLiteral("AnzHistRennen"), e.AnzHistRennen);
    l.append({QStringLiteral("SoundAn"), Art::Byte, QString(), &e.SoundAn});
    txt(QStringLiteral("AktStrecke"), e.AktStrecke);
    ganz(QStringLiteral("PrellZeit"), e.PrellZeit);
    l.append({QStringLiteral("LangId"), Art::Lang, QString(), &e.LangId});
    txt(QStringLiteral("MyAgent"), e.MyAgent);
    l.append({QStringLiteral("PSPort"), Art::Byte, QString(), &e.PSPort});
    zahl(QStringLiteral("LPT1PortAdr"), e.LPT1PortAdr);
    zahl(QStringLiteral("LPT2PortAdr"), e.LPT2PortAdr);
    flag(QStringLiteral("ComControlAktiv"), e.ComControlAktiv);
    flag(QStringLiteral("RaceControlAktiv"), e.RaceControlAktiv);
    for (int i = 1; i <= 4; ++i) ganz(n("RaceControlPort", i), e.RaceControlPort[i]);
    ganz(QStringLiteral("RaceControlLevel"), e.RaceControlLevel);
    flag(QStringLiteral("BEPFEAktiv"), e.BEPFEAktiv);
    ganz(QStringLiteral("BEPFEmitAmpel"), e.BEPFEmitAmpel);
    flag(QStringLiteral("DS200Aktiv"), e.DS200Aktiv);
    flag(QStringLiteral("DS300Aktiv"), e.DS300Aktiv);
    flag(QStringLiteral("LapsterAktiv"), e.LapsterAktiv);
    ganz(QStringLiteral("LAPSTERmitAmpel"), e.LAPSTERmitAmpel);
    flag(QStringLiteral("LPTControlAktiv"), e.LPTControlAktiv);
    for (int i = 1; i <= 6; ++i) l.append({n("Farbe", i), Art::Lang, QString(), &e.Farbe[i]});
    // Text readable on every lane (contrast at least 4.5:1): black or white, never the
    // desktop's button text, whose colour depends on the theme. A fresh record still starts
    // with the button text, so the stored default is given here.
    static const quint32 schrift[] = {0x000000, 0x000000, 0xFFFFFF,
                                      0x000000, 0xFFFFFF, 0x000000};
    for (int i = 1; i <= 6; ++i)
        l.append({n("FontFarbe", i), Art::Lang, farbe(schrift[i - 1]), &e.FontFarbe[i]});
    txt(QStringLiteral("RennName"), e.RennName);
    flag(QStringLiteral("Fruehstart"), e.Fruehstart);
    txt(QStringLiteral("ltfPfad"), e.ltfPfad);
    flag(QStringLiteral("LTFEinzelSchreiben"), e.LTFEinzelSchreiben);
    flag(QStringLiteral("LTFSchreiben"), e.LTFSchreiben);
    flag(QStringLiteral("showRundenTab"), e.showRundenTab);
    flag(QStringLiteral("BahnStrom"), e.BahnStrom);
    flag(QStringLiteral("BahnStromTraining"), e.BahnStromTraining);
    flag(QStringLiteral("LPTAnsteuerung"), e.LPTAnsteuerung);
    zahl(QStringLiteral("CommPort1"), e.CommPort1);
    zahl(QStringLiteral("CommPort2"), e.CommPort2);
    for (int i = 1; i <= 6; ++i) txt(n("LPTBahn", i), e.LPTBahn[i]);
    for (int i = 1; i <= 6; ++i) txt(n("LPTErf", i), e.LPTErf[i]);
    txt(QStringLiteral("LPTChaos"), e.LPTChaos);
    flag(QStringLiteral("BahnStromInvers"), e.BahnStromInvers);
    for (int i = 1; i <= 5; ++i) txt(n("LPTAmpel", i), e.LPTAmpel[i]);
    txt(QStringLiteral("LPTAmpelGruen"), e.LPTAmpelGruen);
    flag(QStringLiteral("AnzGesamtzeit"), e.AnzGesamtzeit);
    flag(QStringLiteral("MenueOben"), e.MenueOben);
    flag(QStringLiteral("CheckSRunden"), e.CheckSRunden);
    flag(QStringLiteral("StartZeitBei"), e.StartZeitBei);
    for (const char* ton : {"TonAmpelAn", "TonAmpelAus", "TonBeep"}) {
        const QString name = QLatin1String(ton);
        QString& ziel = name == QLatin1String("TonAmpelAn")    ? e.TonAmpelAn
                        : name == QLatin1String("TonAmpelAus") ? e.TonAmpelAus
                                                               : e.TonBeep;
        txt(name, ziel, EinstellungsSpeicher::standardTon(name));
    }
    ganz(QStringLiteral("NachlaufZeit"), e.NachlaufZeit);
    flag(QStringLiteral("DSGoStart"), e.DSGoStart);
    ganz(QStringLiteral("DatenBankAuswahl"), e.DatenBankAuswahl);
    for (int k = 0; k <= 7; ++k) {
        ganz(n("MeldungsAnsage", k), e.MeldungsAnsage[k]);
        ganz(n("MeldungAbRunde", k), e.MeldungAbRunde[k]);
    }
    ganz(QStringLiteral("BilderAnzeigen"), e.BilderAnzeigen);
    txt(QStringLiteral("BilderPfad"), e.BilderPfad, EinstellungsSpeicher::standardBilderPfad());
    ganz(QStringLiteral("PauseNachStint"), e.PauseNachStint);
    ganz(QStringLiteral("PauseVorStint"), e.PauseVorStint);
    ganz(QStringLiteral("PauseZwischenStint"), e.PauseZwischenStint);
    ganz(QStringLiteral("AnzeigeSort"), e.AnzeigeSort);
    ganz(QStringLiteral("PowerTrainingZeit"), e.PowerTrainingZeit);
    ganz(QStringLiteral("PowerTrainingPause"), e.PowerTrainingPause);
    txt(QStringLiteral("Punkte"), e.Punkte);
    ganz(QStringLiteral("PunkteSchnellsteRunde"), e.PunkteSchnellsteRunde);
    ganz(QStringLiteral("Streichergebnisse"), e.Streichergebnisse);
    flag(QStringLiteral("MqttAn"), e.MqttAn);
    txt(QStringLiteral("MqttHost"), e.MqttHost);
    l.append({QStringLiteral("MqttPort"), Art::Lang, QString(), &e.MqttPort});
    txt(QStringLiteral("MqttThema"), e.MqttThema);
    txt(QStringLiteral("MqttBenutzer"), e.MqttBenutzer);
    txt(QStringLiteral("MqttPasswort"), e.MqttPasswort);
    flag(QStringLiteral("MqttTls"), e.MqttTls);
    return l;
}

// Writes the store, copying the file to Pistorelle.ini.bak before the first change since this
// program started: a hand-edited file the program damaged or overwrote can still be restored.
void schreibeMitSicherung(IniDatei& ini, const QString& pfad) {
    if (!ini.geaendert()) return;
    static QMutex schutz;
    static QSet<QString> gesichert;
    {
        QMutexLocker sperre(&schutz);
        const QString absolut = QFileInfo(pfad).absoluteFilePath();
        if (!gesichert.contains(absolut) && QFileInfo::exists(pfad)) {
            const QString sicherung = pfad + QStringLiteral(".bak");
            QFile::remove(sicherung);
            if (!QFile::copy(pfad, sicherung))
                DebugLog::instanz().schreibe(QStringLiteral("Sicherung nicht angelegt: ") +
                                             sicherung);
        }
        gesichert.insert(absolut);
    }
    QString grund;
    if (!ini.schreibe(pfad, &grund))
        DebugLog::instanz().schreibe(QStringLiteral("Einstellungen nicht gespeichert: ") + grund);
}

const char* const laufMatrixStandard[] = {"1",     "12",     "132",     "1342",
                                          "13542", "135642", "1357642", "13578642"};

// A rotation visits every lane once, starts on lane 1 and (from two lanes on) ends on lane 2.
bool istLaufMatrix(const QString& s, int bahnen) {
    if (s.size() != bahnen || !s.startsWith(QLatin1Char('1'))) return false;
    if (bahnen >= 2 && !s.endsWith(QLatin1Char('2'))) return false;
    for (int b = 1; b <= bahnen; ++b)
        if (s.count(QChar(QLatin1Char('0' + b))) != 1) return false;
    return true;
}

QString datenOrdner() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Pistorelle");
}

}  // namespace

EinstellungsSpeicher::EinstellungsSpeicher(QString pfad)
    : m_pfad(pfad.isEmpty() ? standardPfad() : std::move(pfad)) {}

QString EinstellungsSpeicher::standardPfad() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Pistorelle/Pistorelle.ini");
}

void EinstellungsSpeicher::HoleRegWerte(Einstellungen& e) const {
    leseWerte(IniDatei::lies(m_pfad), e);
}

void EinstellungsSpeicher::leseWerte(const IniDatei& ini, Einstellungen& e) {
    const QHash<QString, QString> werte = ini.werte(gruppe);
    Einstellungen frisch;
    const QList<Feld> standards = felder(frisch);
    const QList<Feld> ziele = felder(e);
    for (qsizetype i = 0; i < ziele.size(); ++i) {
        const Feld& f = ziele[i];
        const auto it = werte.constFind(f.name.toLower());
        if (it == werte.cend() || !setze(f, *it)) setze(f, standardText(standards[i]));
    }
    for (int i = 1; i <= 10; ++i) {
        const QString wert = werte.value(QStringLiteral("compfad%1").arg(i));
        e.ComPfad[i] = wert.trimmed().isEmpty() ? standardComPfad(i) : wert;
    }
}

void EinstellungsSpeicher::SchreibeRegWerte(const Einstellungen& e) {
    Einstellungen kopie = e;
    IniDatei ini = IniDatei::lies(m_pfad);
    // Keys are found whatever their spelling ("LangID" as older versions wrote it); each is
    // written in its own spelling.
    for (const Feld& f : felder(kopie)) ini.setze(gruppe, f.name, text(f));
    for (int i = 1; i <= 10; ++i)
        ini.setze(gruppe, QStringLiteral("ComPfad%1").arg(i), e.ComPfad[i]);
    schreibeMitSicherung(ini, m_pfad);
}

QString EinstellungsSpeicher::hole(const QString& schluessel, const QString& standard) const {
    return IniDatei::lies(m_pfad).wert(gruppe, schluessel).value_or(standard);
}

void EinstellungsSpeicher::speichere(const QString& schluessel, const QString& wert) {
    IniDatei ini = IniDatei::lies(m_pfad);
    ini.setze(gruppe, schluessel, wert);
    schreibeMitSicherung(ini, m_pfad);
}

QString EinstellungsSpeicher::LaufMatrix(int anzahl) const {
    if (anzahl < 1 || anzahl > 8) anzahl = 4;
    const QString standard = QLatin1String(laufMatrixStandard[anzahl - 1]);
    const QString wert = hole(QStringLiteral("LaufMatrix%1").arg(anzahl), standard);
    // The rotation indexes lanes by these digits; a hand-edited text that does not name every
    // lane once would send drivers to lanes that do not exist.
    return istLaufMatrix(wert, anzahl) ? wert : standard;
}

QString EinstellungsSpeicher::standardWert(const QString& schluessel) {
    Einstellungen frisch;
    for (const Feld& f : felder(frisch))
        if (f.name.compare(schluessel, Qt::CaseInsensitive) == 0) return standardText(f);
    const QString k = schluessel.toLower();
    if (k == QLatin1String("datenbank")) return standardDatenBank();
    static const quint32 meine[] = {0x00FFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xC000C0, 0xFFFFC0};
    static const quint32 meineSchrift[] = {0x000000, 0xFFFFFF, 0x000000,
                                           0x000000, 0xFFFFFF, 0x000000};
    for (int i = 1; i <= 10; ++i) {
        const QString nr = QString::number(i);
        if (i <= 8 && k == QLatin1String("laufmatrix") + nr)
            return QLatin1String(laufMatrixStandard[i - 1]);
        if (i <= 6 && k == QLatin1String("meinefarbe") + nr) return farbe(meine[i - 1]);
        if (i <= 6 && k == QLatin1String("meinefontfarbe") + nr) return farbe(meineSchrift[i - 1]);
        if (k == QLatin1String("compfad") + nr) return standardComPfad(i);
    }
    return QString();
}

QString EinstellungsSpeicher::standardDatenOrdner() { return datenOrdner(); }

QString EinstellungsSpeicher::standardBilderPfad() {
    return datenOrdner() + QStringLiteral("/Bilder");
}

QString EinstellungsSpeicher::standardTon(const QString& schluessel) {
    const QString k = schluessel.toLower();
    const char* datei = k == QLatin1String("tonampelan")    ? "ringout.wav"
                        : k == QLatin1String("tonampelaus") ? "ding.wav"
                        : k == QLatin1String("tonbeep")     ? "start.wav"
                                                            : nullptr;
    if (!datei) return QString();
    return datenOrdner() + QStringLiteral("/Sounds/") + QLatin1String(datei);
}

QString EinstellungsSpeicher::standardComPfad(int nummer) {
    if (nummer < 1) return QString();
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(nummer);
#else
    return QStringLiteral("/dev/ttyS%1").arg(nummer - 1);
#endif
}

QString EinstellungsSpeicher::standardDatenBank() {
    return datenOrdner() + QStringLiteral("/Pistorelle.db");
}

void SchreibeIni(const QString& ltfPfad, const QString& abschnitt, const QString& schluessel,
                 const QVariant& wert) {
    // The folder is a prefix: without a trailing separator the file lands beside it.
    QSettings ini(Ausgabepfad::praefix(ltfPfad) + QStringLiteral("Pistorelle.INI"),
                  QSettings::IniFormat);
    ini.beginGroup(abschnitt);
    ini.setValue(schluessel, wert.toString());
}
