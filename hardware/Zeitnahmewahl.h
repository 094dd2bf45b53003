#pragma once
// The one rule that chooses the active timing interface from the settings, and what each
// interface can do. Exactly one of the six special interfaces switched on chooses it; none or
// several choose the generic serial lap input.

#include <QString>

#include "hardware/Zeitnahmegeraet.h"

struct Einstellungen;

namespace Zeitnahmewahl {

enum class Art { SeriellerEingang, Parallelport, Sensorbox, Controlbox, DS200, DS300, UsbRennbox };
inline constexpr int anzahlArten = 7;

// The interface the settings choose (they are left as they are).
Art art(const Einstellungen& e);
// The same choice written back into the settings: the chosen interface's switch on, every
// other off. Returns it.
Art waehle(Einstellungen& e);
// What the chosen interface can do (depends on its settings, e.g. DSGoStart).
Geraetefaehigkeiten faehigkeiten(Art art, const Einstellungen& e);
inline Geraetefaehigkeiten faehigkeiten(const Einstellungen& e) { return faehigkeiten(art(e), e); }
// Short name for the debug log ("Seriell", "DS300", ...).
QString name(Art art);

}  // namespace Zeitnahmewahl
