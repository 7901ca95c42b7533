#pragma once

#include <QString>
#include <QTemporaryDir>

// Gives a test its own home, settings, data folder and working directory, all inside one
// temporary folder, so that no test touches the user's real settings or data. Construct it
// before the first settings object or standard path is used.
class TestEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment();

    QString root() const { return m_root.path(); }
    // The application data folder as the shell sees it.
    QString appDataPath() const;
    // Removes every setting of the shell and every file of its data folder.
    void clear() const;

private:
    QTemporaryDir m_root;
    QString m_previousWorkingDirectory;
};
