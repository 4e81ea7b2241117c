// The column catalogue: what assignment stores and what reading gives, by declared type.
#include "db/dberrors.h"
#include "dbtestfixture.h"

namespace {
const QString kFirstItem = QStringLiteral("SELECT * FROM tblItem WHERE ItemID = 1");
}

class ColumnTypeTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        rs = db->openLive(kFirstItem);
    }
    // Assigns, updates, and gives what the file then holds and its storage class.
    std::pair<Variant, QString> store(const QString& column, const Variant& value) {
        rs->field(column) = value;
        rs->update();
        return {stored(QStringLiteral("SELECT %1 AS v FROM tblItem WHERE ItemID = 1").arg(column)),
                stored(QStringLiteral("SELECT typeof(%1) AS v FROM tblItem WHERE ItemID = 1").arg(column))
                    .toText()};
    }
    RecordsetPtr rs;
};

TEST_F(ColumnTypeTest, SmallIntRoundsHalvesToEvenAndOverflowsAtAssignment) {
    rs->field(QStringLiteral("Nr")) = 2.5;
    EXPECT_EQ(rs->field(QStringLiteral("Nr")).value(), Variant(2)) << "the buffer reads back converted";
    EXPECT_EQ(store(QStringLiteral("Nr"), 3.5).first, Variant(4));
    EXPECT_EQ(store(QStringLiteral("Nr"), -32768).first, Variant(-32768));

    EXPECT_EQ(errorOf([&] { rs->field(QStringLiteral("Nr")) = 32768; }), VbError::Overflow);
    EXPECT_EQ(errorOf([&] { rs->field(QStringLiteral("Nr")) = -32769; }), VbError::Overflow);
    EXPECT_EQ(errorOf([&] { rs->field(QStringLiteral("Nr")) = "many"; }), VbError::TypeMismatch);
    EXPECT_FALSE(rs->isEditing()) << "a refused value buffers nothing";
}

TEST_F(ColumnTypeTest, IntegerIs32BitAndDoubleKeepsFractions) {
    EXPECT_EQ(store(QStringLiteral("Colour"), 16777215).first, Variant(16777215));
    EXPECT_EQ(store(QStringLiteral("Colour"), 40000.5).first, Variant(40000));
    EXPECT_EQ(errorOf([&] { rs->field(QStringLiteral("Colour")) = 2147483648.0; }), VbError::Overflow);

    EXPECT_EQ(store(QStringLiteral("Size"), 307.5).first, Variant(307.5));
    db->execute(QStringLiteral("UPDATE tblItem SET Size = 2 WHERE ItemID = 1"));
    EXPECT_EQ(rs->field(QStringLiteral("Size")).value().type(), Variant::Type::Double);
}

