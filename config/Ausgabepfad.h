#pragma once
// The output setting ltfPfad is a prefix put in front of every file name. A value that names
// an existing folder without a trailing separator means that folder: the files go into it
// (rather than beside it with the folder name glued to theirs). Anything else stays a prefix.

#include <QString>

namespace Ausgabepfad {
QString praefix(const QString& ltfPfad);
}
