#include "query.h"

#include <errmsg.h>
#include <mysql.h>
#include <mysqld_error.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <vector>

namespace {

constexpr int kStatementCacheLimit = 512;

// Adds the time of one statement to a running total however the statement ends.
class StatementClock {
  public:
    explicit StatementClock(qint64& total) : total_(total) { timer_.start(); }
    ~StatementClock() { total_ += timer_.nsecsElapsed(); }
    StatementClock(const StatementClock&) = delete;
    StatementClock& operator=(const StatementClock&) = delete;

  private:
    qint64& total_;
    QElapsedTimer timer_;
};

// The connection dropped while it was open: reconnecting once may be all it takes.
bool ConnectionDropped(unsigned code) {
    return code == CR_SERVER_GONE_ERROR || code == CR_SERVER_LOST;
}

// Codes that say nothing of the statement and everything of the way to the server.
bool ConnectionLost(unsigned code) {
    switch (code) {
        case CR_SOCKET_CREATE_ERROR:
        case CR_CONNECTION_ERROR:
        case CR_CONN_HOST_ERROR:
        case CR_IPSOCK_ERROR:
        case CR_SERVER_GONE_ERROR:
        case CR_SERVER_HANDSHAKE_ERR:
        case CR_SERVER_LOST:
        case CR_SERVER_LOST_EXTENDED:
        case ER_SERVER_SHUTDOWN:
        case ER_CONNECTION_KILLED:
            return true;
        default:
            return false;
    }
}

// The same folder, however the server and the home happen to spell it.
QString Canonical(const QString& folder) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(folder) : canonical;
}

// Owns the buffers that a parameter binding points into.
struct ParamBuffers {
    std::vector<MYSQL_BIND> binds;
    std::vector<QByteArray> texts;
    std::vector<long long> numbers;

    explicit ParamBuffers(const QVariantList& params)
        : binds(params.size()), texts(params.size()), numbers(params.size()) {
        for (qsizetype i = 0; i < params.size(); ++i) {
            MYSQL_BIND& bind = binds[i];
            bind = MYSQL_BIND{};
            const QVariant& value = params[i];
            const int type = value.typeId();
            if (value.isNull()) {
                bind.buffer_type = MYSQL_TYPE_NULL;
            } else if (type == QMetaType::Int || type == QMetaType::LongLong ||
                       type == QMetaType::UInt || type == QMetaType::Bool) {
                numbers[i] = value.toLongLong();
                bind.buffer_type = MYSQL_TYPE_LONGLONG;
                bind.buffer = &numbers[i];
            } else {
                texts[i] = value.toString().toUtf8();
                bind.buffer_type = MYSQL_TYPE_STRING;
                bind.buffer = texts[i].data();
                bind.buffer_length = static_cast<unsigned long>(texts[i].size());
            }
        }
    }
};

QString FromUtf8(const char* data, unsigned long length) {
    return data ? QString::fromUtf8(data, qsizetype(length)) : QString();
}

}  // namespace

DbError::DbError(unsigned code, const QString& message)
    : std::runtime_error(QStringLiteral("MySQL error %1: %2").arg(code).arg(message).toStdString()),
      code_(code),
      message_(message) {}

DbForeignServer::DbForeignServer(QString dataFolder)
    : DbError(0, "The server keeps its data in " + dataFolder),
      dataFolder_(std::move(dataFolder)) {}

Query::Query(DbConfig config) : config_(std::move(config)) {}

Query::~Query() {
    disconnect();
}

void Query::connect() {
    disconnect();
    // Copies taken over an earlier connection may be of another server's tables.
    catalogue_.forget();
    connection_ = mysql_init(nullptr);
    if (!connection_) fail(CR_OUT_OF_MEMORY, "Out of memory");
    mysql_options(connection_, MYSQL_SET_CHARSET_NAME, "utf8mb4");
    const unsigned timeout = 5;
    mysql_options(connection_, MYSQL_OPT_CONNECT_TIMEOUT, &timeout);
    const QByteArray host = config_.host.toUtf8(), user = config_.user.toUtf8(),
                     password = config_.password.toUtf8(), database = config_.database.toUtf8(),
                     socket = config_.socket.toUtf8();
    if (!mysql_real_connect(connection_, host.constData(), user.constData(), password.constData(),
                            database.constData(), static_cast<unsigned>(config_.port),
                            socket.isEmpty() ? nullptr : socket.constData(), 0)) {
        const unsigned code = mysql_errno(connection_);
        const QString message = QString::fromUtf8(mysql_error(connection_));
        disconnect();
        fail(code, message);
    }
    if (!config_.ownDataFolder.isEmpty()) checkDataFolder();
}

