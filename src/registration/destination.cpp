#include "registration/destination.h"

#include <cstring>
#include <initializer_list>

#include "text/bounded.h"

const char kDefaultScriptAddress[] = "http://www.velmora.com/cgi-local/FormMail.cgi";
const char kDefaultMailbox[] = "register@velmora.com";

const char *DefaultThankYouPage(bool secure) {
  return secure ? "https://www.velmora.com/regthankyou.htm"
                : "http://www.velmora.com/regthankyou.htm";
}

namespace {

// A blank or a line break would end the value in the request line or the
// query; a quote is most likely left over from the settings file's syntax.
const char *CharacterFault(const char *text, bool asciiOnly) {
  for (const unsigned char *byte = reinterpret_cast<const unsigned char *>(text); *byte != 0;
       ++byte) {
    if (*byte == ' ' || *byte == '\t') return "holds a blank";
    if (*byte < ' ' || *byte == 0x7F) return "holds a control character";
    if (*byte == '"' || *byte == '\'') return "holds a quote";
    if (asciiOnly && *byte > 0x7F)
      return "holds a letter outside ASCII: write it percent-encoded (%XX)";
  }
  return nullptr;
}

bool IsHostCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         c == '-' || c == '.' || c == '_';
}

// The scheme and host of an absolute address; its port and the rest are read
// by ReadRedirection, as the exchange reads a redirection's location.
const char *AddressFault(const char *text, WebAddress &address) {
  if (text[0] == '\0') return "is empty";
  const char *host = nullptr;
  for (const char *scheme : {"http://", "https://"}) {
    const size_t length = strlen(scheme);
    char head[9] = "";
    CopyText(head, static_cast<int>(length) + 1, text);
    if (EqualsIgnoringCase(head, scheme)) host = text + length;
  }
  if (host == nullptr) return "is not an http:// or https:// address";
  const size_t hostLength = strcspn(host, ":/?#");
  if (hostLength == 0) return "names no host";
  for (size_t i = 0; i < hostLength; ++i)
    if (!IsHostCharacter(host[i])) return "has a host name with a character no host name has";
  WebAddress parsed = {};
  if (!ReadRedirection(text, parsed))
    return "has a port that is not a number from 1 to 65535";
  address = parsed;
  return nullptr;
}

}  // namespace

const char *ReadScriptAddress(const char *text, WebAddress &script) {
  if (const char *fault = CharacterFault(text, true)) return fault;
  if (strpbrk(text, "?#\\") != nullptr)
    return "holds \"?\", \"#\" or \"\\\": the launcher adds the query itself";
  WebAddress parsed = {};
  if (const char *fault = AddressFault(text, parsed)) return fault;
  const char *afterScheme = strstr(text, "://") + 3;
  if (strchr(afterScheme, '/') == nullptr)
    return "names no path: give the mail script's, such as /cgi-local/FormMail.cgi";
  script = parsed;
  return nullptr;
}

const char *CheckMailbox(const char *text) {
  if (text[0] == '\0') return "is empty";
  return CharacterFault(text, false);
}

const char *CheckThankYouPage(const char *text, bool scriptSecure) {
  if (const char *fault = CharacterFault(text, false)) return fault;
  WebAddress page = {};
  if (const char *fault = AddressFault(text, page)) return fault;
  if (scriptSecure && !page.secure)
    return "is http:// while the registration address is https://, and the launcher never "
           "follows the mail script from https back to http";
  return nullptr;
}
