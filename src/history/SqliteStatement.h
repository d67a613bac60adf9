#pragma once

#include <cstdint>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <string_view>

// Closes a connection when its owner goes; sqlite3_close_v2 waits for statements still open.
struct SqliteCloser
{
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using SqliteConnection = std::unique_ptr<sqlite3, SqliteCloser>;

// One prepared statement, finalized with its owner. Bind indexes count from 1, columns from 0,
// as in SQLite's own interface.
class CSqliteStatement final
{
public:
    // False when the text does not compile; sqlite3_errmsg(db) says why.
    bool Prepare(sqlite3* db, std::string_view sql);

    // Bytes go in as a BLOB, so names that are not UTF-8 come back exactly as they went in.
    void BindBytes(int index, std::string_view bytes);
    void BindText(int index, std::string_view text);
    void BindInt(int index, int64_t value);
    void BindNull(int index);

    // SQLITE_ROW, SQLITE_DONE or an error code.
    int Step();
    // Ready for the next Step from the start, with the bindings cleared.
    void Reset();

    std::string ColumnBytes(int column) const;
    int64_t ColumnInt(int column) const;

private:
    struct Finalizer
    {
        void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
    };
    std::unique_ptr<sqlite3_stmt, Finalizer> m_statement;
};
