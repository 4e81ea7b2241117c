#include "cardindexes.h"

QString cardIndexStatements() {
    return QStringLiteral("CREATE INDEX IF NOT EXISTS idxCardSetNr ON tblCard (SetID, Nr);\n"
                          "CREATE INDEX IF NOT EXISTS idxCharacterSetNr ON tblCharacter (SetID, Nr);\n"
                          "CREATE INDEX IF NOT EXISTS idxLargeCardSetNr ON tblLargeCard (SetID, Nr);\n");
}
