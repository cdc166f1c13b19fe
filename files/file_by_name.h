// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <system_error>

namespace files {

// Writes `text` to the file a user named, as they expect of any program:
// - a new name or a regular file: written beside it and renamed into place once whole, so that a
//   failure never leaves half a file under the name; an existing file keeps its permission bits;
// - a symbolic link: followed, its target written by these same rules, the link left a link;
// - anything else (a terminal, /dev/stdout, a device, a named pipe): written straight through,
//   never replaced.
// A folder, or a path under something that is not a folder, is refused. The name is UTF-8.
// Returns the reason it could not be written, or no error.
[[nodiscard]] std::error_code writeFileByName(const std::string& path, std::string_view text);

// Whether the name (UTF-8) is that of a folder.
[[nodiscard]] bool isFolder(const std::string& name);

}  // namespace files