void Query::checkDataFolder() {
    if (mysql_query(connection_, "SELECT @@datadir") != 0)
        fail(mysql_errno(connection_), QString::fromUtf8(mysql_error(connection_)));
    MYSQL_RES* result = mysql_store_result(connection_);
    MYSQL_ROW row = result ? mysql_fetch_row(result) : nullptr;
    const QString folder = row && row[0] ? QString::fromUtf8(row[0]) : QString();
    if (result) mysql_free_result(result);
    if (Canonical(folder) == Canonical(config_.ownDataFolder)) return;
    disconnect();
    throw DbForeignServer(QDir::cleanPath(folder));
}

void Query::disconnect() {
    forgetStatements();
    if (connection_) mysql_close(connection_);
    connection_ = nullptr;
}

void Query::forgetStatements() {
    for (MYSQL_STMT* statement : std::as_const(statements_cache_))
        mysql_stmt_close(statement);
    statements_cache_.clear();
}

void Query::fail(unsigned code, const QString& message) {
    if (ConnectionLost(code)) throw DbConnectionLost(code, message);
    throw DbError(code, message);
}

MYSQL_STMT* Query::prepared(const QString& sql) {
    if (MYSQL_STMT* cached = statements_cache_.value(sql)) return cached;
    if (statements_cache_.size() >= kStatementCacheLimit) forgetStatements();
    MYSQL_STMT* statement = mysql_stmt_init(connection_);
    if (!statement) fail(mysql_errno(connection_), QString::fromUtf8(mysql_error(connection_)));
    const QByteArray text = sql.toUtf8();
    if (mysql_stmt_prepare(statement, text.constData(), text.size()) != 0) {
        const unsigned code = mysql_stmt_errno(statement);
        const QString message = QString::fromUtf8(mysql_stmt_error(statement));
        mysql_stmt_close(statement);
        fail(code, message);
    }
    const my_bool updateMaxLength = 1;
    mysql_stmt_attr_set(statement, STMT_ATTR_UPDATE_MAX_LENGTH, &updateMaxLength);
    statements_cache_.insert(sql, statement);
    return statement;
}

int Query::open(const QString& sql, const QVariantList& params) {
    try {
        run(sql, params, true);
    } catch (const DbError& e) {
        if (e.code() != ER_REGEXP_ERROR) throw;
        columns_.clear();
        rows_.clear();
        current_ = 0;
    }
    return recordCount();
}

qint64 Query::execute(const QString& sql, const QVariantList& params) {
    catalogue_.written(sql);
    ++writes_;
    try {
        run(sql, params, false);
    } catch (const DbError& e) {
        if (e.code() != ER_REGEXP_ERROR) throw;
        affected_ = 0;
    }
    return affected_;
}

void Query::executeUnprepared(const QString& sql) {
    const StatementClock clock(statementNs_);
    catalogue_.written(sql);
    ++writes_;
    if (!connection_) connect();
    ++statements_;
    const QByteArray text = sql.toUtf8();
    if (mysql_real_query(connection_, text.constData(), static_cast<unsigned long>(text.size())))
        fail(mysql_errno(connection_), QString::fromUtf8(mysql_error(connection_)));
    if (MYSQL_RES* result = mysql_store_result(connection_)) mysql_free_result(result);
}

qint64 Query::lastInsertId() const {
    return connection_ ? qint64(mysql_insert_id(connection_)) : 0;
}

