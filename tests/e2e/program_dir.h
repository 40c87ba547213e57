#pragma once
// A program directory of the test's own: the settings file for port 1 at 9600 baud and a copy of
// the pictures the build drew, so the run reads no operator settings and leaves the build's alone.
#include <QString>
#include <QTemporaryDir>

class ProgramDir {
public:
    ProgramDir();

    // False, with the reason in error(), when the directory could not be laid out.
    bool isValid() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    QString path() const { return m_dir.path(); }
    QString picture(const QString& fileName) const;

private:
    QTemporaryDir m_dir;
    QString m_error;
};
