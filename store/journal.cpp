#include "store/journal.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "store/crashpoint.h"
#include "store/fatal.h"

namespace store {
namespace {

constexpr char kMagic[4] = {'J', 'R', 'N', '1'};

void put(std::vector<std::uint8_t>& out, std::uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// Reads little-endian numbers and byte runs, remembering whether it ran past the end.
class Reader {
  public:
    explicit Reader(const std::vector<std::uint8_t>& b) : b_(b) {}
    std::uint64_t number(int bytes) {
        if (!fits(static_cast<std::uint64_t>(bytes))) return 0;
        std::uint64_t v = 0;
        for (int i = 0; i < bytes; ++i)
            v |= static_cast<std::uint64_t>(b_[at_++]) << (8 * i);
        return v;
    }
    std::vector<std::uint8_t> run(std::uint64_t n) {
        if (!fits(n)) return {};
        std::vector<std::uint8_t> out(b_.begin() + static_cast<std::ptrdiff_t>(at_),
                                      b_.begin() + static_cast<std::ptrdiff_t>(at_ + n));
        at_ += n;
        return out;
    }
    bool whole() const { return ok_ && at_ == b_.size(); }
    bool ok() const { return ok_; }

  private:
    bool fits(std::uint64_t n) {
        if (!ok_ || n > b_.size() - at_) ok_ = false;
        return ok_;
    }
    const std::vector<std::uint8_t>& b_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

// The renames of the journal and of the files are entries of the directory: they reach the
// disk with it.
void syncDirectory() {
    const int fd = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    crashpoint::before(crashpoint::Step::Flush);
    ::fsync(fd);
    ::close(fd);
}

void make(const Journal::Change& c) {
    if (c.kind == Journal::Kind::Replace)
        replaceBytes(c.path, c.bytes);
    else
        appendBytesAt(c.path, c.bytes, c.recordSize, c.before);
}

void removeJournal() {
    syncDirectory();
    crashpoint::before(crashpoint::Step::Remove);
    if (::unlink(JOURNAL) != 0 && errno != ENOENT) fatalFileError();
}

} // namespace

std::vector<std::uint8_t> encodeJournal(const std::vector<Journal::Change>& changes) {
    std::vector<std::uint8_t> out(kMagic, kMagic + 4);
    put(out, changes.size(), 4);
    for (const auto& c : changes) {
        out.push_back(static_cast<std::uint8_t>(c.kind));
        put(out, c.path.size(), 4);
        out.insert(out.end(), c.path.begin(), c.path.end());
        put(out, c.recordSize, 4);
        put(out, c.before, 8);
        put(out, c.bytes.size(), 8);
        out.insert(out.end(), c.bytes.begin(), c.bytes.end());
    }
    return out;
}

std::vector<Journal::Change> decodeJournal(const std::vector<std::uint8_t>& bytes) {
    Reader r(bytes);
    const auto magic = r.run(4);
    if (!r.ok() || std::memcmp(magic.data(), kMagic, 4) != 0) return {};
    const std::uint64_t count = r.number(4);
    std::vector<Journal::Change> changes;
    for (std::uint64_t i = 0; i < count && r.ok(); ++i) {
        Journal::Change c;
        const auto kind = r.run(1);
        if (!r.ok()) break;
        c.kind = static_cast<Journal::Kind>(kind[0]);
        const auto path = r.run(r.number(4));
        c.path.assign(path.begin(), path.end());
        c.recordSize = static_cast<std::uint32_t>(r.number(4));
        c.before = r.number(8);
        c.bytes = r.run(r.number(8));
        const bool known = c.kind == Journal::Kind::Replace || c.kind == Journal::Kind::Append;
        if (!known || c.path.empty()) return {};
        changes.push_back(std::move(c));
    }
    if (!r.whole()) return {};
    return changes;
}

void Journal::add(Kind kind, const std::string& path, std::size_t recordSize, std::vector<std::uint8_t> bytes) {
    changes_.push_back({kind, path, static_cast<std::uint32_t>(recordSize), 0, std::move(bytes)});
}

void Journal::commit() {
    // Partial records at the ends are cut off and kept now, so that the journal records the
    // whole length each append starts from.
    for (auto& c : changes_) {
        if (c.kind == Kind::Append)
            c.before = appendBytesAt(c.path, {}, c.recordSize, std::nullopt);
        else
            keepPartialTail(c.path, c.recordSize);
    }
    if (changes_.size() == 1) {
        make(changes_.front());
    } else if (!changes_.empty()) {
        // Written beside and renamed: the journal exists only whole.
        replaceBytes(JOURNAL, encodeJournal(changes_));
        syncDirectory();
        for (const auto& c : changes_)
            make(c);
        removeJournal();
    }
    changes_.clear();
}

bool finishJournal() {
    const auto bytes = readBytesIfPresent(JOURNAL);
    if (bytes.empty()) return false;
    const auto changes = decodeJournal(bytes);
    // Not a journal this system wrote: left alone for whoever put it there.
    if (changes.empty()) return false;
    for (const auto& c : changes)
        make(c);
    removeJournal();
    return true;
}

} // namespace store
