#include "servers/address_book/books/SqliteDatabase.h"

#include <QFile>

#include <sqlite3.h>

namespace addrell {

namespace {

struct Finalize {
    void operator()(sqlite3_stmt* statement) const noexcept { sqlite3_finalize(statement); }
};

} // namespace

QString SqliteDatabase::Row::text(int column) const
{
    const auto* bytes = sqlite3_column_text(m_statement, column);
    return QString::fromUtf8(reinterpret_cast<const char*>(bytes),
                             sqlite3_column_bytes(m_statement, column));
}

qint64 SqliteDatabase::Row::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

void SqliteDatabase::Close::operator()(sqlite3* database) const noexcept
{
    sqlite3_close_v2(database);
}

SqliteDatabase::SqliteDatabase(const QString& path) : m_copy(path)
{
    if (m_copy.path().isEmpty()) {
        return;
    }
    // Read-write, as SQLite indexes the copied log in a file beside the copy.
    sqlite3* database = nullptr;
    sqlite3_open_v2(QFile::encodeName(m_copy.path()).constData(), &database,
                    SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    m_database.reset(database); // set even on failure: the handle must be closed all the same
    if (database != nullptr) {  // nothing to move from the log into a file removed next
        sqlite3_db_config(database, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    }
}

bool SqliteDatabase::query(const char* sql, const std::function<void(const Row&)>& row) const
{
    sqlite3_stmt* prepared = nullptr;
    if (!m_database ||
        sqlite3_prepare_v2(m_database.get(), sql, -1, &prepared, nullptr) != SQLITE_OK) {
        return false; // nothing was prepared
    }
    const std::unique_ptr<sqlite3_stmt, Finalize> statement(prepared);
    int status = SQLITE_ROW;
    while ((status = sqlite3_step(statement.get())) == SQLITE_ROW) {
        row(Row(statement.get()));
    }
    return status == SQLITE_DONE;
}

} // namespace addrell
