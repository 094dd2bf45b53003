#include "data/Laufrettung.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QVariant>

#include "data/Datenbank.h"

namespace {
// The kinds of run as the lap rows store them; the message shows them in the interface language.
const char* const laufArten[] = {QT_TRANSLATE_NOOP("Laufrettung", "Training"),
                                 QT_TRANSLATE_NOOP("Laufrettung", "Quali"),
                                 QT_TRANSLATE_NOOP("Laufrettung", "Rennen")};

QString gezeigteArt(const QString& art) {
    for (const char* a : laufArten)
        if (art == QLatin1String(a)) return QCoreApplication::translate("Laufrettung", a);
    return art;
}
}  // namespace

QString Laufrettung::ohneKopie() {
    return QStringLiteral(
        "not exists (select 1 from histrennen h where h.lfdnr = a.lfdnr and h.Bahn = a.Bahn "
        "and h.Runde = a.Runde and h.Uhr = a.Uhr)");
}

QString Laufrettung::kopieInHistorie() {
    return QStringLiteral(
               "insert into histrennen (%1) select %1 from aktrennen a where %2 order by lfdnr")
        .arg(QStringLiteral("lfdnr, Fahrer, Auto, Strecke, Runde, Zeit, Gesamt, MProSec, Uhr, "
                            "RennInfo, Bahn, RennName, RennArt"),
             ohneKopie());
}

std::optional<Laufrettung::Befund> Laufrettung::finde(QString* fehler) {
    const QString bedingung = ohneKopie();
    const int runden =
        m_db.wert(QStringLiteral("select count(*) from aktrennen a where ") + bedingung).toInt();
    if (m_db.letzteFehlerNr() != 0) {
        if (fehler) *fehler = m_db.letzterFehler();
        return std::nullopt;
    }
    if (runden == 0) return std::nullopt;
    Befund b;
    b.runden = runden;
    b.bahnen = m_db.wert(QStringLiteral("select count(distinct Bahn) from aktrennen a where ") +
                         bedingung)
                   .toInt();
    const QString erste = QStringLiteral(" from aktrennen a where ") + bedingung +
                          QStringLiteral(" order by lfdnr limit 1");
    b.rennName = m_db.wert(QStringLiteral("select RennName") + erste).toString();
    b.rennArt = m_db.wert(QStringLiteral("select RennArt") + erste).toString();
    // The stamp the run wrote when its first laps were stored; a file from before that knew
    // no stamp gets the time of its last change.
    b.stempel = m_db.wert(QStringLiteral("select stempel from laufstand where id = 1")).toString();
    if (b.stempel.isEmpty() || b.stempel == QLatin1String("0")) {
        QFileInfo wal(m_db.pfad() + QStringLiteral("-wal"));
        const QDateTime zeit =
            wal.exists() ? wal.lastModified() : QFileInfo(m_db.pfad()).lastModified();
        b.stempel = (zeit.isValid() ? zeit : QDateTime::currentDateTime())
                        .toString(QStringLiteral("yyyy.MM.dd HH:mm:ss"));
    }
    return b;
}

bool Laufrettung::uebernimm(const Befund& befund, bool abgebrochen, QString* fehler) {
    if (!m_db.execute(QStringLiteral("SAVEPOINT rettung"), {}, fehler)) return false;
    bool ok = m_db.execute(kopieInHistorie(), {}, fehler);
    if (ok && abgebrochen) {
        ok = m_db.execute(QStringLiteral(
                              "update histrennen set RennInfo = trim(coalesce(RennInfo, '') || "
                              "' abgebrochen') where id in (select max(id) from histrennen where "
                              "rennzeit = '0' group by Bahn)"),
                          {}, fehler);
    }
    ok = ok &&
         m_db.execute(QStringLiteral("update histrennen set rennzeit = ? where rennzeit = '0'"),
                      {befund.stempel}, fehler) &&
         m_db.execute(QStringLiteral("RELEASE rettung"), {}, fehler);
    if (ok) return true;
    const QString text = m_db.letzterFehler();
    m_db.execute(QStringLiteral("ROLLBACK TO rettung"));
    m_db.execute(QStringLiteral("RELEASE rettung"));
    if (fehler) *fehler = text;
    return false;
}

QString Laufrettung::meldung(const Befund& b) {
    // One lap is on one lane only.
    const char* text =
        b.runden == 1
            ? QT_TRANSLATE_NOOP("Laufrettung",
                                "Der Lauf „%1“ (%2) vom %3 wurde nicht beendet. %4 Runde wurde "
                                "gefunden und in die Historie übernommen; sie ist als "
                                "„abgebrochen“ markiert.")
        : b.bahnen == 1
            ? QT_TRANSLATE_NOOP("Laufrettung",
                                "Der Lauf „%1“ (%2) vom %3 wurde nicht beendet. %4 Runden einer "
                                "Bahn wurden gefunden und in die Historie übernommen; die letzte "
                                "ist als „abgebrochen“ markiert.")
            : QT_TRANSLATE_NOOP("Laufrettung",
                                "Der Lauf „%1“ (%2) vom %3 wurde nicht beendet. %4 Runden von "
                                "%5 Bahnen wurden gefunden und in die Historie übernommen; die "
                                "letzte Runde jeder Bahn ist als „abgebrochen“ markiert.");
    QString t = QCoreApplication::translate("Laufrettung", text)
                    .arg(b.rennName, gezeigteArt(b.rennArt), b.stempel)
                    .arg(b.runden);
    if (b.runden != 1 && b.bahnen != 1) t = t.arg(b.bahnen);
    return t;
}
