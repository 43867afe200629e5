#include "store.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <memory>
#include <thread>

namespace {

const char kSchema[] =
    "CREATE TABLE IF NOT EXISTS registration ("
    " id INTEGER PRIMARY KEY,"
    " received TEXT NOT NULL,"
    " client TEXT NOT NULL,"
    " recipient TEXT NOT NULL,"
    " subject BLOB NOT NULL);"
    "CREATE TABLE IF NOT EXISTS registration_field ("
    " registration INTEGER NOT NULL REFERENCES registration(id),"
    " position INTEGER NOT NULL,"
    " name TEXT NOT NULL,"
    " value BLOB NOT NULL,"
    " PRIMARY KEY (registration, position));";

struct DatabaseCloser {
  void operator()(sqlite3 *db) const { sqlite3_close(db); }
};
struct StatementFinalizer {
  void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
};
using Database = std::unique_ptr<sqlite3, DatabaseCloser>;
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

bool Failed(sqlite3 *db, const std::string &what, std::string *error) {
  *error = what + ": " + (db ? sqlite3_errmsg(db) : "out of memory");
  return false;
}

Database Open(const std::string &path, int flags, std::string *error) {
  sqlite3 *db = nullptr;
  int status = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
  Database database(db);
  if (status != SQLITE_OK) {
    Failed(db, "cannot open " + path, error);
    return nullptr;
  }
  // Before anything else reads the file: every later step waits its turn.
  sqlite3_busy_timeout(db, kBusyTimeoutMs);
  return database;
}

// The customers' names and addresses are for the vendor alone: a database
// made by the receiver is readable by its owner only, whatever the web
// server's umask. SQLite gives its -wal and -shm files the database's mode.
bool CreateOwnerOnly(const std::string &path, std::string *error) {
  int file = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
  if (file < 0) {
    if (errno == EEXIST) return true;
    *error = "cannot open " + path + ": " + std::strerror(errno);
    return false;
  }
  bool made = fchmod(file, S_IRUSR | S_IWUSR) == 0;
  close(file);
  if (!made) *error = "cannot restrict " + path;
  return made;
}

// A database an older receiver made may be readable by anyone, and the
// -wal and -shm files it has, or gets later, follow its mode. Files of
// another user are left as that user set them.
void RestrictOwnFiles(const std::string &database, std::string *warning) {
  for (const char *suffix : {"", "-wal", "-shm"}) {
    std::string path = database + suffix;
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || info.st_uid != geteuid() || (info.st_mode & 077) == 0)
      continue;
    if (chmod(path.c_str(), S_IRUSR | S_IWUSR) != 0 && warning->empty())
      *warning = "cannot restrict " + path + " to its owner: " + std::strerror(errno);
  }
}

Statement Prepare(sqlite3 *db, const char *sql) {
  sqlite3_stmt *statement = nullptr;
  sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
  return Statement(statement);
}

void BindBytes(sqlite3_stmt *statement, int column, const std::string &bytes, bool asText) {
  if (asText)
    sqlite3_bind_text(statement, column, bytes.data(), static_cast<int>(bytes.size()),
                      SQLITE_TRANSIENT);
  else
    sqlite3_bind_blob(statement, column, bytes.data(), static_cast<int>(bytes.size()),
                      SQLITE_TRANSIENT);
}

std::string ColumnBytes(sqlite3_stmt *statement, int column) {
  const void *data = sqlite3_column_blob(statement, column);
  int size = sqlite3_column_bytes(statement, column);
  return data ? std::string(static_cast<const char *>(data), static_cast<size_t>(size)) : "";
}

// The rows of the registration and its fields, inside the caller's transaction.
bool InsertRows(sqlite3 *db, const Registration &registration, long long *id, std::string *error) {
  Statement insert = Prepare(
      db, "INSERT INTO registration (received, client, recipient, subject) VALUES (?,?,?,?)");
  if (!insert) return Failed(db, "cannot store", error);
  BindBytes(insert.get(), 1, registration.received, true);
  BindBytes(insert.get(), 2, registration.client, true);
  BindBytes(insert.get(), 3, registration.recipient, true);
  BindBytes(insert.get(), 4, registration.subject, false);
  if (sqlite3_step(insert.get()) != SQLITE_DONE) return Failed(db, "cannot store", error);
  *id = sqlite3_last_insert_rowid(db);

  Statement field = Prepare(
      db, "INSERT INTO registration_field (registration, position, name, value) VALUES (?,?,?,?)");
  if (!field) return Failed(db, "cannot store", error);
  int position = 0;
  for (const QueryPair &pair : registration.fields) {
    sqlite3_reset(field.get());
    sqlite3_bind_int64(field.get(), 1, *id);
    sqlite3_bind_int(field.get(), 2, ++position);
    BindBytes(field.get(), 3, pair.name, true);
    BindBytes(field.get(), 4, pair.value, false);
    if (sqlite3_step(field.get()) != SQLITE_DONE) return Failed(db, "cannot store", error);
  }
  return true;
}

