#include "modFile.h"
#include "modData.h"
#include "programfiles.h"
#include "storedvalues.h"

#include "forms/dialogs.h"
#include "runtime/replacementfile.h"
#include "runtime/vberror.h"

#include <QFileInfo>

namespace {
const QString kSeparator = QStringLiteral("---------------");

class SetTextFile {
public:
    void line(const QString& text) {
        m_text += text;
        m_text += QStringLiteral("\r\n");
    }
    // A blank line holds one space.
    void blank() { line(QStringLiteral(" ")); }
    QByteArray bytes() const { return m_text.toUtf8(); }

private:
    QString m_text;
};

QString text(Recordset& rs, const QString& name) {
    return stored::text(rs, name);
}

// Each query also reads the keys of its rows, so that a value that cannot be used is named
// with its row.
RecordsetPtr setRows(const QString& select, const QString& from, const QString& table, qint32 SetID) {
    strSQL = select + from + QStringLiteral(" WHERE ") + table + QStringLiteral(".SetID = ") +
             QString::number(SetID) + QStringLiteral(" ORDER BY ") + table + QStringLiteral(".Nr");
    return GetRecordset(strSQL);
}

void writeCount(SetTextFile& out, const Recordset& rs, const QString& what) {
    out.line(QString::number(rs.recordCount()) + what);
    out.blank();
}

void writeCards(SetTextFile& out, qint32 SetID) {
    const RecordsetPtr rs =
        setRows(QStringLiteral("SELECT tblCard.Nr, tblCard.Title, tblCard.BoldText, tblCard.Information, "
                               "tblCard.CardID, tblCard.SetID"),
                QStringLiteral(" FROM tblCard"), QStringLiteral("tblCard"), SetID);
    if (rs->eof()) return;
    writeCount(out, *rs, QStringLiteral(" Cards"));
    for (; !rs->eof(); rs->moveNext()) {
        out.line(text(*rs, QStringLiteral("Title")));
        out.line(QStringLiteral("Nr:   ") + text(*rs, QStringLiteral("Nr")));
        const QString bold = text(*rs, QStringLiteral("BoldText"));
        if (!bold.isEmpty()) out.line(QStringLiteral("Bold: ") + bold);
        out.line(QStringLiteral("Text: ") + text(*rs, QStringLiteral("Information")));
        out.blank();
        out.line(kSeparator);
    }
}

void writeLargeCards(SetTextFile& out, qint32 SetID) {
    const RecordsetPtr rs =
        setRows(QStringLiteral("SELECT tblLargeCard.Nr, tblLargeCard.Title, tblLargeCard.Information, "
                               "tblLargeCard.LargeCardID, tblLargeCard.SetID"),
                QStringLiteral(" FROM tblLargeCard"), QStringLiteral("tblLargeCard"), SetID);
    if (rs->eof()) return;
    out.blank();
    writeCount(out, *rs, QStringLiteral(" Large Cards"));
    for (; !rs->eof(); rs->moveNext()) {
        out.line(text(*rs, QStringLiteral("Title")));
        out.line(QStringLiteral("Nr: ") + text(*rs, QStringLiteral("Nr")));
        out.line(QStringLiteral("Text: ") + text(*rs, QStringLiteral("Information")));
        out.blank();
        out.line(kSeparator);
    }
}

// A character whose alignment or start area has no row is written all the same, with those
// texts empty.
void writeCharacters(SetTextFile& out, qint32 SetID) {
    const RecordsetPtr rs = setRows(
        QStringLiteral(
            "SELECT tblCharacter.Nr, tblCharacter.Name, tblCharacter.Strength, tblCharacter.Craft, "
            "tblCharacter.Gold, tblCharacter.Lives, tblAlignment.Alignment, tblArea.Board, "
            "tblArea.Area, tblCharacter.Abilities, tblCharacter.CharacterID, tblCharacter.SetID, "
            "tblAlignment.AlignmentID, tblArea.AreaID"),
        QStringLiteral(" FROM tblCharacter"
                       " LEFT JOIN tblAlignment ON tblAlignment.AlignmentID = tblCharacter.AlignmentID"
                       " LEFT JOIN tblArea ON tblArea.AreaID = tblCharacter.StartingAreaID"),
        QStringLiteral("tblCharacter"), SetID);
    if (rs->eof()) return;
    writeCount(out, *rs, QStringLiteral(" Characters"));
    const auto attribute = [&](const QString& name) { return BlankIfDashes(text(*rs, name)); };
    for (; !rs->eof(); rs->moveNext()) {
        out.line(text(*rs, QStringLiteral("Name")));
        out.line(QStringLiteral("Strength:   ") + attribute(QStringLiteral("Strength")));
        out.line(QStringLiteral("Craft:      ") + attribute(QStringLiteral("Craft")));
        out.line(QStringLiteral("Gold:       ") + attribute(QStringLiteral("Gold")));
        out.line(QStringLiteral("Lives:      ") + attribute(QStringLiteral("Lives")));
        out.line(QStringLiteral("Alignment:  ") + text(*rs, QStringLiteral("Alignment")));
        out.line(QStringLiteral("Start area: ") + text(*rs, QStringLiteral("Board")) + QStringLiteral(" - ") +
                 text(*rs, QStringLiteral("Area")));
        out.line(QStringLiteral("Abilities:  ") + text(*rs, QStringLiteral("Abilities")));
        out.blank();
        out.line(kSeparator);
    }
}
} // namespace

void ExportSetText(const QString& FileName, qint32 SetID) {
    try {
        refuseProgramFile(FileName);
        ReplacementFile::removeLeftovers(QFileInfo(FileName).absolutePath());
        ReplacementFile file(FileName);
        SetTextFile out;
        // Named in one message before the export says how it went.
        stored::CollectedReports reports(QStringLiteral("Save text"));
        out.line(QStringLiteral("Created with Quarnell Card Set Creator 2.0"));
        out.line(QStringLiteral("https://example.org/cardsets"));
        out.blank();
        out.line(QStringLiteral("Set: ") + text(*rsSet, QStringLiteral("SetName")));
        out.blank();
        writeCards(out, SetID);
        writeLargeCards(out, SetID);
        writeCharacters(out, SetID);
        file.write(out.bytes());
        file.commit();
    } catch (const VbError& error) {
        MsgBox(QStringLiteral("The file is NOT saved due to an error.\r\n\r\n") + error.numberedText(),
               vbCritical, QStringLiteral("Error"));
        return;
    }
    MsgBox(QStringLiteral("The card set text is exported."), vbInformation, QStringLiteral("Save text"));
}

QString BlankIfDashes(const QString& s) {
    return s == QLatin1String("---") ? QString() : s;
}
