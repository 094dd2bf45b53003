#include "tournament/TurnierBericht.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlRecord>
#include <QStandardPaths>

#include "config/Ausgabepfad.h"
#include "config/Formate.h"
#include "engine/Ergebnisdateien.h"
#include "tournament/TurnierDaten.h"

namespace {

const QString zeitMuster = QStringLiteral("#,###0,000");

QString zelle(const QString& wert) {
    return QStringLiteral("<td>") + TurnierBericht::html(wert) + QStringLiteral("</td>");
}

// Numbers as stored: whole values without a fraction, null as empty.
QString roh(const QVariant& v) {
    if (v.isNull()) return QString();
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (ok && v.typeId() != QMetaType::QString) return QString::number(d, 'g', 15);
    return v.toString();
}

void tabellenKopf(QStringList& z, int spalten, const QString& titel, const QStringList& koepfe) {
    z << QStringLiteral("<table cellpadding=1; cellspacing=1; >");
    z << QStringLiteral("<tr><th colspan= %1 ><b>%2</b></th></tr>").arg(spalten).arg(titel);
    z << QStringLiteral("<tr>");
    for (const QString& k : koepfe) z << k;
    z << QStringLiteral("</tr>");
}

void leerzeile(QStringList& z, const QString& inhalt) {
    z << QStringLiteral("<tr>");
    for (int i = 0; i < 8; ++i) z << QStringLiteral("<td>") + inhalt + QStringLiteral("</td>");
    z << QStringLiteral("</tr>");
}

}  // namespace

QString TurnierBericht::html(const QString& text) {
    QString s = text;
    s.replace(QLatin1Char('&'), QStringLiteral("&amp;"));
    s.replace(QLatin1Char('<'), QStringLiteral("&lt;"));
    s.replace(QLatin1Char('>'), QStringLiteral("&gt;"));
    s.replace(QLatin1Char('"'), QStringLiteral("&quot;"));
    return s;
}

QString TurnierBericht::sichererName(const QString& name) {
    static const QRegularExpression verboten(QStringLiteral("[/\\\\:*?\"<>|]"));
    QString s = name;
    return s.replace(verboten, QStringLiteral("_"));
}

QString TurnierBericht::ausgabePraefix(const QString& ltfPfad) {
    QString praefix = Ausgabepfad::praefix(ltfPfad);
    if (praefix.isEmpty()) {
        // No output folder: the documents folder rather than wherever the program was started.
        QString ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (ordner.isEmpty() || !QDir(ordner).exists()) ordner = QDir::homePath();
        praefix = ordner + QLatin1Char('/');
    }
    return praefix;
}

QString TurnierBericht::dateiName(const QString& ltfPfad, const SlotRennen& rennen) {
    const QString name = sichererName(rennen.RennSerie + QLatin1Char('-') + rennen.RennName);
    // The browser needs the whole path.
    return QFileInfo(ausgabePraefix(ltfPfad) + name + QStringLiteral(".htm")).absoluteFilePath();
}

QStringList TurnierBericht::kopf(const QString& titel) {
    QStringList z;
    z << QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"");
    z << QStringLiteral("       \"http://www.w3.org/TR/html4/loose.dtd\">");
    z << QStringLiteral("<!-- Kopfdaten -->");
    z << QStringLiteral("<html><head><title>") + titel + QStringLiteral("</title>");
    z << QStringLiteral(
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">");
    z << QStringLiteral("<style type=\"text/css\">") << QStringLiteral("<!--");
    z << QStringLiteral("body { color:#000000; font-size:8pt; font-family:Tahoma; }");
    z << QStringLiteral(
        "table { font-family:Tahoma; font-size:12pt; background-color:#EEEEEE; "
        "border:0px; text-align:center; border-collapse:collapse; }");
    z << QStringLiteral(
        "td { font-family:Tahoma; font-size:8pt; background-color:#EEEEEE; "
        "border:1px solid black; text-align:right; border-collapse:collapse;}");
    z << QStringLiteral(
        "th { font-family:Tahoma; font-size:14pt; font-weight:bold; "
        "background-color:#B0B0B0; border:1px solid black; text-align:center; "
        "border-collapse:collapse; }");
    z << QStringLiteral(
        ".br { text-align:right; font-family:Verdana; font-size:6pt; "
        "color:silver; }");
    z << QStringLiteral("-->") << QStringLiteral("</style></head>")
      << QStringLiteral("<body><center>");
    return z;
}

