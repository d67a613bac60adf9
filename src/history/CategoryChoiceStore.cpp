#include "history/CategoryChoiceStore.h"

#include "history/HistorySchema.h"
#include "history/SqliteFailure.h"

namespace {

constexpr const char* kReplace =
    "INSERT OR REPLACE INTO category_choices (directory, category, subcategory, list,"
    " option_value, option_text, option_group) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)";
constexpr const char* kSelect =
    "SELECT option_value, option_text, option_group FROM category_choices"
    " WHERE directory = ?1 AND category = ?2 AND subcategory = ?3 AND list = ?4";

} // namespace

HistoryOutcome CCategoryChoiceStore::Open(const std::string& path)
{
    m_replace = {};
    m_select = {};
    HistoryOutcome outcome =
        history_schema::OpenFile(path, history_schema::kCategoryChoicesKeptSince, m_db);
    sqlite3* db = m_db.get();
    if (outcome.ok && !m_select.Prepare(db, kSelect))
        outcome = Failure();
    if (outcome.ok && sqlite3_db_readonly(db, "main") != 1 && !m_replace.Prepare(db, kReplace))
        outcome = Failure();
    if (!outcome.ok) {
        m_replace = {};
        m_select = {};
        m_db.reset();
    }
    return outcome;
}

void CCategoryChoiceStore::BindKey(CSqliteStatement& statement, const CategoryChoiceKey& key)
{
    // Names as bytes, like the events': sv.dat and dirdata.xml need not hold UTF-8.
    statement.BindBytes(1, key.directory);
    statement.BindBytes(2, key.category);
    statement.BindBytes(3, key.subcategory);
    statement.BindText(4, key.list);
}

HistoryOutcome CCategoryChoiceStore::Remember(const CategoryChoiceKey& key,
                                              const ChosenOption& option)
{
    if (!m_db)
        return HistoryOutcome::Failed(sqlite3_errstr(SQLITE_MISUSE));
    if (sqlite3_db_readonly(m_db.get(), "main") == 1)
        return HistoryOutcome::Failed(sqlite3_errstr(SQLITE_READONLY));
    BindKey(m_replace, key);
    m_replace.BindText(5, option.value);
    m_replace.BindText(6, option.text);
    m_replace.BindText(7, option.group);
    const int stepped = m_replace.Step();
    m_replace.Reset();
    return stepped == SQLITE_DONE ? HistoryOutcome{} : Failure();
}

HistoryOutcome CCategoryChoiceStore::Recall(const CategoryChoiceKey& key,
                                            std::optional<ChosenOption>& option)
{
    option.reset();
    if (!m_db)
        return HistoryOutcome::Failed(sqlite3_errstr(SQLITE_MISUSE));
    BindKey(m_select, key);
    const int stepped = m_select.Step();
    if (stepped == SQLITE_ROW)
        option =
            ChosenOption{m_select.ColumnBytes(0), m_select.ColumnBytes(1), m_select.ColumnBytes(2)};
    m_select.Reset();
    return stepped == SQLITE_ROW || stepped == SQLITE_DONE ? HistoryOutcome{} : Failure();
}

HistoryOutcome CCategoryChoiceStore::Failure() const
{
    return m_db ? SqliteFailure(m_db.get()) : HistoryOutcome::Failed(sqlite3_errstr(SQLITE_NOMEM));
}
