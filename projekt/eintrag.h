#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/prozess.h"
#include "projekt/groessen.h"
#include "projekt/jsontext.h"

namespace lumora {

// The number under key, in the file's unit; the German reason when it is missing or no number.
std::optional<std::string> WertLesen(const Json& e, const char* key, double& wert);

// The pair a state entry is given by: the one its exactly two value keys name, whether or not
// their values are numbers; none with more or fewer value keys or two that are no pair.
const Zustandspaar* PaarDerSchluessel(const Json& e);

// Why a flow is refused that is given both ways.
std::string ZweiStroemeText();

// An entry of zustaende, read once from the file: its name and pair in the code's units, or
// why it cannot be read.
struct Zustandseintrag {
    std::string name;                    // as in the file, when it is a text
    bool benannt = false;                // whether the name is valid and the entry takes it
    const Zustandspaar* paar = nullptr;  // the pair it gives, when it reads
    double a = 0;                        // the pair's values in the code's units
    double b = 0;
    std::string fehler;  // the German reason; empty when it reads
};
Zustandseintrag ZustandseintragLesen(const Json& e);
// The pair of values of an object that gives a state without a name (a unit's extract air):
// paar, a and b, or fehler.
Zustandseintrag WertepaarLesen(const Json& e);

// An entry of prozesse, read once from the file: its kind, names and parameters, or why it
// cannot be read.
struct Prozesseintrag {
    std::string art;               // as in the file, when it is a text
    std::vector<std::string> von;  // the names it starts at, when they read
    std::string nach;              // as in the file, when it is a text
    bool benannt = false;          // whether kind, start and name read, so the entry takes nach
    Prozess prozess;               // its parameters, when they read
    std::string fehler;            // the German reason; empty when it reads
};
Prozesseintrag ProzesseintragLesen(const Json& e);

}  // namespace lumora
