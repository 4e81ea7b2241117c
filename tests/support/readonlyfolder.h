#pragma once
// A folder nothing can be written in, for the life of the scope: its write bits go and, when
// the tests run as root, so does this thread's right to pass over them, so that the program
// meets the folder as an ordinary user does.

#include <QString>

class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(QString folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    QString m_folder;
    bool m_rightDropped = false;
};
