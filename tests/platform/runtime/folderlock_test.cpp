#include "runtime/folderlock.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(FolderLock, OneHolderAtATimeAndFreeOnceItGoes) {
    QTemporaryDir folder;
    {
        const FolderLock first(folder.path());
        ASSERT_TRUE(first.held());
        const FolderLock second(folder.path());
        EXPECT_FALSE(second.held());
        EXPECT_TRUE(second.heldElsewhere());
    }
    const FolderLock again(folder.path());
    EXPECT_TRUE(again.held());
}

TEST(FolderLock, AFolderThatCannotBeLockedIsNotHeldElsewhere) {
    QTemporaryDir folder;
    const FolderLock missing(folder.filePath("missing"));
    EXPECT_FALSE(missing.held());
    EXPECT_FALSE(missing.heldElsewhere());
}
