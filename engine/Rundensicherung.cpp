#include "Rundensicherung.h"

#include <QDateTime>
#include <QDir>
#include <QSaveFile>

#include "Datenbank.h"
#include "DebugLog.h"
#include "Uhr.h"

namespace {
// A retry as often as the race timer ticks while running.
constexpr int wiederholungMs = 120;
}  // namespace

Rundensicherung::Rundensicherung(Uhr& uhr, Datenbank& db, Rangliste& rangliste,
                                 Rundenprotokoll& protokoll, QObject* parent)
    : QObject(parent), m_uhr(uhr), m_db(db), m_rangliste(rangliste), m_protokoll(protokoll) {
    m_wiederholung = uhr.neuerTimer(this);
    m_wiederholung->setInterval(wiederholungMs);
    connect(m_wiederholung, &UhrTimer::timeout, this, [this] {
        // A tick of the lap path may be open (events run inside its work): it writes itself.
        if (!m_inTransaktion) sichereJetzt();
    });
}

Rundensicherung::~Rundensicherung() = default;

void Rundensicherung::beginneTick() {
    m_tickZeilen.clear();
    m_inTransaktion = m_db.beginneTransaktion();
    // Rows of failed ticks first: the lap about to be evaluated reads its lane's row.
    for (const auto& [bahn, z] : m_positionen) m_rangliste.schreibeRunde(z);
}

void Rundensicherung::merkePosition(const PositionsZeile& z) { m_tickZeilen[z.bahn] = z; }

void Rundensicherung::merkeRunde(const Rundeneintrag& r, const QString& uhr) {
    m_runden.append(Runde{r, uhr});
}

bool Rundensicherung::beendeTick(const QString& stempel, const QString& rennName) {
    m_stempel = stempel;
    m_rennName = rennName;
    return schreibe();
}

bool Rundensicherung::schreibe() {
    const QString& stempel = m_stempel;
    QString grund;
    bool ok = m_inTransaktion;
    if (!ok) grund = m_db.letzterFehler();
    // The start stamp of the run: a crash recovery stamps the laps with it.
    if (ok && stempel != m_gemerkterStempel && !m_runden.isEmpty()) {
        ok = m_db.execute(QStringLiteral("insert or replace into laufstand (id, stempel, rennname) "
                                         "values (1, ?, ?)"),
                          {stempel, m_rennName}, &grund);
    }
    for (qsizetype i = 0; ok && i < m_runden.size(); ++i)
        ok = m_protokoll.fuegeEin(m_runden.at(i).eintrag, m_runden.at(i).uhr, &grund);
    if (ok) {
        ok = m_db.bestaetige();
        if (!ok) grund = m_db.letzterFehler();
    }
    if (!ok) grund = Datenbank::schreibfehlerText(m_db.letzteFehlerNr(), grund);
    if (m_inTransaktion && !ok) m_db.verwerfe();
    m_inTransaktion = false;

    if (ok) {
        if (!m_runden.isEmpty()) m_gemerkterStempel = stempel;
        m_runden.clear();
        m_positionen.clear();
        m_tickZeilen.clear();
        if (!m_historie) {
            setzeFehler(QString());
            m_wiederholung->stop();
        }
        return true;
    }
    // Rolled back: the tick's standings rows are written again with the next try.
    for (const auto& [bahn, z] : m_tickZeilen) m_positionen[bahn] = z;
    m_tickZeilen.clear();
    setzeFehler(grund);
    starteWiederholung();
    return false;
}

bool Rundensicherung::sichereJetzt() {
    if (m_inTransaktion) return false;
    if (!m_runden.isEmpty() || !m_positionen.empty()) {
        beginneTick();
        if (!schreibe()) return false;
    }
    if (m_historie) {
        QString grund;
        if (!m_historie(&grund)) {
            setzeFehler(grund);
            starteWiederholung();
            return false;
        }
        m_historie = nullptr;
        SchreibeDebug(QStringLiteral("Rundensicherung: Historie nachträglich kopiert"));
    }
    setzeFehler(QString());
    m_wiederholung->stop();
    return true;
}

bool Rundensicherung::kopiereInHistorie(const std::function<bool(QString*)>& kopie) {
    m_historie = kopie;
    return sichereJetzt();
}

QStringList Rundensicherung::ungespeicherteZeilen() const {
    QStringList zeilen{QStringLiteral(
        "Fahrer\tAuto\tStrecke\tRunde\tZeit\tGesamt\tUhr\tRennInfo\tBahn\tRennName\tRennArt")};
    // A TAB or line end inside a name would split its row.
    const auto feld = [](QString t) {
        for (QChar& c : t)
            if (c == u'\t' || c == u'\r' || c == u'\n') c = u' ';
        return t;
    };
    for (const Runde& r : m_runden) {
        const Rundeneintrag& e = r.eintrag;
        zeilen << QStringList{feld(e.fahrer), feld(e.autoName), feld(e.strecke),
                              QString::number(e.runde), QString::number(e.zeit, 'f', 3),
                              QString::number(e.gesamt, 'f', 3), r.uhr, feld(e.rennInfo),
                              QString::number(e.bahn), feld(e.rennName), feld(e.rennArt)}
                      .join(QLatin1Char('\t'));
    }
    return zeilen;
}

QString Rundensicherung::schreibeNotfallDatei(const QString& ordner, QString* grund) const {
    QDir().mkpath(ordner);
    const QString name = QStringLiteral("Pistorelle-ungespeicherte-Runden-%1.txt")
                             .arg(m_uhr.jetzt().toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
    QSaveFile datei(QDir(ordner).filePath(name));
    if (!datei.open(QIODevice::WriteOnly)) {
        *grund = datei.errorString();
        return {};
    }
    datei.write(ungespeicherteZeilen().join(QLatin1Char('\n')).toUtf8() + '\n');
    if (!datei.commit()) {
        *grund = datei.errorString();
        return {};
    }
    return datei.fileName();
}

void Rundensicherung::setzeFehler(const QString& grund) {
    const QString text =
        grund.isEmpty() ? QString() : tr("Runden werden nicht gespeichert: %1").arg(grund);
    if (text == m_fehlerText) return;
    m_fehlerText = text;
    SchreibeDebug(grund.isEmpty()
                      ? QStringLiteral("Rundensicherung: Runden werden wieder gespeichert")
                      : QStringLiteral("Rundensicherung: Runden werden nicht gespeichert: ") + grund);
    emit statusGeaendert(text);
}

void Rundensicherung::starteWiederholung() {
    if (!m_wiederholung->isActive()) m_wiederholung->start();
}