// Write-ahead logging lets the export read while requests write; the mode
// is kept in the file, so only the first requests ever change it. Changing
// it needs the database to itself, and SQLite answers "busy" at once,
// without the busy time-out, to a connection that asks while others are
// reading: it is asked again until the time-out has passed.
bool UseWriteAheadLog(sqlite3 *db, const std::string &database, std::string *error) {
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(kBusyTimeoutMs);
  for (;;) {
    Statement mode = Prepare(db, "PRAGMA journal_mode");
    if (mode && sqlite3_step(mode.get()) == SQLITE_ROW && ColumnBytes(mode.get(), 0) == "wal")
      return true;
    mode = Prepare(db, "PRAGMA journal_mode=WAL");
    if (mode && sqlite3_step(mode.get()) == SQLITE_ROW && ColumnBytes(mode.get(), 0) == "wal")
      return true;
    int status = sqlite3_errcode(db);
    bool busy = (status & 0xFF) == SQLITE_BUSY || (status & 0xFF) == SQLITE_LOCKED;
    if (!busy || std::chrono::steady_clock::now() >= deadline)
      return Failed(db, "cannot use write-ahead logging in " + database, error);
    mode.reset();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

}  // namespace

long long StoreRegistration(const std::string &database, const Registration &registration,
                            std::string *error, std::string *warning) {
  if (!CreateOwnerOnly(database, error)) return 0;
  RestrictOwnFiles(database, warning);
  Database db = Open(database, SQLITE_OPEN_READWRITE, error);
  if (!db || !UseWriteAheadLog(db.get(), database, error)) return 0;
  // A registration the customer was thanked for survives a power loss:
  // each commit reaches the disk, log included, before the reply goes out.
  if (sqlite3_exec(db.get(), "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr) != SQLITE_OK) {
    Failed(db.get(), "cannot store", error);
    return 0;
  }
  // Each request is the only connection of its process: checkpointing on
  // every close would cost three more disk flushes per registration. The
  // log is checkpointed by the commits instead, once it has grown.
  sqlite3_db_config(db.get(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
  // Taking the write lock at the start lets the busy time-out wait for it;
  // a lock taken later, while reading, could fail at once.
  if (sqlite3_exec(db.get(), "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) {
    Failed(db.get(), "cannot store", error);
    return 0;
  }
  long long id = 0;
  bool stored = sqlite3_exec(db.get(), kSchema, nullptr, nullptr, nullptr) == SQLITE_OK
                    ? InsertRows(db.get(), registration, &id, error)
                    : Failed(db.get(), "cannot make the tables", error);
  if (stored && sqlite3_exec(db.get(), "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK)
    return id;
  if (stored) Failed(db.get(), "cannot store", error);
  sqlite3_exec(db.get(), "ROLLBACK", nullptr, nullptr, nullptr);
  return 0;
}

bool ReadRegistrations(const std::string &database, std::vector<Registration> *registrations,
                       std::string *error) {
  struct stat info;
  if (stat(database.c_str(), &info) != 0) return true;
  Database db = Open(database, SQLITE_OPEN_READONLY, error);
  if (!db) return false;
  Statement rows = Prepare(db.get(),
                           "SELECT r.id, r.received, r.client, r.recipient, r.subject,"
                           " f.name, f.value FROM registration r"
                           " LEFT JOIN registration_field f ON f.registration = r.id"
                           " ORDER BY r.id, f.position");
  if (!rows) {
    // A first request that failed may have left a file without tables.
    if (std::string(sqlite3_errmsg(db.get())).rfind("no such table", 0) == 0) return true;
    return Failed(db.get(), "cannot read " + database, error);
  }
  int status;
  while ((status = sqlite3_step(rows.get())) == SQLITE_ROW) {
    long long id = sqlite3_column_int64(rows.get(), 0);
    if (registrations->empty() || registrations->back().id != id) {
      Registration registration;
      registration.id = id;
      registration.received = ColumnBytes(rows.get(), 1);
      registration.client = ColumnBytes(rows.get(), 2);
      registration.recipient = ColumnBytes(rows.get(), 3);
      registration.subject = ColumnBytes(rows.get(), 4);
      registrations->push_back(registration);
    }
    if (sqlite3_column_type(rows.get(), 5) != SQLITE_NULL)
      registrations->back().fields.push_back(
          {ColumnBytes(rows.get(), 5), ColumnBytes(rows.get(), 6)});
  }
  if (status != SQLITE_DONE) return Failed(db.get(), "cannot read " + database, error);
  return true;
}
