#pragma once

#include <optional>

#include "projekt/berechnung.h"
#include "projekt/jsontext.h"
#include "projekt/projekt.h"

namespace lumora {

// The entry alt with a form's entry neu merged in, for a process or a zone. The keys the form
// owns (name, kind, start and end names, the kind's parameters and targets, a zone's bounds)
// come from neu, and one that neu no longer has is dropped; keys Lumora does not know stay.
// Keys keep their places in alt, so an edit that changes nothing gives back alt's bytes; keys
// new to the entry follow in neu's order.
Json EintragZusammenfuehren(Liste liste, const Json& alt, const Json& neu);

// The mass flow of dry air [kg/h] that a new process put at `index` of the processes takes
// over from the one before it, so that one unit carries one mass flow along its chain: that
// process's mass flow (a mixing's two streams together), rounded to 0.01 kg/h. None where
// there is no process before it or it has no mass flow.
std::optional<double> UebernommenerMassenstrom(const Berechnung& b, std::size_t index);

}  // namespace lumora
