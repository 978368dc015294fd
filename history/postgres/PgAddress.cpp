#include "history/postgres/PgAddress.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <vector>

namespace zerb {
namespace {

// A stretch of the address to remove when redacting (it holds a password
// and its separator).
struct Span {
  size_t begin = 0;
  size_t end = 0;
  size_t valueBegin = 0;  // the password itself
  size_t valueEnd = 0;
};

constexpr std::array<std::string_view, 2> kUriSchemes = {"postgresql://", "postgres://"};
constexpr std::string_view kSqlitePrefix = "sqlite:";

// The parameters whose values are secrets.
bool IsSecretKey(std::string_view key) { return key == "password" || key == "sslpassword"; }

size_t UriSchemeLength(std::string_view address) {
  for (std::string_view scheme : kUriSchemes)
    if (address.substr(0, scheme.size()) == scheme) return scheme.size();
  return 0;
}

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

bool IsWordCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

size_t SkipSpaces(std::string_view text, size_t at) {
  while (at < text.size() && IsSpace(text[at])) ++at;
  return at;
}

// The user part "user:password@" ends at the first '@' or '/' after the
// scheme, as libpq reads it; the password runs from its first ':'.
void UriUserPassword(std::string_view address, size_t start, std::vector<Span>& spans) {
  const size_t stop = address.find_first_of("@/", start);
  if (stop == std::string_view::npos || address[stop] != '@') return;
  const size_t colon = address.find(':', start);
  if (colon < stop) spans.push_back({colon, stop, colon + 1, stop});
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A URI part as libpq reads it: every %XX is the byte XX.
std::string PercentDecoded(std::string_view text) {
  std::string decoded;
  for (size_t at = 0; at < text.size(); ++at) {
    const int high = at + 2 < text.size() && text[at] == '%' ? HexValue(text[at + 1]) : -1;
    const int low = high >= 0 ? HexValue(text[at + 2]) : -1;
    if (low < 0) {
      decoded += text[at];
      continue;
    }
    decoded += static_cast<char>(high * 16 + low);
    at += 2;
  }
  return decoded;
}

// A secret parameter (password=..., sslpassword=..., the key also
// percent-encoded) among the '&'-separated parameters after '?'.
void UriPasswordParameters(std::string_view address, std::vector<Span>& spans) {
  size_t at = address.find('?');
  if (at == std::string_view::npos) return;
  ++at;
  while (at < address.size()) {
    const size_t end = std::min(address.find('&', at), address.size());
    const size_t equals = address.substr(at, end - at).find('=');
    if (equals != std::string_view::npos && IsSecretKey(PercentDecoded(address.substr(at, equals)))) {
      // Takes the '&' before it along, or the one after when it comes first.
      const size_t value = at + equals + 1;
      if (address[at - 1] == '&') spans.push_back({at - 1, end, value, end});
      else spans.push_back({at, end < address.size() ? end + 1 : end, value, end});
    }
    at = end + 1;
  }
}

// The end of a connection-string value starting at `at`: a quoted value runs
// to its closing quote (backslash escapes), a bare one to the next space.
size_t ValueEnd(std::string_view text, size_t at) {
  if (at < text.size() && text[at] == '\'') {
    for (++at; at < text.size() && text[at] != '\''; ++at)
      if (text[at] == '\\') ++at;
    return std::min(at + 1, text.size());
  }
  for (; at < text.size() && !IsSpace(text[at]); ++at)
    if (text[at] == '\\') ++at;
  return std::min(at, text.size());
}

// The secret pairs of a connection string. A word without "=" (a string
// libpq will refuse) is passed over, so that a secret after it is still
// found.
void ConninfoPasswords(std::string_view text, std::vector<Span>& spans) {
  size_t at = SkipSpaces(text, 0);
  while (at < text.size()) {
    const size_t pairBegin = at;
    const size_t keyEnd = std::min(text.find_first_of("= \t\n\r", at), text.size());
    const std::string_view key = text.substr(at, keyEnd - at);
    at = SkipSpaces(text, keyEnd);
    if (at >= text.size() || text[at] != '=') continue;
    const size_t valueBegin = SkipSpaces(text, at + 1);
    at = ValueEnd(text, valueBegin);
    if (IsSecretKey(key)) {
      const bool quoted = at - valueBegin >= 2 && text[valueBegin] == '\'' && text[at - 1] == '\'';
      spans.push_back({pairBegin, SkipSpaces(text, at), valueBegin + quoted, at - quoted});
    }
    at = SkipSpaces(text, at);
  }
}

// A connection-string value as libpq reads it: each backslash takes the
// character after it literally.
std::string Unescaped(std::string_view value) {
  std::string text;
  for (size_t at = 0; at < value.size(); ++at) {
    if (value[at] == '\\' && at + 1 < value.size()) ++at;
    text += value[at];
  }
  return text;
}

std::vector<Span> PasswordSpans(std::string_view address) {
  std::vector<Span> spans;
  if (const size_t scheme = UriSchemeLength(address)) {
    UriUserPassword(address, scheme, spans);
    UriPasswordParameters(address, spans);
  } else if (IsPostgresAddress(address)) {
    ConninfoPasswords(address, spans);
  }
  return spans;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  if (from.empty()) return;
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

}  // namespace

bool IsPostgresAddress(std::string_view address) {
  if (UriSchemeLength(address) > 0) return true;
  // libpq's connection strings are keyword = value pairs, every keyword a
  // word. Whatever the keyword (a misspelt one, or one a newer libpq
  // knows), a text that starts as such a pair is never taken for a file
  // name: libpq then says what is wrong with it.
  const size_t begin = SkipSpaces(address, 0);
  size_t end = begin;
  while (end < address.size() && IsWordCharacter(address[end])) ++end;
  const size_t equals = SkipSpaces(address, end);
  return end > begin && equals < address.size() && address[equals] == '=';
}

StoreLocation LocateStore(std::string_view text) {
  if (text.starts_with(kSqlitePrefix)) return {false, std::string(text.substr(kSqlitePrefix.size()))};
  return {IsPostgresAddress(text), std::string(text)};
}

std::string RedactedAddress(std::string_view address) {
  std::string redacted;
  size_t kept = 0;
  std::vector<Span> spans = PasswordSpans(address);
  std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.begin < b.begin; });
  for (const Span& span : spans) {
    if (span.begin > kept) redacted.append(address.substr(kept, span.begin - kept));
    kept = std::max(kept, span.end);
  }
  if (kept < address.size()) redacted.append(address.substr(kept));
  // A pair taken from the end leaves the space before it.
  if (!address.empty() && !IsSpace(address.back()))
    while (!redacted.empty() && IsSpace(redacted.back())) redacted.pop_back();
  return redacted;
}

std::vector<std::string> PasswordsIn(std::string_view address) {
  std::vector<std::string> passwords;
  const bool uri = UriSchemeLength(address) > 0;
  for (const Span& span : PasswordSpans(address)) {
    const std::string_view given = address.substr(span.valueBegin, span.valueEnd - span.valueBegin);
    if (given.empty()) continue;
    passwords.emplace_back(given);
    std::string read = uri ? PercentDecoded(given) : Unescaped(given);
    if (!read.empty() && read != given) passwords.push_back(std::move(read));
  }
  return passwords;
}

std::string ScrubbedMessage(std::string message, std::string_view address) {
  ReplaceAll(message, address, RedactedAddress(address));
  for (const std::string& password : PasswordsIn(address)) ReplaceAll(message, password, "***");
  return message;
}

void HidePasswordsInArguments(int argc, char** argv) {
  constexpr std::string_view kDbOption = "--db=";
  for (int i = 1; i < argc; ++i) {
    char* text = argv[i];
    if (std::strncmp(text, kDbOption.data(), kDbOption.size()) == 0) text += kDbOption.size();
    for (const Span& span : PasswordSpans(text)) std::memset(text + span.valueBegin, 'x', span.valueEnd - span.valueBegin);
  }
}

}  // namespace zerb
