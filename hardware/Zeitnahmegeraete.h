#pragma once
// The drivers of the timing interfaces for the race sequence, one per interface, built on the
// ports and devices of Schnittstellen. geraeteFuer() registers them: one for every
// Zeitnahmewahl::Art, in its order.

#include <array>
#include <memory>

#include "hardware/Zeitnahmegeraet.h"
#include "hardware/Zeitnahmewahl.h"

class Schnittstellen;
struct Einstellungen;

using Zeitnahmegeraete = std::array<std::unique_ptr<Zeitnahmegeraet>, Zeitnahmewahl::anzahlArten>;

Zeitnahmegeraete geraeteFuer(Schnittstellen& s, Einstellungen& e);
