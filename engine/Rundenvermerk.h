#pragma once
// Remarks in a lap row (column RennInfo) that decide whether the lap may be a best lap. The
// race director's added lap (" K+") never is; nor is a lap the timing device counted while
// the program saw nothing of it (" Z", its time shared out), nor a lap across a gap in the
// timing that may hold a crossing nobody saw (" U").

#include <QString>

namespace Rundenvermerk {

inline const QString vomGeraet = QStringLiteral(" Z");
inline const QString unterbrochen = QStringLiteral(" U");

inline bool keineBestzeit(const QString& rennInfo) {
    return rennInfo.contains(QLatin1String("K+")) || rennInfo.contains(vomGeraet) ||
           rennInfo.contains(unterbrochen);
}

// The same as an SQL condition on a row that may hold a best lap.
inline constexpr const char* bestzeitMoeglich =
    "coalesce(RennInfo, '') not like '%K+%' and coalesce(RennInfo, '') not like '% Z%' and "
    "coalesce(RennInfo, '') not like '% U%'";

}  // namespace Rundenvermerk
