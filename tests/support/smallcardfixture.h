#pragma once
// A program folder with one open set, for the small-card editors' tests. The editors and
// their dialogs are unloaded when a test ends, so that each test loads them afresh.

#include "editorfixture.h"
#include "frmCard2nd.h"
#include "frmCard3rd.h"
#include "platform/forms/qstringprinter.h"

#include "runtime/variant.h"

#include <map>

class SmallCardFixture : public EditorFixture {
protected:
    ~SmallCardFixture() override;

    // Adds a set through rsSet, with its font rows, and opens it as the main window does.
    qint32 openNewSet(qint16 edition, qint32 languageID = 1);
    // Adds a card of the open set with a new card's values, changed by `fields`.
    qint32 insertCard(int nr, const std::map<QString, Variant>& fields = {});
    // Nr and Title of the open set's cards, in Nr order.
    std::vector<std::pair<int, QString>> cards() const;
    Variant cardField(qint32 cardID, const QString& field) const;
    Variant setField(const QString& field) const;
    void setSetField(const QString& field, const Variant& value);
};
