// One line of a DDF file: what kind of line it is, and the tokens it holds.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace regforge {

/// What a DDF line contributes.
enum class DdfLineKind {
  Skipped,  ///< comment, section header, commented-out line or anything else
  Sfr,      ///< a register or bit-field line
  Group,    ///< a group line
};

/// The kind of line, decided by its first character and the texts it contains.
DdfLineKind classifyDdfLine(std::string_view line);

/// Where the tokens of a line of that kind begin: right behind "sfr = " or "group = " when
/// the keyword opens the line, a fixed position either way.
std::size_t ddfTokenStart(DdfLineKind kind);

/// Cuts text into tokens, replacing the contents of tokens. The views point into text.
/// Comma, tab, space and double quote separate tokens; inside a token a double quote, comma,
/// tab or newline ends it, so a quoted value may hold spaces. A token still open at the end
/// of the text is dropped.
void tokenizeDdfLine(std::string_view text, std::vector<std::string_view>& tokens);

}  // namespace regforge
