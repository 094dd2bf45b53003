#include "Ergebnisdateien.h"

#include <QStringList>

#include "Ausgabepfad.h"
#include "Formate.h"

namespace {

QString mitPunkt(QString text) { return text.replace(QLatin1Char(','), QLatin1Char('.')); }

// Unicode code points of the bytes 0x80..0x9F; 0 where Windows-1252 leaves the byte unused.
constexpr char16_t steuerbereich[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char zeichen1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return char(c);
    for (int i = 0; i < 32; ++i) {
        if (steuerbereich[i] != 0 && steuerbereich[i] == c) return char(0x80 + i);
    }
    return '?';
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

QString Ergebnisdateien::zeile(const ErgebnisZeile& z) {
    const QStringList felder = {normalisiereName(z.fahrer),
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
    return felder.join(QLatin1Char('\t')) + QStringLiteral("\r\n");
}

QString Ergebnisdateien::kopfzeile() {
    return QStringLiteral(
        "Fahrer\tAuto\tStrecke\tRunde\tUhr\tZeit\tRennZeit\tGesamt\tRennInfo\t"
        "Bahn\tRennName\tRennArt\r\n");
}

QByteArray Ergebnisdateien::windows1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (char32_t c : text.toUcs4()) bytes.append(zeichen1252(c));
    return bytes;
}

QString Ergebnisdateien::lreName(const QString& ltfPfad, int bahn, int runde) {
    return Ausgabepfad::praefix(ltfPfad) + QString::number(bahn) + QLatin1Char('_') +
           QString::number(runde) + QStringLiteral(".lre");
}

QString Ergebnisdateien::lrfName(const QString& ltfPfad, const QString& rennName) {
    return Ausgabepfad::praefix(ltfPfad) + rennName + QStringLiteral(".lrf");
}

bool Ergebnisdateien::schreibeLre(const QString& ltfPfad, const ErgebnisZeile& z, QString* fehler) {
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

bool LrfDatei::schreibe(const ErgebnisZeile& z) {
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
