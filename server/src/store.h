#pragma once
// The registrations database: an SQLite file, made with its tables on first
// use and readable by its owner only, in write-ahead-log mode so that the
// export can read while requests write, with a busy time-out so that
// simultaneous requests wait for each other instead of failing, and with
// every commit on the disk before the request is answered.
//
//   registration(id, received, client, recipient, subject)
//   registration_field(registration, position, name, value)
//
// Subject and values are BLOBs holding the bytes as they arrived (the
// customer's Windows code page); names, times and addresses are text.
#include <string>
#include <vector>

#include "query.h"

struct Registration {
  long long id = 0;          // given by the database
  std::string received;      // UTC, "YYYY-MM-DDTHH:MM:SSZ"
  std::string client;        // the client's address as the web server saw it
  std::string recipient;
  std::string subject;
  std::vector<QueryPair> fields;
};

// How long a request waits for the others holding the database.
constexpr int kBusyTimeoutMs = 30000;

// Stores one registration in one transaction; returns its id, or 0 with a
// message when nothing was stored. The database, its -wal and its -shm are
// made owner-only when they belong to the running user; when one cannot be,
// `warning` says so and the registration is stored all the same.
long long StoreRegistration(const std::string &database, const Registration &registration,
                            std::string *error, std::string *warning);

// Every stored registration, oldest first, with its fields in their stored
// order. Returns false with a message when the database cannot be read; a
// database not made yet holds no registrations.
bool ReadRegistrations(const std::string &database, std::vector<Registration> *registrations,
                       std::string *error);
