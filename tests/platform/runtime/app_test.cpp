#include "runtime/app.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

TEST(App, PathIsTheExecutablesFolderUnlessReplaced) {
    EXPECT_EQ(App::Path(), QCoreApplication::applicationDirPath());
    App::setPath(QStringLiteral("/tmp/zqj/program/"));
    EXPECT_EQ(App::Path(), QStringLiteral("/tmp/zqj/program"));
    App::setPath({});
    EXPECT_EQ(App::Path(), QCoreApplication::applicationDirPath());
}

TEST(App, VersionAndExecutableName) {
    EXPECT_EQ(App::Major(), 2);
    EXPECT_EQ(App::Minor(), 0);
    EXPECT_EQ(App::EXEName(), QStringLiteral("test_runtime"));
}
