#include "store/NamingStore.h"

#include <iostream>
#include <mutex>
#include <sqlite3.h>
#include <unordered_map>

namespace store {

// Statements whose readers are done with them, reset and kept by their text for the next query of
// that text. Bounded, so texts built on the fly cannot make it grow without end. Once the connection
// closes, returned statements are finalized.
struct StatementPool
{
    static constexpr size_t kMaxIdle = 64;
    static constexpr size_t kMaxIdlePerText = 8;

    struct TextHash
    {
        using is_transparent = void;
        size_t operator()(std::string_view text) const noexcept
        {
            return std::hash<std::string_view>{}(text);
        }
    };

    sqlite3_stmt* take(std::string_view sql)
    {
        std::lock_guard lock(mutex);
        const auto it = idle.find(sql);
        if (it == idle.end() || it->second.empty())
            return nullptr;
        sqlite3_stmt* statement = it->second.back();
        it->second.pop_back();
        --count;
        return statement;
    }

    void give(sqlite3_stmt* statement)
    {
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
        const char* text = sqlite3_sql(statement);
        {
            std::lock_guard lock(mutex);
            if (!closed && text && count < kMaxIdle) {
                std::vector<sqlite3_stmt*>& list = idle[std::string(text)];
                if (list.size() < kMaxIdlePerText) {
                    list.push_back(statement);
                    ++count;
                    return;
                }
            }
        }
        sqlite3_finalize(statement);
    }

    void close()
    {
        std::lock_guard lock(mutex);
        closed = true;
        for (auto& [text, list] : idle)
            for (sqlite3_stmt* statement : list)
                sqlite3_finalize(statement);
        idle.clear();
        count = 0;
    }

    std::mutex mutex;
    bool closed = false;
    size_t count = 0;
    std::unordered_map<std::string, std::vector<sqlite3_stmt*>, TextHash, std::equal_to<>> idle;
};

namespace {

int bindValues(sqlite3_stmt* statement, std::span<const QueryValue> values)
{
    int index = 1;
    for (const QueryValue& value : values) {
        int rc = SQLITE_OK;
        if (const auto* textValue = std::get_if<std::string>(&value))
            rc = sqlite3_bind_text(statement, index, textValue->data(), static_cast<int>(textValue->size()),
                                   SQLITE_TRANSIENT);
        else
            rc = sqlite3_bind_int64(statement, index, std::get<std::int64_t>(value));
        if (rc != SQLITE_OK)
            return rc;
        ++index;
    }
    return SQLITE_OK;
}

} // namespace

StoreQuery::StoreQuery(StoreQuery&& other) noexcept
    : m_statement(other.m_statement), m_onRow(other.m_onRow), m_generation(other.m_generation),
      m_pool(std::move(other.m_pool))
{
    other.m_statement = nullptr;
    other.m_onRow = false;
}

StoreQuery& StoreQuery::operator=(StoreQuery&& other) noexcept
{
    if (this != &other) {
        release();
        m_statement = other.m_statement;
        m_onRow = other.m_onRow;
        m_generation = other.m_generation;
        m_pool = std::move(other.m_pool);
        other.m_statement = nullptr;
        other.m_onRow = false;
    }
    return *this;
}

StoreQuery::~StoreQuery()
{
    release();
}

void StoreQuery::release() noexcept
{
    // Finalizing is always allowed, even after the connection was closed: it is what lets a closed
    // connection with outstanding statements free itself.
    if (m_statement) {
        if (m_pool)
            m_pool->give(m_statement);
        else
            sqlite3_finalize(m_statement);
    }
    m_statement = nullptr;
    m_onRow = false;
    m_pool.reset();
}

NamingStore::~NamingStore()
{
    Close();
}

bool NamingStore::engineIsSerialized()
{
    return sqlite3_threadsafe() == 1;
}

bool NamingStore::Open(std::string_view name, EngineCheck check)
{
    std::unique_lock lock(m_lifetime);
    if (m_db)
        return false;
    if (check && !check())
        return false;
    const std::string path(name);
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close_v2(db);
        return false;
    }
    m_db = db;
    m_pool = std::make_shared<StatementPool>();
    return true;
}

