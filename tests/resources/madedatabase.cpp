#include "madedatabase.h"

#include "createdatabase.h"

std::unique_ptr<QTemporaryDir> MadeDatabase::s_folder;
std::unique_ptr<SqliteFile> MadeDatabase::s_db;

void MadeDatabase::SetUpTestSuite() {
    s_folder = std::make_unique<QTemporaryDir>();
    const QString path = s_folder->filePath(QStringLiteral("zqj.mdb"));
    createDatabase(path);
    s_db = std::make_unique<SqliteFile>(path);
}

void MadeDatabase::TearDownTestSuite() {
    s_db.reset();
    s_folder.reset();
}
