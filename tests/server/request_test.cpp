#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>
#include <string>
#include <vector>

#include "config.h"
#include "export.h"
#include "mail.h"
#include "request.h"
#include "store.h"
#include "temp_folder.h"

namespace {

const std::string kPhrase = "Thank You for registering your";
const std::string kRedirect = "http://www.velmora.com/regthankyou.htm";
const std::string kQuery =
    "recipient=register@velmora.com&subject=User%20Registration&redirect=" + kRedirect +
    "&required=PRODUCT%20NAME,CITY&sort=order:PRODUCT%20NAME,CITY"
    "&PRODUCT%20NAME=Corvinel&CITY=M%FCnchen%20%26%20%3D%25%2B"
    "&EMAIL%20ADDRESS=ann+reg@example.com";

// "&F1=1&F2=1...": fields of names of their own (a repeated name would
// join the value before it).
std::string ExtraFields(size_t count) {
  std::string out;
  for (size_t i = 1; i <= count; ++i) out += "&F" + std::to_string(i) + "=1";
  return out;
}

bool ContainsPhraseInAnyCase(std::string page) {
  for (char &c : page) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return page.find("thank you for registering your") != std::string::npos;
}

class RequestTest : public ::testing::Test {
 protected:
  RequestTest() {
    config_.database = folder_.Path("registrations.sqlite");
    config_.recipients = {"register@velmora.com"};
    config_.redirectHosts = {"www.velmora.com"};
  }

  CgiReply Handle(const std::string &query, const std::string &method = "GET") {
    return HandleRequest({method, query, "192.0.2.7", "2026-07-12T10:00:00Z"}, config_);
  }

  std::vector<Registration> Stored() {
    std::vector<Registration> registrations;
    std::string error;
    EXPECT_TRUE(ReadRegistrations(config_.database, &registrations, &error)) << error;
    return registrations;
  }

