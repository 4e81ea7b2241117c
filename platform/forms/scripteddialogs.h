#pragma once
// The dialogs' double for tests. Answers come from one queue per kind of dialog; a dialog
// asked for with no answer queued stops the test program with a message naming it.
// A message box with only an OK button needs no answer (it gives vbOK). Every message
// shown and every other dialog asked for is recorded.

#include "dialogs.h"

#include <deque>
#include <utility>
#include <vector>

struct ShownMessage {
    QString prompt;
    int style = 0;
    QString title;
};

struct DialogRequest {
    enum class Kind { OpenFile, SaveFile, Colour, Folder, Input };
    Kind kind;
    QString title;
    FileDialogRequest file; // open and save
    qint32 colour = 0;      // colour
    QString prompt;         // input
    QString defaultText;    // input
};

class ScriptedDialogs : public Dialogs {
public:
    void answerMessageBox(int result) { m_messageAnswers.push_back(result); }
    void answerOpenFile(std::optional<QString> path) { m_openAnswers.push_back(std::move(path)); }
    // A filter index of 0 answers under the filter the request preselects.
    void answerSaveFile(std::optional<QString> path, int filterIndex = 0) {
        m_saveAnswers.push_back({std::move(path), filterIndex});
    }
    void answerColour(std::optional<qint32> bgr) { m_colourAnswers.push_back(bgr); }
    void answerFolder(QString folder) { m_folderAnswers.push_back(std::move(folder)); }
    void answerInput(std::optional<QString> text) { m_inputAnswers.push_back(std::move(text)); }

    const std::vector<ShownMessage>& messages() const { return m_messages; }
    const std::vector<DialogRequest>& requests() const { return m_requests; }
    // Answers queued but never asked for: a test can check that every question came.
    qsizetype unusedAnswers() const;

    int messageBox(const QString& prompt, int style, const QString& title) override;
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<FileChoice> saveFile(const FileDialogRequest& request) override;
    std::optional<qint32> chooseColour(qint32 bgr, const QString& title) override;
    QString browseForFolder(QWidget* owner, const QString& title) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override;

private:
    std::deque<int> m_messageAnswers;
    std::deque<std::optional<QString>> m_openAnswers;
    std::deque<std::pair<std::optional<QString>, int>> m_saveAnswers;
    std::deque<std::optional<qint32>> m_colourAnswers;
    std::deque<QString> m_folderAnswers;
    std::deque<std::optional<QString>> m_inputAnswers;
    std::vector<ShownMessage> m_messages;
    std::vector<DialogRequest> m_requests;
};

// Installs a ScriptedDialogs for the scope's life and puts the previous dialogs back.
class ScriptedDialogsScope {
public:
    ScriptedDialogsScope();
    ~ScriptedDialogsScope();
    ScriptedDialogsScope(const ScriptedDialogsScope&) = delete;
    ScriptedDialogsScope& operator=(const ScriptedDialogsScope&) = delete;

    ScriptedDialogs& operator*() const { return *m_scripted; }
    ScriptedDialogs* operator->() const { return m_scripted; }

private:
    ScriptedDialogs* m_scripted; // owned by the installed dialogs
    std::unique_ptr<Dialogs> m_previous;
};
