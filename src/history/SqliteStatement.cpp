#include "history/SqliteStatement.h"

bool CSqliteStatement::Prepare(sqlite3* db, std::string_view sql)
{
    sqlite3_stmt* statement = nullptr;
    const int result = sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()),
                                          SQLITE_PREPARE_PERSISTENT, &statement, nullptr);
    m_statement.reset(statement);
    return result == SQLITE_OK;
}

void CSqliteStatement::BindBytes(int index, std::string_view bytes)
{
    // A zero-length blob rather than NULL for an empty name.
    sqlite3_bind_blob64(m_statement.get(), index, bytes.empty() ? "" : bytes.data(), bytes.size(),
                        SQLITE_TRANSIENT);
}

void CSqliteStatement::BindText(int index, std::string_view text)
{
    sqlite3_bind_text64(m_statement.get(), index, text.data(), text.size(), SQLITE_TRANSIENT,
                        SQLITE_UTF8);
}

void CSqliteStatement::BindInt(int index, int64_t value)
{
    sqlite3_bind_int64(m_statement.get(), index, value);
}

void CSqliteStatement::BindNull(int index)
{
    sqlite3_bind_null(m_statement.get(), index);
}

int CSqliteStatement::Step()
{
    return sqlite3_step(m_statement.get());
}

void CSqliteStatement::Reset()
{
    sqlite3_reset(m_statement.get());
    sqlite3_clear_bindings(m_statement.get());
}

std::string CSqliteStatement::ColumnBytes(int column) const
{
    // Asking for the blob first and its size second is the order SQLite documents as safe.
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(m_statement.get(), column));
    const int size = sqlite3_column_bytes(m_statement.get(), column);
    return bytes ? std::string(bytes, static_cast<size_t>(size)) : std::string();
}

int64_t CSqliteStatement::ColumnInt(int column) const
{
    return sqlite3_column_int64(m_statement.get(), column);
}
