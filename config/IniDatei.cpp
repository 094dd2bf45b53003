#include "config/IniDatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "config/Windows1252.h"

namespace {

// A CR counts as blank: the last line of a file may end in CR without LF.
bool istLeer(char c) { return c == ' ' || c == '\t' || c == '\r'; }

QByteArray beschnitten(const QByteArray& b) {
    qsizetype a = 0, e = b.size();
    while (a < e && istLeer(b[a])) ++a;
    while (e > a && istLeer(b[e - 1])) --e;
    return b.mid(a, e - a);
}

int hexWert(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

// Key and section names: QSettings writes unusual characters as %XX or %UXXXX.
QString nameAus(const QByteArray& roh) {
    const QString text = Windows1252::dekodiereVermutet(roh);
    QString name;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('%')) {
            const bool lang = text[i + 1] == QLatin1Char('U');
            const qsizetype n = lang ? 4 : 2;
            const qsizetype ab = i + (lang ? 2 : 1);
            uint wert = 0;
            bool ok = ab + n <= text.size();
            for (qsizetype k = 0; ok && k < n; ++k) {
                const int h = hexWert(text[ab + k]);
                ok = h >= 0;
                wert = wert * 16 + uint(h);
            }
            if (ok) {
                name.append(QChar(char16_t(wert)));
                i = ab + n - 1;
                continue;
            }
        }
        name.append(text[i]);
    }
    return name;
}

#ifdef Q_OS_WIN
constexpr bool crStandard = true;
#else
constexpr bool crStandard = false;
#endif

}  // namespace

IniDatei IniDatei::lies(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) return ausInhalt(QByteArray());
    return ausInhalt(f.readAll());
}

IniDatei IniDatei::ausInhalt(const QByteArray& inhalt) {
    IniDatei d;
    d.zerlege(inhalt);
    return d;
}

void IniDatei::zerlege(const QByteArray& inhalt) {
    m_zeilen.clear();
    m_cr = crStandard;
    m_endetMitUmbruch = inhalt.isEmpty() || inhalt.endsWith('\n');
    QList<QByteArray> teile = inhalt.split('\n');
    if (m_endetMitUmbruch) teile.removeLast();
    QString abschnitt;
    for (qsizetype i = 0; i < teile.size(); ++i) {
        Zeile z;
        z.roh = teile[i];
        const bool letzteOhneUmbruch = i + 1 == teile.size() && !m_endetMitUmbruch;
        if (z.roh.endsWith('\r') && !letzteOhneUmbruch) {
            z.cr = true;
            z.roh.chop(1);
        }
        if (i == 0) m_cr = z.cr || (teile.size() == 1 && crStandard);
        ordneEin(z, abschnitt);
        m_zeilen.append(z);
    }
}

void IniDatei::ordneEin(Zeile& z, QString& abschnitt) {
    QByteArray t = z.roh;
    if (t.startsWith("\xEF\xBB\xBF")) t.remove(0, 3);
    t = beschnitten(t);
    z.schluessel.clear();
    z.gleichheitszeichen = -1;
    if (t.isEmpty() || t[0] == ';' || t[0] == '#') {
        z.abschnitt = abschnitt;
        return;
    }
    if (t[0] == '[') {
        const qsizetype ende = t.indexOf(']');
        abschnitt = nameAus(beschnitten(t.mid(1, ende < 0 ? -1 : ende - 1))).toLower();
        z.abschnitt = abschnitt;
        return;
    }
    z.abschnitt = abschnitt;
    const qsizetype gleich = z.roh.indexOf('=');
    if (gleich < 0) return;
    const QByteArray name = beschnitten(z.roh.left(gleich));
    if (name.isEmpty()) return;
    z.schluessel = nameAus(name.startsWith("\xEF\xBB\xBF") ? name.mid(3) : name).toLower();
    z.gleichheitszeichen = int(gleich);
}

QHash<QString, QString> IniDatei::werte(const QString& abschnitt) const {
    const QString ab = abschnitt.toLower();
    QHash<QString, QString> w;
    for (const Zeile& z : m_zeilen) {
        if (z.abschnitt != ab || z.schluessel.isEmpty() || w.contains(z.schluessel)) continue;
        w.insert(z.schluessel, entschluessele(z.roh.mid(z.gleichheitszeichen + 1)));
    }
    return w;
}

std::optional<QString> IniDatei::wert(const QString& abschnitt, const QString& schluessel) const {
    const QString ab = abschnitt.toLower();
    const QString k = schluessel.toLower();
    for (const Zeile& z : m_zeilen)
        if (z.abschnitt == ab && z.schluessel == k)
            return entschluessele(z.roh.mid(z.gleichheitszeichen + 1));
    return std::nullopt;
}

