// SPDX-License-Identifier: MIT
#include "files/bounded_read.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "display/number_text.h"
#include "files/folder_owner.h"

namespace {

BoundedRead Outcome(BoundedRead::Outcome outcome, std::string reason) {
    BoundedRead result;
    result.outcome = outcome;
    result.reason = std::move(reason);
    return result;
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

BoundedRead ReadBoundedFile(const std::filesystem::path& path, std::size_t maxBytes, KeepOfLarge keep) {
    using O = BoundedRead::Outcome;
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        const int error = errno;
        if (error == ENOENT) return Outcome(O::Missing, {});
        // ELOOP: the name is a link; ENXIO: a socket or a device that is not there.
        if (error == ELOOP || error == ENXIO)
            return Outcome(O::Damaged, std::string("not a plain file (") + std::strerror(error) + ")");
        return Outcome(O::Unreadable, std::strerror(error));
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return Outcome(O::Unreadable, std::strerror(errno));
    if (!S_ISREG(info.st_mode)) return Outcome(O::Damaged, "not a plain file");
    if (!IsTrustedOwner(info.st_uid, path)) return Outcome(O::Damaged, "owned by another user");

    BoundedRead result;
    result.outcome = O::Read;
    // One byte more than allowed tells a file that is too large from one that fits exactly.
    const std::size_t limit = maxBytes + 1;
    result.bytes.resize(std::min<std::size_t>(limit, static_cast<std::size_t>(std::max<off_t>(info.st_size, 0)) + 1));
    std::size_t filled = 0;
    for (;;) {
        if (filled == result.bytes.size()) {
            if (filled == limit) break;
            result.bytes.resize(std::min(limit, filled * 2 + 4096));
        }
        const ssize_t got = ::read(fd.get(), result.bytes.data() + filled, result.bytes.size() - filled);
        if (got < 0) {
            if (errno == EINTR) continue;
            return Outcome(O::Unreadable, std::strerror(errno));
        }
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    result.bytes.resize(filled);
    if (filled > maxBytes) {
        result.bytes.resize(maxBytes);
        if (keep == KeepOfLarge::LastLines) {
            filled = 0;
            if (::lseek(fd.get(), -static_cast<off_t>(maxBytes), SEEK_END) >= 0) {
                while (filled < maxBytes) {
                    const ssize_t got = ::read(fd.get(), result.bytes.data() + filled, maxBytes - filled);
                    if (got < 0 && errno == EINTR) continue;
                    if (got <= 0) break;
                    filled += static_cast<std::size_t>(got);
                }
            }
            // The first line was cut: the lines after it are whole.
            result.bytes.resize(filled);
            const auto feed = std::find(result.bytes.begin(), result.bytes.end(), '\n');
            result.bytes.erase(result.bytes.begin(), feed == result.bytes.end() ? feed : feed + 1);
        }
        result.outcome = O::Damaged;
        result.reason =
            "larger than the largest file of its kind (" + PlainText(static_cast<double>(maxBytes)) + " bytes)";
    }
    return result;
}
