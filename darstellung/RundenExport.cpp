#include "darstellung/RundenExport.h"

#include <QFile>
#include <QHash>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <algorithm>

#include "engine/Rundenvermerk.h"

QStringList RundenDaten::standardSpalten() {
    return {QStringLiteral("Fahrer"),  QStringLiteral("Auto"),    QStringLiteral("Strecke"),
            QStringLiteral("Runde"),   QStringLiteral("Uhr"),     QStringLiteral("MProSec"),
            QStringLiteral("Zeit"),    QStringLiteral("Gesamt"),  QStringLiteral("RennInfo")};
}

int RundenDaten::spalte(const QString& name) const {
    return spalten.indexOf(name);
}

QVector<RundenDaten::Stand> RundenDaten::rangliste() const {
    const int f = spalte(QStringLiteral("Fahrer")), a = spalte(QStringLiteral("Auto")),
              r = spalte(QStringLiteral("Runde")), z = spalte(QStringLiteral("Zeit")),
              g = spalte(QStringLiteral("Gesamt")), info = spalte(QStringLiteral("RennInfo"));
    QVector<Stand> stand;
    QHash<QString, int> platz;
    for (const auto& zeile : zeilen) {
        // A lap the race director took back counts nowhere; one he added is never the best.
        const QString vermerk = zeile.value(info).toString();
        if (vermerk.contains(QLatin1String("K-"))) continue;
        const QString name = zeile.value(f).toString();
        auto it = platz.find(name);
        if (it == platz.end()) {
            it = platz.insert(name, int(stand.size()));
            stand.append(Stand{name, zeile.value(a).toString()});
        }
        Stand& s = stand[*it];
        s.runden = std::max(s.runden, zeile.value(r).toInt());
        const double zeit = zeile.value(z).toDouble();
        if (zeit > 0 && !Rundenvermerk::keineBestzeit(vermerk) && (s.beste == 0 || zeit < s.beste))
            s.beste = zeit;
        s.gesamt = std::max(s.gesamt, zeile.value(g).toDouble());
    }
    std::stable_sort(stand.begin(), stand.end(), [](const Stand& x, const Stand& y) {
        return x.runden != y.runden ? x.runden > y.runden : x.gesamt < y.gesamt;
    });
    return stand;
}

namespace {

QString alsText(const QVariant& w, const QLocale& sprache) {
    if (w.isNull()) return QString();
    if (w.typeId() == QMetaType::Double) return sprache.toString(w.toDouble(), 'f', 3);
    return w.toString();
}

QString csvFeld(const QString& t, QChar trenner) {
    if (!t.contains(trenner) && !t.contains(QLatin1Char('"')) && !t.contains(QLatin1Char('\n')) &&
        !t.contains(QLatin1Char('\r')))
        return t;
    QString q = t;
    q.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

}  // namespace

QChar RundenExport::csvTrenner(const QLocale& sprache) {
    // Where the comma is the decimal sign, spreadsheets expect ";" between the fields.
    return sprache.decimalPoint() == QLatin1String(",") ? QLatin1Char(';') : QLatin1Char(',');
}

QString RundenExport::csvZeile(const QStringList& felder, QChar trenner) {
    QStringList f;
    for (const QString& t : felder) f << csvFeld(t, trenner);
    return f.join(trenner) + QStringLiteral("\r\n");
}

bool RundenExport::schreibeText(const QString& text, const QString& pfad, QString* fehler) {
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) {
        if (fehler) *fehler = datei.errorString();
        return false;
    }
    datei.write("\xEF\xBB\xBF");  // the BOM tells spreadsheets that this is UTF-8
    datei.write(text.toUtf8());
    if (!datei.commit()) {
        if (fehler) *fehler = datei.errorString();
        return false;
    }
    return true;
}

bool RundenExport::schreibeCsv(const RundenDaten& d, const QString& pfad, const QLocale& sprache,
                               QString* fehler) {
    const QChar trenner = csvTrenner(sprache);
    QString text = csvZeile(d.spalten, trenner);
    for (const auto& zeile : d.zeilen) {
        QStringList felder;
        for (const QVariant& w : zeile) felder << alsText(w, sprache);
        text += csvZeile(felder, trenner);
    }
    return schreibeText(text, pfad, fehler);
}

QString RundenExport::html(const RundenDaten& d, const QLocale& sprache) {
    QString h = QStringLiteral(
        "<html><body style=\"font-family: sans-serif;\"><p>Rundentabelle</p><h2>%1</h2>"
        "<h3>Stand</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">"
        "<thead><tr><th>Platz</th><th>Fahrer</th><th>Auto</th><th>Runden</th>"
        "<th>Beste Runde</th><th>Gesamt</th></tr></thead>")
                    .arg(d.titel.toHtmlEscaped());
    int platz = 0;
    for (const RundenDaten::Stand& s : d.rangliste()) {
        h += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td align=\"right\">%4</td>"
                            "<td align=\"right\">%5</td><td align=\"right\">%6</td></tr>")
                 .arg(++platz)
                 .arg(s.fahrer.toHtmlEscaped(), s.autoName.toHtmlEscaped())
                 .arg(s.runden)
                 .arg(sprache.toString(s.beste, 'f', 3), sprache.toString(s.gesamt, 'f', 3));
    }
    // The header row of a table in <thead> is printed again at the top of every page.
    h += QStringLiteral("</table><h3>Alle Runden</h3>"
                        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><thead><tr>");
    for (const QString& s : d.spalten) h += QStringLiteral("<th>%1</th>").arg(s.toHtmlEscaped());
    h += QStringLiteral("</tr></thead>");
    for (const auto& zeile : d.zeilen) {
        h += QStringLiteral("<tr>");
        for (const QVariant& w : zeile)
            h += QStringLiteral("<td>%1</td>").arg(alsText(w, sprache).toHtmlEscaped());
        h += QStringLiteral("</tr>");
    }
    return h + QStringLiteral("</table></body></html>");
}

bool RundenExport::schreibePdf(const RundenDaten& d, const QString& pfad, const QLocale& sprache,
                               QString* fehler) {
    return druckePdf(html(d, sprache), d.titel, pfad, fehler);
}

bool RundenExport::druckePdf(const QString& html, const QString& titel, const QString& pfad,
                             QString* fehler) {
    {
        QFile probe(pfad);
        if (!probe.open(QIODevice::WriteOnly)) {
            if (fehler) *fehler = probe.errorString();
            return false;
        }
    }
    QPdfWriter pdf(pfad);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(300);
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    pdf.setTitle(titel);
    pdf.setCreator(QStringLiteral("Pistorelle"));
    QTextDocument dok;
    dok.setHtml(html);
    dok.print(&pdf);
    return true;
}
