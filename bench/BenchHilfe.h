#pragma once
// Shared by the benchmarks: percentiles, arguments, and a temporary settings and data folder
// for the program they start.

#include <QDir>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <vector>


namespace bench {

struct Kennzahlen {
    double median = 0, p99 = 0, max = 0;
    size_t n = 0;
};

inline Kennzahlen auswerten(std::vector<double> werte) {
    if (werte.empty()) return {};
    std::sort(werte.begin(), werte.end());
    const auto an = [&](double q) { return werte[size_t(q * double(werte.size() - 1) + 0.5)]; };
    return {an(0.5), an(0.99), werte.back(), werte.size()};
}

inline void drucke(const QString& titel, const Kennzahlen& k, const char* einheit = "ms") {
    std::printf("%-46s median %8.3f %s  p99 %8.3f %s  max %8.3f %s  (n=%zu)\n",
                qPrintable(titel), k.median, einheit, k.p99, einheit, k.max, einheit, k.n);
}

// "--help" or "-h" on the command line: the usage is printed and the benchmark ends without
// running. Call before anything else.
inline bool hilfeGefragt(int argc, char** argv, const char* aufruf) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "--help" || a == "-h") {
            std::fputs(aufruf, stdout);
            return true;
        }
    }
    return false;
}

// "--name wert" from the command line, else the default.
inline int zahlArgument(const QStringList& args, const QString& name, int standard) {
    const qsizetype i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args.at(i + 1).toInt() : standard;
}
inline QString textArgument(const QStringList& args, const QString& name, const QString& standard) {
    const qsizetype i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args.at(i + 1) : standard;
}

// Settings, data and runtime folders of this run only: the user's stay untouched. Call before
// the application object exists.
inline void eigeneOrdner(const QString& basis, bool offscreen) {
    for (const char* n : {"config", "data", "run"}) QDir(basis).mkpath(QString::fromLatin1(n));
    QFile::setPermissions(basis + "/run", QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(basis + "/config"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(basis + "/data"));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(basis + "/run"));
    if (offscreen && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace bench
