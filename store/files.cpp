#include "store/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>

#include "store/crashpoint.h"
#include "store/fatal.h"
#include "store/text.h"

namespace store {
namespace {

constexpr const char* kRestSuffix = ".rest";

// Closes a FILE* when it goes out of scope.
struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

FilePtr openOrDie(const std::string& path, const char* mode) {
    FilePtr f(std::fopen(path.c_str(), mode));
    if (!f) fatalFileError();
    return f;
}

std::vector<std::uint8_t> readRest(std::FILE* f) {
    std::vector<std::uint8_t> bytes;
    std::uint8_t buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        bytes.insert(bytes.end(), buf, buf + n);
    return bytes;
}

} // namespace

std::vector<std::uint8_t> readBytes(const std::string& path) {
    return readRest(openOrDie(path, "rb").get());
}

std::vector<std::uint8_t> readBytesIfPresent(const std::string& path) {
    FilePtr f(std::fopen(path.c_str(), "rb"));
    return f ? readRest(f.get()) : std::vector<std::uint8_t>{};
}

namespace {

// Closes a file descriptor when it goes out of scope.
struct Fd {
    int fd;
    explicit Fd(int f) : fd(f) {}
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
};

int openFdOrDie(const std::string& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    if (fd < 0) fatalFileError();
    return fd;
}

// The whole buffer in one system call; a short write (a full disk, a signal) is continued, and a
// failed one is the file error.
void writeFdOrDie(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        crashpoint::before(crashpoint::Step::Write, fd, data, size);
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) fatalFileError();
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

void syncOrDie(int fd) {
    crashpoint::before(crashpoint::Step::Flush);
    // EINVAL: a file system that cannot sync (a pipe, some special files); nothing to wait for.
    if (::fsync(fd) != 0 && errno != EINVAL) fatalFileError();
}

std::uint64_t sizeOf(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) fatalFileError();
    return static_cast<std::uint64_t>(st.st_size);
}

// Appends the bytes from `from` to the end of the open file `fd` to the file beside it named
// path + ".rest", so that a partial record cut off or left behind is never lost.
void keepTailOf(int fd, const std::string& path, std::uint64_t from, std::uint64_t size) {
    std::vector<std::uint8_t> tail(static_cast<std::size_t>(size - from));
    if (::pread(fd, tail.data(), tail.size(), static_cast<off_t>(from)) != static_cast<ssize_t>(tail.size()))
        fatalFileError();
    Fd rest(openFdOrDie(path + kRestSuffix, O_WRONLY | O_CREAT | O_APPEND));
    writeFdOrDie(rest.fd, tail.data(), tail.size());
    syncOrDie(rest.fd);
}

// The new contents go to a file beside the target that no other step uses, reach the disk when
// `durable`, and then take the target's name in one rename.
void replaceThroughRename(const std::string& path, const std::vector<std::uint8_t>& bytes, bool durable) {
    const std::string fresh = path + ".ny~";
    {
        Fd f(openFdOrDie(fresh, O_WRONLY | O_CREAT | O_TRUNC));
        writeFdOrDie(f.fd, bytes.data(), bytes.size());
        if (durable) syncOrDie(f.fd);
    }
    crashpoint::before(crashpoint::Step::Rename);
    if (::rename(fresh.c_str(), path.c_str()) != 0) fatalFileError();
}

} // namespace

void replaceBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    replaceThroughRename(path, bytes, true);
}

void keepPartialTail(const std::string& path, std::size_t recordSize) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return; // nothing there yet, or nothing this step could read before either
    Fd f(fd);
    const std::uint64_t size = sizeOf(fd);
    if (recordSize > 0 && size % recordSize != 0) keepTailOf(fd, path, size - size % recordSize, size);
}

std::uint64_t appendBytesAt(const std::string& path, const std::vector<std::uint8_t>& bytes, std::size_t recordSize,
                            std::optional<std::uint64_t> at) {
    Fd f(openFdOrDie(path, O_RDWR | O_CREAT));
    const std::uint64_t size = sizeOf(f.fd);
    std::uint64_t end = recordSize > 0 ? size - size % recordSize : size;
    if (at && *at <= size) {
        // A change being finished: what follows `at` is its own earlier, perhaps partial, write.
        end = *at;
    } else if (end != size) {
        // Bytes after the last whole record (a write cut short, a foreign program) would shift
        // every record appended after them: they are kept beside the file and cut off.
        keepTailOf(f.fd, path, end, size);
    }
    if (end != size) {
        crashpoint::before(crashpoint::Step::Truncate);
        if (::ftruncate(f.fd, static_cast<off_t>(end)) != 0) fatalFileError();
    }
    if (!bytes.empty()) {
        if (::lseek(f.fd, static_cast<off_t>(end), SEEK_SET) < 0) fatalFileError();
        writeFdOrDie(f.fd, bytes.data(), bytes.size());
        syncOrDie(f.fd);
    }
    return end;
}

void appendBytes(const std::string& path, const std::vector<std::uint8_t>& bytes, std::size_t recordSize) {
    appendBytesAt(path, bytes, recordSize, std::nullopt);
}

void touch(const std::string& path) {
    openOrDie(path, "ab");
}

bool exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

std::string readText(const std::string& path) {
    const auto bytes = readBytes(path);
    return fromCp1252(std::string(bytes.begin(), bytes.end()));
}

std::string touchAndReadText(const std::string& path) {
    touch(path);
    return readText(path);
}

void writeText(const std::string& path, const std::string& utf8) {
    const std::string bytes = toCp1252(utf8);
    replaceBytes(path, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

void writeReport(const std::string& path, const std::string& utf8) {
    const std::string bytes = toCp1252(utf8);
    replaceThroughRename(path, std::vector<std::uint8_t>(bytes.begin(), bytes.end()), false);
}

bool writeIfChanged(const std::string& path, const std::string& bytes) {
    const auto old = readBytesIfPresent(path);
    // Compared as bytes: a char holding å is negative where the file's byte is not.
    if (old.size() == bytes.size() && (old.empty() || std::memcmp(old.data(), bytes.data(), old.size()) == 0))
        return false;
    replaceThroughRename(path, std::vector<std::uint8_t>(bytes.begin(), bytes.end()), false);
    return true;
}

} // namespace store
