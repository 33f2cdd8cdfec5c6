#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace addrell::testing {

// A private folder for a test's files, removed with it.
class TempFiles {
public:
    // Writes `bytes` to `name` in the folder, making the folders on its way, and returns the
    // file's full path.
    QString write(const QString& name, const QByteArray& bytes) const;
    [[nodiscard]] QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// Joins lines with the given line end, each line followed by it.
[[nodiscard]] QByteArray lines(std::initializer_list<const char*> texts, const char* end = "\r\n");

} // namespace addrell::testing
