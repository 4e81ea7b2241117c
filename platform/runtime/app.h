#pragma once
// The program as the runtime describes it: its folder, its version and its executable's name.

#include <QString>

namespace App {

// The program's folder, without a trailing separator: the executable's folder unless setPath replaced it.
QString Path();
// Tests give each run a folder of their own; an empty folder goes back to the executable's.
void setPath(const QString& folder);

int Major();
int Minor();

// The executable's file name without folder or extension.
QString EXEName();

} // namespace App
