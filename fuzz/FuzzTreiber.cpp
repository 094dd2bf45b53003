// A short run of a fuzz target without libFuzzer, for the test suite: every seed file, then a
// fixed number of inputs made from them by a seeded generator (bit flips, inserted and cut
// bytes, pieces of two seeds joined). The same inputs on every run, no time limit.
//   fuzz_X_kurz [-n ANZAHL] SAATORDNER...

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse);

namespace {

void lauf(const QByteArray& d) {
    // A copy of its own, so a read past the end is not hidden by a larger buffer.
    std::vector<uint8_t> kopie(d.begin(), d.end());
    LLVMFuzzerTestOneInput(kopie.data(), kopie.size());
}

QByteArray veraendere(QByteArray d, const QList<QByteArray>& saaten, QRandomGenerator& z) {
    const int schritte = 1 + int(z.bounded(8));
    for (int s = 0; s < schritte; ++s) {
        const qsizetype n = d.size();
        switch (z.bounded(6)) {
            case 0:
                if (n) d[z.bounded(int(n))] ^= char(1 << z.bounded(8));
                break;
            case 1:
                d.insert(n ? z.bounded(int(n + 1)) : 0, char(z.bounded(256)));
                break;
            case 2:
                if (n) d.remove(z.bounded(int(n)), 1 + z.bounded(int(qMin<qsizetype>(n, 16))));
                break;
            case 3:
                if (n) d[z.bounded(int(n))] = char(z.bounded(256));
                break;
            case 4: {
                const QByteArray& andere = saaten[z.bounded(int(saaten.size()))];
                d = d.left(n ? z.bounded(int(n + 1)) : 0) +
                    andere.mid(andere.isEmpty() ? 0 : z.bounded(int(andere.size())));
                break;
            }
            default:
                if (n) {
                    const qsizetype von = z.bounded(int(n));
                    d.insert(z.bounded(int(n + 1)), d.mid(von, 1 + z.bounded(32)));
                }
        }
        if (d.size() > 4096) d.truncate(4096);
    }
    return d;
}

}  // namespace

int main(int argc, char** argv) {
    int anzahl = 2000;
    QList<QByteArray> saaten;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-n") == 0 && i + 1 < argc) {
            anzahl = std::atoi(argv[++i]);
            continue;
        }
        const QDir ordner(QString::fromLocal8Bit(argv[i]));
        for (const QString& name : ordner.entryList(QDir::Files, QDir::Name)) {
            QFile f(ordner.filePath(name));
            if (f.open(QIODevice::ReadOnly)) saaten << f.readAll();
        }
    }
    saaten << QByteArray();
    for (const QByteArray& s : saaten) lauf(s);
    QRandomGenerator z(20260501);
    for (int i = 0; i < anzahl; ++i)
        lauf(veraendere(saaten[z.bounded(int(saaten.size()))], saaten, z));
    std::printf("%lld Eingaben ohne Befund\n", static_cast<long long>(saaten.size() + anzahl));
    return 0;
}
