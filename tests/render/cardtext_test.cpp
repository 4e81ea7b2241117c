#include "cardtext.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <limits>

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

namespace {
// Characters of unequal widths, so the guesses are tried where prefix widths do not follow
// the character count.
double unequalWidth(const QString& text) {
    double width = 0;
    for (const QChar c : text)
        width += c == QLatin1Char('i') ? 3 : c == QLatin1Char('m') ? 9 : c == QLatin1Char(' ') ? 4 : 6;
    return width;
}

// The first count of the line's characters that measures `width` or wider, or one past its
// end when the whole line fits.
qsizetype exactLineEnd(const QString& paragraph, qsizetype start, double width) {
    const QString rest = paragraph.mid(start);
    for (qsizetype count = 1; count <= rest.size(); ++count)
        if (unequalWidth(rest.left(count)) >= width) return count;
    return rest.size() + 1;
}

ParagraphGuess exactGuessOffBy(qsizetype offset) {
    return [offset](const QString& paragraph) -> LineEndGuess {
        return [paragraph, offset](qsizetype start, double width) {
            return exactLineEnd(paragraph, start, width) + offset;
        };
    };
}

ParagraphGuess fixedGuess(qsizetype guess) {
    return [guess](const QString&) -> LineEndGuess { return [guess](qsizetype, double) { return guess; }; };
}
} // namespace

TEST(WordWrapGuess, AnyGuessGivesTheLinesOfNone) {
    // "mi" is 12 wide, "mim" 21; then "m " 13, "m i" 16, "m im" 25 and the space ends the line.
    EXPECT_EQ(wrapText(QStringLiteral("mim im"), 20, unequalWidth),
              (std::vector<WrappedLine>{
                  {QStringLiteral("mi"), 0}, {QStringLiteral("m "), 1}, {QStringLiteral("im"), 2}}));

    const QStringList texts{
        QStringLiteral("mim im mmm iii-mmmm(ii)mi\r\n\r\nA word: incomprehensibilities, and more\r\nx"),
        QStringLiteral("\r\nmmmmmmmmmmmmmmmmmmmmmmmm iiiiiiiiiiiiiiiiiiiiiiii\r\n"),
        QStringLiteral("a-b-c-d (e) f/g;h i\r\n\r\n\r\nmmm-(iii)-mmm"),
        QStringLiteral("aaa aaa "),
    };
    const std::vector<double> widths{2, 3, 9, 10, 17.5, 22, 40, 1000};
    std::vector<std::pair<QString, ParagraphGuess>> guesses;
    for (qsizetype offset = -3; offset <= 3; ++offset)
        guesses.emplace_back(QStringLiteral("exact %1").arg(offset), exactGuessOffBy(offset));
    for (const qsizetype absurd :
         {qsizetype(0), qsizetype(-7), qsizetype(1'000'000), std::numeric_limits<qsizetype>::min(),
          std::numeric_limits<qsizetype>::max()})
        guesses.emplace_back(QStringLiteral("fixed %1").arg(absurd), fixedGuess(absurd));

    for (const QString& text : texts) {
        for (const double width : widths) {
            const std::vector<WrappedLine> expected = wrapText(text, width, unequalWidth);
            for (const auto& [name, guess] : guesses)
                EXPECT_EQ(wrapText(text, width, unequalWidth, guess), expected)
                    << text.toStdString() << " at " << width << ", guess " << name.toStdString();
        }
    }
}

TEST(WordWrapGuess, ARightGuessTakesTwoMeasurementsALine) {
    int calls = 0;
    const TextMeasure counted = [&calls](const QString& text) {
        ++calls;
        return unequalWidth(text);
    };
    const auto callsFor = [&](const QString& text, double width, std::size_t expectedLines) {
        calls = 0;
        EXPECT_EQ(wrapText(text, width, counted, exactGuessOffBy(0)).size(), expectedLines)
            << text.toStdString();
        return calls;
    };
    // A paragraph's last line that fits with room to spare needs only the one measurement
    // that shows the whole rest fits. Lines: "mim im ", "mmm ", "iii-", "mmmm(", "ii)mi",
    // "incomp", "rehensi", "bilities", "x".
    const QString text = QStringLiteral("mim im mmm iii-mmmm(ii)mi\r\n\r\nincomprehensibilities\r\nx");
    EXPECT_EQ(callsFor(text, 40, 9), 2 * 9 - 3);
    // One that only just fills the width ("aaa " is 22) takes two, like any other line.
    EXPECT_EQ(callsFor(QStringLiteral("aaa aaa "), 22, 2), 2 * 2);
    // When no character fits, the first measurement shows it.
    EXPECT_EQ(callsFor(QStringLiteral("im m\r\nii"), 2, 6), 6);
}
