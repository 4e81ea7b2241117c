// The list view: rows with sub-items and keys, sorted by the text of one column.
#include "testform.h"

#include "forms/listview.h"
#include "runtime/vberror.h"

#include <QHeaderView>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {
class ListViewTest : public ::testing::Test {
protected:
    ListViewTest() {
        lvwCards.AddColumnHeader(QStringLiteral("Title"), 1500);
        lvwCards.AddColumnHeader(QStringLiteral("Type"), 1500);
        add(QStringLiteral("k1"), QStringLiteral("dragon"), QStringLiteral("Monster"));
        add(QStringLiteral("k2"), QStringLiteral("Axe"), QStringLiteral("item"));
        add(QStringLiteral("k3"), QStringLiteral("Castle"), QStringLiteral("Place"));
        add(QStringLiteral("k4"), QStringLiteral("beast"), QStringLiteral("monster"));
    }

    void add(const QString& key, const QString& title, const QString& type) {
        lvwCards.AddListItem(key, title).setSubItems(1, type);
    }

    // Keys in the order the model keeps, checked against the order the widget shows.
    QStringList keys() {
        auto* tree = static_cast<QTreeWidget*>(lvwCards.widget());
        QStringList result;
        for (int i = 1; i <= lvwCards.ListItemCount(); ++i) {
            const ListItem& item = lvwCards.ListItemAt(i);
            EXPECT_EQ(item.Index(), i);
            EXPECT_EQ(tree->topLevelItem(i - 1)->text(0), item.Text());
            EXPECT_EQ(tree->topLevelItem(i - 1)->text(1), item.SubItems(1));
            result << item.Key();
        }
        return result;
    }

    static QStringList list(std::initializer_list<const char*> items) {
        QStringList result;
        for (const char* item : items)
            result << QString::fromLatin1(item);
        return result;
    }

    TestForm form;
    ListView lvwCards{form, QStringLiteral("lvwCards")};
};

TEST_F(ListViewTest, UnsortedKeepsTheOrderOfAdding) {
    EXPECT_EQ(keys(), list({"k1", "k2", "k3", "k4"}));
    lvwCards.setSortKey(1);
    EXPECT_EQ(keys(), list({"k1", "k2", "k3", "k4"}));
}

TEST_F(ListViewTest, SortsByTheKeyColumnWithoutRegardToCase) {
    lvwCards.setSorted(true);
    EXPECT_EQ(keys(), list({"k2", "k4", "k3", "k1"}));

    lvwCards.setSortOrder(lvwDescending);
    EXPECT_EQ(keys(), list({"k1", "k3", "k4", "k2"}));

    // Equal texts keep the order they had.
    lvwCards.setSortOrder(lvwAscending);
    lvwCards.setSortKey(1);
    EXPECT_EQ(keys(), list({"k2", "k4", "k1", "k3"}));
}

TEST_F(ListViewTest, AddingToASortedListPutsTheItemInItsPlace) {
    lvwCards.setSorted(true);
    add(QStringLiteral("k5"), QStringLiteral("bat"), QStringLiteral("Monster"));
    EXPECT_EQ(keys(), list({"k2", "k5", "k4", "k3", "k1"}));
}

TEST_F(ListViewTest, SelectedItemSurvivesSorting) {
    ListItem* castle = lvwCards.FindListItem(QStringLiteral("k3"));
    ASSERT_NE(castle, nullptr);
    lvwCards.setSelectedItem(castle);
    lvwCards.setSorted(true);
    EXPECT_EQ(lvwCards.SelectedItem(), castle);
    EXPECT_EQ(static_cast<QTreeWidget*>(lvwCards.widget())->currentItem()->text(0), QStringLiteral("Castle"));

    lvwCards.ClearListItems();
    EXPECT_EQ(lvwCards.SelectedItem(), nullptr);
    EXPECT_EQ(lvwCards.ListItemCount(), 0);
}

TEST_F(ListViewTest, UsersSelectionBecomesSelectedItem) {
    auto* tree = static_cast<QTreeWidget*>(lvwCards.widget());
    tree->setCurrentItem(tree->topLevelItem(1));
    ASSERT_NE(lvwCards.SelectedItem(), nullptr);
    EXPECT_EQ(lvwCards.SelectedItem()->Key(), QStringLiteral("k2"));
}

TEST_F(ListViewTest, KeysAndIndexesAreChecked) {
    EXPECT_THROW(lvwCards.AddListItem(QStringLiteral("k1"), QStringLiteral("again")), VbError);
    lvwCards.AddListItem(QString(), QStringLiteral("no key"));
    lvwCards.AddListItem(QString(), QStringLiteral("no key either"));
    EXPECT_EQ(lvwCards.ListItemCount(), 6);
    EXPECT_EQ(lvwCards.FindListItem(QString()), nullptr);
    EXPECT_EQ(lvwCards.FindListItem(QStringLiteral("k9")), nullptr);
    EXPECT_THROW(lvwCards.ListItemAt(0), VbError);
    EXPECT_THROW(lvwCards.ListItemAt(7), VbError);
    EXPECT_THROW(lvwCards.ListItemAt(1).setSubItems(2, QStringLiteral("x")), VbError);
    EXPECT_THROW(lvwCards.ListItemAt(1).SubItems(0), VbError);
    EXPECT_EQ(lvwCards.ListItemAt(5).SubItems(1), QString());
}

