#pragma once
// A test with the main window open on a program folder of its own, and the means to answer
// the set dialog, which runs modally: its steps run one by one inside the dialog's loop.

#include "frmSetName.h"
#include "programfolder.h"

#include <QObject>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

class CommandButton;

void click(CommandButton& button);
// Rows a query yields.
int countRows(const QString& sql);
// A small BMP file of the given size.
void writeBitmap(const QString& path, int width, int height);

using DialogStep = std::function<void(FrmSetName&)>;
// Names the set, picks the language by list position and the edition, and presses OK.
DialogStep confirmSet(const QString& name, qint16 edition, int languageIndex = 0);
DialogStep pressCancel();

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest();
    ~MainWindowTest() override;

    ProgramFolder& folder() { return *m_folder; }
    // Runs the steps while the set dialog is shown; one still open after the last step fails
    // the test and is cancelled.
    void answerSetDialog(std::vector<DialogStep> steps);
    // Makes a set through "New set"; returns its key.
    qint32 newSet(const QString& name, qint16 edition, int languageIndex = 0);

private:
    void runStep(std::shared_ptr<std::vector<DialogStep>> steps, std::size_t index);

    std::optional<ProgramFolder> m_folder;
    std::unique_ptr<QObject> m_timerContext; // no step outlives the test
};
