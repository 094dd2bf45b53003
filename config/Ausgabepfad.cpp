#include "config/Ausgabepfad.h"

#include <QDir>
#include <QFileInfo>

namespace Ausgabepfad {
QString praefix(const QString& ltfPfad) {
    if (ltfPfad.isEmpty() || ltfPfad.endsWith(QLatin1Char('/')) ||
        ltfPfad.endsWith(QLatin1Char('\\')))
        return ltfPfad;
    if (!QFileInfo(ltfPfad).isDir()) return ltfPfad;
    return ltfPfad + QDir::separator();
}
}  // namespace Ausgabepfad
