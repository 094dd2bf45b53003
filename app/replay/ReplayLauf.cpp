#include "app/replay/ReplayLauf.h"

#include <QFile>
#include <limits>

#include "app/replay/ReplayAusgabe.h"
#include "app/replay/ReplayTurnier.h"
#include "config/DebugLog.h"
#include "config/EinstellungsSpeicher.h"
#include "engine/ChaosModus.h"
#include "engine/Hauptanzeige.h"
#include "engine/Nachlauf.h"
#include "engine/ProtokollHardware.h"
#include "engine/Rennablauf.h"
#include "engine/Rennkern.h"
#include "engine/Rennleitung.h"
#include "engine/Rundenkorrektur.h"
#include "hardware/DemoZeitnahme.h"

namespace {
int verbindungen = 0;
constexpr qint64 eineStunde = 3600000;
}  // namespace

ReplayLauf::ReplayLauf(ReplayOptionen optionen, QTextStream& aus, QTextStream& fehler,
                       QObject* parent)
    : QObject(parent),
      m_optionen(std::move(optionen)),
      m_aus(aus),
      m_fehlerAus(fehler),
      m_uhr(1000000, QDateTime(QDate(2026, 5, 1), QTime(14, 0))),
      m_db(QStringLiteral("replay%1").arg(++verbindungen)) {
    // The same scenario gives the same green delays every time.
    m_uhr.setzeSaat(1);
    m_weiter = m_uhr.neuerTimer(this);
    m_weiter->setSingleShot(true);
    connect(m_weiter, &UhrTimer::timeout, this, &ReplayLauf::zeitErreicht);
}

ReplayLauf::~ReplayLauf() {
    DebugLog& log = DebugLog::instanz();
    disconnect(&log, nullptr, this, nullptr);
    log.setUhr(nullptr);
    m_demo.reset();
    m_turnier.reset();
    m_kern.reset();
}

Rennleitung& ReplayLauf::leitung() { return m_kern->leitung(); }

Rennablauf& ReplayLauf::ablauf() { return m_kern->ablauf(); }

Hauptanzeige& ReplayLauf::anzeige() { return m_kern->anzeige(); }

int ReplayLauf::oeffne() {
    if (!m_ordner.isValid()) {
        m_fehlerAus << "Kein temporärer Ordner: " << m_ordner.errorString() << Qt::endl;
        return Dateifehler;
    }
    // The run works on its own copy of the settings: the user's are never read or written.
    const QString ini = m_ordner.filePath(QStringLiteral("Pistorelle.ini"));
    if (!m_optionen.einstellungen.isEmpty() && !QFile::copy(m_optionen.einstellungen, ini)) {
        m_fehlerAus << "Kann Einstellungen nicht lesen: " << m_optionen.einstellungen << Qt::endl;
        return Dateifehler;
    }
    QFile::setPermissions(ini, QFile::ReadOwner | QFile::WriteOwner);
    m_speicher = std::make_unique<EinstellungsSpeicher>(ini);
    m_speicher->HoleRegWerte(m_e);
    // Single-lap files are removed at every start: never in the folder the runner was called in.
    if (m_e.ltfPfad.isEmpty()) m_e.ltfPfad = m_ordner.path() + QLatin1Char('/');

    const QString db = m_optionen.datenbank.isEmpty()
                           ? m_ordner.filePath(QStringLiteral("Pistorelle.db"))
                           : m_optionen.datenbank;
    // A throw-away database of the run itself needs no power-cut safety: without a disk sync
    // per tick a whole club evening replays in a fraction of a second. A database given with
    // --db keeps the program's own setting.
    if (m_optionen.datenbank.isEmpty() && !qEnvironmentVariableIsSet("PISTORELLE_DB_SYNC"))
        qputenv("PISTORELLE_DB_SYNC", "NORMAL");
    QString grund;
    if (!m_db.oeffneOderErzeuge(db, &grund)) {
        m_fehlerAus << "Kann Datenbank " << db << " nicht öffnen: " << grund << Qt::endl;
        return Dateifehler;
    }

    DebugLog& log = DebugLog::instanz();
    log.setUhr(&m_uhr);
    log.setAktiv(m_optionen.debug);
    if (m_optionen.debug) {
        connect(&log, &DebugLog::zeileNeu, this,
                [this](const QString& z) { m_ausgabe->zeile(QStringLiteral("debug"), z); });
    }

    m_ausgabe = std::make_unique<ReplayAusgabe>(m_uhr, m_e, m_aus);
    m_hw = std::make_unique<ProtokollHardware>(m_uhr);
    m_kern = std::make_unique<Rennkern>(
        Rennkern::Umgebung{m_uhr, m_db, m_e, *m_speicher, *m_ausgabe, *m_ausgabe, *m_hw});
    connect(&m_kern->ablauf(), &Rennablauf::leerlauf, this, &ReplayLauf::leerlaufErreicht);
    // The results window of the program: one line per place.
    connect(&m_kern->anzeige(), &Hauptanzeige::ergebnisAnfordern, this, [this] {
        for (const QString& z : m_kern->ablauf().nachlauf().letztesErgebnis().alsText())
            m_ausgabe->zeile(QStringLiteral("result"), z);
    });
    m_turnier = std::make_unique<ReplayTurnier>(m_kern->ablauf(), m_kern->anzeige(), *m_ausgabe);
    // The program's start-up; it ends idle, in practice, with the outputs at rest.
    m_kern->starte();
    // The scenario's switching from here on; the start-up's is the state it begins in.
    connect(m_hw.get(), &ProtokollHardware::geschaltet, this, [this](const QString& w, int an) {
        m_ausgabe->zeile(QStringLiteral("switch"), w + QLatin1Char(' ') + QString::number(an));
    });
    // As the program shows it once it runs: laps of a run that never reached the history.
    if (!m_kern->rettungsMeldung().isEmpty()) m_ausgabe->meldung(m_kern->rettungsMeldung());
    return Erfolg;
}

