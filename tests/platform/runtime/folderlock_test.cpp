#include "runtime/folderlock.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(FolderLock, AFolderThatCannotBeLockedIsNotHeldElsewhere) {
    QTemporaryDir folder;
    const FolderLock missing(folder.filePath("missing"));
    EXPECT_FALSE(missing.held());
    EXPECT_FALSE(missing.heldElsewhere());
}
