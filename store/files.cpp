#include "store/files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "store/fatal.h"
#include "store/text.h"

namespace store {
namespace {

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

void writeAllOrDie(std::FILE* f, const std::vector<std::uint8_t>& bytes) {
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) fatalFileError();
    if (std::fflush(f) != 0) fatalFileError();
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
// The new contents go to a file beside the target that no other step uses, reach the disk when
// `durable`, and then take the target's name in one rename.
void replaceThroughRename(const std::string& path, const std::vector<std::uint8_t>& bytes, bool durable) {
    const std::string fresh = path + ".ny~";
    {
        auto f = openOrDie(fresh, "wb");
        writeAllOrDie(f.get(), bytes);
        if (durable && ::fsync(::fileno(f.get())) != 0 && errno != EINVAL)
            fatalFileError();
    }
    std::error_code ec;
    std::filesystem::rename(fresh, path, ec);
    if (ec) fatalFileError();
}
} // namespace

void replaceBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    replaceThroughRename(path, bytes, true);
}

void appendBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    auto f = openOrDie(path, "ab");
    writeAllOrDie(f.get(), bytes);
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
