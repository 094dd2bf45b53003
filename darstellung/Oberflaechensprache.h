#pragma once
// The language of the interface: German (the texts in the code) or English (from the
// program's translation file). It follows the announcement language (LangId) unless the
// setting SpracheOberflaeche names one of its own; it is chosen once at start-up. Qt's own
// texts (file choosers, the buttons of message boxes) follow it.

#include <QString>
#include <QtGlobal>

class EinstellungsSpeicher;

namespace Oberflaechensprache {
inline constexpr qint32 Deutsch = 1031;
inline constexpr qint32 Englisch = 1033;
// Settings key: 0 (or missing) follows LangId, 1031 German, 1033 English.
inline const char* const schluessel = "SpracheOberflaeche";

// The interface language for these two settings.
qint32 fuer(qint32 langId, qint32 eigeneWahl);
// The same, read from the settings file.
qint32 ausEinstellungen(EinstellungsSpeicher& speicher, qint32 langId);

// Installs the translators for that language, replacing those of an earlier call. False when
// a translation file the language needs is missing (the texts then stay German).
bool installiere(qint32 sprache);
// The language installed last (German before any call).
qint32 aktuelle();
}  // namespace Oberflaechensprache
