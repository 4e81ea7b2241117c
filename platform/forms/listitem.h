#pragma once
// One row of a ListView: its Text (first column), SubItems for the other columns (1-based,
// as the columns after the first), a Key, a Tag and the ToolTipText shown over the row.
// A row shows on one line: a line break in a text shows as a space.

#include <QString>
#include <QStringList>
#include <memory>

class ListView;
class QTreeWidgetItem;

class ListItem {
public:
    const QString& Text() const { return m_texts.front(); }
    void setText(const QString& text);
    const QString& Key() const { return m_key; }
    // Raise 380 for an index outside 1..columns-1.
    QString SubItems(int index) const;
    void setSubItems(int index, const QString& text);
    int Index() const; // 1-based, in the order shown
    const QString& Tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }
    const QString& ToolTipText() const { return m_toolTipText; }
    void setToolTipText(const QString& text);
    // Scrolls the list so that the row is in view.
    void EnsureVisible();

private:
    friend class ListView;
    // The text shown in a column (0 = Text); "" past the columns.
    QString columnText(int column) const;
    ListItem(const ListView& owner, QString key, const QString& text, QTreeWidgetItem* row);
    void checkSubItemIndex(int index) const;

    const ListView& m_owner;
    void showText(int column);

    QString m_key;
    QStringList m_texts;
    QString m_tag;
    QString m_toolTipText;
    QTreeWidgetItem* m_row; // owned by the view's tree
};
