#include "expectvberror.h"
#include "runtime/variant.h"

TEST(Variant, NullUsedAsNumberOrTextRaisesInvalidUseOfNull) {
    const Variant null;
    EXPECT_VB_ERROR(null.toDouble(), VbError::InvalidUseOfNull);
    EXPECT_VB_ERROR(null.toInt(), VbError::InvalidUseOfNull);
    EXPECT_VB_ERROR(null.toLong(), VbError::InvalidUseOfNull);
    EXPECT_VB_ERROR(null.toText(), VbError::InvalidUseOfNull);
}

TEST(Variant, NullJoinsAsEmptyTextAndCountsAsFalse) {
    EXPECT_EQ(Variant().concatText(), QString());
    EXPECT_EQ(Variant(QStringLiteral("abc")).concatText(), QStringLiteral("abc"));
    EXPECT_FALSE(Variant().toBool());
}

TEST(Variant, ToBoolFollowsTheRuntime) {
    EXPECT_TRUE(Variant(-1).toBool());
    EXPECT_TRUE(Variant(2.5).toBool());
    EXPECT_FALSE(Variant(0).toBool());
    EXPECT_TRUE(Variant("True").toBool());
    EXPECT_FALSE(Variant("false").toBool());
    EXPECT_TRUE(Variant(" 7 ").toBool());
    EXPECT_VB_ERROR(Variant("yes").toBool(), VbError::TypeMismatch);
}

TEST(Variant, TextAsNumber) {
    EXPECT_EQ(Variant(" 12 ").toInt(), 12);
    EXPECT_EQ(Variant("2.5").toInt(), 2); // halves to even, as CInt
    EXPECT_EQ(Variant("True").toLong(), -1);
    EXPECT_VB_ERROR(Variant("12a").toDouble(), VbError::TypeMismatch);
    EXPECT_VB_ERROR(Variant("").toInt(), VbError::TypeMismatch);
    EXPECT_VB_ERROR(Variant("inf").toDouble(), VbError::TypeMismatch);
    EXPECT_VB_ERROR(Variant(QByteArray("12")).toDouble(), VbError::TypeMismatch);
}

TEST(Variant, WholeNumbersPastTheTargetRaiseOverflow) {
    EXPECT_VB_ERROR(Variant(40000).toInt(), VbError::Overflow);
    EXPECT_VB_ERROR(Variant(qint64(1) << 40).toLong(), VbError::Overflow);
    EXPECT_EQ(Variant(qint64(-32768)).toInt(), -32768);
}

TEST(Variant, NumbersAsText) {
    EXPECT_EQ(Variant(3.0).toText(), QStringLiteral("3"));
    EXPECT_EQ(Variant(-2.5).toText(), QStringLiteral("-2.5"));
    EXPECT_EQ(Variant(true).toText(), QStringLiteral("True"));
    EXPECT_EQ(Variant(1e300).toText(), QStringLiteral("1e+300")); // no whole-number conversion past range
}

TEST(Variant, MatchesComparesTextWithoutCaseAndNumbersByValue) {
    EXPECT_TRUE(Variant("Sword").matches(Variant("SWORD")));
    EXPECT_FALSE(Variant("Sword").matches(Variant("Swords")));
    EXPECT_TRUE(Variant(5).matches(Variant(5.0)));
    EXPECT_TRUE(Variant(5).matches(Variant(" 5")));
    EXPECT_TRUE(Variant("5").matches(Variant(5)));
    EXPECT_FALSE(Variant("x").matches(Variant(5)));
    EXPECT_TRUE(Variant(QByteArray("\x01\x02")).matches(Variant(QByteArray("\x01\x02"))));
}

TEST(Variant, NullNeverMatches) {
    EXPECT_FALSE(Variant().matches(Variant()));
    EXPECT_FALSE(Variant().matches(Variant(0)));
    EXPECT_FALSE(Variant("").matches(Variant()));
}
