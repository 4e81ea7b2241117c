#pragma once
// A combo box, drop-down list (QComboBox) or editable (with a line edit). Filling it
// (Clear, AddItem) selects nothing and runs nothing. Click runs when code sets ListIndex
// to another item and once for each choice the user makes from the list; in the editable
// style Change runs when the text changes by code (setText) or by typing; there Alt with a
// key that is no access key types nothing (altkeys.h).

#include "control.h"
#include "event.h"

#include <vector>

class QComboBox;

class ComboBox : public Control {
public:
    enum class Style { DropDownList, Editable };

    ComboBox(Container& container, const QString& name, Style style = Style::DropDownList);

    void Clear();
    void AddItem(const QString& item);
    int NewIndex() const { return m_newIndex; } // the last item added, -1 after Clear
    int ListCount() const { return int(m_items.size()); }
    qint64 ItemData(int index) const;         // raises 381 for an index outside the list
    void setItemData(int index, qint64 data); // raises 381 for an index outside the list

    int ListIndex() const { return m_listIndex; } // -1: no item
    void setListIndex(int index);                 // raises 380 for an index outside -1..ListCount-1

    const QString& Text() const { return m_text; }
    // In the drop-down list style the text must be an item's (it selects that item) or
    // raises 383, as that style's text cannot be typed.
    void setText(const QString& text);

    int SelStart() const;
    void setSelStart(int start); // raises 380 when negative
    int SelLength() const;
    void setSelLength(int length); // raises 380 when negative

    Event<> Click;
    Event<> Change;

private:
    struct Item {
        QString text;
        qint64 data = 0;
    };

    QComboBox* combo() const;
    bool editable() const { return m_style == Style::Editable; }
    void checkItemIndex(int index) const;
    void showSelection();
    void userChose(int index);
    void userTyped(const QString& text);

    Style m_style;
    std::vector<Item> m_items;
    int m_newIndex = -1;
    int m_listIndex = -1;
    QString m_text;
};
