#pragma once

#include <QStringList>
#include <iosfwd>
#include <string>

namespace lumora {

// lumora-export: reads a project, computes it and writes what the command line asks for.
// argumente as QCoreApplication::arguments() gives them (the program first); data goes to
// aus, messages to fehler, except the help, the version and the complaints about the command
// line, which the shared command-line reading writes to standard output and error; numbers in the
// .csv table use dezimaltrenner. Returns the exit status: 0 when the project was read, 1 when it
// was refused or an output failed, 2 for a wrong command line.
int Exportieren(const QStringList& argumente, std::ostream& aus, std::ostream& fehler,
                const std::string& dezimaltrenner);

}  // namespace lumora
