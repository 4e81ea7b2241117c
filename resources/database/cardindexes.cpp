#include "cardindexes.h"

QString cardIndexStatements() {
    return QStringLiteral("CREATE INDEX IF NOT EXISTS idxCardSetNr ON tblCardData (SetID, Nr);\n"
                          "CREATE INDEX IF NOT EXISTS idxCharacterSetNr ON tblCharacterData (SetID, Nr);\n"
                          "CREATE INDEX IF NOT EXISTS idxLargeCardSetNr ON tblLargeCardData (SetID, Nr);\n");
}

QStringList cardIndexNames() {
    return {QStringLiteral("idxCardSetNr"), QStringLiteral("idxCharacterSetNr"),
            QStringLiteral("idxLargeCardSetNr")};
}
