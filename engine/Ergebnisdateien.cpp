#include "engine/Ergebnisdateien.h"

#include <QStringList>

#include "config/Ausgabepfad.h"
#include "config/Formate.h"
#include "config/Windows1252.h"

namespace {

QString mitPunkt(QString text) { return text.replace(QLatin1Char(','), QLatin1Char('.')); }

// A TAB, CR or LF inside a value would split the row for the display reading it; so would the
// other control characters and the Unicode line separators some readers honour.
QString einzeilig(QString text) {
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    return text;
}

}  // namespace

QString Ergebnisdateien::normalisiereName(const QString& name) {
    QString n = name.toLower();
    n.remove(QLatin1Char(' '));
    n.replace(QStringLiteral("ä"), QStringLiteral("ae"));
    n.replace(QStringLiteral("ö"), QStringLiteral("oe"));
    n.replace(QStringLiteral("ü"), QStringLiteral("ue"));
    n.replace(QStringLiteral("ß"), QStringLiteral("ss"));
    if (!n.isEmpty()) n[0] = n[0].toUpper();
    return n;
}

QString Ergebnisdateien::rennZeit(const QString& stempel) {
    return stempel.mid(8, 2) + QLatin1Char('.') + stempel.mid(5, 2) + QLatin1Char('.') +
           stempel.mid(0, 4) + QLatin1Char(' ') + stempel.mid(11, 8);
}

QString Ergebnisdateien::zeile(const ErgebnisDateiZeile& z) {
    QStringList felder = {normalisiereName(z.fahrer),
                          z.autoName,
                          z.strecke,
                          QString::number(z.runde),
                          z.uhr,
                          mitPunkt(z.zeit),
                          rennZeit(z.stempel),
                          mitPunkt(Formate::Format(z.gesamt, QStringLiteral("#####.000"))),
                          QLatin1Char('-') + z.rennInfo,
                          QString::number(z.bahn),
                          z.rennName,
                          z.rennArt};
    for (QString& f : felder) f = einzeilig(f);
    return felder.join(QLatin1Char('\t')) + QStringLiteral("\r\n");
}

QString Ergebnisdateien::kopfzeile() {
    return QStringLiteral(
        "Fahrer\tAuto\tStrecke\tRunde\tUhr\tZeit\tRennZeit\tGesamt\tRennInfo\t"
        "Bahn\tRennName\tRennArt\r\n");
}

QByteArray Ergebnisdateien::windows1252(const QString& text) { return Windows1252::kodiere(text); }

QString Ergebnisdateien::lreName(const QString& ltfPfad, int bahn, int runde) {
    return Ausgabepfad::praefix(ltfPfad) + QString::number(bahn) + QLatin1Char('_') +
           QString::number(runde) + QStringLiteral(".lre");
}

// The race name as a file name inside the output folder: no path separators, no drive colon,
// no "..", no control characters, and no dot or blank at either end (a hidden file, or one
// Windows cannot create).
QString Ergebnisdateien::dateiName(const QString& rennName) {
    QString n;
    for (const QChar c : rennName)
        if (c != QLatin1Char('/') && c != QLatin1Char('\\') && c != QLatin1Char(':') &&
            c.category() != QChar::Other_Control)
            n.append(c);
    while (n.contains(QLatin1String(".."))) n.replace(QLatin1String(".."), QLatin1String("."));
    const auto rand = [](QChar c) { return c == QLatin1Char('.') || c.isSpace(); };
    while (!n.isEmpty() && rand(n.front())) n.remove(0, 1);
    while (!n.isEmpty() && rand(n.back())) n.chop(1);
    return n.isEmpty() ? QStringLiteral("Rennen") : n;
}

QString Ergebnisdateien::lrfName(const QString& ltfPfad, const QString& rennName) {
    return Ausgabepfad::praefix(ltfPfad) + dateiName(rennName) + QStringLiteral(".lrf");
}

bool Ergebnisdateien::schreibeLre(const QString& ltfPfad, const ErgebnisDateiZeile& z, QString* fehler) {
    QFile datei(lreName(ltfPfad, z.bahn, z.runde));
    const QByteArray inhalt = windows1252(zeile(z));
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        datei.write(inhalt) != inhalt.size() || !datei.flush()) {
        if (fehler) *fehler = datei.errorString();
        return false;
    }
    return true;
}

bool LrfDatei::oeffne(const QString& datei) {
    m_datei.setFileName(datei);
    const bool neu = !m_datei.exists();
    if (!m_datei.open(QIODevice::WriteOnly | QIODevice::Append)) return fehler();
    if (neu && m_datei.write(Ergebnisdateien::windows1252(Ergebnisdateien::kopfzeile())) < 0)
        return fehler();
    return true;
}

bool LrfDatei::schreibe(const ErgebnisDateiZeile& z) {
    const QByteArray inhalt = Ergebnisdateien::windows1252(Ergebnisdateien::zeile(z));
    return m_datei.write(inhalt) == inhalt.size() || fehler();
}

bool LrfDatei::schliesse() {
    if (!m_datei.isOpen()) return true;
    const bool ok = m_datei.flush();
    if (!ok) fehler();
    m_datei.close();
    return ok;
}

bool LrfDatei::fehler() {
    m_fehlerNr = int(m_datei.error());
    m_fehlerText = m_datei.errorString();
    return false;
}
