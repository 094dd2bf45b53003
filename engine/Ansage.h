#pragma once
// Speech and sounds as the engine gives them. The gui speaks through a real voice; tests and
// the replay runner record what would be said and played.

#include <QString>

// What an announcement is, for the queue: results are never dropped however long they wait;
// of two best laps of one driver waiting only the newer is spoken.
enum class Sprechart { Normal, Bestzeit, Ergebnis };

class Ansage {
public:
    virtual ~Ansage() = default;
    // Speaks the text (queued: announcements never cut each other off).
    virtual void SprachAusgabe(const QString& text) = 0;
    // The same with its kind and, for a best lap, the driver.
    virtual void SprachAusgabeMit(const QString& text, Sprechart art, const QString& fahrer) {
        Q_UNUSED(art);
        Q_UNUSED(fahrer);
        SprachAusgabe(text);
    }
    // Plays a sound file asynchronously; a new sound replaces the one playing; a missing file
    // is ignored.
    virtual void SpieleTon(const QString& datei) = 0;
};
