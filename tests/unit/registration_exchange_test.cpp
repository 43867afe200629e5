#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "customer_fixture.h"
#include "registration/confirmation.h"
#include "registration/internet_library.h"
#include "registration/online_registration.h"
#include "shell/backdrop_events.h"
#include "shell/commands.h"

namespace {

const std::string kPhrase = "Thank You for registering your";
const std::string kConfirmingPage =
    "<html><body><h1>" + kPhrase + " product!</h1></body></html>";
const char kRegistered[] =
    "Thank you for registering your product. We hope you enjoy this Velmora product.";
const char kPleaseConnect[] = "Please connect to the Internet and try again.";
const char kFailed[] = "Registration failed. Try again later.";
const char kUnavailable[] = "Online registration is not available on this system.";

WindowHandle Backdrop() { return reinterpret_cast<WindowHandle>(0x1234); }

class ExchangeTest : public CustomerTest {
 protected:
  void SetUp() override {
    CustomerTest::SetUp();
    FakeNet().reply = kConfirmingPage;
    OpenCompleteRegistrationForm();
  }

  // The one message box shown, which must be a registration result.
  std::string ResultMessage() const {
    if (Fake().messageBoxes.size() != 1) return "boxes shown: " + std::to_string(Fake().messageBoxes.size());
    const ShownMessageBox &box = Fake().messageBoxes[0];
    EXPECT_EQ(Backdrop(), box.owner);
    EXPECT_EQ("Register Form", box.caption);
    EXPECT_EQ(0u, box.style);  // OK only, no icon
    return box.text;
  }

  // Everything the exchange opened was closed, each once.
  void ExpectAllClosed() const {
    EXPECT_TRUE(FakeNet().openHandles.empty());
    for (const std::string &call : FakeNet().calls) {
      EXPECT_EQ(std::string::npos, call.find("not open")) << call;
      EXPECT_EQ(std::string::npos, call.find("wrong")) << call;
    }
  }

  void ExpectNothingSaved() const {
    EXPECT_FALSE(WindowsProfileExists());
    EXPECT_FALSE(folder.Exists("appdata\\VelmoraReg.ini"));
  }

