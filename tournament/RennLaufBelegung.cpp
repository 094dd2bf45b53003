#include "tournament/RennLaufBelegung.h"

#include <algorithm>

#include "config/Uhr.h"

QVector<int> RennLaufBelegung::Gruppen(int anzahl, int spuren, bool ausgleichen) {
    QVector<int> gruppen(std::max(0, anzahl), 0);
    const int proGruppe = std::max(1, spuren);
    if (ausgleichen && anzahl > 0) {
        const int anzahlGruppen = (anzahl + proGruppe - 1) / proGruppe;
        const int basis = anzahl / anzahlGruppen;
        const int groesser = anzahl % anzahlGruppen;
        int i = 0;
        for (int g = anzahlGruppen; g >= 1; --g) {
            const int groesse = basis + (anzahlGruppen - g < groesser ? 1 : 0);
            for (int k = 0; k < groesse; ++k) gruppen[i++] = g;
        }
        return gruppen;
    }
    int g = 1;
    int c = 0;
    for (int i = anzahl - 1; i >= 0; --i) {
        gruppen[i] = g;
        if (c == proGruppe - 1) {
            ++g;
            c = 0;
        } else {
            ++c;
        }
    }
    return gruppen;
}

QString RennLaufBelegung::Mische(const QString& t, Uhr& zufall) {
    QString s = t;
    // Fisher-Yates: always a permutation, no redraws.
    for (qsizetype i = s.size() - 1; i > 0; --i) {
        const qsizetype j = zufall.zufall(0, int(i));
        std::swap(s[i], s[j]);
    }
    return s;
}

QStringList RennLaufBelegung::LaufStrings(const QString& rotation, int n, Uhr* zufall,
                                          QStringList* log) {
    const qsizetype spuren = rotation.size();
    const qsizetype m = std::max<qsizetype>(spuren, n);
    QString erster = rotation;
    if (log) *log << QStringLiteral("1-LM-1 ") + erster;
    for (qsizetype j = spuren + 1; j <= m; ++j) {
        erster += QLatin1Char('0');
        if (log) *log << QStringLiteral("2-LM-1 ") + erster;
    }
    if (zufall) {
        const QString vorher = erster;
        erster = Mische(vorher, *zufall);
        if (log) *log << QStringLiteral("Zufall ") + erster + QStringLiteral(" aus ") + vorher;
    }
    QStringList laeufe{erster};
    for (qsizetype k = 2; k <= m; ++k) {
        const QString& v = laeufe.last();
        laeufe << v.mid(1) + v.left(1);
        if (log) *log << QStringLiteral("3-LM-%1 ").arg(k) + laeufe.last();
    }
    return laeufe;
}

QVector<RennLaufBelegung::Lauf> RennLaufBelegung::Laeufe(int gruppe,
                                                         const QVector<Teilnehmer>& teilnehmer,
                                                         const QStringList& laufStrings,
                                                         int spuren) {
    QVector<Lauf> zeilen;
    const int n = int(teilnehmer.size());
    for (int k = 1; k <= laufStrings.size(); ++k) {
        const QString& h = laufStrings.at(k - 1);
        for (int p = 1; p <= n && p <= h.size(); ++p) {
            const int spur = h.at(p - 1).digitValue();
            if (spur <= 0) continue;
            zeilen.append(
                {gruppe, k, spur, teilnehmer.at(p - 1).fahrer, teilnehmer.at(p - 1).autoName});
        }
        for (int q = n + 1; q <= spuren && q <= h.size(); ++q)
            zeilen.append({gruppe, k, h.at(q - 1).digitValue(), QStringLiteral("Dummy"),
                           QStringLiteral("Dummy")});
    }
    return zeilen;
}
