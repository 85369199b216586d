// File primitives of the store. Names are relative to the working directory unless a caller
// passes a path. Every failure to open ends the process through fatalFileError().
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace store {

// --- raw bytes ---
// The whole file; ends the process when it cannot be opened.
std::vector<std::uint8_t> readBytes(const std::string& path);
// The whole file, or nothing when it is missing or cannot be read; creates nothing and never
// ends the process. For steps that only look (the main window's overview of the tournaments).
std::vector<std::uint8_t> readBytesIfPresent(const std::string& path);
// Replaces the file with `bytes` atomically: written beside it, flushed, renamed over it, so that
// the file holds either its old or its new contents at every moment.
void replaceBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
// Appends `bytes` (whole records of `recordSize` bytes) at the end of the file, creating it when
// missing, in one write that reaches the disk before it returns. A partial record at the end (a
// write cut short, bytes from a foreign program) is cut off first and its bytes are added to the
// file beside it named path + ".rest", so that every record appended lands on a record boundary.
void appendBytes(const std::string& path, const std::vector<std::uint8_t>& bytes, std::size_t recordSize);
// The same at a known end: when the file is at least `at` bytes long, whatever follows `at` is
// taken for an earlier, interrupted try of this very append and replaced (the journal finishing a
// change). Returns the length the file had before the append, tail cut.
std::uint64_t appendBytesAt(const std::string& path, const std::vector<std::uint8_t>& bytes, std::size_t recordSize,
                            std::optional<std::uint64_t> at);
// Adds a partial record at the end of the file (its length not a multiple of `recordSize`) to
// path + ".rest" before a rewrite replaces the file, so that a rewrite loses no bytes silently
// either. Creates nothing when the file is missing.
void keepPartialTail(const std::string& path, std::size_t recordSize);
// Opens for appending and closes again, so that a missing file exists empty afterwards.
void touch(const std::string& path);
bool exists(const std::string& path);

// --- records ---
template <class R> std::vector<R> decodeAll(const std::vector<std::uint8_t>& bytes) {
    std::vector<R> out;
    out.reserve(bytes.size() / R::size);
    // A short final record ends the read; its bytes are ignored.
    for (std::size_t at = 0; at + R::size <= bytes.size(); at += R::size)
        out.push_back(R::decode(&bytes[at]));
    return out;
}

template <class R> std::vector<std::uint8_t> encodeAll(const std::vector<R>& records) {
    std::vector<std::uint8_t> bytes(records.size() * R::size);
    for (std::size_t i = 0; i < records.size(); ++i)
        records[i].encode(&bytes[i * R::size]);
    return bytes;
}

// Every whole record of a file that must exist. Record types that can tell a damaged record
// (plausible()) have such records left out, so that no reader loops over nonsense values.
template <class R> std::vector<R> readAll(const std::string& path) {
    auto records = decodeAll<R>(readBytes(path));
    if constexpr (requires(const R& r) { r.plausible(); })
        std::erase_if(records, [](const R& r) { return !r.plausible(); });
    return records;
}

// Every whole (plausible) record of a file, none when it is missing or unreadable; touches nothing.
template <class R> std::vector<R> readAllIfPresent(const std::string& path) {
    auto records = decodeAll<R>(readBytesIfPresent(path));
    if constexpr (requires(const R& r) { r.plausible(); })
        std::erase_if(records, [](const R& r) { return !r.plausible(); });
    return records;
}

// Every whole record of a file that may be missing (touched first, so it exists afterwards).
template <class R> std::vector<R> touchAndReadAll(const std::string& path) {
    touch(path);
    return readAll<R>(path);
}

// Every whole record of a file that may be missing (touched first), damaged ones included: for a
// rewrite that must leave every record it does not change exactly as it was.
template <class R> std::vector<R> touchAndReadEvery(const std::string& path) {
    touch(path);
    return decodeAll<R>(readBytes(path));
}

// Truncate-write: the file holds exactly `records` afterwards (replaced atomically); a partial
// record at the end of the old file is kept in path + ".rest".
template <class R> void writeAll(const std::string& path, const std::vector<R>& records) {
    keepPartialTail(path, R::size);
    replaceBytes(path, encodeAll(records));
}

// A work file that one step writes anew for the next to read (it may hold records of another
// size before): replaced atomically, its earlier contents not kept.
template <class R> void writeWorkFile(const std::string& path, const std::vector<R>& records) {
    replaceBytes(path, encodeAll(records));
}

template <class R> void writeOne(const std::string& path, const R& record) {
    writeAll(path, std::vector<R>{record});
}

// The records in one write, after any partial record at the end is cut off (see appendBytes).
template <class R> void append(const std::string& path, const std::vector<R>& records) {
    appendBytes(path, encodeAll(records), R::size);
}

template <class R> void appendOne(const std::string& path, const R& record) {
    append(path, std::vector<R>{record});
}

// Rebuilds `target` to hold `kept`, through its named scratch file: the scratch file is
// truncated and left holding `kept` too, and the target is then replaced atomically, never
// truncated in place.
template <class R>
void rewriteThrough(const std::string& target, const std::string& scratch, const std::vector<R>& kept) {
    const auto bytes = encodeAll(kept);
    replaceBytes(scratch, bytes);
    keepPartialTail(target, R::size);
    replaceBytes(target, bytes);
}

// --- one-line text files (no line terminator; Windows-1252 on disk, UTF-8 here) ---
std::string readText(const std::string& path);         // must exist
std::string touchAndReadText(const std::string& path); // created empty when missing
void writeText(const std::string& path, const std::string& utf8);

// --- report files (HTML pages, text reports; Windows-1252 on disk) ---
// Replaced by one rename like every file, so a reader never sees half a page, but not forced to
// disk first: a report is made again from the data files whenever it is shown, so losing the
// newest copy in a power failure costs nothing, and publishing a page never waits for the disk.
void writeReport(const std::string& path, const std::string& utf8);
// --- pages of the web site (UTF-8 as they are) ---
// Replaces the file by `bytes` as writeReport does, but only when its contents differ, so that a
// site refreshed after every command rewrites only the pages that changed. True when written.
bool writeIfChanged(const std::string& path, const std::string& bytes);

} // namespace store
