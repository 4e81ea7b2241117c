#pragma once
// A test suite over one database made by createDatabase in a temporary folder.

#include "sqlitefile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class MadeDatabase : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

    static SqliteFile& db() { return *s_db; }

private:
    static std::unique_ptr<QTemporaryDir> s_folder;
    static std::unique_ptr<SqliteFile> s_db;
};
