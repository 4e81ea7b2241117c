#include "expectvberror.h"
#include "runtime/conversions.h"

#include <cmath>
#include <limits>

TEST(Conversions, CIntRoundsHalvesToEvenOnBothSides) {
    EXPECT_EQ(CInt(0.5), 0);
    EXPECT_EQ(CInt(1.5), 2);
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(2.51), 3);
    EXPECT_EQ(CInt(-0.5), 0);
    EXPECT_EQ(CInt(-1.5), -2);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(-2.51), -3);
}

TEST(Conversions, CIntRaisesOverflowPastItsRange) {
    EXPECT_EQ(CInt(32767.49), 32767);
    EXPECT_VB_ERROR(CInt(32767.5), VbError::Overflow);
    EXPECT_EQ(CInt(-32768.5), -32768); // rounds to the even -32768, still in range
    EXPECT_VB_ERROR(CInt(-32768.51), VbError::Overflow);
    EXPECT_VB_ERROR(CInt(std::numeric_limits<double>::quiet_NaN()), VbError::Overflow);
    EXPECT_VB_ERROR(CInt(std::numeric_limits<double>::infinity()), VbError::Overflow);
}

TEST(Conversions, CLngRoundsHalvesToEvenAndRaisesOverflowPastItsRange) {
    EXPECT_EQ(CLng(40000.5), 40000);
    EXPECT_EQ(CLng(-40001.5), -40002);
    EXPECT_EQ(CLng(-2147483648.5), std::numeric_limits<qint32>::min());
    EXPECT_VB_ERROR(CLng(2147483647.5), VbError::Overflow);
    EXPECT_VB_ERROR(CLng(-2147483648.51), VbError::Overflow);
}

TEST(VbStr, SinglePrecisionPlainText) {
    EXPECT_EQ(vbStr(12180), "12180");
    EXPECT_EQ(vbStr(1234.5), "1234.5");
    EXPECT_EQ(vbStr(1.0 / 3), "0.3333333");
}
