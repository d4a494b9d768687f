#pragma once

#include "brain/db_config.h"
#include "brain/query.h"

#include <memory>

// A throwaway database on the test server, loaded from the shipped brain and dropped again.
// The test command starts the server and sets TALVANE_TEST_DB_PORT.
class TestBrain {
  public:
    TestBrain();
    ~TestBrain();
    const DbConfig& config() const { return config_; }
    Query& db() { return *db_; }
    // The values of column `name` in the rows `sql` selects, in their order.
    QStringList column(const QString& sql, const QString& name);

  private:
    DbConfig config_;
    std::unique_ptr<Query> admin_;
    std::unique_ptr<Query> db_;
};

// Runs every statement of the shipped brain's SQL files, the schema first.
void LoadShippedBrain(Query& db);
// The connection to the test server without a database.
DbConfig TestServerConfig();
