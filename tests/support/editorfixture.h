#pragma once
// A program folder with its database open, for the editors' tests: buttons clicked as the
// user clicks them and picture files to choose.

#include "programfolder.h"

#include "forms/forms.h"
#include "testrows.h"

#include <QByteArray>
#include <QColor>

#include <gtest/gtest.h>

class EditorFixture : public ::testing::Test {
protected:
    EditorFixture();

    static void click(CommandButton& button);
    int messageCount() const;
    // Writes a file of the program folder and returns its path.
    QString writeFile(const QString& name, const QByteArray& bytes) const;

    ProgramFolder folder;
};
