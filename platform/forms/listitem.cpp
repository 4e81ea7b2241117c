#include "listitem.h"
#include "listview.h"
#include "runtime/vberror.h"

#include <QTreeWidgetItem>

ListItem::ListItem(const ListView& owner, QString key, const QString& text, QTreeWidgetItem* row)
    : m_owner(owner), m_key(std::move(key)), m_texts{text}, m_row(row) {
    m_row->setText(0, text);
}

void ListItem::setText(const QString& text) {
    m_texts.front() = text;
    m_row->setText(0, text);
}

QString ListItem::SubItems(int index) const {
    checkSubItemIndex(index);
    return columnText(index);
}

void ListItem::setSubItems(int index, const QString& text) {
    checkSubItemIndex(index);
    while (m_texts.size() <= index)
        m_texts.append(QString());
    m_texts[index] = text;
    m_row->setText(index, text);
}

int ListItem::Index() const {
    return m_owner.positionOf(*this) + 1;
}

QString ListItem::columnText(int column) const {
    return m_texts.value(column);
}

void ListItem::checkSubItemIndex(int index) const {
    if (index < 1 || index >= m_owner.ColumnHeaderCount()) throw VbError(VbError::InvalidPropertyValue);
}
