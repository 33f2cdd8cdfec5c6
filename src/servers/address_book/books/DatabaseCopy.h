#pragma once

#include <QString>
#include <QTemporaryDir>

namespace addrell {

// A private copy of another program's SQLite database file and its write-ahead log (`-wal`), in a
// temporary folder that goes with this object. The owner may hold its file locked and keep its
// newest writes in the log alone; the copy can be opened as any database, and nothing is ever
// written, locked or left beside the original.
class DatabaseCopy {
public:
    // Copies `path`, and its log when there is one, taking them again when the owner wrote
    // between the two.
    explicit DatabaseCopy(const QString& path);

    DatabaseCopy(const DatabaseCopy&) = delete;
    DatabaseCopy& operator=(const DatabaseCopy&) = delete;

    // The copy of the database file; empty when the file could not be copied.
    [[nodiscard]] const QString& path() const noexcept { return m_path; }

private:
    QTemporaryDir m_folder;
    QString m_path;
};

} // namespace addrell
