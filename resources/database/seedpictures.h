#pragma once
// The seed text names its pictures as PICTURE('pattern', width, height, '#ground', '#ink');
// this turns each into the SQL blob literal X'...' of the painted picture's BMP bytes.

#include <QString>

// Raises 380 for an unknown pattern. A malformed call is left as it stands, so the
// database reports it as an unknown function.
QString expandPictures(const QString& sql);