TEST_F(ColumnTypeTest, BooleansAreStoredAsMinusOneAndZero) {
    const auto raw = [&](const Variant& value) {
        store(QStringLiteral("Flag"), value);
        return stored(QStringLiteral("SELECT Flag + 0 AS v FROM tblItem WHERE ItemID = 1"));
    };
    EXPECT_EQ(raw(true), Variant(-1));
    EXPECT_EQ(rs->field(QStringLiteral("Flag")).value(), Variant(true));
    EXPECT_EQ(raw(false), Variant(0));
    EXPECT_EQ(raw(Variant()), Variant(0)) << "Null stores False";
    EXPECT_EQ(raw(7), Variant(-1));

    db->execute(QStringLiteral("UPDATE tblItem SET Flag = 5 WHERE ItemID = 3"));
    auto sorted = db->openSnapshot(QStringLiteral("SELECT ItemID, Flag FROM tblItem ORDER BY Flag, ItemID"));
    EXPECT_EQ(columnFrom(*sorted, QStringLiteral("ItemID")).mid(0, 3),
              QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4")}))
        << "True (-1) sorts first";
    sorted->moveFirst();
    sorted->find(QStringLiteral("ItemID = 3"));
    EXPECT_EQ(sorted->field(QStringLiteral("Flag")).value(), Variant(true)) << "any non-zero reads True";
}

TEST_F(ColumnTypeTest, TextsSortWithoutCase) {
    auto sorted =
        db->openSnapshot(QStringLiteral("SELECT Name FROM tblItem WHERE ItemID <= 3 ORDER BY Name"));
    EXPECT_EQ(columnFrom(*sorted, QStringLiteral("Name")),
              QStringList({QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("c")}));
}

TEST_F(ColumnTypeTest, TextsTakeNumbersAsTextAndKeepLineBreaks) {
    EXPECT_EQ(store(QStringLiteral("Name"), 5), std::make_pair(Variant("5"), QStringLiteral("text")));
    EXPECT_EQ(rs->field(QStringLiteral("Name")).value(), Variant("5"));
    EXPECT_EQ(store(QStringLiteral("Info"), "line one\r\nline two").first, Variant("line one\r\nline two"));
}

TEST_F(ColumnTypeTest, NullStoresNull) {
    EXPECT_EQ(store(QStringLiteral("Name"), Variant()).second, QStringLiteral("null"));
    EXPECT_TRUE(rs->field(QStringLiteral("Name")).isNull());
    EXPECT_EQ(store(QStringLiteral("Nr"), Variant()).second, QStringLiteral("null"));
    EXPECT_EQ(rs->field(QStringLiteral("Name")).actualSize(), 0);
    EXPECT_EQ(errorOf([&] { rs->field(QStringLiteral("Name")).toText(); }), VbError::InvalidUseOfNull);
    EXPECT_EQ(rs->field(QStringLiteral("Name")).concatText(), QString());
}

TEST_F(ColumnTypeTest, BytesRoundTripWhole) {
    QByteArray small("\x42\x4d\0\x01\xff", 5);
    QByteArray large(3 * 1024 * 1024 / 2, '\0');
    for (qsizetype i = 0; i < large.size(); ++i)
        large[i] = char((i * 7919) >> 3);

    EXPECT_EQ(store(QStringLiteral("Picture"), small),
              std::make_pair(Variant(small), QStringLiteral("blob")));
    store(QStringLiteral("Picture"), large);
    auto again = db->openLive(kFirstItem);
    EXPECT_EQ(again->field(QStringLiteral("Picture")).toBytes(), large);
    EXPECT_EQ(again->field(QStringLiteral("Picture")).actualSize(), large.size());
    EXPECT_EQ(db->openSnapshot(kFirstItem)->field(QStringLiteral("Picture")).toBytes(), large);
}

TEST_F(ColumnTypeTest, ValuesReadAsTheirLogicalType) {
    auto row = db->openSnapshot(QStringLiteral("SELECT ItemID, Nr, Colour, Size, Flag, Name, Picture, "
                                               "Nr * 2 AS Twice, IFNULL(Name, '') || ' : ' || Nr AS Label "
                                               "FROM tblItem WHERE ItemID = 2"));
    const auto type = [&](const char* name) { return row->field(QString::fromLatin1(name)).value().type(); };
    EXPECT_EQ(type("ItemID"), Variant::Type::Integer);
    EXPECT_EQ(type("Nr"), Variant::Type::Integer);
    EXPECT_EQ(type("Colour"), Variant::Type::Null);
    EXPECT_EQ(type("Flag"), Variant::Type::Boolean);
    EXPECT_EQ(type("Name"), Variant::Type::Text);
    EXPECT_EQ(type("Picture"), Variant::Type::Null);
    EXPECT_EQ(row->field(QStringLiteral("Twice")).value(), Variant(4));
    EXPECT_EQ(row->field(QStringLiteral("Label")).value(), Variant("A : 2"));
}

TEST_F(ColumnTypeTest, KeysAndComputedColumnsCannotBeAssigned) {
    EXPECT_EQ(errorOf([&] { rs->field(QStringLiteral("ItemID")) = 99; }), DbError::NotUpdatable);

    auto computed = db->openLive(QStringLiteral("SELECT ItemID, IFNULL(Name, '') || ' : ' || Nr AS Label, "
                                                "(SELECT count(*) FROM tblGroup) AS Groups FROM tblItem"));
    EXPECT_EQ(computed->field(QStringLiteral("Label")).toText(), QStringLiteral("b : 1"));
    EXPECT_EQ(computed->field(QStringLiteral("Groups")).value(), Variant(2));
    EXPECT_EQ(errorOf([&] { computed->field(QStringLiteral("Label")) = "x"; }), DbError::NotUpdatable);
    EXPECT_FALSE(computed->isEditing());
}