int ReplayLauf::fuehreAus(const QString& text) {
    m_szenario = Szenario(text);
    m_naechsteZeile = 1;
    weiter();
    while (!m_fertig) {
        // Nothing left to fire would mean the script waits for nothing: it is over.
        if (!m_uhr.naechsterTimer(std::numeric_limits<qint64>::max() / 4)) ende();
    }
    return m_code;
}

void ReplayLauf::weiter() {
    if (m_inWeiter || m_fertig) return;
    m_inWeiter = true;
    while (!m_fertig && m_naechsteZeile <= m_szenario.anzahlZeilen()) {
        const int nummer = m_naechsteZeile++;
        SzenarioBefehl b;
        QString grund;
        if (!Szenario::lese(m_szenario.zeile(nummer), nummer, b, &grund)) {
            fehler(nummer, grund);
            break;
        }
        if (b.name.isEmpty()) continue;
        if (!fuehreAus(b)) {
            m_inWeiter = false;
            return;
        }
    }
    m_inWeiter = false;
    if (!m_fertig) ende();
}

void ReplayLauf::zeitErreicht() {
    if (m_wartetAufLeerlauf) {
        m_wartetAufLeerlauf = false;
        if (m_kern->ablauf().beschaeftigt()) {
            fehler(m_wartezeile,
                   QStringLiteral("nach %1 ms nicht im Leerlauf").arg(m_leerlaufFrist));
            return;
        }
    }
    weiter();
}

void ReplayLauf::leerlaufErreicht() {
    if (!m_wartetAufLeerlauf) return;
    m_wartetAufLeerlauf = false;
    // Go on once the engine has left the code that became idle.
    m_weiter->start(0);
}

void ReplayLauf::setze(const QString& schluessel, const QString& wert) {
    // Only this key changes: the record goes through a scratch store with the new value and
    // comes back, so values the engine holds in memory stay as they are.
    m_speicher->speichere(schluessel, wert);
    EinstellungsSpeicher kratz(m_ordner.filePath(QStringLiteral("set.ini")));
    kratz.SchreibeRegWerte(m_e);
    kratz.speichere(schluessel, wert);
    kratz.HoleRegWerte(m_e);
    QFile::remove(kratz.pfad());
}

