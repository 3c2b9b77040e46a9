#include "ReadmeExamples.h"

#include <regex>

namespace regforge::docs {
namespace {

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) {
      lines.push_back(text);
      break;
    }
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  return lines;
}

bool isElision(std::string_view line) {
  const std::size_t first = line.find_first_not_of(' ');
  return first != std::string_view::npos && line.substr(first) == "...";
}

bool isFence(std::string_view line) {
  return line.substr(0, 3) == "```";
}

// The first place at or after `from` where `part` stands as consecutive lines, or npos.
std::size_t findPart(const std::vector<std::string_view>& lines,
                     const std::vector<std::string_view>& part, std::size_t from) {
  for (std::size_t start = from; start + part.size() <= lines.size(); ++start) {
    std::size_t i = 0;
    while (i < part.size() && lines[start + i] == part[i])
      ++i;
    if (i == part.size()) return start;
  }
  return std::string_view::npos;
}

}  // namespace

std::vector<MarkedBlock> findMarkedBlocks(std::string_view readme,
                                          std::vector<std::string>& problems) {
  static const std::regex kMarker(R"(<!-- example: (\S+) (\S+)( excerpt)? -->)");
  const std::vector<std::string_view> lines = splitLines(readme);
  std::vector<MarkedBlock> blocks;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::match_results<std::string_view::const_iterator> match;
    if (!std::regex_match(lines[i].begin(), lines[i].end(), match, kMarker)) continue;
    MarkedBlock block{match[1], match[2], match[3].matched, "", static_cast<int>(i) + 1};
    if (i + 1 >= lines.size() || !isFence(lines[i + 1])) {
      problems.push_back("line " + std::to_string(block.line) +
                         ": no fenced block after the marker");
      continue;
    }
    std::size_t j = i + 2;
    for (; j < lines.size() && lines[j] != "```"; ++j) {
      block.text.append(lines[j]);
      block.text += '\n';
    }
    if (j == lines.size()) {
      problems.push_back("line " + std::to_string(block.line) + ": the block has no closing fence");
      break;
    }
    blocks.push_back(std::move(block));
    i = j;
  }
  return blocks;
}

bool excerptMatches(std::string_view excerpt, std::string_view text) {
  const std::vector<std::string_view> lines = splitLines(text);
  std::vector<std::vector<std::string_view>> parts(1);
  for (std::string_view line : splitLines(excerpt)) {
    if (isElision(line)) {
      parts.emplace_back();
    } else {
      parts.back().push_back(line);
    }
  }
  std::size_t from = 0;
  for (const std::vector<std::string_view>& part : parts) {
    if (part.empty()) continue;
    const std::size_t start = findPart(lines, part, from);
    if (start == std::string_view::npos) return false;
    from = start + part.size();
  }
  return true;
}

std::string commandLine(const std::vector<std::string>& arguments) {
  static const std::regex kPlainWord(R"([A-Za-z0-9._/+=:-]+)");
  std::string line = "regforge";
  for (const std::string& argument : arguments) {
    if (!std::regex_match(argument, kPlainWord)) return "";
    line += ' ';
    line += argument;
  }
  return line + '\n';
}

}  // namespace regforge::docs
