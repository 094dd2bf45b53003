// The replay scenario reader on arbitrary text: every line is split and read; tokens quoted
// again split back to themselves, and a line that reads well holds only valid numbers.

#include "FuzzStuecke.h"
#include "app/replay/Szenario.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    const Szenario s(text);
    FUZZ_PRUEFE(s.anzahlZeilen() <= text.count(QLatin1Char('\n')) + 1);
    const QStringList befehle = Szenario::befehle();
    for (int nr = 1; nr <= s.anzahlZeilen(); ++nr) {
        const QString zeile = s.zeile(nr);
        QStringList tokens;
        QString grund;
        if (!Szenario::zerlege(zeile, tokens, &grund)) {
            FUZZ_PRUEFE(!grund.isEmpty());
            continue;
        }
        QStringList zitiert;
        for (QString t : tokens)
            zitiert << QLatin1Char('"') + t.replace(QLatin1String("\""), QLatin1String("\"\"")) +
                           QLatin1Char('"');
        QStringList wieder;
        FUZZ_PRUEFE(Szenario::zerlege(zitiert.join(QLatin1Char(' ')), wieder));
        FUZZ_PRUEFE(wieder == tokens);

        SzenarioBefehl b;
        if (!Szenario::lese(zeile, nr, b, &grund)) {
            FUZZ_PRUEFE(!grund.isEmpty());
            continue;
        }
        FUZZ_PRUEFE(b.zeile == nr);
        FUZZ_PRUEFE(b.name.isEmpty() == tokens.isEmpty());
        if (b.name.isEmpty()) continue;
        FUZZ_PRUEFE(befehle.contains(b.name));
        if (b.name == QLatin1String("lap") || b.name == QLatin1String("wait"))
            FUZZ_PRUEFE(b.zahl(0) >= 0 && QString::number(b.zahl(0)).size() <= 15);
    }
    return 0;
}
