#pragma once
// The kind of a run. The database's RennArt column, the result files and the rescue file keep
// the German word (laufartWort); the engine works with the enum.

#include <QString>
#include <optional>

enum class Laufart { Training, Quali, Rennen };

inline QString laufartWort(Laufart art) {
    switch (art) {
        case Laufart::Training:
            return QStringLiteral("Training");
        case Laufart::Quali:
            return QStringLiteral("Quali");
        case Laufart::Rennen:
            break;
    }
    return QStringLiteral("Rennen");
}

// The kind a stored word names; none for any other word.
inline std::optional<Laufart> laufartAus(const QString& wort) {
    for (Laufart art : {Laufart::Training, Laufart::Quali, Laufart::Rennen})
        if (wort == laufartWort(art)) return art;
    return std::nullopt;
}
