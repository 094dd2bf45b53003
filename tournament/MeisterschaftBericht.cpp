#include "tournament/MeisterschaftBericht.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "tournament/TurnierBericht.h"

namespace {

QString tr(const char* text) { return QCoreApplication::translate("MeisterschaftBericht", text); }

QString zelle(const QString& wert) {
    return QStringLiteral("<td>") + TurnierBericht::html(wert) + QStringLiteral("</td>");
}

QString kopfZelle(const QString& wert) {
    return QStringLiteral("<td><b>") + TurnierBericht::html(wert) + QStringLiteral("</b></td>");
}

QString regelText(const Meisterschaft::Regeln& r) {
    QStringList punkte;
    for (int p : r.punkte) punkte << QString::number(p);
    QString text = QCoreApplication::translate("MeisterschaftBericht", "Punkte je Platz: %1")
                       .arg(punkte.isEmpty() ? QStringLiteral("-") : punkte.join(QLatin1Char(',')));
    if (r.bonusSchnellsteRunde != 0)
        text += QStringLiteral("; ") +
                QCoreApplication::translate("MeisterschaftBericht", "schnellste Runde: %1")
                    .arg(QString::number(r.bonusSchnellsteRunde));
    if (r.streichergebnisse > 0)
        text += QStringLiteral("; ") +
                QCoreApplication::translate("MeisterschaftBericht", "Streichergebnisse: %1")
                    .arg(QString::number(r.streichergebnisse));
    return text;
}

}  // namespace

QString MeisterschaftBericht::ergebnisText(const std::optional<Meisterschaft::Ergebnis>& e) {
    if (!e) return QString();
    QString text = QString::number(e->punkte);
    if (e->schnellsteRunde) text += QLatin1Char('*');
    return e->gestrichen ? QLatin1Char('(') + text + QLatin1Char(')') : text;
}

QStringList MeisterschaftBericht::zeilen(const Meisterschaft::Stand& s,
                                         const Meisterschaft::Regeln& regeln) {
    QStringList z;
    z << TurnierBericht::kopf(QStringLiteral("Pistorelle ") +
                              TurnierBericht::html(tr("Meisterschaft")) + QStringLiteral(" - ") +
                              TurnierBericht::html(s.serie));
    z << QStringLiteral("<h2>Pistorelle ") + TurnierBericht::html(tr("Meisterschaft")) +
             QStringLiteral("</h2>");
    z << QStringLiteral("<h3>") + TurnierBericht::html(tr("Rennserie: %1").arg(s.serie)) +
             QStringLiteral("</h3>");
    z << QStringLiteral("<p>") + TurnierBericht::html(regelText(regeln)) + QStringLiteral("</p>");

    const int spalten = 5 + int(s.rennen.size());
    z << QStringLiteral("<table cellpadding=1; cellspacing=1; >");
    z << QStringLiteral("<tr><th colspan= %1 ><b>%2</b></th></tr>")
             .arg(spalten)
             .arg(TurnierBericht::html(tr("Wertung")));
    z << QStringLiteral("<tr>");
    z << kopfZelle(tr("Platz")) << kopfZelle(tr("Fahrer")) << kopfZelle(tr("Punkte"))
      << kopfZelle(tr("Starts")) << kopfZelle(tr("Siege"));
    for (const QString& rennen : s.rennen) z << kopfZelle(rennen);
    z << QStringLiteral("</tr>");
    for (const Meisterschaft::Zeile& zeile : s.zeilen) {
        z << QStringLiteral("<tr>    ");
        z << zelle(QString::number(zeile.platz)) << zelle(zeile.fahrer)
          << zelle(QString::number(zeile.punkte)) << zelle(QString::number(zeile.starts))
          << zelle(QString::number(zeile.siege));
        for (const auto& e : zeile.ergebnisse) z << zelle(ergebnisText(e));
        z << QStringLiteral("</tr>");
    }
    z << QStringLiteral("</table>");
    z << QStringLiteral("<p>") +
             TurnierBericht::html(tr("* schnellste Runde, ( ) Streichergebnis")) +
             QStringLiteral("</p>");
    z << QStringLiteral("</center></body>") << QStringLiteral("</html>");
    return z;
}

QString MeisterschaftBericht::dateiName(const QString& ltfPfad, const QString& serie,
                                        const QString& endung) {
    const QString name = TurnierBericht::sichererName(QStringLiteral("Meisterschaft-") + serie);
    return QFileInfo(TurnierBericht::ausgabePraefix(ltfPfad) + name + endung).absoluteFilePath();
}

QString MeisterschaftBericht::schreibe(const Meisterschaft::Stand& stand,
                                       const Meisterschaft::Regeln& regeln, const QString& ltfPfad,
                                       QString* fehler) {
    const QString pfad = dateiName(ltfPfad, stand.serie, QStringLiteral(".htm"));
    return TurnierBericht::schreibeSeite(pfad, zeilen(stand, regeln), fehler) ? pfad : QString();
}