  int Fetch() {
    InternetLibraryHandle = FakeInternetLibrary();
    WebAddress address = {"www.velmora.com", 80, false, "/t"};
    return FetchConfirmation(Backdrop(), address);
  }
};

TEST_F(ExchangeTest, ConfirmedRegistrationSendsOneExactRequestAndSavesTheProfile) {
  EXPECT_EQ(1, RegisterOnline(Backdrop()));
  EXPECT_EQ(kRegistered, ResultMessage());

  const FakeInternet &net = FakeNet();
  EXPECT_EQ("Velmora Agent", net.agent);
  EXPECT_EQ("www.velmora.com", net.host);
  EXPECT_EQ(80, net.port);
  EXPECT_EQ(1u, net.connectContext);
  EXPECT_EQ("GET", net.verb);
  EXPECT_EQ("HTTP/1.0", net.version);
  // Existing connection, and a redirect to https is followed.
  EXPECT_EQ(0x20004000u, net.requestFlags);
  EXPECT_EQ(1u, net.requestContext);
  EXPECT_EQ(10239, net.readCapacity);
  EXPECT_EQ(0u, net.target.find("/cgi-local/FormMail.cgi?recipient=register@velmora.com&"));
  EXPECT_NE(std::string::npos,
            net.target.find("&FIRST%20NAME=Ann&LAST%20NAME=Lee&ADDRESS1=1%20Main%20St&"));
  EXPECT_EQ(1, net.requestsSent);
  // A silent host cannot hold the customer: the time-outs are on the session
  // and again on the request, before it is sent.
  EXPECT_EQ((std::vector<std::string>{"load", "session", "timeouts session 30000", "probes",
                                      "attempt", "connected", "connect", "request",
                                      "timeouts request 30000", "send", "proxy status",
                                      "redirection", "read", "close request",
                                      "close connection", "close session"}),
            net.calls);
  ExpectAllClosed();
  // One run of a worker, given the whole exchange's 60 s.
  EXPECT_EQ(std::vector<unsigned long>{60000}, Fake().workerWaits);

  // The wait cursor showed while loading and while exchanging, and the
  // cursor from before the exchange is back.
  EXPECT_EQ((std::vector<std::string>{"wait", "arrow", "wait", "restore"}), Fake().cursorCalls);
  EXPECT_EQ(kFakeArrowCursor, Fake().shownCursor);

  EXPECT_NE(std::string::npos, WindowsProfile().find("FirstName=Ann\r\n"));
  EXPECT_NE(std::string::npos, WindowsProfile().find("COUNTRY=USA\r\n"));
  EXPECT_TRUE(Forms().edits.empty());
}

TEST_F(ExchangeTest, CommandsArrivingWhileOneIsCarriedOutAreIgnored) {
  std::vector<bool> carriedOut;
  int depth = 0;  // without the guard, the queued commands would nest
  Fake().whileWaiting = [&] {
    if (depth++ == 0)
      for (unsigned command : {kCommandRegisterOnline, kCommandInstall, kCommandExit})
        carriedOut.push_back(OnBackdropCommand(Backdrop(), command));
    --depth;
  };
  // A double click on Register Online, while the exchange runs and while its
  // result is shown: one request, one result box.
  EXPECT_TRUE(OnBackdropCommand(Backdrop(), kCommandRegisterOnline));
  EXPECT_EQ(kRegistered, ResultMessage());
  EXPECT_EQ(1, FakeNet().requestsSent);
  // Install twice while the shell starts the first: one installer.
  EXPECT_TRUE(OnBackdropCommand(Backdrop(), kCommandInstall));
  EXPECT_EQ(1u, Fake().shellLaunches.size() + Fake().shellStarts.size());
  EXPECT_EQ(std::vector<bool>(9, false), carriedOut);
  EXPECT_EQ(0, Fake().quitRequests);

  // Once the first is done, the next command is carried out again.
  Fake().whileWaiting = nullptr;
  EXPECT_TRUE(OnBackdropCommand(Backdrop(), kCommandRegisterOnline));
  EXPECT_EQ(2, FakeNet().requestsSent);
}

TEST_F(ExchangeTest, PhraseAnywhereInTheFirst10239BytesConfirms) {
  FakeNet().reply = std::string(10239 - kPhrase.size(), 'x') + kPhrase + "tail";
  EXPECT_EQ(kConfirmed, Fetch());
  FakeNet().reply = "Dear customer. " + kPhrase + " copy of Corvinel.";
  EXPECT_EQ(kConfirmed, Fetch());
}

TEST_F(ExchangeTest, RepliesWithoutTheExactPhraseInReachAreNotConfirmed) {
  const std::string replies[] = {
      "<html>Registration received</html>",
      "thank you for registering your product",
      std::string(10240 - kPhrase.size(), 'x') + kPhrase,  // ends one byte too late
      std::string(100, 'x') + '\0' + kPhrase,
      "",
  };
  for (const std::string &reply : replies) {
    FakeNet().reply = reply;
    EXPECT_EQ(kNotConfirmed, Fetch()) << reply.size();
  }
  ExpectAllClosed();
}

TEST_F(ExchangeTest, UnconfirmedRegistrationShowsString42AndSavesNothing) {
  FakeNet().reply = "thank you for registering your product";
  EXPECT_EQ(0, RegisterOnline(Backdrop()));
  EXPECT_EQ(kFailed, ResultMessage());
  EXPECT_EQ(1, FakeNet().requestsSent);
  ExpectNothingSaved();
  ExpectAllClosed();
}

TEST_F(ExchangeTest, NoConnectionAsksToConnectAndSendsNothing) {
  FakeNet().connected = false;
  EXPECT_EQ(0, RegisterOnline(Backdrop()));
  EXPECT_EQ(kPleaseConnect, ResultMessage());
  EXPECT_EQ((std::vector<std::string>{"load", "session", "timeouts session 30000", "probes",
                                      "attempt", "connected", "close session"}),
            FakeNet().calls);
  EXPECT_EQ(kFakeArrowCursor, Fake().shownCursor);
  ExpectNothingSaved();
  ExpectAllClosed();
}

TEST_F(ExchangeTest, MissingProbesAskToConnectAndSendNothing) {
  FakeNet().hasProbes = false;
  EXPECT_EQ(kNotConnected, Fetch());
  EXPECT_EQ((std::vector<std::string>{"session", "timeouts session 30000", "probes",
                                      "close session"}),
            FakeNet().calls);
  EXPECT_EQ((std::vector<std::string>{"wait", "restore"}), Fake().cursorCalls);
  ExpectAllClosed();

  ResetFakeInternet();
  FakeNet().hasProbes = false;
  EXPECT_EQ(0, RegisterOnline(Backdrop()));
  EXPECT_EQ(kPleaseConnect, ResultMessage());
  EXPECT_EQ(0, FakeNet().requestsSent);
  ExpectNothingSaved();
}

TEST_F(ExchangeTest, EveryInternetFailureEndsSilentlyWithEverythingClosed) {
  const InternetFailure failures[] = {InternetFailure::Session, InternetFailure::Connect,
                                      InternetFailure::OpenRequest, InternetFailure::Send,
                                      InternetFailure::Read};
  // Already loaded: the cursor from before the exchange is the starting one.
  InternetLibraryHandle = FakeInternetLibrary();
  for (InternetFailure failure : failures) {
    ResetFakeInternet();
    FakeNet().reply = kConfirmingPage;
    FakeNet().failAt = failure;
    Fake().messageBoxes.clear();
    Fake().shownCursor = kFakeStartCursor;
    EXPECT_EQ(0, RegisterOnline(Backdrop()));
    EXPECT_TRUE(Fake().messageBoxes.empty());
    EXPECT_EQ(kFakeStartCursor, Fake().shownCursor);
    ExpectNothingSaved();
    ExpectAllClosed();
    if (failure != InternetFailure::Session) {
      EXPECT_EQ("close session", FakeNet().calls.back()) << static_cast<int>(failure);
    }
  }
}

TEST_F(ExchangeTest, RedirectionsAreFollowedEachOnARequestWithItsOwnTimeOuts) {
  // A host may insist on HTTPS; a path keeps the host and the scheme.
  FakeNet().redirections = {"http://www.velmora.com/regthankyou.htm",
                            "HTTP://Mirror.example:8080/thanks?x=1#top",
                            "https://www.velmora.com/regthankyou.htm", "/thanks"};
  EXPECT_EQ(kConfirmed, Fetch());
  EXPECT_EQ((std::vector<std::string>{"www.velmora.com:80 /t",
                                      "www.velmora.com:80 /regthankyou.htm",
                                      "Mirror.example:8080 /thanks?x=1",
                                      "www.velmora.com:443 /regthankyou.htm (https)",
                                      "www.velmora.com:443 /thanks (https)"}),
            FakeNet().requests);
  EXPECT_EQ(5, std::count(FakeNet().calls.begin(), FakeNet().calls.end(),
                          "timeouts request 30000"));
  ExpectAllClosed();
}

TEST_F(ExchangeTest, RedirectionsThatCannotBeFollowedEndAsInternetFailures) {
  const struct {
    std::vector<std::string> locations;
    bool forever;
    size_t requests;
  } cases[] = {
      {{"http://www.velmora.com/a", "http://www.velmora.com/b"}, true, 11},  // a loop
      {{"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9", "/10", "/11"}, false, 11},
      {{"ftp://www.velmora.com/regthankyou.htm"}, false, 1},
      {{"https://www.velmora.com/", "http://www.velmora.com/regthankyou.htm"}, false, 2},
      {{"regthankyou.htm"}, false, 1},
      {{"/final page"}, false, 1},
      {{""}, false, 1},  // missing, or too long for the buffer
      {{"http://user@www.velmora.com/"}, false, 1},
  };
  for (const auto &test : cases) {
    ResetFakeInternet();
    FakeNet().reply = kConfirmingPage;
    FakeNet().redirections = test.locations;
    FakeNet().redirectForever = test.forever;
    EXPECT_EQ(kInternetError, Fetch()) << test.locations[0];
    EXPECT_EQ(test.requests, FakeNet().requests.size()) << test.locations[0];
    ExpectAllClosed();
  }
  // Ten redirections are followed.
  ResetFakeInternet();
  FakeNet().reply = kConfirmingPage;
  FakeNet().redirections = {"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9", "/10"};
  EXPECT_EQ(kConfirmed, Fetch());
  EXPECT_EQ("www.velmora.com:80 /10", FakeNet().requests.back());
}

TEST_F(ExchangeTest, AnHttpsRequestWhoseCertificateFailsIsNeverSentAgainInPlainHttp) {
  // An untrusted, expired, revoked or misnamed certificate fails the send.
  FakeNet().failAt = InternetFailure::Send;
  InternetLibraryHandle = FakeInternetLibrary();
  const WebAddress address = {"reg.example.com", 443, true, "/t"};
  EXPECT_EQ(kInternetError, FetchConfirmation(Backdrop(), address));
  EXPECT_EQ(std::vector<std::string>{"reg.example.com:443 /t (https)"}, FakeNet().requests);
  ExpectAllClosed();
}

TEST_F(ExchangeTest, TheDiscsRegistrationKeysSayWhereItGoesAndAWrongOneSendsNothing) {
  const struct {
    const char *keys;  // lines of [General]
    const char *request;  // null: nothing sent, no message, nothing saved
    const char *query;    // the start of the query sent
  } cases[] = {
      // Nothing is saved before the last cases, which succeed.
      {"Registration Address=ftp://reg.example.com/FormMail.cgi\n", nullptr, nullptr},
      {"Registration Address=https:///FormMail.cgi\n", nullptr, nullptr},
      {"Registration Address=https://reg.example.com/Form Mail.cgi\n", nullptr, nullptr},
      {"Registration Address=\n", nullptr, nullptr},
      {"Registration Mailbox=\n", nullptr, nullptr},
      {"Registration Mailbox=\"cd\"@example.com\n", nullptr, nullptr},
      {"Registration Address=https://reg.example.com/FormMail.cgi\n"
       "Registration Thank You Page=http://reg.example.com/thanks.htm\n",
       nullptr, nullptr},
      {"", "www.velmora.com:80 /cgi-local/FormMail.cgi",
       "?recipient=register@velmora.com&subject=User%20Registration"
       "&redirect=http://www.velmora.com/regthankyou.htm&required="},
      {"Registration Address=https://reg.example.com/cgi-bin/FormMail.cgi\n",
       "reg.example.com:443 /cgi-bin/FormMail.cgi (https)",
       "?recipient=register@velmora.com&subject=User%20Registration"
       "&redirect=https://www.velmora.com/regthankyou.htm&required="},
      {"registration address = \"HTTP://reg.example.com:8080/mail\"\n"
       "Registration Mailbox=cd+reg@example.com\n"
       "Registration Thank You Page=http://www.example.com/thanks.htm?cd=1\n",
       "reg.example.com:8080 /mail",
       "?recipient=cd%2Breg@example.com&subject=User%20Registration"
       "&redirect=http://www.example.com/thanks.htm?cd%3D1&required="},
  };
  std::ifstream sample(std::string(VELINST_SOURCE_DIR) + "/disc/VelInst.ini");
  std::stringstream settings;
  settings << sample.rdbuf();
  int file = 0;
  for (const auto &test : cases) {
    SCOPED_TRACE(test.keys);
    ResetFakeInternet();
    FakeNet().reply = kConfirmingPage;
    Fake().messageBoxes.clear();
    std::string text = settings.str();
    text.insert(text.find("[General]\n") + 10, test.keys);
    // A file of its own each time: two of the same size could be taken for
    // one unchanged file.
    UseSettings(folder.Write("VelInst" + std::to_string(++file) + ".ini", text));
    const int registered = RegisterOnline(Backdrop());
    if (test.request == nullptr) {
      EXPECT_EQ(0, registered);
      EXPECT_TRUE(FakeNet().requests.empty());
      EXPECT_TRUE(Fake().messageBoxes.empty());
      ExpectNothingSaved();
      continue;
    }
    EXPECT_EQ(1, registered);
    EXPECT_EQ(kRegistered, ResultMessage());
    ASSERT_EQ(1u, FakeNet().requests.size());
    const std::string &request = FakeNet().requests[0];
    const size_t query = request.find('?');
    const bool secure = request.find(" (https)") != std::string::npos;
    EXPECT_EQ(test.request, request.substr(0, query) + (secure ? " (https)" : ""));
    // Over https the secure flag is added to those of a plain request, and
    // none that waives a check of the certificate.
    EXPECT_EQ(secure ? 0x20804000u : 0x20004000u, FakeNet().requestFlags);
    EXPECT_EQ(0u, request.find(test.query, query) - query) << request;
  }
}

TEST_F(ExchangeTest, ResultCodesOfTheExchange) {
  EXPECT_EQ(0, Fetch());
  FakeNet().reply = "no";
  EXPECT_EQ(-3, Fetch());
  FakeNet().failAt = InternetFailure::Send;
  EXPECT_EQ(-4, Fetch());
  FakeNet().failAt = InternetFailure::Session;
  EXPECT_EQ(-4, Fetch());
  FakeNet().failAt = InternetFailure::None;
  FakeNet().connected = false;
  EXPECT_EQ(-1, Fetch());
}

TEST_F(ExchangeTest, LibraryIsLoadedOnceAndTriedAgainAfterAFailure) {
  FakeNet().failAt = InternetFailure::Load;
  EXPECT_EQ(0, RegisterOnline(Backdrop()));
  EXPECT_EQ(kUnavailable, ResultMessage());
  EXPECT_EQ((std::vector<std::string>{"load"}), FakeNet().calls);
  EXPECT_EQ((std::vector<std::string>{"wait", "arrow"}), Fake().cursorCalls);
  ExpectNothingSaved();

  Fake().messageBoxes.clear();
  FakeNet().failAt = InternetFailure::None;
  EXPECT_EQ(1, RegisterOnline(Backdrop()));
  EXPECT_EQ(kRegistered, ResultMessage());
  EXPECT_EQ(2, FakeNet().loads);

  Fake().messageBoxes.clear();
  EXPECT_EQ(1, RegisterOnline(Backdrop()));
  EXPECT_EQ(1, LoadInternetLibrary());
  EXPECT_EQ(2, FakeNet().loads);
}

TEST_F(ExchangeTest, IncompleteFormWarnsAndGoesNoFurther) {
  Forms().current.fields["reg_city"] = "  ";
  EXPECT_EQ(0, RegisterOnline(Backdrop()));
  ASSERT_EQ(1u, Fake().messageBoxes.size());
  EXPECT_EQ("Install & Register", Fake().messageBoxes[0].caption);
  EXPECT_EQ(nullptr, Fake().messageBoxes[0].owner);
  EXPECT_TRUE(FakeNet().calls.empty());
  ExpectNothingSaved();
}

TEST_F(ExchangeTest, OverlongRequestIsNeverSent) {
  // Every "&" takes three characters once encoded.
  const char *fields[] = {"reg_product", "reg_street1", "reg_street2", "reg_country",
                          "reg_where_bought"};
  for (const char *field : fields) Forms().current.fields[field] = std::string(255, '&');
  EXPECT_EQ(0, RegisterOnline(Backdrop()));
  EXPECT_EQ(kFailed, ResultMessage());
  EXPECT_EQ((std::vector<std::string>{"load"}), FakeNet().calls);
  ExpectNothingSaved();
}

TEST_F(ExchangeTest, SendRegistrationMapsEachResultToItsMessage) {
  InternetLibraryHandle = FakeInternetLibrary();
  CustomerRecord record = {};
  EXPECT_EQ(1, SendRegistration(Backdrop(), record));
  EXPECT_EQ(kRegistered, ResultMessage());

  const struct {
    void (*script)();
    const char *message;
  } roads[] = {
      {[] { FakeNet().connected = false; }, kPleaseConnect},
      {[] { FakeNet().reply = "nothing"; }, kFailed},
      {[] { FakeNet().failAt = InternetFailure::Connect; }, nullptr},
  };
  for (const auto &road : roads) {
    ResetFakeInternet();
    road.script();
    Fake().messageBoxes.clear();
    EXPECT_EQ(0, SendRegistration(Backdrop(), record));
    if (road.message != nullptr) {
      EXPECT_EQ(road.message, ResultMessage());
    } else {
      EXPECT_TRUE(Fake().messageBoxes.empty());
    }
  }
  ExpectNothingSaved();  // only RegisterOnline saves
}

TEST_F(ExchangeTest, TheWholeExchangeIsGivenUpAfterSixtySeconds) {
  const struct {
    int deadlineAtSend;
    std::vector<unsigned long> runTimes;
    int requestsSent;
  } cases[] = {
      {1, {}, 1},
      {2, {}, 2},       // while redirected: the next request never goes out
      {0, {60000}, 3},  // the confirming page came, but too late
  };
  InternetLibraryHandle = FakeInternetLibrary();
  for (const auto &test : cases) {
    ResetFakeInternet();
    FakeNet().reply = kConfirmingPage;
    FakeNet().redirections = {"/thanks", "/final"};
    Fake().workerWaits.clear();
    FakeNet().deadlineAtSend = test.deadlineAtSend;
    Fake().workerRunTimes = test.runTimes;
    Fake().messageBoxes.clear();
    Fake().shownCursor = kFakeStartCursor;
    EXPECT_EQ(0, RegisterOnline(Backdrop()));
    EXPECT_EQ(1, Fake().workersGivenUp) << test.deadlineAtSend;
    Fake().workersGivenUp = 0;
    EXPECT_TRUE(Fake().messageBoxes.empty());
    EXPECT_EQ(test.requestsSent, FakeNet().requestsSent) << test.deadlineAtSend;
    EXPECT_EQ(kFakeStartCursor, Fake().shownCursor);
    ExpectAllClosed();
  }
  ExpectNothingSaved();
}

TEST_F(ExchangeTest, AProxyAskingForAPasswordGetsTheDialogAndEachRequestOnceMore) {
  const struct {
    std::set<int> refusedSends;
    bool passwordGiven;
    std::vector<std::string> redirections;
    const char *message;
    int requestsSent;
    size_t dialogs;
  } cases[] = {
      {{1}, true, {}, kRegistered, 2, 1},
      {{1}, false, {}, kFailed, 1, 1},   // cancelled: the refusal is the reply
      {{1, 2}, true, {}, kFailed, 2, 1}, // refused again: no second dialog
      {{1, 3}, true, {"/thanks"}, kRegistered, 4, 2},
  };
  // The customer's time in the dialog does not count against the exchange.
  const std::vector<unsigned long> waits = {60000, 40000, 25000};
  for (const auto &test : cases) {
    ResetFakeInternet();
    FakeNet().reply = kConfirmingPage;
    FakeNet().refusedSends = test.refusedSends;
    FakeNet().passwordGiven = test.passwordGiven;
    FakeNet().redirections = test.redirections;
    Fake().workerRunTimes = {20000, 15000};
    Fake().workerWaits.clear();
    Fake().messageBoxes.clear();
    InternetLibraryHandle = FakeInternetLibrary();
    RegisterOnline(Backdrop());
    EXPECT_EQ(test.message, ResultMessage()) << test.dialogs << test.passwordGiven;
    EXPECT_EQ(test.requestsSent, FakeNet().requestsSent) << test.dialogs << test.passwordGiven;
    EXPECT_EQ(std::vector<WindowHandle>(test.dialogs, Backdrop()),
              FakeNet().passwordDialogOwners);
    // The refusal is read to its end before each dialog.
    for (size_t i = 1; i < FakeNet().calls.size(); ++i) {
      if (FakeNet().calls[i] == "password dialog") {
        EXPECT_EQ("read", FakeNet().calls[i - 1]);
      }
    }
    EXPECT_EQ(std::vector<unsigned long>(waits.begin(), waits.begin() + test.dialogs + 1),
              Fake().workerWaits);
    ExpectAllClosed();
  }
}

}  // namespace
