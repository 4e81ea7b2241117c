#include "listview.h"
#include "container.h"
#include "runtime/vberror.h"
#include "systemcolours.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <algorithm>
#include <functional>

namespace {
// Tells the list view of the user's own choices: a click on a row, or a key that moves the
// current row.
class ListTree : public QTreeWidget {
public:
    std::function<void(QTreeWidgetItem*)> userChose;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        QTreeWidget::mousePressEvent(event);
        if (QTreeWidgetItem* row = itemAt(event->position().toPoint()); row && userChose) userChose(row);
    }
    void keyPressEvent(QKeyEvent* event) override {
        QTreeWidgetItem* before = currentItem();
        QTreeWidget::keyPressEvent(event);
        if (currentItem() && currentItem() != before && userChose) userChose(currentItem());
    }
};
} // namespace

ListView::ListView(Container& container, const QString& name)
    : Control(container, name, std::make_unique<ListTree>(),
              {QPalette::Base, QPalette::Text, vbWindowBackground, vbWindowText}) {
    tree()->setRootIsDecorated(false);
    tree()->setUniformRowHeights(true);
    tree()->setAllColumnsShowFocus(true);
    tree()->setSelectionMode(QAbstractItemView::SingleSelection);
    tree()->setColumnCount(0);
    tree()->header()->setSectionsClickable(true);
    tree()->header()->setStretchLastSection(false);
    // A column is as narrow as it is made, as the style's minimum would widen a narrow one.
    tree()->header()->setMinimumSectionSize(0);
    QObject::connect(tree(), &QTreeWidget::itemSelectionChanged, context(), [this] { userSelected(); });
    QObject::connect(tree()->header(), &QHeaderView::sectionClicked, context(),
                     [this](int column) { ColumnClick(column + 1); });
    QObject::connect(tree(), &QTreeWidget::itemDoubleClicked, context(), [this] { DblClick(); });
    static_cast<ListTree*>(tree())->userChose = [this](QTreeWidgetItem* row) { userChose(row); };
}

void ListView::AddColumnHeader(const QString& text, double width, int alignment) {
    if (width < 0) throw VbError(VbError::InvalidPropertyValue);
    static const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    if (alignment < lvwColumnLeft || alignment > lvwColumnCenter)
        throw VbError(VbError::InvalidPropertyValue);
    m_columns.push_back(
        {text, ScaledValue(width, container().ScaleMode()), alignments[alignment] | Qt::AlignVCenter});
    showColumns();
}

ListItem& ListView::AddListItem(const QString& key, const QString& text) {
    if (!key.isEmpty() && FindListItem(key))
        throw VbError(35602, QStringLiteral("Key is not unique in collection"));
    auto row = std::make_unique<QTreeWidgetItem>();
    std::unique_ptr<ListItem> item(new ListItem(*this, key, text, row.get()));
    auto place = m_items.end();
    if (m_sorted)
        place = std::upper_bound(m_items.begin(), m_items.end(), item,
                                 [this](const auto& a, const auto& b) { return sortsBefore(*a, *b); });
    const int position = int(place - m_items.begin());
    ListItem& added = **m_items.insert(place, std::move(item));
    if (!key.isEmpty()) m_byKey.insert(key, &added);
    tree()->insertTopLevelItem(position, row.release());
    return added;
}

ListItem& ListView::ListItemAt(int index) {
    if (index < 1 || index > ListItemCount()) throw VbError(35600, QStringLiteral("Index out of bounds"));
    return *m_items[size_t(index - 1)];
}

ListItem* ListView::FindListItem(const QString& key) const {
    return m_byKey.value(key, nullptr);
}

void ListView::ClearListItems() {
    const QSignalBlocker blocker(tree());
    m_selected = nullptr;
    m_byKey.clear();
    m_items.clear();
    tree()->clear();
}

void ListView::setSelectedItem(ListItem* item) {
    m_selected = item;
    const QSignalBlocker blocker(tree());
    if (item)
        tree()->setCurrentItem(item->m_row);
    else
        tree()->clearSelection();
}

void ListView::setSortKey(int column) {
    if (column < 0) throw VbError(VbError::InvalidPropertyValue);
    m_sortKey = column;
    sort();
}

void ListView::setSortOrder(int order) {
    if (order != lvwAscending && order != lvwDescending) throw VbError(VbError::InvalidPropertyValue);
    m_sortOrder = order;
    sort();
}

void ListView::setSorted(bool sorted) {
    m_sorted = sorted;
    sort();
}

Qt::Alignment ListView::columnAlignment(int column) const {
    return m_columns[size_t(column)].alignment;
}

int ListView::positionOf(const ListItem& item) const {
    const auto found = std::find_if(m_items.begin(), m_items.end(),
                                    [&](const auto& candidate) { return candidate.get() == &item; });
    return int(found - m_items.begin());
}

QTreeWidget* ListView::tree() const {
    return static_cast<QTreeWidget*>(widget());
}

bool ListView::sortsBefore(const ListItem& a, const ListItem& b) const {
    const int order = a.columnText(m_sortKey).compare(b.columnText(m_sortKey), Qt::CaseInsensitive);
    return m_sortOrder == lvwAscending ? order < 0 : order > 0;
}

// Items that compare equal keep their order.
void ListView::sort() {
    if (!m_sorted) return;
    std::stable_sort(m_items.begin(), m_items.end(),
                     [this](const auto& a, const auto& b) { return sortsBefore(*a, *b); });
    const QSignalBlocker blocker(tree());
    tree()->invisibleRootItem()->takeChildren(); // the rows go back at once, in the new order
    QList<QTreeWidgetItem*> rows;
    for (const auto& item : m_items)
        rows << item->m_row;
    tree()->addTopLevelItems(rows);
    if (m_selected) tree()->setCurrentItem(m_selected->m_row);
}

void ListView::showColumns() {
    QStringList labels;
    for (const Column& column : m_columns)
        labels << column.text;
    tree()->setColumnCount(ColumnHeaderCount());
    tree()->setHeaderLabels(labels);
    for (int i = 0; i < ColumnHeaderCount(); ++i) {
        tree()->setColumnWidth(i, m_columns[size_t(i)].width.pixels());
        tree()->headerItem()->setTextAlignment(i, m_columns[size_t(i)].alignment);
    }
}

void ListView::userSelected() {
    const QList<QTreeWidgetItem*> selected = tree()->selectedItems();
    const auto found = std::find_if(m_items.begin(), m_items.end(), [&](const auto& item) {
        return !selected.isEmpty() && item->m_row == selected.constFirst();
    });
    m_selected = found == m_items.end() ? nullptr : found->get();
}

void ListView::userChose(QTreeWidgetItem* row) {
    userSelected();
    if (m_selected && m_selected->m_row == row) ItemClick(*m_selected);
}