void IniDatei::setze(const QString& abschnitt, const QString& schluessel, const QString& wert) {
    const QString ab = abschnitt.toLower();
    const QString k = schluessel.toLower();
    const QByteArray neu = schluessel.toUtf8() + '=' + verschluessele(wert);
    // The line that is read is the one written; a later copy of the key (also in a second
    // section of the same name) is the user's line and stays as it is.
    for (Zeile& z : m_zeilen) {
        if (z.abschnitt != ab || z.schluessel != k) continue;
        const bool gleicheSchreibung =
            nameAus(beschnitten(z.roh.left(z.gleichheitszeichen))) == schluessel;
        if (gleicheSchreibung && entschluessele(z.roh.mid(z.gleichheitszeichen + 1)) == wert)
            return;
        z.roh = neu;
        z.gleichheitszeichen = int(schluessel.toUtf8().size());
        m_geaendert = true;
        return;
    }

    Zeile z;
    z.roh = neu;
    z.cr = m_cr;
    z.abschnitt = ab;
    z.schluessel = k;
    z.gleichheitszeichen = int(schluessel.toUtf8().size());
    m_geaendert = true;
    qsizetype nach = -1;
    for (qsizetype i = 0; i < m_zeilen.size(); ++i)
        if (m_zeilen[i].abschnitt == ab && !beschnitten(m_zeilen[i].roh).isEmpty()) nach = i;
    if (nach >= 0 || ab.isEmpty()) {
        m_zeilen.insert(nach + 1, z);
        if (nach + 1 == m_zeilen.size() - 1) m_endetMitUmbruch = true;
        return;
    }
    if (!m_zeilen.isEmpty() && !beschnitten(m_zeilen.last().roh).isEmpty())
        m_zeilen.append(Zeile{QByteArray(), m_cr, m_zeilen.last().abschnitt, QString(), -1});
    Zeile kopf{'[' + abschnitt.toUtf8() + ']', m_cr, ab, QString(), -1};
    m_zeilen.append(kopf);
    m_zeilen.append(z);
    m_endetMitUmbruch = true;
}

QByteArray IniDatei::inhalt() const {
    QByteArray b;
    for (qsizetype i = 0; i < m_zeilen.size(); ++i) {
        b += m_zeilen[i].roh;
        if (i + 1 < m_zeilen.size() || m_endetMitUmbruch) b += m_zeilen[i].cr ? "\r\n" : "\n";
    }
    return b;
}

bool IniDatei::schreibe(const QString& pfad, QString* fehler) {
    if (!m_geaendert) return true;
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QSaveFile f(pfad);
    const QByteArray b = inhalt();
    if (!f.open(QIODevice::WriteOnly) || f.write(b) != b.size() || !f.commit()) {
        if (fehler) *fehler = f.errorString();
        return false;
    }
    m_geaendert = false;
    return true;
}

// QSettings doubles every backslash of a value and puts a value holding a control character in
// quotes; a value with single backslashes and no quote was typed by hand ("C:\temp\ring.wav")
// and is read as it stands.
QString IniDatei::entschluessele(const QByteArray& roh) {
    // A value may begin with U+FEFF; the UTF-8 decoder would take it for a byte-order mark
    // and drop it.
    QByteArray b = beschnitten(roh);
    QString vorn;
    while (b.startsWith("\xEF\xBB\xBF")) {
        vorn += QChar(0xFEFF);
        b.remove(0, 3);
    }
    const QString text = vorn + Windows1252::dekodiereVermutet(b);
    QString aus;
    if (!text.contains(QLatin1String("\\\\")) && !text.contains(QLatin1Char('"'))) {
        aus = text;
    } else {
        qsizetype fest = 0;  // characters that trailing blanks are not cut from
        bool inAnfuehrung = false;
        for (qsizetype i = 0; i < text.size();) {
            const QChar c = text[i];
            if (c == QLatin1Char('"')) {
                inAnfuehrung = !inAnfuehrung;
                ++i;
                fest = aus.size();
                continue;
            }
            if (c != QLatin1Char('\\') || i + 1 >= text.size()) {
                aus.append(c);
                ++i;
                if (inAnfuehrung) fest = aus.size();
                continue;
            }
            const char16_t d = text[i + 1].unicode();
            i += 2;
            static const char16_t folge[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                                {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                                {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
            bool bekannt = false;
            for (const auto& f : folge)
                if (f[0] == d) {
                    aus.append(QChar(f[1]));
                    bekannt = true;
                }
            if (!bekannt && d == 'x' && i < text.size() && hexWert(text[i]) >= 0) {
                uint wert = 0;
                while (i < text.size() && hexWert(text[i]) >= 0)
                    wert = (wert * 16 + uint(hexWert(text[i++]))) & 0xFFFFFu;
                aus.append(QChar(char16_t(wert & 0xFFFF)));
                bekannt = true;
            }
            if (!bekannt) {
                aus.append(QLatin1Char('\\'));
                aus.append(QChar(d));
            }
            fest = aus.size();
        }
        while (aus.size() > fest && (aus.back() == QLatin1Char(' ') || aus.back() == '\t'))
            aus.chop(1);
    }
    if (aus.startsWith(QLatin1String("@@"))) return aus.mid(1);
    if (aus == QLatin1String("@Invalid()")) return QString();
    return aus;
}

QByteArray IniDatei::verschluessele(const QString& text) {
    QString aus;
    bool anfuehrung = text.startsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char(' ')) ||
                      text.startsWith(QLatin1Char('\t')) || text.endsWith(QLatin1Char('\t'));
    bool hexFolgt = false;
    if (text.startsWith(QLatin1Char('@'))) aus.append(QLatin1Char('@'));
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == ';' || u == ',' || u == '=' || u == '#') anfuehrung = true;
        if (hexFolgt && hexWert(c) >= 0) {
            aus += QStringLiteral("\\x") + QString::number(u, 16);
            continue;
        }
        hexFolgt = false;
        if (u == '\\' || u == '"') {
            aus += QLatin1Char('\\');
            aus += c;
            if (u == '"') anfuehrung = true;
        } else if (u < 0x20 || u == 0x7F) {
            aus += QStringLiteral("\\x") + QString::number(u, 16);
            hexFolgt = true;
            anfuehrung = true;
        } else {
            aus += c;
        }
    }
    if (anfuehrung) aus = QLatin1Char('"') + aus + QLatin1Char('"');
    return aus.toUtf8();
}