QString Query::field(const QString& column) const {
    if (eof()) return {};
    for (qsizetype at = 0; at < columns_.size(); ++at)
        if (columns_[at].compare(column, Qt::CaseInsensitive) == 0)
            return rows_[current_].value(at);
    return {};
}

void Query::run(const QString& sql, const QVariantList& params, bool wantRows) {
    const StatementClock clock(statementNs_);
    columns_.clear();
    rows_.clear();
    current_ = 0;
    affected_ = 0;
    for (int attempt = 0;; ++attempt) {
        if (!connection_) connect();
        ++statements_;
        MYSQL_STMT* statement = nullptr;
        try {
            statement = prepared(sql);
        } catch (const DbError& e) {
            if (attempt == 0 && ConnectionDropped(e.code())) {
                disconnect();
                continue;
            }
            throw;
        }
        ParamBuffers buffers(params);
        if (mysql_stmt_param_count(statement) != buffers.binds.size())
            fail(ER_WRONG_ARGUMENTS, QStringLiteral("Statement expects %1 values, got %2: %3")
                                         .arg(mysql_stmt_param_count(statement))
                                         .arg(buffers.binds.size())
                                         .arg(sql));
        if ((!buffers.binds.empty() && mysql_stmt_bind_param(statement, buffers.binds.data())) ||
            mysql_stmt_execute(statement) != 0) {
            const unsigned code = mysql_stmt_errno(statement);
            const QString message = QString::fromUtf8(mysql_stmt_error(statement));
            if (attempt == 0 && ConnectionDropped(code)) {
                disconnect();
                continue;
            }
            fail(code, message);
        }
        affected_ = qint64(mysql_stmt_affected_rows(statement));
        MYSQL_RES* meta = mysql_stmt_result_metadata(statement);
        if (!meta) {
            if (wantRows) fail(ER_WRONG_ARGUMENTS, "Statement returned no rows: " + sql);
            return;
        }
        const unsigned count = mysql_num_fields(meta);
        MYSQL_FIELD* fields = mysql_fetch_fields(meta);
        if (mysql_stmt_store_result(statement) != 0) {
            mysql_free_result(meta);
            fail(mysql_stmt_errno(statement), QString::fromUtf8(mysql_stmt_error(statement)));
        }
        std::vector<MYSQL_BIND> binds(count);
        std::vector<QByteArray> data(count);
        std::vector<unsigned long> lengths(count);
        std::vector<my_bool> nulls(count), errors(count);
        for (unsigned i = 0; i < count; ++i) {
            columns_ << QString::fromUtf8(fields[i].name);
            data[i].resize(qMax<qsizetype>(qsizetype(fields[i].max_length), 64) + 1);
            binds[i] = MYSQL_BIND{};
            binds[i].buffer_type = MYSQL_TYPE_STRING;
            binds[i].buffer = data[i].data();
            binds[i].buffer_length = static_cast<unsigned long>(data[i].size());
            binds[i].length = &lengths[i];
            binds[i].is_null = &nulls[i];
            binds[i].error = &errors[i];
        }
        mysql_free_result(meta);
        mysql_stmt_bind_result(statement, binds.data());
        int status;
        while ((status = mysql_stmt_fetch(statement)) == 0 || status == MYSQL_DATA_TRUNCATED) {
            QStringList row;
            for (unsigned i = 0; i < count; ++i) {
                if (nulls[i]) {
                    row << QString();
                } else if (lengths[i] < binds[i].buffer_length) {
                    row << FromUtf8(data[i].constData(), lengths[i]);
                } else {
                    // Longer than the server's reported maximum: fetch this column again whole.
                    QByteArray whole(qsizetype(lengths[i]) + 1, '\0');
                    MYSQL_BIND one = binds[i];
                    one.buffer = whole.data();
                    one.buffer_length = static_cast<unsigned long>(whole.size());
                    mysql_stmt_fetch_column(statement, &one, i, 0);
                    row << FromUtf8(whole.constData(), lengths[i]);
                }
            }
            rows_ << row;
        }
        mysql_stmt_free_result(statement);
        if (status == 1)
            fail(mysql_stmt_errno(statement), QString::fromUtf8(mysql_stmt_error(statement)));
        return;
    }
}
