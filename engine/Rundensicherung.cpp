#include "engine/Rundensicherung.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "config/DebugLog.h"
#include "config/Uhr.h"
#include "data/Datenbank.h"

Rundensicherung::Rundensicherung(Uhr& uhr, Datenbank& db, QObject* parent)
    : QObject(parent),
      m_uhr(uhr),
      m_schreiber(std::make_unique<Rundenschreiber>(db, uhr)) {
    verbindeSchreiber();
}

Rundensicherung::~Rundensicherung() = default;

void Rundensicherung::verbindeSchreiber() {
    connect(m_schreiber.get(), &Rundenschreiber::versucht, this, &Rundensicherung::versucht);
}

void Rundensicherung::schreibeImHintergrund(const QString& pfad) {
    if (!allesGespeichert()) return;
    m_schreiber = std::make_unique<Rundenschreiber>(pfad);
    verbindeSchreiber();
    m_historieNr = 0;
}

void Rundensicherung::merkeRunde(const Rundeneintrag& r, const QString& uhr) {
    m_tick.append(GemerkteRunde{r, uhr});
}

bool Rundensicherung::beendeTick(const QVector<PositionsZeile>& positionen,
                                 const QString& stempel, const QString& rennName) {
    if (positionen.isEmpty() && m_tick.isEmpty()) return allesGespeichert();
    Rundenschreiber::Tick tick{positionen, m_tick, stempel, rennName};
    m_tick.clear();
    const QVector<GemerkteRunde> runden = tick.runden;
    // Kept before sending: the writer on this thread reports at once.
    const qint64 nr = m_schreiber->gesendetBis() + 1;
    for (const GemerkteRunde& r : runden) m_runden.push_back(Offen{nr, r});
    m_schreiber->schicke(std::move(tick));
    return m_schreiber->erledigtBis() >= nr;
}

bool Rundensicherung::sichereJetzt(int ms) {
    m_schreiber->holeAuf(ms);
    // What the writer's thread reported meanwhile, before anyone reads the state.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    return allesGespeichert();
}

bool Rundensicherung::schreibeDanach(const Rundenschreiber::Arbeit& arbeit,
                                     std::function<void(const Rundenschreiber::Ergebnis&)> danach) {
    const qint64 nr = m_schreiber->gesendetBis() + 1;
    m_danach[nr] = std::move(danach);
    m_schreiber->schicke(arbeit);
    return m_schreiber->erledigtBis() >= nr;
}

bool Rundensicherung::kopiereInHistorie(
    const Rundenschreiber::Arbeit& kopie,
    std::function<void(const Rundenschreiber::Ergebnis&)> danach) {
    m_historieNr = m_schreiber->gesendetBis() + 1;
    return schreibeDanach(kopie, std::move(danach));
}

void Rundensicherung::versucht(qint64 nr, bool ok, int fehlerNr, const QString& text) {
    if (!ok) {
        if (auto it = m_danach.find(nr); it != m_danach.end() && it->second)
            it->second(Rundenschreiber::Ergebnis{false, fehlerNr, text});
        setzeFehler(text);
        return;
    }
    while (!m_runden.empty() && m_runden.front().nr <= nr) m_runden.pop_front();
    // Jobs up to nr are done: each hears of it once.
    while (!m_danach.empty() && m_danach.begin()->first <= nr) {
        auto danach = std::move(m_danach.begin()->second);
        const bool ergebnisVonNr = m_danach.begin()->first == nr;
        m_danach.erase(m_danach.begin());
        if (danach) danach(Rundenschreiber::Ergebnis{true, 0, ergebnisVonNr ? text : QString()});
    }
    if (allesGespeichert()) setzeFehler(QString());
}

void Rundensicherung::gibAuf() {
    m_schreiber->verwirf();
    m_runden.clear();
    m_danach.clear();
    setzeFehler(QString());
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
    for (const Offen& o : m_runden) {
        const Rundeneintrag& e = o.runde.eintrag;
        zeilen << QStringList{feld(e.fahrer), feld(e.autoName), feld(e.strecke),
                              QString::number(e.runde), QString::number(e.zeit, 'f', 3),
                              QString::number(e.gesamt, 'f', 3), o.runde.uhr, feld(e.rennInfo),
                              QString::number(e.bahn), feld(e.rennName), feld(e.rennArt)}
                      .join(QLatin1Char('\t'));
    }
    return zeilen;
}

QString Rundensicherung::schreibeNotfallDatei(const QStringList& ordner, QString* grund) const {
    const QString name = QStringLiteral("Pistorelle-ungespeicherte-Runden-%1.txt")
                             .arg(m_uhr.jetzt().toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
    const QByteArray inhalt = ungespeicherteZeilen().join(QLatin1Char('\n')).toUtf8() + '\n';
    QStringList gruende;
    for (const QString& o : ordner) {
        if (o.isEmpty()) continue;
        QDir().mkpath(o);
        QSaveFile datei(QDir(o).filePath(name));
        // The file counts only when all of it is on the disk: written, synced by the commit,
        // and found there at its full size.
        QString fehler;
        if (!datei.open(QIODevice::WriteOnly))
            fehler = datei.errorString();
        else if (datei.write(inhalt) != inhalt.size() || !datei.commit())
            fehler = datei.errorString();
        else if (QFileInfo(datei.fileName()).size() != inhalt.size())
            fehler = tr("die Datei ist unvollständig");
        if (fehler.isEmpty()) return datei.fileName();
        gruende << QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(o), fehler);
    }
    *grund = gruende.join(QStringLiteral("; "));
    return {};
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
