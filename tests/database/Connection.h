#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <vector>

struct st_mysql;

// A statement failed, or the server could not be reached; the message holds
// the server's error and the SQL text that caused it.
class DatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the server reports for one statement that ran.
struct StatementOutcome {
    std::uint64_t affectedRows;
    unsigned warnings;
};

// The result set of a query, every value as the exact text the server sent,
// or nullopt for NULL.
struct Rows {
    std::vector<QString> columns;
    std::vector<std::vector<std::optional<QString>>> values;
};

// One client connection to the test server over its Unix socket, as root,
// with utf8mb4 as the connection character set and the server's SQL mode
// left as it is. Text goes to the server as UTF-8 bytes and comes back the
// same way, so nothing on the client side reinterprets it.
class Connection {
public:
    explicit Connection(const QString &socket);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Sends `sql` as one request, as a user would paste it into a client:
    // it may hold several statements, and all of them run. Returns one
    // outcome for each statement that ran; throws at the first that fails.
    std::vector<StatementOutcome> run(const QString &sql);

    // Runs one statement that returns rows.
    Rows query(const QString &sql);

private:
    [[noreturn]] void fail(const QString &sql) const;
    // Reads and frees the result set of the statement that just ran, if any.
    void discardResult(const QString &sql);

    st_mysql *m_db = nullptr;
};

// The socket of the server that the test fixture started. That fixture
// records the server's directory in the file named by the environment
// variable VARNHOLT_MARIADB_STATE; the server listens on server.sock there.
QString TestServerSocket();
