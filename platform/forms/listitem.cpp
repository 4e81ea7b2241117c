#include "listitem.h"
#include "listview.h"
#include "runtime/vberror.h"

#include <QTreeWidget>

ListItem::ListItem(const ListView& owner, QString key, const QString& text, QTreeWidgetItem* row)
    : m_owner(owner), m_key(std::move(key)), m_texts{text}, m_row(row) {
    for (int column = 0; column < m_owner.ColumnHeaderCount(); ++column)
        m_row->setTextAlignment(column, m_owner.columnAlignment(column));
    showText(0);
}

void ListItem::setText(const QString& text) {
    m_texts.front() = text;
    showText(0);
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
    showText(index);
}

int ListItem::Index() const {
    return m_owner.positionOf(*this) + 1;
}

void ListItem::setToolTipText(const QString& text) {
    m_toolTipText = text;
    for (int column = 0; column < m_owner.ColumnHeaderCount(); ++column)
        m_row->setToolTip(column, text);
}

void ListItem::EnsureVisible() {
    m_owner.tree()->scrollToItem(m_row);
}

// A row is one line high, as every other row: line breaks show as spaces.
void ListItem::showText(int column) {
    QString shown = m_texts.value(column);
    shown.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
    m_row->setText(column, shown);
}

QString ListItem::columnText(int column) const {
    return m_texts.value(column);
}

void ListItem::checkSubItemIndex(int index) const {
    if (index < 1 || index >= m_owner.ColumnHeaderCount()) throw VbError(VbError::InvalidPropertyValue);
}
