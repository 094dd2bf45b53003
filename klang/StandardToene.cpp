#include "klang/StandardToene.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <vector>

#include "config/EinstellungsSpeicher.h"

namespace {
constexpr int rate = 22050;
constexpr double pi = 3.14159265358979323846;

QByteArray alsWav(const std::vector<double>& samples) {
    QByteArray daten;
    daten.reserve(int(samples.size() * 2));
    for (double s : samples) {
        const qint16 wert = qint16(std::lround(std::clamp(s, -1.0, 1.0) * 30000.0));
        char le[2];
        qToLittleEndian(wert, le);
        daten.append(le, 2);
    }
    QByteArray kopf;
    auto u32 = [&kopf](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        kopf.append(b, 4);
    };
    auto u16 = [&kopf](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        kopf.append(b, 2);
    };
    kopf.append("RIFF");
    u32(quint32(36 + daten.size()));
    kopf.append("WAVEfmt ");
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    kopf.append("data");
    u32(quint32(daten.size()));
    return kopf + daten;
}

// Short attack and release so no tone clicks.
double huelle(int i, int n) {
    const int rand = rate / 200;
    if (i < rand) return double(i) / rand;
    if (n - i < rand) return double(n - i) / rand;
    return 1.0;
}

std::vector<double> klingeln() {  // start light on: two-tone ring
    const int n = rate * 45 / 100;
    std::vector<double> s(n);
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / rate;
        const double tremolo = 0.6 + 0.4 * std::sin(2 * pi * 18 * t);
        s[i] = huelle(i, n) * tremolo *
               (0.35 * std::sin(2 * pi * 880 * t) + 0.25 * std::sin(2 * pi * 1320 * t));
    }
    return s;
}

std::vector<double> glocke() {  // start lights out: a bell that dies away
    const int n = rate * 9 / 10;
    std::vector<double> s(n);
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / rate;
        const double abkl = std::exp(-4.5 * t);
        s[i] = huelle(i, n) * abkl *
               (0.55 * std::sin(2 * pi * 1175 * t) + 0.2 * std::sin(2 * pi * 2350 * t) +
                0.1 * std::sin(2 * pi * 3525 * t));
    }
    return s;
}

std::vector<double> piep() {  // lap pulse: short and high
    const int n = rate * 12 / 100;
    std::vector<double> s(n);
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / rate;
        s[i] = huelle(i, n) * 0.5 * std::sin(2 * pi * 1800 * t);
    }
    return s;
}
}  // namespace

QByteArray StandardToene::wav(const QString& schluessel) {
    if (schluessel.compare(QLatin1String("TonAmpelAn"), Qt::CaseInsensitive) == 0)
        return alsWav(klingeln());
    if (schluessel.compare(QLatin1String("TonAmpelAus"), Qt::CaseInsensitive) == 0)
        return alsWav(glocke());
    if (schluessel.compare(QLatin1String("TonBeep"), Qt::CaseInsensitive) == 0)
        return alsWav(piep());
    return {};
}

QStringList StandardToene::schluessel() {
    return {QStringLiteral("TonAmpelAn"), QStringLiteral("TonAmpelAus"), QStringLiteral("TonBeep")};
}

QStringList StandardToene::installiere() {
    QStringList geschrieben;
    for (const QString& name : schluessel()) {
        const QString pfad = EinstellungsSpeicher::standardTon(name);
        if (pfad.isEmpty() || QFileInfo::exists(pfad)) continue;
        QDir().mkpath(QFileInfo(pfad).absolutePath());
        QFile datei(pfad);
        if (datei.open(QIODevice::WriteOnly) && datei.write(wav(name)) > 0) geschrieben << pfad;
    }
    return geschrieben;
}
