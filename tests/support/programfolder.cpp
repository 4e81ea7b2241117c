#include "programfolder.h"

#include "database/createdatabase.h"
#include "frmMaster.h"
#include "modData.h"
#include "runtime/app.h"
#include "runtime/settings.h"

#include <stdexcept>

ProgramFolder::ProgramFolder(Database database) {
    if (!m_dir.isValid()) throw std::runtime_error("no temporary folder");
    App::setPath(m_dir.path());
    setSettingsFolder(m_dir.filePath(QStringLiteral("settings")));
    if (database == Database::New) createDatabase(databasePath());
}

void ProgramFolder::openDatabase() const {
    OpenDatabase();
    if (!DatabaseFound) throw std::runtime_error("the test database did not open");
}

ProgramFolder::~ProgramFolder() {
    frmMaster.unload();
    rsSet.reset();
    rsCard.reset();
    rsCharacter.reset();
    rsLargeCard.reset();
    rsCardType.reset();
    rsCardBack.reset();
    rsCharacterBack.reset();
    rsArea.reset();
    rsAlignment.reset();
    cnData.reset();
    DatabaseFound = false;
    iSetID = 0;
    iSetEditionID = 0;
    iSetLanguageID = 0;
    strSQL.clear();
    setSettingsFolder(QString());
    App::setPath(QString());
}