  TempFolder folder_;
  ReceiverConfig config_;
};

TEST_F(RequestTest, AnAcceptedRegistrationIsStoredByteForByteAndRedirected) {
  CgiReply reply = Handle(kQuery);
  EXPECT_EQ(302, reply.status);
  EXPECT_EQ(kRedirect, reply.location);
  EXPECT_EQ("", reply.log);
  EXPECT_EQ(0u, FormatReply(reply).find(
                    "Status: 302 Found\r\nLocation: " + kRedirect +
                    "\r\nContent-Type: text/html; charset=windows-1252\r\n\r\n"));

  std::vector<Registration> stored = Stored();
  ASSERT_EQ(1u, stored.size());
  const Registration &row = stored[0];
  EXPECT_EQ(1, row.id);
  EXPECT_EQ("2026-07-12T10:00:00Z", row.received);
  EXPECT_EQ("192.0.2.7", row.client);
  EXPECT_EQ("register@velmora.com", row.recipient);
  EXPECT_EQ("User Registration", row.subject);
  ASSERT_EQ(3u, row.fields.size());
  EXPECT_EQ("PRODUCT NAME", row.fields[0].name);
  EXPECT_EQ("M\xFCnchen & =%+", row.fields[1].value);
  EXPECT_EQ("ann+reg@example.com", row.fields[2].value);

  EXPECT_EQ(302, Handle(kQuery).status);
  EXPECT_EQ(2u, Stored().size());
}

TEST_F(RequestTest, RefusedAndIncompleteRequestsStoreNothingAndNeverConfirm) {
  struct Case {
    const char *name;
    std::string query;
    std::string method;
    int status;
  };
  const Case cases[] = {
      {"foreign recipient", "recipient=spam@example.com&PRODUCT%20NAME=x", "GET", 403},
      {"no recipient", "PRODUCT%20NAME=x&CITY=y", "GET", 403},
      {"foreign redirect", "recipient=register@velmora.com&redirect=http://evil.example/", "GET",
       403},
      {"required field missing", "recipient=register@velmora.com&required=CITY", "GET", 400},
      {"posted", kQuery, "POST", 405},
      {"too long", kQuery + "&PAD=" + std::string(kMaxQueryLength, 'x'), "GET", 414},
      {"too many fields", kQuery + ExtraFields(kMaxFields), "GET", 400},
      {"too long a name", kQuery + "&" + std::string(kMaxFieldNameLength + 1, 'N') + "=1", "GET",
       400},
      {"the phrase as a missing field",
       "recipient=register@velmora.com&required=Thank%20You%20for%20registering%20your", "GET",
       400},
      {"the phrase in capitals",
       "recipient=register@velmora.com&required=THANK%20YOU%20FOR%20REGISTERING%20YOUR%20x",
       "GET", 400},
      {"a field the vendor requires", "recipient=register@velmora.com&CITY=Rome", "GET", 400},
  };
  config_.required = {"PRODUCT NAME"};
  config_.mailCommand = "cat > '" + folder_.Path("mail.txt") + "'";
  for (const Case &c : cases) {
    CgiReply reply = Handle(c.query, c.method);
    EXPECT_EQ(c.status, reply.status) << c.name;
    EXPECT_EQ("", reply.location) << c.name;
    EXPECT_FALSE(ContainsPhraseInAnyCase(reply.body)) << c.name;
  }
  EXPECT_FALSE(folder_.Exists("registrations.sqlite"));
  EXPECT_FALSE(folder_.Exists("mail.txt"));
  // The limits themselves are allowed.
  std::string largest = kQuery + "&" + std::string(kMaxFieldNameLength, 'N') + "=1";
  largest += ExtraFields(kMaxFields - DecodeQuery(largest).size());
  EXPECT_EQ(302, Handle(largest).status);
  EXPECT_EQ(1u, Stored().size());
}

TEST_F(RequestTest, TheMissingFieldsPageListsThemEscaped) {
  CgiReply reply =
      Handle("recipient=register@velmora.com&required=CITY,%3Cscript%3E,ZIP&ZIP=1&CITY=%20");
  EXPECT_EQ(400, reply.status);
  EXPECT_NE(std::string::npos, reply.body.find("<li>CITY</li>\n<li>&lt;script&gt;</li>\n</ul>"));
  EXPECT_EQ(std::string::npos, reply.body.find("<script>"));
}

TEST_F(RequestTest, WithoutARedirectTheReplyIsAThankYouPage) {
  CgiReply reply = Handle("recipient=register@velmora.com&CITY=Rome");
  EXPECT_EQ(200, reply.status);
  EXPECT_NE(std::string::npos, reply.body.find(kPhrase));
  EXPECT_EQ(1u, Stored().size());
}

TEST_F(RequestTest, ADatabaseThatCannotBeWrittenFailsTheRegistration) {
  config_.database = folder_.Path("no-such-folder/registrations.sqlite");
  CgiReply reply = Handle(kQuery);
  EXPECT_EQ(500, reply.status);
  EXPECT_EQ(std::string::npos, reply.body.find(kPhrase));
  EXPECT_NE(std::string::npos, reply.log.find("cannot open")) << reply.log;
  EXPECT_EQ(0u, NotConfiguredReply("no file").body.find("<!DOCTYPE html>"));
  EXPECT_EQ(500, NotConfiguredReply("no file").status);
}

TEST_F(RequestTest, FirstRegistrationsArrivingTogetherAndLaterOnesAreStoredOwnerOnly) {
  // Processes of their own, as the web server starts them, released at one
  // moment onto a database that does not exist yet, under an umask that
  // would let anyone read it.
  constexpr int kRequests = 150;
  int gate[2];
  ASSERT_EQ(0, pipe(gate));
  mode_t umaskBefore = umask(0);
  std::vector<pid_t> children;
  for (int i = 0; i < kRequests; ++i) {
    pid_t child = fork();
    if (child == 0) {
      close(gate[1]);
      char ignored;
      (void)!read(gate[0], &ignored, 1);
      _exit(Handle(kQuery + "&SERIAL=" + std::to_string(i)).status == 302 ? 0 : 1);
    }
    children.push_back(child);
  }
  umask(umaskBefore);
  close(gate[0]);
  close(gate[1]);
  int stored = 0;
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(child, waitpid(child, &status, 0));
    stored += WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  EXPECT_EQ(kRequests, stored);
  EXPECT_EQ(static_cast<size_t>(kRequests), Stored().size());
  // Then once more onto the files as an older receiver left them.
  for (bool older : {false, true}) {
    if (older) {
      for (const char *suffix : {"", "-wal", "-shm"})
        ASSERT_EQ(0, chmod((config_.database + suffix).c_str(), 0644)) << suffix;
      EXPECT_EQ("", Handle(kQuery).log);
    }
    for (const char *suffix : {"", "-wal", "-shm"}) {
      struct stat info;
      ASSERT_EQ(0, stat((config_.database + suffix).c_str(), &info)) << suffix;
      EXPECT_EQ(0600u, info.st_mode & 0777) << older << suffix;
    }
  }
}

TEST_F(RequestTest, TheMailCarriesNoHeaderFromTheRequest) {
  config_.mailCommand = "cat > '" + folder_.Path("mail.txt") + "'";
  config_.mailFrom = "VelInst <noreply@velmora.com>";
  std::string query = kQuery;
  query.replace(query.find("User%20Registration"), 19,
                "Hi%0D%0ABcc:%20victim@example.com%0ASubject:%20Spam%FC");
  EXPECT_EQ(302, Handle(query).status);

  std::string mail = folder_.Read("mail.txt");
  std::string headers = mail.substr(0, mail.find("\n\n") + 1);
  EXPECT_EQ(
      "To: register@velmora.com\n"
      "From: VelInst <noreply@velmora.com>\n"
      "Subject: Hi  Bcc: victim@example.com Subject: Spam?\n"
      "MIME-Version: 1.0\n"
      "Content-Type: text/plain; charset=windows-1252\n"
      "Content-Transfer-Encoding: 8bit\n",
      headers);
  EXPECT_NE(std::string::npos, mail.find("\nCITY: M\xFCnchen & =%+\n"));
  EXPECT_NE(std::string::npos, mail.find("\nEMAIL ADDRESS: ann+reg@example.com\n"));
}

TEST_F(RequestTest, AFailedMailIsLoggedAndTheRegistrationStays) {
  for (const char *command : {"exit 3", "/no/such/sendmail"}) {
    config_.mailCommand = command;
    CgiReply reply = Handle(kQuery);
    EXPECT_EQ(302, reply.status) << command;
    EXPECT_NE(std::string::npos, reply.log.find("stored but not mailed")) << command;
  }
  EXPECT_EQ(2u, Stored().size());
}

TEST(HeaderValueTest, ControlCharactersAndHighBytesCannotBreakAHeaderLine) {
  EXPECT_EQ("a b c d e", HeaderValue("a\rb\nc\td\x7F" "e"));
  EXPECT_EQ("M?ller", HeaderValue("M\xFCller"));
  EXPECT_EQ("User Registration", HeaderValue("User Registration"));
}

TEST(ConfigTest, KeysCommentsRepeatsAndMistakes) {
  ReceiverConfig config;
  std::string error;
  ASSERT_TRUE(ParseConfig(
      "# comment\n\n database = /var/lib/r.sqlite \nrecipient=a@x.com\r\nrecipient = b@x.com\n"
      "redirect_host = www.x.com\nmail_command = /usr/sbin/sendmail -t -i\nmail_from = r@x.com\n"
      "required = SERIAL NUMBER, CITY\nrequired=ZIP\n",
      &config, &error))
      << error;
  EXPECT_EQ("/var/lib/r.sqlite", config.database);
  EXPECT_EQ((std::vector<std::string>{"a@x.com", "b@x.com"}), config.recipients);
  EXPECT_EQ(std::vector<std::string>{"www.x.com"}, config.redirectHosts);
  EXPECT_EQ("/usr/sbin/sendmail -t -i", config.mailCommand);
  EXPECT_EQ("r@x.com", config.mailFrom);
  EXPECT_EQ((std::vector<std::string>{"SERIAL NUMBER", "CITY", "ZIP"}), config.required);

  const std::pair<const char *, const char *> mistakes[] = {
      {"database = d\nrecipients = a@x.com\n", "line 2: unknown key \"recipients\""},
      {"database = d\nrecipient a@x.com\n", "line 2: expected \"key = value\""},
      {"recipient = a@x.com\n", "no database named"},
  };
  for (const auto &[text, message] : mistakes) {
    EXPECT_FALSE(ParseConfig(text, &config, &error)) << text;
    EXPECT_EQ(message, error);
  }
  EXPECT_FALSE(LoadConfig("/no/such/velinst-receiver.conf", &config, &error));
}

TEST(ExportTest, CsvHasEveryFieldNameAndQuotesWhatNeedsIt) {
  Registration first;
  first.id = 1;
  first.received = "2026-07-12T10:00:00Z";
  first.client = "192.0.2.7";
  first.recipient = "register@velmora.com";
  first.subject = "User Registration";
  first.fields = {{"CITY", "Rome, \"Old\" Town"}, {"NOTE", "two\r\nlines"}};
  Registration second = first;
  second.id = 2;
  second.fields = {{"ZIP", "00100"}, {"CITY", "M\xFCnchen"}};

  std::ostringstream csv;
  WriteCsv({first, second}, {}, csv);
  EXPECT_EQ(
      "id,received,client,recipient,subject,CITY,NOTE,ZIP\r\n"
      "1,2026-07-12T10:00:00Z,192.0.2.7,register@velmora.com,User Registration,"
      "\"Rome, \"\"Old\"\" Town\",\"two\r\nlines\",\r\n"
      "2,2026-07-12T10:00:00Z,192.0.2.7,register@velmora.com,User Registration,"
      "M\xFCnchen,,00100\r\n",
      csv.str());
}

TEST(ExportTest, CellsASpreadsheetWouldComputeAreWrittenAsText) {
  Registration registration;
  registration.id = 7;
  registration.subject = "@SUM(1)";
  registration.fields = {{"=cmd|' /C calc'!A0", "x"}, {"PHONE", "+1 512 555"}, {"A", "-2+3"},
                         {"B", "\t=1"}, {"C", "\r=1"}, {"D", "1+1"}, {"E", "Ann"}};
  std::ostringstream csv;
  WriteCsv({registration}, {}, csv);
  EXPECT_EQ(
      "id,received,client,recipient,subject,'=cmd|' /C calc'!A0,PHONE,A,B,C,D,E\r\n"
      "7,,,,'@SUM(1),x,'+1 512 555,'-2+3,'\t=1,\"'\r=1\",1+1,Ann\r\n",
      csv.str());
}

TEST(ExportTest, NamesPastTheColumnCapShareTheLastColumnAndRequiredNamesKeepTheirs) {
  Registration filling;
  filling.id = 1;
  for (size_t i = 0; i < kMaxCsvFieldColumns; ++i)
    filling.fields.push_back({"N" + std::to_string(i), "1"});
  Registration late;
  late.id = 2;
  late.fields = {{"=X", "2"}, {"N0", "v"}, {"CITY", "Rome, Old"}};
  auto names = [](size_t count) {
    std::string out;
    for (size_t i = 0; i < count; ++i) out += ",N" + std::to_string(i);
    return out;
  };
  auto cells = [](size_t count, const std::string &cell) {
    std::string out;
    for (size_t i = 0; i < count; ++i) out += "," + cell;
    return out;
  };
  const std::string fixed = "id,received,client,recipient,subject";
  const size_t cap = kMaxCsvFieldColumns;
  const struct {
    std::vector<std::string> required;
    std::string csv;
  } cases[] = {
      {{},
       fixed + names(cap) + ",OTHER FIELDS\r\n1,,,," + cells(cap, "1") + ",\r\n2,,,,,v" +
           cells(cap - 1, "") + ",\"'=X: 2; CITY: Rome, Old\"\r\n"},
      // ZIP never appears, and still holds its place under the cap.
      {{"CITY", "ZIP", "CITY"},
       fixed + names(cap - 2) + ",CITY,OTHER FIELDS\r\n1,,,," + cells(cap - 2, "1") +
           ",,N" + std::to_string(cap - 2) + ": 1; N" + std::to_string(cap - 1) +
           ": 1\r\n2,,,,,v" + cells(cap - 3, "") + ",\"Rome, Old\",'=X: 2\r\n"},
  };
  for (const auto &c : cases) {
    std::ostringstream csv;
    WriteCsv({filling, late}, c.required, csv);
    EXPECT_EQ(c.csv, csv.str()) << c.required.size();
  }
}

TEST(ExportTest, TheListingShowsControlCharactersEscapedOneHeadingPerRegistration) {
  Registration registration;
  registration.id = 2;
  registration.received = "2026-07-12T10:00:00Z";
  registration.client = "192.0.2.7";
  registration.recipient = "register@velmora.com";
  registration.subject = "User\r\nRegistration 2, received";
  registration.fields = {{"ZIP", "00100"}, {"CITY", "M\xFCnchen"},
                         {"NA\x1B[2JME", "a\\b\tc\x7F\x01"}};
  std::ostringstream listing;
  WriteListing(registration, listing);
  EXPECT_EQ(
      "Registration 2, received 2026-07-12T10:00:00Z from 192.0.2.7 for register@velmora.com: "
      "User\\r\\nRegistration 2, received\n  ZIP: 00100\n  CITY: M\xFCnchen\n"
      "  NA\\x1B[2JME: a\\\\b\\tc\\x7F\\x01\n",
      listing.str());
}

}  // namespace
