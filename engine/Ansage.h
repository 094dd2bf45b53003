#pragma once
// Speech and sounds as the engine gives them. The gui speaks through a real voice; tests and
// the replay runner record what would be said and played.

#include <QString>

class Ansage {
public:
    virtual ~Ansage() = default;
    // Speaks the text (queued: announcements never cut each other off).
    virtual void SprachAusgabe(const QString& text) = 0;
    // Plays a sound file asynchronously; a new sound replaces the one playing; a missing file
    // is ignored.
    virtual void SpieleTon(const QString& datei) = 0;
};
