#include "engine/Laufergebnis.h"

#include <QCoreApplication>
#include <QLocale>
#include <QVariant>

namespace {
// The gap of a lapped car as the results window shows it.
QString runden(int n) {
    return n == 1 ? QCoreApplication::translate("Laufergebnis", "+1 Runde")
                  : QCoreApplication::translate("Laufergebnis", "+%1 Runden").arg(n);
}
}  // namespace

QString Laufergebnis::zeitText(qint64 ms) {
    const QLocale l;
    const qint64 minuten = ms / 60000;
    const double sekunden = double(ms - minuten * 60000) / 1000.0;
    if (minuten == 0) return l.toString(sekunden, 'f', 3);
    QString s = l.toString(sekunden, 'f', 3);
    if (sekunden < 10.0) s.prepend(QLatin1Char('0'));
    return QString::number(minuten) + QLatin1Char(':') + s;
}

Laufergebnis Laufergebnis::aus(const QVector<PositionsZeile>& rangfolge, int option1,
                               const QString& rennArt, const QString& rennName,
                               const QDateTime& datum) {
    Laufergebnis e;
    e.rennArt = rennArt;
    e.rennName = rennName;
    e.option1 = option1;
    e.datum = datum;
    for (const PositionsZeile& r : rangfolge) {
        ErgebnisZeile z;
        z.platz = int(e.zeilen.size()) + 1;
        z.bahn = r.bahn;
        z.fahrer = r.fahrer;
        z.autoName = r.autoName;
        z.runden = r.runden;
        z.gesamt = r.gesamt;
        // A lane without a lap keeps the "no lap yet" marker in the standings.
        const qint64 beste = r.schnellste;
        z.beste = z.runden > 0 && beste > 0 && beste < 999999 ? beste : 0;
        z.geschw = r.schnellsteGeschw;
        e.zeilen.append(z);
    }
    if (e.zeilen.isEmpty() || e.zeilen.first().runden <= 0) return e;
    const ErgebnisZeile& erster = e.zeilen.first();
    const QLocale l;
    for (qsizetype i = 1; i < e.zeilen.size(); ++i) {
        ErgebnisZeile& z = e.zeilen[i];
        if (z.runden <= 0) continue;
        if (option1 == 0) {
            z.abstand =
                z.runden < erster.runden
                    ? runden(erster.runden - z.runden)
                    : QLatin1Char('+') + zeitText(qMax<qint64>(0, z.gesamt - erster.gesamt));
        } else if (option1 == 2) {
            z.abstand = QLatin1Char('-') + l.toString(qMax(0.0, erster.geschw - z.geschw), 'f', 3);
        } else if (z.beste > 0 && erster.beste > 0) {
            z.abstand = QLatin1Char('+') + zeitText(qMax<qint64>(0, z.beste - erster.beste));
        }
    }
    return e;
}

QStringList Laufergebnis::alsText() const {
    QStringList zeilenText;
    for (const ErgebnisZeile& z : zeilen) {
        zeilenText << QStringLiteral("%1. %2 (%3) %4 Runden %5 beste %6 %7")
                          .arg(z.platz)
                          .arg(z.fahrer, z.autoName.isEmpty() ? QStringLiteral("-") : z.autoName)
                          .arg(z.runden)
                          .arg(z.runden > 0 ? zeitText(z.gesamt) : QStringLiteral("-"),
                               z.beste > 0 ? zeitText(z.beste) : QStringLiteral("-"), z.abstand)
                          .trimmed();
    }
    for (const QString& k : korrekturen) zeilenText << QStringLiteral("Korrektur ") + k;
    return zeilenText;
}
