#include "cardtext.h"

#include <gtest/gtest.h>

namespace {
// Every character 10 pixels wide.
double fixedWidth(const QString& text) {
    return 10.0 * double(text.size());
}

std::vector<WrappedLine> wrap(const QString& text, double width) {
    return wrapText(text, width, fixedWidth);
}
} // namespace

TEST(WordWrap, ParagraphsEndAtCrLfOnlyAndBlankLinesCount) {
    EXPECT_EQ(wrap(QStringLiteral("A\r\n\r\nB"), 100),
              (std::vector<WrappedLine>{{QStringLiteral("A"), 0}, {QStringLiteral("B"), 2}}));
    // A lone line feed or carriage return is ordinary text.
    EXPECT_EQ(wrap(QStringLiteral("A\nB\rC"), 100),
              (std::vector<WrappedLine>{{QStringLiteral("A\nB\rC"), 0}}));
    EXPECT_TRUE(wrap(QString(), 100).empty());
}

TEST(WordWrap, LinesEndWithTheBreakCharacterAfterTheLastWordThatFits) {
    // 60 pixels hold 5 characters: a 6-character piece is too wide.
    EXPECT_EQ(wrap(QStringLiteral("ab cde fgh"), 60),
              (std::vector<WrappedLine>{
                  {QStringLiteral("ab "), 0}, {QStringLiteral("cde "), 1}, {QStringLiteral("fgh"), 2}}));
    // The later of two break characters that fit ends the line.
    EXPECT_EQ(wrap(QStringLiteral("a.(bcdefg"), 60),
              (std::vector<WrappedLine>{
                  {QStringLiteral("a.("), 0}, {QStringLiteral("bcdef"), 1}, {QStringLiteral("g"), 2}}));
}

TEST(WordWrap, ABreakCharacterThatMakesTheLineTooWideStillEndsIt) {
    EXPECT_EQ(wrap(QStringLiteral("ab cd ef gh"), 60),
              (std::vector<WrappedLine>{{QStringLiteral("ab cd "), 0}, {QStringLiteral("ef gh"), 1}}));
    EXPECT_EQ(wrap(QStringLiteral("abcde-fg"), 60),
              (std::vector<WrappedLine>{{QStringLiteral("abcde-"), 0}, {QStringLiteral("fg"), 1}}));
}

TEST(WordWrap, AWordLongerThanTheLabelIsCutHard) {
    EXPECT_EQ(wrap(QStringLiteral("abcdefghij"), 45),
              (std::vector<WrappedLine>{
                  {QStringLiteral("abcd"), 0}, {QStringLiteral("efgh"), 1}, {QStringLiteral("ij"), 2}}));
}

TEST(WordWrap, ALineTakesAtLeastOneCharacter) {
    EXPECT_EQ(wrap(QStringLiteral("W"), 5), (std::vector<WrappedLine>{{QStringLiteral("W"), 0}}));
    EXPECT_EQ(wrap(QStringLiteral("WW"), 5),
              (std::vector<WrappedLine>{{QStringLiteral("W"), 0}, {QStringLiteral("W"), 1}}));
}

TEST(Placement, CentredTextRoundsDownAndMayStartLeftOfItsLabel) {
    EXPECT_EQ(centredX(10, 100, 40), 40);
    EXPECT_EQ(centredX(10, 101, 40), 40); // 30.5 rounds down
    EXPECT_EQ(centredX(10, 40, 61), -1);  // -10.5 rounds down to -11
    EXPECT_EQ(centredX(2.5, 10, 10), 2.5);
}
