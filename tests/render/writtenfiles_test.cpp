#include "writtenfiles.h"

#include <gtest/gtest.h>

// A set whose cards all share a few titles gets a message that fits the screen; with the numbers
// in the names, only numbers a thousand apart still meet, and ticking the box would not help.
TEST(WrittenFilesTest, ALongListIsCutAndTheAdviceFitsTheNames) {
    WrittenFiles files;
    for (int file = 1; file <= 12; ++file) {
        for (int card = 1; card <= 7; ++card)
            files.add(QStringLiteral("C2 %1.BMP").arg(file), QStringLiteral("card %1").arg(card));
    }
    const QStringList lines = files.sharedNames(true).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 14);
    EXPECT_EQ(lines[1], "\"C2 1.BMP\": card 1, card 2, card 3, card 4, 2 more, card 7 (in the file)");
    EXPECT_EQ(lines[11], "and 2 more such files");
    EXPECT_TRUE(lines[13].startsWith("Their numbers end in the same three digits"));

    files.clear();
    files.add(QStringLiteral("C2 Sword.BMP"), QStringLiteral("card 1"));
    EXPECT_EQ(files.sharedNames(false), QString());
}
