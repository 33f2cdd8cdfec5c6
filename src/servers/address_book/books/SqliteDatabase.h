#pragma once

#include "servers/address_book/books/DatabaseCopy.h"

#include <QString>

#include <functional>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace addrell {

// Another program's SQLite database, read from a private copy taken when it is opened: its owner
// may be running, hold it locked and keep its newest rows in its log, and nothing here ever
// writes to it, locks it or waits for it.
class SqliteDatabase {
public:
    // A row of a query, read by column number.
    class Row {
    public:
        explicit Row(sqlite3_stmt* statement) : m_statement(statement) {}
        [[nodiscard]] QString text(int column) const;
        [[nodiscard]] qint64 integer(int column) const;

    private:
        sqlite3_stmt* m_statement;
    };

    // Opening never fails here; a file that is missing, unreadable or no database fails on the
    // first query.
    explicit SqliteDatabase(const QString& path);

    // Runs `sql`, handing each row to `row`; false when the query failed (no database, a damaged
    // file, a table that is not there).
    [[nodiscard]] bool query(const char* sql, const std::function<void(const Row&)>& row) const;

private:
    struct Close {
        void operator()(sqlite3* database) const noexcept;
    };
    DatabaseCopy m_copy;
    std::unique_ptr<sqlite3, Close> m_database; // closed before the copy goes
};

} // namespace addrell
