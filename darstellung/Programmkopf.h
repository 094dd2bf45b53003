#pragma once
// Name and version of the program as the windows show them.

#include <QString>

namespace Programmkopf {
// The version the application was given, else the one it was built as ("0.1.0").
QString version();
// The start of the main window's caption: "Pistorelle 0.1(0)" (major.minor(patch)).
QString titel();
}  // namespace Programmkopf
