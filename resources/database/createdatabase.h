#pragma once
// Makes a new program database: every table, the reference rows and their pictures.

#include <QString>

// Writes the database under a temporary name in the target's folder and renames it onto
// path, so no half-written database is ever left. Raises VbError: 76 when the folder is
// missing, 75 when the file cannot be put in place, and the database's own errors.
void createDatabase(const QString& path);
