#pragma once

#include <sqlite3.h>

#include <memory>

namespace data {

// The two calls whose codes are not looked at: sqlite3_close_v2 always succeeds (it defers the
// close while statements live), and sqlite3_finalize repeats the code of the statement's last step,
// which the caller has already checked.
struct ConnectionCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct StatementFinalizer {
    void operator()(sqlite3_stmt* st) const { sqlite3_finalize(st); }
};

using Connection = std::unique_ptr<sqlite3, ConnectionCloser>;
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

} // namespace data
