#include "Connection.h"

#include <QByteArray>
#include <QFile>

#include <mysql.h>

namespace {

QString utf8Text(const char *bytes, unsigned long length)
{
    return QString::fromUtf8(bytes, qsizetype(length));
}

} // namespace

Connection::Connection(const QString &socket) : m_db(mysql_init(nullptr))
{
    if (!m_db)
        throw DatabaseError("mysql_init: out of memory");
    const QByteArray socketPath = socket.toLocal8Bit();
    if (mysql_options(m_db, MYSQL_SET_CHARSET_NAME, "utf8mb4") != 0
        || !mysql_real_connect(
            m_db, nullptr, "root", nullptr, nullptr, 0, socketPath.constData(), CLIENT_MULTI_STATEMENTS)) {
        const std::string message
            = "cannot connect to the test server at " + socket.toStdString() + ": " + mysql_error(m_db);
        mysql_close(m_db);
        throw DatabaseError(message);
    }
}

Connection::~Connection()
{
    mysql_close(m_db);
}

void Connection::fail(const QString &sql) const
{
    throw DatabaseError("error " + std::to_string(mysql_errno(m_db)) + " (" + mysql_sqlstate(m_db)
        + "): " + mysql_error(m_db) + "\n  in: " + sql.toStdString());
}

void Connection::discardResult(const QString &sql)
{
    MYSQL_RES *result = mysql_store_result(m_db);
    if (result)
        mysql_free_result(result);
    else if (mysql_field_count(m_db) != 0)
        fail(sql);
}

std::vector<StatementOutcome> Connection::run(const QString &sql)
{
    const QByteArray bytes = sql.toUtf8();
    if (mysql_real_query(m_db, bytes.constData(), static_cast<unsigned long>(bytes.size())) != 0)
        fail(sql);

    std::vector<StatementOutcome> outcomes;
    for (;;) {
        discardResult(sql);
        outcomes.push_back({mysql_affected_rows(m_db), mysql_warning_count(m_db)});
        const int next = mysql_next_result(m_db);
        if (next > 0)
            fail(sql);
        if (next < 0)
            return outcomes;
    }
}

Rows Connection::query(const QString &sql)
{
    const QByteArray bytes = sql.toUtf8();
    if (mysql_real_query(m_db, bytes.constData(), static_cast<unsigned long>(bytes.size())) != 0)
        fail(sql);
    MYSQL_RES *result = mysql_store_result(m_db);
    if (!result)
        fail(sql);

    Rows rows;
    const unsigned columnCount = mysql_num_fields(result);
    const MYSQL_FIELD *fields = mysql_fetch_fields(result);
    for (unsigned i = 0; i < columnCount; ++i)
        rows.columns.push_back(utf8Text(fields[i].name, fields[i].name_length));
    while (MYSQL_ROW row = mysql_fetch_row(result)) {
        const unsigned long *lengths = mysql_fetch_lengths(result);
        std::vector<std::optional<QString>> &values = rows.values.emplace_back();
        for (unsigned i = 0; i < columnCount; ++i) {
            if (row[i])
                values.emplace_back(utf8Text(row[i], lengths[i]));
            else
                values.emplace_back(std::nullopt);
        }
    }
    mysql_free_result(result);

    if (mysql_more_results(m_db))
        throw DatabaseError("more than one statement in a query: " + sql.toStdString());
    return rows;
}

QString TestServerSocket()
{
    const QString stateFile = qEnvironmentVariable("VARNHOLT_MARIADB_STATE");
    if (stateFile.isEmpty())
        throw DatabaseError("VARNHOLT_MARIADB_STATE is not set: run these tests with ctest, whose fixture starts "
                            "the server, or start one with tests/database/mariadb-server.sh and point the "
                            "variable at its state file");
    QFile file(stateFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw DatabaseError("no test server is running: cannot read " + stateFile.toStdString());
    const QString directory = QString::fromLocal8Bit(file.readLine()).trimmed();
    return directory + u"/server.sock"_qs;
}
