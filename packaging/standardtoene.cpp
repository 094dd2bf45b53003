// pistorelle-standardtoene FOLDER: writes the program's own sounds into FOLDER under the file
// names the settings give them by default. Run by the build for the package, which ships
// them so that a user can pick them again in the options after replacing one.

#include "klang/StandardToene.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

#include "config/EinstellungsSpeicher.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("Aufruf: pistorelle-standardtoene ORDNER\n", stderr);
        return 2;
    }
    const QString ordner = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(ordner)) {
        std::fprintf(stderr, "Kann Ordner %s nicht anlegen\n", argv[1]);
        return 1;
    }
    for (const QString& schluessel : StandardToene::schluessel()) {
        const QString name = QFileInfo(EinstellungsSpeicher::standardTon(schluessel)).fileName();
        QSaveFile datei(QDir(ordner).filePath(name));
        if (!datei.open(QIODevice::WriteOnly) || datei.write(StandardToene::wav(schluessel)) <= 0 ||
            !datei.commit()) {
            std::fprintf(stderr, "Kann %s nicht schreiben: %s\n", qPrintable(datei.fileName()),
                         qPrintable(datei.errorString()));
            return 1;
        }
    }
    return 0;
}