bool NamingStore::Close()
{
    std::unique_lock lock(m_lifetime);
    if (!m_db)
        return false;
    // close_v2 defers the release until every statement still held by a reader is finalized.
    m_pool->close();
    m_pool.reset();
    const bool ok = sqlite3_close_v2(m_db) == SQLITE_OK;
    m_db = nullptr;
    ++m_generation;
    lock.unlock();
    if (m_state.load() != LoadState::Failed)
        setLoadState(LoadState::Closed);
    return ok;
}

void NamingStore::setLoadState(LoadState state)
{
    {
        std::lock_guard lock(m_loadMutex);
        m_state.store(state);
    }
    m_loadChanged.notify_all();
}

void NamingStore::awaitLoad() const
{
    std::unique_lock lock(m_loadMutex);
    m_loadChanged.wait(lock, [this] { return m_state.load() != LoadState::Loading; });
}

bool NamingStore::isOpen() const
{
    std::shared_lock lock(m_lifetime);
    return m_db != nullptr;
}

bool NamingStore::Execute(std::string_view sql, std::string* error)
{
    std::shared_lock lock(m_lifetime);
    if (error)
        error->clear();
    if (!m_db)
        return false;
    char* message = nullptr;
    const std::string text(sql);
    const int rc = sqlite3_exec(m_db, text.c_str(), nullptr, nullptr, &message);
    if (message) {
        if (error)
            *error = message;
        sqlite3_free(message);
    }
    return rc == SQLITE_OK;
}

bool NamingStore::CreateTable(std::string_view table, const std::vector<ColumnDescriptor>& columns,
                              std::string* error)
{
    return Execute(createTableSql(table, columns), error);
}

