#pragma once
// A list view in report view: column headers, rows with sub-items and keys, and sorting
// by the text of one column (SortKey, 0 = the items' Text), without regard to case, while
// Sorted is set. A click on a header runs ColumnClick with the header's 1-based index;
// the handler sorts if it wants to. ItemClick runs when the user clicks an item or moves
// the selection with the keys; DblClick on a double click. Choosing from code runs neither.

#include "control.h"
#include "event.h"
#include "listitem.h"

#include <QHash>
#include <vector>

class QTreeWidget;

constexpr int lvwAscending = 0;
constexpr int lvwDescending = 1;

// Column alignments.
constexpr int lvwColumnLeft = 0;
constexpr int lvwColumnRight = 1;
constexpr int lvwColumnCenter = 2;

class ListView : public Control {
public:
    ListView(Container& container, const QString& name);

    // Widths in the container's scale.
    void AddColumnHeader(const QString& text, double width, int alignment = lvwColumnLeft);
    int ColumnHeaderCount() const { return int(m_columns.size()); }

    // Raises 35602 for a key already in the list ("" is no key). A sorted list puts the
    // item in its place. Keys are found through an index, so a list of thousands fills fast.
    ListItem& AddListItem(const QString& key, const QString& text);
    int ListItemCount() const { return int(m_items.size()); }
    ListItem& ListItemAt(int index); // 1-based; raises 35600 outside the list
    ListItem* FindListItem(const QString& key) const;
    void ClearListItems();

    ListItem* SelectedItem() const { return m_selected; }
    void setSelectedItem(ListItem* item); // nullptr selects nothing

    int SortKey() const { return m_sortKey; }
    void setSortKey(int column); // raises 380 when negative
    int SortOrder() const { return m_sortOrder; }
    void setSortOrder(int order); // raises 380 for anything but lvwAscending and lvwDescending
    bool Sorted() const { return m_sorted; }
    void setSorted(bool sorted);

    Event<int> ColumnClick;
    Event<ListItem&> ItemClick;
    Event<> DblClick;

private:
    friend class ListItem;
    int positionOf(const ListItem& item) const;

    struct Column {
        QString text;
        ScaledValue width;
        Qt::Alignment alignment;
    };
    Qt::Alignment columnAlignment(int column) const;

    QTreeWidget* tree() const;
    bool sortsBefore(const ListItem& a, const ListItem& b) const;
    void sort();
    void showColumns();
    void userSelected();
    void userChose(QTreeWidgetItem* row);

    std::vector<Column> m_columns;
    std::vector<std::unique_ptr<ListItem>> m_items; // in the order shown
    QHash<QString, ListItem*> m_byKey;
    ListItem* m_selected = nullptr;
    int m_sortKey = 0;
    int m_sortOrder = lvwAscending;
    bool m_sorted = false;
};
