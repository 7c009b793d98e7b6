#pragma once

#include <QString>

// The files the program ships (the reset template, the logo). An installed program finds them in
// its data folder (share/varno beside bin/), a program in its build tree beside itself.
namespace programmdateien {

// Whether the program in `programmordner` runs from an installation rather than its build tree.
bool installiert(const QString& programmordner);
// The folder of the shipped files for the program in `programmordner`.
QString ordner(const QString& programmordner);
// The shipped file `name` of the running program.
QString datei(const QString& name);

} // namespace programmdateien
