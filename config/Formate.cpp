#include "config/Formate.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

// A double as the decimal number it stands for: 15 significant digits, as Visual Basic's
// Format() sees it, so 0.0005 is a true half and not 0.000499999...
struct Dezimal {
    bool negativ = false;
    std::string ganz;   // integer digits, at least "0"
    std::string bruch;  // fraction digits
};

Dezimal zerlege(double wert) {
    Dezimal d;
    d.negativ = std::signbit(wert);
    // to_chars, unlike printf, ignores the C locale's decimal comma.
    char puffer[40] = {};
    std::to_chars(puffer, puffer + sizeof puffer - 1, std::fabs(wert),
                  std::chars_format::scientific, 14);
    // puffer: "d.dddddddddddddde[+-]xx"
    std::string ziffern;
    int i = 0;
    for (; puffer[i] && puffer[i] != 'e'; ++i)
        if (puffer[i] != '.') ziffern += puffer[i];
    int exp = 0;
    if (puffer[i] == 'e') {
        const char* e = puffer + i + 1;
        if (*e == '+') ++e;
        std::from_chars(e, puffer + sizeof puffer, exp);
    }
    if (exp >= 0) {
        const size_t stellen = size_t(exp) + 1;
        if (ziffern.size() < stellen) ziffern.append(stellen - ziffern.size(), '0');
        d.ganz = ziffern.substr(0, stellen);
        d.bruch = ziffern.substr(stellen);
    } else {
        d.ganz.assign(1, '0');
        d.bruch.assign(size_t(-exp - 1), '0');
        d.bruch.append(ziffern);
    }
    return d;
}

// Cuts to the given decimals, halves away from zero (on the magnitude, so one test suffices).
void runde(Dezimal& d, int stellen) {
    if (stellen < 0) stellen = 0;
    if (d.bruch.size() <= size_t(stellen)) {
        d.bruch.append(size_t(stellen) - d.bruch.size(), '0');
        return;
    }
    const bool auf = d.bruch[size_t(stellen)] >= '5';
    d.bruch.resize(size_t(stellen));
    if (!auf) return;
    std::string alle = d.ganz + d.bruch;
    int i = int(alle.size()) - 1;
    for (; i >= 0; --i) {
        if (alle[size_t(i)] == '9') {
            alle[size_t(i)] = '0';
        } else {
            ++alle[size_t(i)];
            break;
        }
    }
    if (i < 0) alle.insert(alle.begin(), '1');
    d.ganz = alle.substr(0, alle.size() - size_t(stellen));
    d.bruch = alle.substr(alle.size() - size_t(stellen));
}

bool istNull(const Dezimal& d) {
    return d.ganz.find_first_not_of('0') == std::string::npos &&
           d.bruch.find_first_not_of('0') == std::string::npos;
}

}  // namespace

namespace Formate {

double Runde(double wert, int stellen) {
    if (!std::isfinite(wert)) return wert;
    Dezimal d = zerlege(wert);
    runde(d, stellen);
    const std::string text = (d.negativ ? "-" : "") + d.ganz + "." + d.bruch + "0";
    return QByteArray::fromStdString(text).toDouble();  // C locale whatever the process uses
}

// The pattern rules, as in Visual Basic's Format():
// - integer part: each '0' is a digit always shown, '#' one shown only when needed; more
//   digits than placeholders are all shown; without any '0' a zero integer part is left out
//   ("#####.000" of 0.5 gives ".500").
// - a ',' between placeholders switches on the locale's group separator every three digits;
//   it does not change the digit count. So "#,###0,000" means grouping with at least four
//   digits: 5 gives "0,005" and 1234567 "1,234,567" (German "0.005", "1.234.567").
//   Commas right before the decimal point (or the end) divide by 1000 each instead.
// - fraction: one decimal per placeholder; trailing zeros beyond the last '0' are dropped.
QString Format(double wert, const QString& muster, const QLocale& locale) {
    if (!std::isfinite(wert)) return locale.toString(wert);

    const qsizetype punkt = muster.indexOf(QLatin1Char('.'));
    QString ganzMuster = punkt < 0 ? muster : muster.left(punkt);
    const QString bruchMuster = punkt < 0 ? QString() : muster.mid(punkt + 1);

    int teiler = 0;
    while (ganzMuster.endsWith(QLatin1Char(','))) {
        ganzMuster.chop(1);
        ++teiler;
    }
    for (int i = 0; i < teiler; ++i) wert /= 1000.0;

    const int minGanz = int(ganzMuster.count(QLatin1Char('0')));
    const bool gruppieren = ganzMuster.contains(QLatin1Char(','));
    int stellen = 0;
    int minBruch = 0;
    for (QChar c : bruchMuster) {
        if (c == QLatin1Char('0')) {
            ++stellen;
            minBruch = stellen;
        } else if (c == QLatin1Char('#')) {
            ++stellen;
        }
    }

    Dezimal d = zerlege(wert);
    runde(d, stellen);

    std::string ganz = d.ganz;
    const size_t erste = ganz.find_first_not_of('0');
    ganz = erste == std::string::npos ? std::string() : ganz.substr(erste);
    if (ganz.size() < size_t(minGanz)) ganz.insert(0, size_t(minGanz) - ganz.size(), '0');

    std::string bruch = d.bruch;
    while (bruch.size() > size_t(minBruch) && bruch.back() == '0') bruch.pop_back();

    QString text;
    if (d.negativ && !istNull(d)) text += locale.negativeSign();
    const QString gruppe = locale.groupSeparator();
    for (size_t i = 0; i < ganz.size(); ++i) {
        if (gruppieren && i > 0 && (ganz.size() - i) % 3 == 0) text += gruppe;
        text += QLatin1Char(ganz[i]);
    }
    if (punkt >= 0) {
        text += locale.decimalPoint();
        text += QString::fromLatin1(bruch.data(), qsizetype(bruch.size()));
    }
    return text;
}

QString FormatiereZeit(qint64 ms) {
    const bool negativ = ms < 0;
    const quint64 betrag = negativ ? quint64(0) - quint64(ms) : quint64(ms);
    const quint64 stunden = betrag / 3600000;
    const quint64 minuten = betrag / 60000 % 60;
    const quint64 sekunden = betrag / 1000 % 60;
    const quint64 milli = betrag % 1000;
    return QStringLiteral("%1%2:%3:%4.%5")
        .arg(negativ ? QStringLiteral("-") : QString())
        .arg(stunden, 2, 10, QLatin1Char('0'))
        .arg(minuten, 2, 10, QLatin1Char('0'))
        .arg(sekunden, 2, 10, QLatin1Char('0'))
        .arg(milli, 3, 10, QLatin1Char('0'));
}

QString Zeitstempel(const QDateTime& zeit) {
    return zeit.toString(QStringLiteral("yyyy.MM.dd hh:mm:ss"));
}

QString DatumKurz(const QDateTime& zeit) {
    return zeit.toString(QStringLiteral("dd.MM.yyyy hh:mm"));
}

}  // namespace Formate
