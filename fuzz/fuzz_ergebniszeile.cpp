// The result-file line writer on arbitrary values: one line of twelve fields, ended by the
// only CR LF, in one byte per character; the file name of any race name stays in the folder.

#include <QDir>
#include <QFileInfo>

#include "FuzzStuecke.h"
#include "engine/Ergebnisdateien.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    // Eleven texts separated by 0xFF (UTF-8 never holds it), the rest sets the numbers.
    QList<QByteArray> teile =
        QByteArray(reinterpret_cast<const char*>(daten), qsizetype(groesse)).split(char(0xFF));
    while (teile.size() < 12) teile.append(QByteArray());
    const auto t = [&](int i) { return QString::fromUtf8(teile[i]); };
    ErgebnisDateiZeile z;
    z.fahrer = t(0);
    z.autoName = t(1);
    z.strecke = t(2);
    z.uhr = t(3);
    z.zeit = t(4);
    z.stempel = t(5);
    z.rennInfo = t(6);
    z.rennName = t(7);
    z.rennArt = t(8);
    const QByteArray zahlen = teile[9].leftJustified(8, '\0');
    z.runde = qint16(quint8(zahlen[0]) | quint8(zahlen[1]) << 8);
    z.bahn = quint8(zahlen[2]);
    z.gesamt =
        double(qint32(quint8(zahlen[3]) | quint8(zahlen[4]) << 8 | quint8(zahlen[5]) << 16)) / 7.0;

    const QString zeile = Ergebnisdateien::zeile(z);
    FUZZ_PRUEFE(zeile.endsWith(QLatin1String("\r\n")));
    FUZZ_PRUEFE(zeile.count(QLatin1Char('\t')) == 11);
    FUZZ_PRUEFE(zeile.count(QLatin1Char('\n')) == 1 && zeile.count(QLatin1Char('\r')) == 1);
    const QByteArray bytes = Ergebnisdateien::windows1252(zeile);
    FUZZ_PRUEFE(bytes.count('\t') == 11 && bytes.count('\n') == 1 && bytes.endsWith("\r\n"));
    FUZZ_PRUEFE(bytes.size() >= zeile.toUcs4().size());

    const QString ordner = QStringLiteral("/ordner/");
    const QFileInfo lrf(Ergebnisdateien::lrfName(ordner, t(7)));
    FUZZ_PRUEFE(lrf.absolutePath() == QStringLiteral("/ordner"));
    FUZZ_PRUEFE(!lrf.completeBaseName().contains(QLatin1String("..")));
    FUZZ_PRUEFE(!lrf.fileName().startsWith(QLatin1Char('.')));
    FUZZ_PRUEFE(lrf.fileName().endsWith(QLatin1String(".lrf")) && lrf.fileName().size() > 4);
    return 0;
}