TEST_F(ListViewTest, ClearingForgetsTheKeys) {
    EXPECT_EQ(lvwCards.FindListItem(QStringLiteral("k3"))->Text(), "Castle");
    lvwCards.ClearListItems();
    EXPECT_EQ(lvwCards.FindListItem(QStringLiteral("k3")), nullptr);
    add(QStringLiteral("k3"), QStringLiteral("Tower"), QStringLiteral("Place"));
    EXPECT_EQ(lvwCards.FindListItem(QStringLiteral("k3"))->Text(), "Tower");
}

TEST_F(ListViewTest, ARowShowsOnOneLine) {
    ListItem& item = lvwCards.AddListItem(QStringLiteral("k5"), QStringLiteral("Two\r\nlines"));
    item.setSubItems(1, QStringLiteral("a\nb"));
    const QTreeWidgetItem* row = static_cast<QTreeWidget*>(lvwCards.widget())->topLevelItem(4);
    EXPECT_EQ(row->text(0), "Two lines");
    EXPECT_EQ(row->text(1), "a b");
    EXPECT_EQ(item.Text(), "Two\r\nlines"); // the text itself stays
}

TEST_F(ListViewTest, HeaderClickReportsTheColumnAndTheHandlerSorts) {
    lvwCards.ColumnClick = [this](int column) {
        lvwCards.setSortKey(column - 1);
        lvwCards.setSorted(true);
    };
    form.resize(400, 300);
    lvwCards.setWidth(6000);
    lvwCards.setHeight(3000);
    form.Show();
    QHeaderView* header = static_cast<QTreeWidget*>(lvwCards.widget())->header();
    const QPoint typeHeader(header->sectionViewportPosition(1) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, typeHeader);
    EXPECT_EQ(lvwCards.SortKey(), 1);
    EXPECT_EQ(keys(), list({"k2", "k1", "k4", "k3"}));
}

TEST_F(ListViewTest, UsersClicksAndKeysRunItemClickAndCodeDoesNot) {
    QStringList clicked;
    int doubleClicks = 0;
    lvwCards.ItemClick = [&](ListItem& item) { clicked << item.Key(); };
    lvwCards.DblClick = [&] { ++doubleClicks; };
    form.resize(400, 300);
    lvwCards.setWidth(6000);
    lvwCards.setHeight(3000);
    form.Show();
    auto* tree = static_cast<QTreeWidget*>(lvwCards.widget());
    const QPoint second = tree->visualItemRect(tree->topLevelItem(1)).center();

    lvwCards.setSelectedItem(lvwCards.FindListItem(QStringLiteral("k1")));
    EXPECT_TRUE(clicked.isEmpty());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, second); // the same row again
    QTest::keyClick(tree, Qt::Key_Down);
    EXPECT_EQ(clicked, list({"k2", "k2", "k3"}));
    EXPECT_EQ(lvwCards.SelectedItem()->Key(), QStringLiteral("k3"));
    QTest::keyClick(tree, Qt::Key_End);
    QTest::keyClick(tree, Qt::Key_Down); // nowhere to go
    EXPECT_EQ(clicked.size(), 4);

    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(doubleClicks, 1);
}

TEST(ListViewColumns, NarrowColumnsKeepTheirWidths) {
    TestForm form;
    ListView lvwType(form, QStringLiteral("lvwType"));
    lvwType.AddColumnHeader(QStringLiteral("Nr"), 420);
    lvwType.AddColumnHeader(QStringLiteral("Custom"), 840);
    auto* tree = static_cast<QTreeWidget*>(lvwType.widget());
    EXPECT_EQ(tree->columnWidth(0), 28);
    EXPECT_EQ(tree->columnWidth(1), 56);
}

TEST(ListViewColumns, AlignmentAppliesToEveryRowAndTheHeader) {
    TestForm form;
    ListView lvwType(form, QStringLiteral("lvwType"));
    lvwType.AddColumnHeader(QStringLiteral("Upper left"), 900);
    lvwType.AddColumnHeader(QStringLiteral("Upper right"), 900, lvwColumnRight);
    ListItem& item = lvwType.AddListItem(QStringLiteral("CT1"), QStringLiteral("ENEMY-"));
    item.setSubItems(1, QStringLiteral("Alien"));
    item.setToolTipText(QStringLiteral("Beware"));
    auto* tree = static_cast<QTreeWidget*>(lvwType.widget());
    EXPECT_EQ(tree->topLevelItem(0)->textAlignment(0) & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(tree->topLevelItem(0)->textAlignment(1) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(tree->headerItem()->textAlignment(1) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(tree->topLevelItem(0)->toolTip(1), QStringLiteral("Beware"));
    EXPECT_THROW(lvwType.AddColumnHeader(QStringLiteral("x"), 100, 3), VbError);
}
} // namespace
