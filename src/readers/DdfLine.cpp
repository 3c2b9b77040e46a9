// Classifying one line of a DDF file and splitting it into its tokens.
#include "readers/DdfLine.h"
#include "text/ByteText.h"

namespace regforge {
namespace {

constexpr std::string_view kSfrKeyword = "sfr = ";
constexpr std::string_view kGroupKeyword = "group = ";

constexpr bool separatesTokens(char c) {
  return c == ',' || c == '\t' || c == ' ' || c == '"';
}

// A blank or carriage return inside a token belongs to it.
constexpr bool endsToken(char c) {
  return c == '"' || c == ',' || c == '\t' || c == '\n';
}

}  // namespace

DdfLineKind classifyDdfLine(std::string_view line) {
  if (!line.empty() && line.front() == ';') return DdfLineKind::Skipped;
  // A header still holding its line end is no header; it then matches nothing below.
  if (line == "[Sfr]" || line == "[SfrGroupInfo]") return DdfLineKind::Skipped;
  if (contains(line, "//")) return DdfLineKind::Skipped;
  if (contains(line, kSfrKeyword)) return DdfLineKind::Sfr;
  if (contains(line, kGroupKeyword)) return DdfLineKind::Group;
  return DdfLineKind::Skipped;
}

std::size_t ddfTokenStart(DdfLineKind kind) {
  switch (kind) {
    case DdfLineKind::Sfr:
      return kSfrKeyword.size();
    case DdfLineKind::Group:
      return kGroupKeyword.size();
    case DdfLineKind::Skipped:
      break;
  }
  return 0;
}

void tokenizeDdfLine(std::string_view text, std::vector<std::string_view>& tokens) {
  tokens.clear();
  std::size_t at = 0;
  while (at < text.size()) {
    if (separatesTokens(text[at])) {
      ++at;
      continue;
    }
    const std::size_t start = at++;
    while (at < text.size() && !endsToken(text[at]))
      ++at;
    if (at == text.size()) return;  // never ended: dropped
    tokens.push_back(text.substr(start, at - start));
    ++at;  // the ending character belongs to no token
  }
}

}  // namespace regforge
