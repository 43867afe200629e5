// velinst-receiver: installed as cgi-local/FormMail.cgi on the vendor's web
// host, it receives the launcher's registrations; run by hand, it exports
// them.
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <string>
#include <vector>

#include "config.h"
#include "export.h"
#include "request.h"
#include "store.h"

namespace {

const char kUsage[] =
    "usage: velinst-receiver export [--csv]\n"
    "  Writes the stored registrations to standard output: a readable listing,\n"
    "  or comma-separated values with --csv.\n"
    "  Installed as a CGI program it receives registrations instead.\n"
    "  Configuration: the file named by VELINST_RECEIVER_CONFIG, else\n"
    "  /etc/velinst-receiver.conf.\n";

std::string Environment(const char *name) {
  const char *value = std::getenv(name);
  return value ? value : "";
}

std::string UtcNow() {
  std::time_t now = std::time(nullptr);
  std::tm utc;
  gmtime_r(&now, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

int RunCgi() {
  ReceiverConfig config;
  std::string error;
  CgiReply reply;
  if (LoadConfig(ConfigPath(), &config, &error)) {
    CgiRequest request{Environment("REQUEST_METHOD"), Environment("QUERY_STRING"),
                       Environment("REMOTE_ADDR"), UtcNow()};
    reply = HandleRequest(request, config);
  } else {
    reply = NotConfiguredReply(error);
  }
  if (!reply.log.empty()) std::cerr << "velinst-receiver: " << reply.log << std::endl;
  std::cout << FormatReply(reply) << std::flush;
  return std::cout ? 0 : 1;
}

int RunExport(bool csv) {
  ReceiverConfig config;
  std::string error;
  std::vector<Registration> registrations;
  if (!LoadConfig(ConfigPath(), &config, &error) ||
      !ReadRegistrations(config.database, &registrations, &error)) {
    std::cerr << "velinst-receiver: " << error << "\n";
    return 1;
  }
  if (csv)
    WriteCsv(registrations, config.required, std::cout);
  else
    for (const Registration &registration : registrations) WriteListing(registration, std::cout);
  std::cout.flush();
  return std::cout ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv) {
  // A web server passes a query without "=" as arguments: under CGI they are
  // never read, so no request can ask for an export.
  if (!Environment("GATEWAY_INTERFACE").empty()) return RunCgi();
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && args[0] == "export" &&
      (args.size() == 1 || (args.size() == 2 && args[1] == "--csv")))
    return RunExport(args.size() == 2);
  std::cerr << kUsage;
  return 2;
}
