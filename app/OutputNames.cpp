#include "app/OutputNames.h"

#include <cstdio>

#include "app/Paths.h"
#include "series/LogTime.h"

namespace zerb {

namespace {

// The format letters of a time field, each with its printf width.
struct TimeLetter {
  char letter;
  int width;
  unsigned (*value)(const BrokenDownFields&);
};

constexpr TimeLetter TimeLetters[] = {
    {'Y', 4, [](const BrokenDownFields& t) { return t.year; }},
    {'y', 2, [](const BrokenDownFields& t) { return t.year % 100; }},
    {'m', 2, [](const BrokenDownFields& t) { return t.month; }},
    {'d', 2, [](const BrokenDownFields& t) { return t.day; }},
    {'H', 2, [](const BrokenDownFields& t) { return t.hour; }},
    {'M', 2, [](const BrokenDownFields& t) { return t.minute; }},
    {'S', 2, [](const BrokenDownFields& t) { return t.second; }},
};

const TimeLetter* FindLetter(char letter) {
  for (const TimeLetter& entry : TimeLetters)
    if (entry.letter == letter) return &entry;
  return nullptr;
}

// The time field's format as text, or "" with `problem` set.
std::string FormatTime(std::string_view format, std::optional<uint32_t> time, std::string& problem) {
  const BrokenDownFields fields = BreakdownOf(time.value_or(0));
  std::string text;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') {
      text += format[i];
      continue;
    }
    const char letter = i + 1 < format.size() ? format[++i] : '\0';
    if (letter == '%') {
      text += '%';
    } else if (const TimeLetter* entry = FindLetter(letter)) {
      char digits[12];
      std::snprintf(digits, sizeof digits, "%0*u", entry->width, entry->value(fields));
      text += digits;
    } else {
      problem = std::string("--name: a time takes %Y %y %m %d %H %M %S and %%, not %") + (letter ? letter : ' ');
    }
  }
  return time ? text : std::string();
}

// The text of one field ("stem", "first:%Y"), or "" with `problem` set.
std::string FieldText(std::string_view field, std::string_view stem, const NameFields& fields, std::string& problem) {
  if (field == "stem") return std::string(stem);
  if (field == "site") return std::to_string(fields.site);
  if (field.starts_with("first:")) return FormatTime(field.substr(6), fields.first, problem);
  if (field.starts_with("last:")) return FormatTime(field.substr(5), fields.last, problem);
  problem = "--name knows {stem}, {site}, {first:FMT} and {last:FMT}, not {" + std::string(field) + "}";
  return {};
}

// The pattern with its fields filled in; `problem` says what is wrong with it.
std::string Expand(std::string_view pattern, std::string_view stem, const NameFields& fields, std::string& problem) {
  std::string name;
  for (std::size_t i = 0; i < pattern.size() && problem.empty(); ++i) {
    const char c = pattern[i];
    if ((c == '{' || c == '}') && i + 1 < pattern.size() && pattern[i + 1] == c) {
      name += c, ++i;
    } else if (c == '}') {
      problem = "--name: a } without its {";
    } else if (c == '{') {
      const std::size_t close = pattern.find('}', i);
      if (close == std::string_view::npos) {
        problem = "--name: a { without its }";
        break;
      }
      name += FieldText(pattern.substr(i + 1, close - i - 1), stem, fields, problem);
      i = close;
    } else if (c == '/' || c == '\\') {
      problem = "--name gives a file name, not a folder: no / or \\ (--output-dir gives the folder)";
    } else {
      name += c;
    }
  }
  return name;
}

}  // namespace

std::string NamePatternProblem(std::string_view pattern) {
  std::string problem;
  const std::string name = Expand(pattern, "stem", NameFields{0, 0u, 0u}, problem);
  if (problem.empty() && (name.empty() || name == "." || name == ".."))
    problem = "--name makes no file name of '" + std::string(pattern) + "'";
  return problem;
}

bool NameUsesRowTimes(std::string_view pattern) {
  return pattern.find("{first:") != std::string_view::npos || pattern.find("{last:") != std::string_view::npos;
}

std::string NamedOutputPath(std::string_view logPath, std::string_view extension, const OutputNaming& naming,
                            const NameFields& fields) {
  const std::string beside = OutputPathFor(logPath, extension);
  const std::string_view file = FileNamePart(beside);
  std::string folder = beside.substr(0, beside.size() - file.size());
  if (!naming.folder.empty()) {
    folder = naming.folder;
    if (!folder.ends_with('/') && !folder.ends_with('\\')) folder += '/';
  }
  if (naming.pattern.empty()) return folder + std::string(file);
  const std::string_view stem = file.substr(0, file.size() - extension.size() - 1);
  std::string problem;
  return folder + Expand(naming.pattern, stem, fields, problem) + "." + std::string(extension);
}

}  // namespace zerb
