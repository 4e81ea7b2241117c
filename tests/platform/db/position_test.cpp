// Positions, field names and Find, which both kinds of recordset share.
#include "db/dberrors.h"
#include "dbtestfixture.h"

namespace {
const QString kAllItems = QStringLiteral("SELECT * FROM tblItem ORDER BY ItemID");
const QString kNoItems = QStringLiteral("SELECT * FROM tblItem WHERE ItemID > 100");
} // namespace

class PositionTest : public DbTest, public ::testing::WithParamInterface<Recordset::Kind> {
protected:
    RecordsetPtr open(const QString& sql) { return DbTest::open(GetParam(), sql); }
    static qint32 id(Recordset& rs) { return rs.field(QStringLiteral("ItemID")).toLong(); }
};

TEST_P(PositionTest, OpensOnTheFirstRowAndStopsAtBothEnds) {
    auto rs = open(kAllItems);
    EXPECT_EQ(rs->kind(), GetParam());
    EXPECT_FALSE(rs->bof() || rs->eof());
    EXPECT_EQ(rs->recordCount(), 6);
    EXPECT_EQ(columnFrom(*rs, QStringLiteral("ItemID")).join(QLatin1Char(',')),
              QStringLiteral("1,2,3,4,5,6"));
    EXPECT_TRUE(rs->eof());
    EXPECT_FALSE(rs->bof());
    EXPECT_EQ(errorOf([&] { rs->field(QStringLiteral("Name")).value(); }), VbError::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs->moveNext(); }), VbError::NoCurrentRecord);

    rs->movePrevious();
    EXPECT_EQ(id(*rs), 6);
    rs->moveFirst();
    rs->movePrevious();
    EXPECT_TRUE(rs->bof());
    EXPECT_EQ(errorOf([&] { rs->field(QStringLiteral("Name")).value(); }), VbError::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs->movePrevious(); }), VbError::NoCurrentRecord);
    rs->moveNext();
    EXPECT_EQ(id(*rs), 1);
    rs->moveLast();
    EXPECT_EQ(id(*rs), 6);
}

TEST_P(PositionTest, NoRowsIsBofAndEofAndEveryMoveRaises) {
    auto rs = open(kNoItems);
    EXPECT_TRUE(rs->bof() && rs->eof());
    EXPECT_EQ(rs->recordCount(), 0);
    EXPECT_EQ(errorOf([&] { rs->moveFirst(); }), VbError::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs->moveLast(); }), VbError::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs->moveNext(); }), VbError::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs->movePrevious(); }), VbError::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs->field(QStringLiteral("Name")).value(); }), VbError::NoCurrentRecord);
}

TEST_P(PositionTest, FieldNamesMatchWithoutCase) {
    auto rs = open(kAllItems);
    EXPECT_EQ(rs->field(QStringLiteral("nAmE")).toText(), QStringLiteral("b"));
    EXPECT_EQ(rs->field(QStringLiteral("NAME")).name(), QStringLiteral("Name"));
    EXPECT_EQ(rs->fieldCount(), 9);
    EXPECT_EQ(rs->fieldName(3), QStringLiteral("Nr"));
    EXPECT_EQ(errorOf([&] { rs->field(QStringLiteral("Nmae")); }), VbError::ItemNotFound);
    EXPECT_EQ(errorOf([&] { rs->fieldName(9); }), VbError::ItemNotFound);
    auto empty = open(kNoItems);
    EXPECT_EQ(errorOf([&] { empty->field(QStringLiteral("Nmae")); }), VbError::ItemNotFound)
        << "raised at once";
}

TEST_P(PositionTest, FindTakesNumbersAndQuotedTexts) {
    auto rs = open(kAllItems);
    rs->find(QStringLiteral("ItemID = 3"));
    EXPECT_EQ(id(*rs), 3);
    rs->moveFirst();
    rs->find(QStringLiteral("ItemID=3"));
    EXPECT_EQ(id(*rs), 3);
    rs->moveFirst();
    rs->find(QStringLiteral("Nr = 4.0"));
    EXPECT_EQ(id(*rs), 4);
    rs->moveFirst();
    rs->find(QStringLiteral("Name = 'B'"));
    EXPECT_EQ(id(*rs), 1) << "texts match without regard to case";
    rs->find(QStringLiteral("Name = \"C\""));
    EXPECT_EQ(id(*rs), 3);
    rs->find(QStringLiteral("Name = 'o''hara'"));
    EXPECT_EQ(id(*rs), 5);
    rs->moveFirst();
    rs->find(QStringLiteral("Flag = -1"));
    EXPECT_EQ(id(*rs), 2);
}

TEST_P(PositionTest, FindSearchesForwardFromTheCurrentRow) {
    auto rs = open(kAllItems);
    rs->find(QStringLiteral("Flag = -1"));
    rs->find(QStringLiteral("Flag = -1"));
    EXPECT_EQ(id(*rs), 2) << "the current row counts";
    rs->moveNext();
    rs->find(QStringLiteral("Flag = -1"));
    EXPECT_EQ(id(*rs), 4);
    rs->find(QStringLiteral("ItemID = 1"));
    EXPECT_TRUE(rs->eof()) << "no wrapping round";
    rs->find(QStringLiteral("ItemID = 6"));
    EXPECT_TRUE(rs->eof()) << "from EOF nothing is found";
    rs->moveFirst();
    rs->movePrevious();
    rs->find(QStringLiteral("ItemID = 1"));
    EXPECT_EQ(id(*rs), 1) << "from BOF the search starts at the first row";
}

TEST_P(PositionTest, NullNeverMatches) {
    auto rs = open(kAllItems);
    rs->find(QStringLiteral("Name = ''"));
    EXPECT_EQ(id(*rs), 6);
    rs->moveFirst();
    rs->find(QStringLiteral("Colour = 0"));
    EXPECT_TRUE(rs->eof());
}

TEST_P(PositionTest, FindRefusesWhatIsNoCriterion) {
    auto rs = open(kAllItems);
    for (const char* criterion : {"", "Name LIKE 'b'", "Name = 'b", "Name = b", "= 3", "Name = 'a'b'"})
        EXPECT_EQ(errorOf([&] { rs->find(QString::fromLatin1(criterion)); }), DbError::BadCriterion)
            << criterion;
    EXPECT_EQ(errorOf([&] { rs->find(QStringLiteral("Nmae = 1")); }), VbError::ItemNotFound);
    EXPECT_EQ(id(*rs), 1) << "a refused search does not move";
}

INSTANTIATE_TEST_SUITE_P(BothKinds, PositionTest,
                         ::testing::Values(Recordset::Kind::Snapshot, Recordset::Kind::Live),
                         [](const auto& param) {
                             return std::string(param.param == Recordset::Kind::Live ? "Live" : "Snapshot");
                         });
