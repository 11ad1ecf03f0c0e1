#include "platform/file_stamp.h"

#include <sys/stat.h>

#include <chrono>

#include "platform/paths.h"

namespace {

constexpr std::int64_t kSettledNs = 2'000'000'000;

std::int64_t nanoseconds(const timespec& t) {
    return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

}  // namespace

std::optional<FileStamp> settled_file_stamp(const std::string& path) {
    const std::int64_t now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::system_clock::now().time_since_epoch())
                                 .count();
    FileStamp stamp;
    stamp.resolved = resolve_path(path);
    struct stat st {};
    if (::stat(stamp.resolved.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = st.st_size;
    stamp.modified_ns = nanoseconds(st.st_mtim);
    stamp.changed_ns = nanoseconds(st.st_ctim);
    // A time ahead of the clock is not settled either.
    if (stamp.modified_ns > now - kSettledNs) return std::nullopt;
    return stamp;
}
