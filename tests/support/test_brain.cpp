#include "support/test_brain.h"

#include "engine/text_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>

#include <stdexcept>

DbConfig TestServerConfig() {
    const QString port = qEnvironmentVariable("TALVANE_TEST_DB_PORT");
    if (port.isEmpty())
        throw std::runtime_error(
            "TALVANE_TEST_DB_PORT is not set: run the suite with ./test, which starts the test "
            "database server.");
    DbConfig config;
    config.host = "127.0.0.1";
    config.port = port.toInt();
    config.user = "talvane_test";
    config.password = "talvane_test";
    config.database = "";
    config.managed = false;
    return config;
}

void LoadShippedBrain(Query& db) {
    const QString folder = QStringLiteral(TALVANE_SOURCE_DATA_DIR) + "/brain";
    QStringList files = QDir(folder).entryList({"*.sql"}, QDir::Files, QDir::Name);
    files.removeAll("schema.sql");
    files.prepend("schema.sql");
    for (const QString& file : files) {
        QString statement;
        for (const QString& line : ReadTextLines(folder + '/' + file)) {
            if (line.startsWith("--") || (statement.isEmpty() && line.trimmed().isEmpty()))
                continue;
            statement += line + '\n';
            if (line.trimmed().endsWith(';')) {
                db.execute(statement.trimmed().chopped(1));
                statement.clear();
            }
        }
    }
}

TestBrain::TestBrain() : config_(TestServerConfig()) {
    admin_ = std::make_unique<Query>(config_);
    config_.database = QStringLiteral("talvane_t%1_%2")
                           .arg(QCoreApplication::applicationPid())
                           .arg(QRandomGenerator::global()->bounded(1000000));
    admin_->execute("CREATE DATABASE `" + config_.database + "` CHARACTER SET utf8mb4");
    db_ = std::make_unique<Query>(config_);
    LoadShippedBrain(*db_);
}

TestBrain::~TestBrain() {
    db_.reset();
    try {
        admin_->execute("DROP DATABASE IF EXISTS `" + config_.database + "`");
    } catch (const DbError&) {
        // The server is going away with the test run anyway.
    }
}

QStringList TestBrain::column(const QString& sql, const QString& name) {
    QStringList found;
    for (db_->open(sql); !db_->eof(); db_->next())
        found << db_->field(name);
    return found;
}
