#pragma once
// A one-column criterion as Find and Filter take it: "Name = value", where the value is
// a number ("CardID = 5", "CardID=5", "-2.5") or a text in single or double quotes, a
// doubled quote standing for one ("SetName = 'Bob''s'"). A row matches when its value
// matches (Variant::matches: numbers by value, texts without regard to case, Null never).

#include "runtime/variant.h"

#include <optional>

struct Criterion {
    QString column;
    Variant value;
};

// A blank text gives no criterion; any other text that is not of that form raises
// DbError::BadCriterion.
std::optional<Criterion> parseCriterion(const QString& text);
