#include "darstellung/StatistikExport.h"

#include <QStringList>
#include <QVector>

#include "darstellung/RundenExport.h"

namespace {

using Tabelle = QVector<QStringList>;  // the header row first

QString tag(const QDate& d) { return d.isValid() ? d.toString(Qt::ISODate) : QString(); }

QString zeit(double s, const QLocale& sprache) {
    return s > 0 ? sprache.toString(s, 'f', 3) : QString();
}

QString oderAlle(const QString& t) { return t.isEmpty() ? QStringLiteral("Alle") : t; }

// The four tables of the file, in their order.
QVector<Tabelle> tabellen(const Fahrerstatistik::Auswahl& a, const Fahrerstatistik::Ergebnis& e,
                          const QLocale& sprache) {
    Tabelle kopf{{QStringLiteral("Fahrer"), QStringLiteral("Auto"), QStringLiteral("Strecke"),
                  QStringLiteral("Runden gesamt")},
                 {a.fahrer, oderAlle(a.autoName), oderAlle(a.strecke), QString::number(e.runden)}};
    Tabelle beste{{QStringLiteral("Strecke"), QStringLiteral("Auto"), QStringLiteral("Bestrunde"),
                   QStringLiteral("Datum")}};
    for (const auto& b : e.bestrunden)
        beste << QStringList{b.strecke, b.autoName, zeit(b.zeit, sprache), tag(b.tag)};
    Tabelle abende{{QStringLiteral("Abend"), QStringLiteral("Runden"), QStringLiteral("Bestrunde"),
                    QStringLiteral("Schnitt"), QStringLiteral("Streuung")}};
    for (const auto& x : e.abende)
        abende << QStringList{tag(x.tag), QString::number(x.runden), zeit(x.beste, sprache),
                              zeit(x.schnitt, sprache), sprache.toString(x.streuung, 'f', 3)};
    Tabelle plaetze{{QStringLiteral("Serie"), QStringLiteral("Turnier"), QStringLiteral("Strecke"),
                     QStringLiteral("Datum"), QStringLiteral("Auto"), QStringLiteral("Platz"),
                     QStringLiteral("Teilnehmer")}};
    for (const auto& p : e.plaetze)
        plaetze << QStringList{p.serie,
                               p.turnier,
                               p.strecke,
                               p.datum,
                               p.autoName,
                               QString::number(p.platz),
                               QString::number(p.teilnehmer)};
    return {kopf, beste, abende, plaetze};
}

}  // namespace

QString StatistikExport::csv(const Fahrerstatistik::Auswahl& a, const Fahrerstatistik::Ergebnis& e,
                             const QLocale& sprache) {
    const QChar trenner = RundenExport::csvTrenner(sprache);
    QString text;
    for (const Tabelle& t : tabellen(a, e, sprache)) {
        if (!text.isEmpty()) text += QStringLiteral("\r\n");
        for (const QStringList& zeile : t) text += RundenExport::csvZeile(zeile, trenner);
    }
    return text;
}

QString StatistikExport::html(const Fahrerstatistik::Auswahl& a, const Fahrerstatistik::Ergebnis& e,
                              const QLocale& sprache) {
    static const char* const titel[] = {"", "Bestrunden", "Abende", "Turniere"};
    QString h = QStringLiteral(
                    "<html><body style=\"font-family: sans-serif;\"><p>Statistik</p>"
                    "<h2>%1</h2>")
                    .arg(a.fahrer.toHtmlEscaped());
    const QVector<Tabelle> alle = tabellen(a, e, sprache);
    for (int i = 0; i < alle.size(); ++i) {
        if (*titel[i]) h += QStringLiteral("<h3>%1</h3>").arg(QLatin1String(titel[i]));
        // The header row in <thead> is printed again at the top of every page.
        h += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><thead><tr>");
        for (const QString& s : alle[i].first())
            h += QStringLiteral("<th>%1</th>").arg(s.toHtmlEscaped());
        h += QStringLiteral("</tr></thead>");
        for (int z = 1; z < alle[i].size(); ++z) {
            h += QStringLiteral("<tr>");
            for (const QString& s : alle[i][z])
                h += QStringLiteral("<td>%1</td>").arg(s.toHtmlEscaped());
            h += QStringLiteral("</tr>");
        }
        h += QStringLiteral("</table>");
    }
    return h + QStringLiteral("</body></html>");
}

bool StatistikExport::schreibeCsv(const Fahrerstatistik::Auswahl& a,
                                  const Fahrerstatistik::Ergebnis& e, const QString& pfad,
                                  const QLocale& sprache, QString* fehler) {
    return RundenExport::schreibeText(csv(a, e, sprache), pfad, fehler);
}

bool StatistikExport::schreibePdf(const Fahrerstatistik::Auswahl& a,
                                  const Fahrerstatistik::Ergebnis& e, const QString& pfad,
                                  const QLocale& sprache, QString* fehler) {
    return RundenExport::druckePdf(html(a, e, sprache), QStringLiteral("Statistik ") + a.fahrer,
                                   pfad, fehler);
}
