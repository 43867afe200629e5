#pragma once
// The receiver's configuration file: where the registrations are stored,
// whom they may be addressed to, where the browser may be sent afterwards,
// and the optional mail command.
#include <string>
#include <vector>

// The environment variable naming the configuration file, and the file used
// when it is not set.
constexpr const char kConfigVariable[] = "VELINST_RECEIVER_CONFIG";
constexpr const char kDefaultConfigPath[] = "/etc/velinst-receiver.conf";

struct ReceiverConfig {
  std::string database;                    // the SQLite file
  std::vector<std::string> recipients;     // mailboxes a request may name
  std::vector<std::string> redirectHosts;  // hosts the thank-you page may be on
  std::string mailCommand;                 // run by /bin/sh; empty: no mail
  std::string mailFrom;                    // the mail's From address; empty: none
  std::vector<std::string> required;       // fields every registration must fill
};

// Reads "key = value" lines; blank lines and lines starting with "#" are
// skipped, "recipient", "redirect_host" and "required" may repeat, and a
// "required" line may list several names separated by commas. Returns false with a
// message naming the line on an unknown key, a line without "=", or a file
// that names no database.
bool ParseConfig(const std::string &text, ReceiverConfig *config, std::string *error);

// The file named by kConfigVariable, or kDefaultConfigPath.
std::string ConfigPath();

bool LoadConfig(const std::string &path, ReceiverConfig *config, std::string *error);