bool NamingStore::Attach(const std::string& path, std::string_view alias, std::string* error)
{
    std::shared_lock lock(m_lifetime);
    if (error)
        error->clear();
    if (!m_db)
        return false;
    // The alias is one of our own identifiers; the path is bound, so any folder name is carried as is.
    const std::string sql = "ATTACH DATABASE ? AS " + std::string(alias);
    sqlite3_stmt* statement = nullptr;
    int rc = sqlite3_prepare_v2(m_db, sql.c_str(), static_cast<int>(sql.size()), &statement, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_bind_text(statement, 1, path.data(), static_cast<int>(path.size()), SQLITE_TRANSIENT);
    if (rc == SQLITE_OK)
        rc = sqlite3_step(statement);
    const bool ok = rc == SQLITE_DONE;
    if (!ok && error)
        *error = sqlite3_errmsg(m_db);
    sqlite3_finalize(statement);
    return ok;
}

bool NamingStore::Detach(std::string_view alias)
{
    return Execute("Detach Database " + std::string(alias));
}

bool NamingStore::Begin(std::string* error)
{
    return Execute("BEGIN", error);
}

bool NamingStore::Commit(std::string* error)
{
    return Execute("COMMIT", error);
}

bool NamingStore::Rollback()
{
    return Execute("ROLLBACK");
}

StoreQuery NamingStore::Query(std::string_view sql, std::initializer_list<QueryValue> values) const
{
    return Query(sql, std::span<const QueryValue>(values.begin(), values.size()));
}

StoreQuery NamingStore::Query(std::string_view sql, std::span<const QueryValue> values) const
{
    awaitLoad();
    return prepareAndStep(sql, values);
}

StoreQuery NamingStore::loaderQuery(std::string_view sql, std::initializer_list<QueryValue> values) const
{
    return prepareAndStep(sql, std::span<const QueryValue>(values.begin(), values.size()));
}

StoreQuery NamingStore::prepareAndStep(std::string_view sql, std::span<const QueryValue> values) const
{
    std::shared_lock lock(m_lifetime);
    StoreQuery query;
    if (!m_db)
        return query;
    sqlite3_stmt* statement = m_pool->take(sql);
    if (!statement) {
        const int rc =
            sqlite3_prepare_v2(m_db, sql.data(), static_cast<int>(sql.size()), &statement, nullptr);
        if (rc != SQLITE_OK || !statement) {
            query.m_error = rc != SQLITE_OK ? sqlite3_errmsg(m_db) : "empty statement";
            sqlite3_finalize(statement);
            std::cerr << "nestling: statement does not prepare: " << query.m_error << ": " << sql << '\n';
            return query;
        }
    }
    query.m_statement = statement;
    query.m_pool = m_pool;
    query.m_generation = m_generation;
    int rc = bindValues(statement, values);
    if (rc == SQLITE_OK)
        rc = sqlite3_step(statement);
    query.m_onRow = rc == SQLITE_ROW;
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        query.m_error = sqlite3_errmsg(m_db);
    return query;
}

bool NamingStore::usable(const StoreQuery& query) const
{
    return query.m_statement && m_db && query.m_generation == m_generation;
}

bool NamingStore::Step(StoreQuery& query) const
{
    std::shared_lock lock(m_lifetime);
    if (!usable(query))
        return false;
    const int rc = sqlite3_step(query.m_statement);
    query.m_onRow = rc == SQLITE_ROW;
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        query.m_error = sqlite3_errmsg(m_db);
    return query.m_onRow;
}

bool NamingStore::hasRow(const StoreQuery& query) const
{
    std::shared_lock lock(m_lifetime);
    return usable(query) && query.m_onRow;
}

int NamingStore::columnPosition(const StoreQuery& query, Column column) const
{
    const int count = sqlite3_column_count(query.m_statement);
    for (int i = 0; i < count; ++i) {
        const char* name = sqlite3_column_name(query.m_statement, i);
        if (name && column.name == name)
            return i;
    }
    return -1;
}

bool NamingStore::readable(const StoreQuery& query, int position) const
{
    return usable(query) && query.m_onRow && position >= 0 &&
           position < sqlite3_column_count(query.m_statement);
}

std::string NamingStore::textAt(const StoreQuery& query, int position) const
{
    if (!readable(query, position))
        return {};
    const auto* data = sqlite3_column_text(query.m_statement, position);
    if (!data)
        return {};
    const int size = sqlite3_column_bytes(query.m_statement, position);
    return std::string(reinterpret_cast<const char*>(data), static_cast<size_t>(size));
}

int NamingStore::intAt(const StoreQuery& query, int position) const
{
    return readable(query, position) ? sqlite3_column_int(query.m_statement, position) : 0;
}

std::string NamingStore::ColumnText(const StoreQuery& query, Column column) const
{
    std::shared_lock lock(m_lifetime);
    return usable(query) ? textAt(query, columnPosition(query, column)) : std::string();
}

int NamingStore::ColumnInt(const StoreQuery& query, Column column) const
{
    std::shared_lock lock(m_lifetime);
    return usable(query) ? intAt(query, columnPosition(query, column)) : 0;
}

std::string NamingStore::ColumnText(const StoreQuery& query, int position) const
{
    std::shared_lock lock(m_lifetime);
    return textAt(query, position);
}

int NamingStore::ColumnInt(const StoreQuery& query, int position) const
{
    std::shared_lock lock(m_lifetime);
    return intAt(query, position);
}

Transaction::Transaction(NamingStore& store) : m_store(store)
{
    if (m_store.Begin(&m_error))
        m_state = State::Open;
    else if (m_error.empty())
        m_error = "the store is not open";
}

Transaction::~Transaction()
{
    if (m_state == State::Open)
        m_store.Rollback();
}

bool Transaction::commit(std::string* error)
{
    std::string reason;
    const bool open = m_state == State::Open;
    m_state = State::Done;
    if (open && m_store.Commit(&reason))
        return true;
    if (open)
        m_store.Rollback();
    if (reason.empty())
        reason = open ? "the store is not open" : "no transaction was begun";
    if (error)
        *error = reason;
    return false;
}

} // namespace store
