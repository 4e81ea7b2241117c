#pragma once
// How a set's small cards divide among card types and card backs: the text of the
// statistics message. Only cards whose type (or back) row exists are counted in that half.

#include <QString>

// typeCorner names the corner column shown after the upper left ("LowerLeft" or "UpperRight").
QString cardStatistics(qint32 setID, const QString& typeCorner);

// A share in whole percent, halves rounded away from zero as the old number formatting did.
QString percentText(qint32 part, qint32 whole);
