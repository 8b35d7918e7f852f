#pragma once

#include "store/ColumnDescriptor.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace store {

// A value bound to one `?` placeholder of a query: text (UTF-8) or an integer.
using QueryValue = std::variant<std::string, std::int64_t>;

enum class LoadState
{
    NotLoaded,
    Loading,
    Ready,
    Failed,
    Closed,
};

struct StatementPool;

// A prepared statement positioned on its first row or past the end. Move-only; the statement goes back
// to the store when the query goes out of scope. A default-constructed (null) query reads as no row; so
// does a query whose statement failed, which keeps the engine's error.
class StoreQuery
{
public:
    StoreQuery() = default;
    StoreQuery(StoreQuery&& other) noexcept;
    StoreQuery& operator=(StoreQuery&& other) noexcept;
    StoreQuery(const StoreQuery&) = delete;
    StoreQuery& operator=(const StoreQuery&) = delete;
    ~StoreQuery();

    explicit operator bool() const noexcept { return m_statement != nullptr; }

    // Why the statement did not prepare or a step failed, as the engine says it; empty when it did not
    // fail. A statement that does not prepare is also written to standard error, since it is a fault of
    // the program, never of the data.
    const std::string& error() const noexcept { return m_error; }

private:
    friend class NamingStore;
    void release() noexcept;

    sqlite3_stmt* m_statement = nullptr;
    bool m_onRow = false;
    std::uint64_t m_generation = 0;
    std::shared_ptr<StatementPool> m_pool; // where the statement goes back when it is finalized
    std::string m_error;
};

class NamingStore;

// One transaction on the store: begun when made, rolled back when it goes out of scope unless it was
// committed. Check begun() before working in it.
class Transaction
{
public:
    explicit Transaction(NamingStore& store);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();

    bool begun() const noexcept { return m_state == State::Open; }
    // Commits; false (with the engine's reason in `error`) when it was not begun or the commit failed,
    // in which case the transaction is rolled back.
    bool commit(std::string* error = nullptr);
    // Why it did not begin; empty when it did.
    const std::string& error() const noexcept { return m_error; }

private:
    enum class State
    {
        Failed,
        Open,
        Done,
    };
    NamingStore& m_store;
    State m_state = State::Failed;
    std::string m_error;
};

// The one connection to the naming database, shared by the loader, the window thread and the naming
// worker. SQLite serializes the calls on the connection; the store only guards the connection's
// lifetime, so a query racing with Close reads as empty instead of touching a closed connection.
//
// Lookup values are always bound as SQL parameters: `Query` takes the statement text with `?`
// placeholders and the values separately. A key that holds a double quote or an apostrophe is looked
// up literally and finds its row or none; it never breaks the statement. The same holds for the
// attached file path, so an installation folder with an apostrophe in its path loads normally.
class NamingStore
{
public:
    using EngineCheck = bool (*)();

    NamingStore() = default;
    NamingStore(const NamingStore&) = delete;
    NamingStore& operator=(const NamingStore&) = delete;
    ~NamingStore();

    // True when the linked SQLite was built serialized-threadsafe.
    static bool engineIsSerialized();

    // Opens the database read-write without creating it (":memory:" by default). Fails when the
    // engine check fails, since the connection is shared between threads.
    bool Open(std::string_view name = ":memory:", EngineCheck check = &engineIsSerialized);
    bool Close();
    bool isOpen() const;

    bool Execute(std::string_view sql, std::string* error = nullptr);
    bool CreateTable(std::string_view table, const std::vector<ColumnDescriptor>& columns,
                     std::string* error = nullptr);
    bool Attach(const std::string& path, std::string_view alias, std::string* error = nullptr);
    bool Detach(std::string_view alias);

    // Prepares the statement, binds the values to its `?` placeholders in order and steps once.
    // Returns a null query when the store is not open or the statement does not prepare (the query
    // then holds the engine's error). A finished statement is kept (reset) for the next query of the
    // same text, so a text is prepared about once per process however often it is asked.
    StoreQuery Query(std::string_view sql, std::span<const QueryValue> values = {}) const;
    StoreQuery Query(std::string_view sql, std::initializer_list<QueryValue> values) const;
    // The load's own reads of what it attached and copied: a Query that does not wait for the load,
    // since it is the load.
    StoreQuery loaderQuery(std::string_view sql, std::initializer_list<QueryValue> values = {}) const;
    bool Step(StoreQuery& query) const;
    // Whether the query stands on a row (false for a null query and past the last row).
    bool hasRow(const StoreQuery& query) const;
    // The value of a selected column on the current row; empty or 0 without a row, for a NULL value
    // and for a column the statement did not select.
    std::string ColumnText(const StoreQuery& query, Column column) const;
    int ColumnInt(const StoreQuery& query, Column column) const;
    // By position: only for a statement's own computed values (count(*) and the like); table columns
    // are read by their Column constant.
    std::string ColumnText(const StoreQuery& query, int position) const;
    int ColumnInt(const StoreQuery& query, int position) const;

    LoadState loadState() const noexcept { return m_state.load(); }
    // Queries made while the state is Loading wait until it changes, so no lookup ever reads a
    // half-copied table; the loader itself only executes statements.
    void setLoadState(LoadState state);

private:
    friend class Transaction;
    bool Begin(std::string* error);
    bool Commit(std::string* error);
    bool Rollback();

    bool usable(const StoreQuery& query) const;
    // The unlocked parts of the column readers; the caller holds m_lifetime.
    int columnPosition(const StoreQuery& query, Column column) const;
    bool readable(const StoreQuery& query, int position) const;
    std::string textAt(const StoreQuery& query, int position) const;
    int intAt(const StoreQuery& query, int position) const;

    void awaitLoad() const;
    StoreQuery prepareAndStep(std::string_view sql, std::span<const QueryValue> values) const;

    mutable std::shared_mutex m_lifetime;
    mutable std::mutex m_loadMutex;
    mutable std::condition_variable m_loadChanged;
    sqlite3* m_db = nullptr;
    std::shared_ptr<StatementPool> m_pool;
    std::uint64_t m_generation = 1;
    std::atomic<LoadState> m_state{LoadState::NotLoaded};
};

} // namespace store
