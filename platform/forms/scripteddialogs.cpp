#include "scripteddialogs.h"

#include <QtDebug>

namespace {
template <class T> T take(std::deque<T>& answers, const char* kind, const QString& what) {
    if (answers.empty()) qFatal("ScriptedDialogs: no answer queued for %s \"%s\"", kind, qPrintable(what));
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}
} // namespace

qsizetype ScriptedDialogs::unusedAnswers() const {
    return qsizetype(m_messageAnswers.size() + m_openAnswers.size() + m_saveAnswers.size() +
                     m_colourAnswers.size() + m_folderAnswers.size() + m_inputAnswers.size());
}

int ScriptedDialogs::messageBox(const QString& prompt, int style, const QString& title) {
    m_messages.push_back({prompt, style, title});
    if (messageBoxButtons(style) == vbOKOnly) return vbOK;
    return take(m_messageAnswers, "message box", prompt);
}

std::optional<QString> ScriptedDialogs::openFile(const FileDialogRequest& request) {
    m_requests.push_back({DialogRequest::Kind::OpenFile, request.title, request, 0, {}, {}});
    return take(m_openAnswers, "open dialog", request.title);
}

std::optional<FileChoice> ScriptedDialogs::saveFile(const FileDialogRequest& request) {
    m_requests.push_back({DialogRequest::Kind::SaveFile, request.title, request, 0, {}, {}});
    const auto [path, filterIndex] = take(m_saveAnswers, "save dialog", request.title);
    if (!path) return std::nullopt;
    return FileChoice{*path, filterIndex == 0 ? request.filterIndex : filterIndex};
}

std::optional<qint32> ScriptedDialogs::chooseColour(qint32 bgr, const QString& title) {
    m_requests.push_back({DialogRequest::Kind::Colour, title, {}, bgr, {}, {}});
    return take(m_colourAnswers, "colour dialog", QString::number(bgr));
}

QString ScriptedDialogs::browseForFolder(QWidget*, const QString& title) {
    m_requests.push_back({DialogRequest::Kind::Folder, title, {}, 0, {}, {}});
    return take(m_folderAnswers, "folder browser", title);
}

std::optional<QString> ScriptedDialogs::inputBox(const QString& prompt, const QString& title,
                                                 const QString& defaultText) {
    m_requests.push_back({DialogRequest::Kind::Input, title, {}, 0, prompt, defaultText});
    return take(m_inputAnswers, "input box", prompt);
}

ScriptedDialogsScope::ScriptedDialogsScope() {
    auto scripted = std::make_unique<ScriptedDialogs>();
    m_scripted = scripted.get();
    m_previous = setDialogs(std::move(scripted));
}

ScriptedDialogsScope::~ScriptedDialogsScope() {
    setDialogs(std::move(m_previous));
}
