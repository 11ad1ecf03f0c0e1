#pragma once
// Which file a path leads to and its state on disk, for a reading kept in memory: while
// the stamp is unchanged, the file holds what was read from it.
#include <cstdint>
#include <optional>
#include <string>

struct FileStamp {
    std::string resolved;  // the path as resolved
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modified_ns = 0;  // since the epoch
    std::int64_t changed_ns = 0;   // status change: any write, rename over, chmod or touch
    bool operator==(const FileStamp&) const = default;
};

// The stamp of the regular file the path leads to (after resolution); nullopt when there is
// none, or when it was modified less than two seconds ago. A file system keeps times in
// steps (a few milliseconds on most Linux file systems, whole seconds on some): a file
// written again within the step of a reading would keep its stamp, so a file that recent
// is read again, not kept.
std::optional<FileStamp> settled_file_stamp(const std::string& path);
