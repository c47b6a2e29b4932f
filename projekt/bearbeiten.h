#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

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

// Why `eintrag`, put at `index` of `liste` in the project (replacing the entry there, or added
// when index is the list's end), cannot be computed, in the words the table would use; empty
// when it can. A process is checked where the project would compute it.
std::string EintragPruefen(const Projekt& projekt, Liste liste, std::size_t index,
                           const Json& eintrag);

// What a process form holds: the kind, the state(s) it starts at, the name of the state it
// makes, the chosen target with its value, and the numbers typed into its parameter fields by
// key (a mixing's two flows as "massenstrom1" and "massenstrom2").
struct Prozessfelder {
    Prozessart art = Prozessart::Heizen;
    std::string von;
    std::string von2;  // the second state of a mixing or a heat recovery
    std::string nach;
    std::string ziel;  // the target's key, e.g. "phi"; empty for a kind without targets
    std::optional<double> zielwert;
    std::map<std::string, double> parameter;
};

// The process entry the form's fields make, in the file's key order: art, von, nach, the
// kind's own values with the target before the optional ones ("wasser", "phi",
// "massenstrom"), and a mixing's flows as "massenstroeme" unless only a share is given.
Json ProzessEintrag(const Prozessfelder& f);

// Whether the fields give what the kind needs beyond its own fields: a mixing takes its two
// flows, or the outdoor-air share instead; every other kind is complete here.
bool MischungVollstaendig(const Prozessfelder& f);

// Every name a state has in the project: the entered ones, then those that processes make.
std::vector<std::string> ZustandsNamen(const Berechnung& b, const Projekt& p);

// The first name of the form Z1, Z2, … that no state of the project has.
std::string FreierZustandsname(const Berechnung& b, const Projekt& p);

// The decimals a dragged or placed state keeps of each of its values: finer than a reader of
// the chart can tell, and short in the file.
int GezogeneStellen(std::string_view schluessel);

// The state at the chart position X, Y (canvas units) as a new entry named `name`, with ϑ and
// x rounded to GezogeneStellen; or the reason why no state lies there.
Ergebnis<Json> ZustandAnStelle(const Berechnung& b, double X, double Y, const std::string& name);

// Entry `index` of the states moved to the chart position X, Y: the two values of the pair it
// is given by, rounded to GezogeneStellen, the rest of the entry as it was. None where no state
// lies there or the entry gives no pair the project can read.
std::optional<Json> ZustandVerschoben(const Projekt& p, const Berechnung& b, std::size_t index,
                                      double X, double Y);

}  // namespace lumora