bool ReplayLauf::fuehreAus(const SzenarioBefehl& b) {
    Rennleitung& l = m_kern->leitung();
    Hauptanzeige& a = m_kern->anzeige();
    const QString& n = b.name;
    // Controls that are disabled cannot be clicked; the log says so.
    auto gesperrt = [&](Hauptanzeige::Element e) {
        if (a.istEnabled(e) && a.istVisible(e)) return false;
        SchreibeDebug(QStringLiteral("Szenario Zeile %1: %2 gesperrt").arg(b.zeile).arg(n));
        m_ausgabe->zeile(QStringLiteral("locked"), (QStringList{n} + b.argumente).join(' '));
        return true;
    };

    if (ReplayTurnier::kennt(n)) {
        const QString grund = m_turnier->fuehreAus(b);
        if (!grund.isEmpty()) fehler(b.zeile, grund);
    } else if (n == QLatin1String("set")) {
        setze(b.argumente.at(0), b.argumente.at(1));
    } else if (n == QLatin1String("sql")) {
        QString grund;
        if (!m_db.execute(b.argumente.at(0), {}, &grund)) {
            fehler(b.zeile, QStringLiteral("sql: ") + grund);
            return true;
        }
    } else if (n == QLatin1String("mode")) {
        const int index = Rennleitung::rennModi().indexOf(b.argumente.at(0));
        if (index < 0) {
            fehler(b.zeile,
                   QStringLiteral("mode: unbekannter Modus \"%1\"").arg(b.argumente.at(0)));
            return true;
        }
        if (!gesperrt(Hauptanzeige::cbRAuswahl)) l.cbRAuswahl_Click(index);
    } else if (n == QLatin1String("ranking")) {
        const int index = int(b.zahl(0));
        if (!gesperrt(Hauptanzeige::Element(Hauptanzeige::Option1_0 + index)))
            l.Option1_Click(index);
    } else if (n == QLatin1String("limit")) {
        if (!gesperrt(Hauptanzeige::Grenze)) {
            l.setzeGrenze(b.argumente.at(0));
            l.Grenze_Validate();
        }
    } else if (n == QLatin1String("timed")) {
        if (!gesperrt(Hauptanzeige::ZeitRunden)) l.setzeZeitRunden(int(b.zahl(0)));
    } else if (n == QLatin1String("laptimes")) {
        l.setzeRZeitAnsage(int(b.zahl(0)));
    } else if (n == QLatin1String("answer")) {
        m_ausgabe->setzeAntwort(b.argumente.at(0) == QLatin1String("yes"));
    } else if (n == QLatin1String("choose")) {
        m_ausgabe->setzeWahl(b.argumente.at(0));
    } else if (n == QLatin1String("start") || n == QLatin1String("stop")) {
        m_kern->ablauf().Command2_Click();
    } else if (n == QLatin1String("lap")) {
        l.GetPortnummer(int(b.zahl(0)));
    } else if (n == QLatin1String("caution")) {
        if (!gesperrt(Hauptanzeige::cmdChaos)) m_kern->ablauf().chaos().cmdChaos_Click();
    } else if (n == QLatin1String("demo")) {
        const QString grund = schalteDemo(b);
        if (!grund.isEmpty()) fehler(b.zeile, grund);
    } else if (n == QLatin1String("correct")) {
        // A refused correction is what the race director would read, not a script error.
        const QString& wie = b.argumente.at(1);
        if (wie != QLatin1String("+1") && wie != QLatin1String("-1")) {
            fehler(b.zeile, QStringLiteral("correct: +1 oder -1 erwartet: \"%1\"").arg(wie));
            return true;
        }
        const auto art = wie == QLatin1String("+1") ? Rundenkorrektur::Art::PlusEins
                                                     : Rundenkorrektur::Art::MinusEins;
        const QString grund =
            m_kern->korrektur().korrigiere(int(b.zahl(0)), art, b.argumente.value(2));
        m_ausgabe->zeile(QStringLiteral("correct"),
                         grund.isEmpty() ? (QStringList{b.argumente.at(0), wie}).join(' ')
                                         : QStringLiteral("abgelehnt: ") + grund);
    } else if (n == QLatin1String("wait")) {
        m_weiter->start(int(std::min<qint64>(b.zahl(0), std::numeric_limits<int>::max())));
        return false;
    } else if (n == QLatin1String("wait-idle")) {
        if (!m_kern->ablauf().beschaeftigt()) return true;
        m_leerlaufFrist = b.argumente.isEmpty() ? eineStunde : b.zahl(0);
        m_wartezeile = b.zeile;
        m_wartetAufLeerlauf = true;
        m_weiter->start(int(std::min<qint64>(m_leerlaufFrist, std::numeric_limits<int>::max())));
        return false;
    }
    return true;
}

QString ReplayLauf::schalteDemo(const SzenarioBefehl& b) {
    const QString& wie = b.argumente.at(0);
    if (wie == QLatin1String("off")) {
        if (b.argumente.size() > 1) return QStringLiteral("demo off: keine weitere Angabe erwartet");
        if (m_demo) m_demo->schalteAus();
        return QString();
    }
    if (wie != QLatin1String("on")) return QStringLiteral("demo: on oder off erwartet: \"%1\"").arg(wie);
    if (!m_demo) {
        m_demo = std::make_unique<DemoZeitnahme>(m_uhr, m_e);
        Rennleitung* l = &m_kern->leitung();
        const RennZustand* z = &l->zustand();
        m_demo->setzeStrecke([z] {
            return DemoZeitnahme::Strecke{z->RennenLaeuft, z->AmpelPhase == 6, !z->ChaosAktiv,
                                      z->FreieBahn};
        });
        // The same wiring as a real interface's laps.
        connect(m_demo.get(), &Zeitnahme::rundeErfasst, this,
                [this, l](int eingang, qint32 zeit, int zehntel) {
                    m_ausgabe->zeile(QStringLiteral("demo"),
                                     QStringLiteral("Bahn %1 %2").arg(eingang).arg(zeit));
                    l->RundenErfassung(eingang, zeit, zehntel);
                });
    }
    m_demo->schalteEin(b.argumente.size() > 1 ? quint32(b.zahl(1)) : 1u);
    for (const DemoZeitnahme::Auto& a : m_demo->autos())
        m_ausgabe->zeile(QStringLiteral("demo"), QStringLiteral("Bahn %1 Mittel %2 Streuung %3")
                                                     .arg(a.bahn)
                                                     .arg(a.mittel)
                                                     .arg(a.streuung));
    return QString();
}

void ReplayLauf::fehler(int zeile, const QString& text) {
    m_fehlerAus << "Szenario Zeile " << zeile << ": " << text << Qt::endl;
    m_code = Szenariofehler;
    ende();
}

void ReplayLauf::ende() {
    if (m_fertig) return;
    m_fertig = true;
    m_weiter->stop();
    // Like closing the program: running waits end and nothing starts afterwards.
    if (m_kern) m_kern->ablauf().beenden();
}