QStringList TurnierBericht::zeilen(TurnierDaten& daten, const SlotRennen& r) {
    const QString k = r.schluessel();
    QStringList z;
    z << kopf(QStringLiteral("Pistorelle Renndatenausgabe - ") + html(k));
    z << QStringLiteral("<h2>Pistorelle Slot Rennen</h2>");
    z << QStringLiteral("<h3>Rennserie: ") + html(r.RennSerie) + QStringLiteral(" - ") +
             html(r.RennName) + QStringLiteral("</h3>");
    z << QStringLiteral("<h3>Datum: ") + html(r.Renndatum) + QStringLiteral("  Strecke: ") +
             html(r.Strecke) + QStringLiteral("</h3>");
    z << QStringLiteral("<body><center>");

    tabellenKopf(z, 7, QStringLiteral("Wertung"),
                 {QStringLiteral("<td><b>Platz</b></td>"), QStringLiteral("<td><b>Fahrer</b></td>"),
                  QStringLiteral("<td><b>Auto</b></td>"), QStringLiteral("<td><b>Gruppe</b></td>"),
                  QStringLiteral("<td><b>Runden</b></td>"), QStringLiteral("<td><b>Zeit</b></td>"),
                  QStringLiteral("<td><b>Schnellste Runde</b></td>")});
    int platz = 1;
    for (const QSqlRecord& w : daten.wertung(k)) {
        const QString fahrer = w.value(0).toString();
        const QString autoName = w.value(1).toString();
        z << QStringLiteral("<tr>    ");
        z << zelle(Formate::Format(platz, QStringLiteral("00"))) << zelle(fahrer) << zelle(autoName)
          << zelle(roh(w.value(2))) << zelle(roh(w.value(3)))
          << zelle(Formate::Format(w.value(4).toDouble(), zeitMuster))
          << zelle(daten.GetSchnellsteRunde(k, fahrer, autoName));
        z << QStringLiteral("</tr>");
        ++platz;
    }
    z << QStringLiteral("</table><br><br>");

    tabellenKopf(
        z, 7, QStringLiteral("Qualifikation"),
        {QStringLiteral("<td><b>Fahrer</b></td>"), QStringLiteral("<td><b>Auto</b></td>"),
         QStringLiteral("<td><b>Runden</b></td>"), QStringLiteral("<td><b>Schnellste</b></td>"),
         QStringLiteral("<td><b>Zeit</b></td>"), QStringLiteral("<td><b>Gruppe</b></td>")});
    for (const auto& t : daten.teilnehmer(k, TurnierDaten::Sortierung::Quali)) {
        z << QStringLiteral("<tr>    ");
        z << zelle(t.fahrer) << zelle(t.autoName) << zelle(roh(t.qualiR)) << zelle(roh(t.qualiSR))
          << zelle(roh(t.qualiZ)) << zelle(QString::number(t.gruppe));
        z << QStringLiteral("</tr>");
    }
    z << QStringLiteral("</table><br><br>");
    z << QStringLiteral("<p style=\"page-break-before:always\"></p>");

    tabellenKopf(
        z, 10, QStringLiteral("Rennlaeufe"),
        {QStringLiteral("<td><b>Fahrer</b></td>"), QStringLiteral("<td><b>Auto</b></td>"),
         QStringLiteral("<td><b>Gruppe</b></td>"), QStringLiteral("<td><b>Lauf</b></td>"),
         QStringLiteral("<td><b>Spur</b></td>"), QStringLiteral("<td><b>Runden</b></td>"),
         QStringLiteral("<td><b>Zeit</b></td>"), QStringLiteral("<td><b>Durchschnitt</b></td>")});
    leerzeile(z, QStringLiteral(" "));
    int g = 1;
    int h = 0;
    for (const QSqlRecord& l : daten.laeufe(k)) {
        const int gruppe = l.value(1).toInt();
        const int lauf = l.value(2).toInt();
        const int spur = l.value(3).toInt();
        const int runden = l.value(6).toInt();
        const double zeit = l.value(7).toDouble();
        if (lauf > h) {
            h = lauf;
            leerzeile(z, QStringLiteral(" "));
        }
        if (gruppe != g) {
            ++g;
            h = 1;
            leerzeile(z, QStringLiteral(" "));
            leerzeile(z, QStringLiteral("-"));
            leerzeile(z, QStringLiteral(" "));
        }
        // Heats not driven yet and the free lanes' placeholders are no results.
        if (spur <= 0 || runden <= 0 || l.value(4).toString() == TurnierDaten::platzhalter())
            continue;
        z << QStringLiteral("<tr>    ");
        z << zelle(l.value(4).toString()) << zelle(l.value(5).toString())
          << zelle(QString::number(gruppe)) << zelle(QString::number(lauf))
          << zelle(QString::number(spur)) << zelle(QString::number(runden))
          << zelle(Formate::Format(zeit, zeitMuster))
          << zelle(Formate::Format(zeit / runden, zeitMuster));
        z << QStringLiteral("</tr>");
    }
    leerzeile(z, QStringLiteral(" "));
    leerzeile(z, QStringLiteral(" "));
    z << QStringLiteral("</table>") << QStringLiteral("</body>") << QStringLiteral("</html>");
    return z;
}

bool TurnierBericht::schreibeSeite(const QString& pfad, const QStringList& zeilen,
                                   QString* fehler) {
    QFile datei(pfad);
    const QByteArray inhalt =
        Ergebnisdateien::windows1252(zeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        datei.write(inhalt) != inhalt.size() || !datei.flush()) {
        if (fehler) *fehler = pfad + QStringLiteral(": ") + datei.errorString();
        return false;
    }
    return true;
}

QString TurnierBericht::schreibe(TurnierDaten& daten, const SlotRennen& rennen,
                                 const QString& ltfPfad, QString* fehler) {
    const QString pfad = dateiName(ltfPfad, rennen);
    return schreibeSeite(pfad, zeilen(daten, rennen), fehler) ? pfad : QString();
}
