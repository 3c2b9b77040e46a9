// Questions about files and folders that the driver asks before it opens anything.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace regforge {

/// True when path names an existing regular file.
bool isFile(const std::string& path);

/// True when path names an existing folder.
bool isFolder(const std::string& path);

/// The names of the regular files directly in folder whose names end in suffix, letter case
/// aside, in name order.
std::vector<std::string> filesEndingIn(const std::string& folder, std::string_view suffix);

/// Makes the folder at path unless it exists already; false when it can't.
bool makeFolder(const std::string& path);

/// The file folder/relative ('/' separators), or else one whose path below folder differs from
/// it in letter case only (the first such name in each folder, in name order); none when
/// neither exists.
std::optional<std::string> findFileIgnoringCase(const std::string& folder,
                                                const std::string& relative);

/// True when path, its links followed, is a file inside folder (empty for the current one),
/// its links followed too; false as well when either can't be resolved.
bool isInsideFolder(const std::string& folder, const std::string& path);

/// The folder part of path, up to and with its last separator; empty when it has none.
std::string folderOf(const std::string& path);

/// True when standard error goes to a terminal.
bool standardErrorIsTerminal();

}  // namespace regforge
