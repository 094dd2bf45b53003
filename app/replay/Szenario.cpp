#include "app/replay/Szenario.h"

#include <QRegularExpression>

namespace {

// What an argument must look like.
enum class Art {
    Text,
    Zahl,      // whole number >= 0
    Schalter,  // 0 or 1
    Wertung,   // 0, 1 or 2
    Antwort,   // yes or no
};

struct Form {
    const char* name;
    int mindestens;
    QList<Art> arten;  // at most this many arguments
};

const QList<Form>& formen() {
    static const QList<Form> f = {
        {"set", 2, {Art::Text, Art::Text}},
        {"sql", 1, {Art::Text}},
        {"mode", 1, {Art::Text}},
        {"ranking", 1, {Art::Wertung}},
        {"limit", 1, {Art::Text}},
        {"timed", 1, {Art::Schalter}},
        {"laptimes", 1, {Art::Schalter}},
        {"answer", 1, {Art::Antwort}},
        {"choose", 1, {Art::Text}},
        {"start", 0, {}},
        {"stop", 0, {}},
        {"lap", 1, {Art::Zahl}},
        {"caution", 0, {}},
        {"wait", 1, {Art::Zahl}},
        {"wait-idle", 0, {Art::Zahl}},
        {"rotate", 0, {}},
        {"tournament", 3, QList<Art>(10, Art::Text)},
        {"entrant", 2, {Art::Text, Art::Text}},
        {"entrant-direct", 2, {Art::Text, Art::Text}},
        {"entrants-take", 0, {}},
        {"quali", 0, {}},
        {"sort", 1, {Art::Text}},
        {"groups", 0, {}},
        {"allocate", 0, {Art::Text}},
        {"heats", 0, {}},
        {"autostart", 1, {Art::Schalter}},
        {"repeat", 0, {}},
        {"report", 0, {}},
        {"end-tournament", 0, {}},
        {"delete-tournament", 0, {}},
        {"query", 1, {Art::Text}},
        {"season", 1, {Art::Text}},
        {"demo", 1, {Art::Text, Art::Zahl}},
        {"correct", 2, {Art::Zahl, Art::Text, Art::Text}},
    };
    return f;
}

bool istZahl(const QString& t) {
    static const QRegularExpression ziffern(QStringLiteral("^[0-9]{1,15}$"));
    return ziffern.match(t).hasMatch();
}

QString pruefe(Art art, const QString& t) {
    switch (art) {
        case Art::Text:
            return QString();
        case Art::Zahl:
            return istZahl(t) ? QString() : QStringLiteral("keine Zahl: \"%1\"").arg(t);
        case Art::Schalter:
            return t == QLatin1String("0") || t == QLatin1String("1")
                       ? QString()
                       : QStringLiteral("0 oder 1 erwartet: \"%1\"").arg(t);
        case Art::Wertung:
            return t == QLatin1String("0") || t == QLatin1String("1") || t == QLatin1String("2")
                       ? QString()
                       : QStringLiteral("0, 1 oder 2 erwartet: \"%1\"").arg(t);
        case Art::Antwort:
            return t == QLatin1String("yes") || t == QLatin1String("no")
                       ? QString()
                       : QStringLiteral("yes oder no erwartet: \"%1\"").arg(t);
    }
    return QString();
}

}  // namespace

Szenario::Szenario(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_zeilen = t.split(QLatin1Char('\n'));
    // A final line break does not open another line.
    if (!m_zeilen.isEmpty() && m_zeilen.last().isEmpty()) m_zeilen.removeLast();
}

QStringList Szenario::befehle() {
    QStringList namen;
    for (const Form& f : formen()) namen << QLatin1String(f.name);
    return namen;
}

bool Szenario::zerlege(const QString& zeile, QStringList& tokens, QString* fehler) {
    tokens.clear();
    qsizetype i = 0;
    const qsizetype n = zeile.size();
    while (i < n) {
        const QChar c = zeile.at(i);
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('#')) break;
        QString token;
        if (c == QLatin1Char('"')) {
            ++i;
            bool zu = false;
            while (i < n) {
                if (zeile.at(i) == QLatin1Char('"')) {
                    if (i + 1 < n && zeile.at(i + 1) == QLatin1Char('"')) {
                        token += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    zu = true;
                    break;
                }
                token += zeile.at(i++);
            }
            if (!zu) {
                if (fehler) *fehler = QStringLiteral("Anführungszeichen nicht geschlossen");
                return false;
            }
        } else {
            while (i < n && zeile.at(i) != QLatin1Char(' ') && zeile.at(i) != QLatin1Char('\t') &&
                   zeile.at(i) != QLatin1Char('#'))
                token += zeile.at(i++);
        }
        tokens << token;
    }
    return true;
}

bool Szenario::lese(const QString& zeile, int nummer, SzenarioBefehl& befehl, QString* fehler) {
    befehl = SzenarioBefehl{};
    befehl.zeile = nummer;
    QStringList tokens;
    if (!zerlege(zeile, tokens, fehler)) return false;
    if (tokens.isEmpty()) return true;

    const QString name = tokens.takeFirst();
    for (const Form& f : formen()) {
        if (name != QLatin1String(f.name)) continue;
        if (tokens.size() < f.mindestens || tokens.size() > f.arten.size()) {
            if (fehler)
                *fehler = QStringLiteral("falsche Zahl von Angaben für %1: %2")
                              .arg(name)
                              .arg(tokens.size());
            return false;
        }
        for (int k = 0; k < tokens.size(); ++k) {
            const QString grund = pruefe(f.arten.at(k), tokens.at(k));
            if (!grund.isEmpty()) {
                if (fehler) *fehler = name + QStringLiteral(": ") + grund;
                return false;
            }
        }
        befehl.name = name;
        befehl.argumente = tokens;
        return true;
    }
    if (fehler) *fehler = QStringLiteral("unbekannter Befehl \"%1\"").arg(name);
    return false;
}
