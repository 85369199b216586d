// Changes to several files that take effect together. A command whose files must agree with each
// other (a round taken back renumbers the start list and empties the withdrawals; a rating
// result adds a game and a tournament change) collects its changes here and commits them: the
// changes are first written whole into the journal file "JOURNAL" of the working directory, and
// only then made to the files. A process stopped after the journal exists leaves it behind, and
// the next start of any program on the directory makes the changes again (finishJournal), so the
// files hold either all of the changes or none of them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "store/files.h"

namespace store {

inline constexpr const char* JOURNAL = "JOURNAL";

class Journal {
  public:
    // The file is to hold exactly `records` (any partial record at its end kept in ".rest").
    template <class R> void replace(const std::string& path, const std::vector<R>& records) {
        add(Kind::Replace, path, R::size, encodeAll(records));
    }
    // `records` are to be added at the end of the file (a partial record there cut off first).
    template <class R> void append(const std::string& path, const std::vector<R>& records) {
        add(Kind::Append, path, R::size, encodeAll(records));
    }
    // Makes every change. A single change is made directly, with no journal file.
    void commit();

    enum class Kind : std::uint8_t { Replace = 'R', Append = 'A' };
    struct Change {
        Kind kind{};
        std::string path;          // relative to the working directory
        std::uint32_t recordSize{};
        std::uint64_t before{};    // Append: the file's length, tail cut, when the journal was written
        std::vector<std::uint8_t> bytes;
    };

  private:
    void add(Kind kind, const std::string& path, std::size_t recordSize, std::vector<std::uint8_t> bytes);
    std::vector<Change> changes_;
};

// Makes the changes of a journal that a stopped process left in the working directory, then
// removes it. Does nothing (and creates nothing) when there is none. Every program calls it at
// start, before it reads a file; returns true when it finished one.
bool finishJournal();

// The journal's byte form (for its tests): "JRN1", the number of changes (uint32), then per
// change its kind (one byte, 'R' or 'A'), the path's length (uint32) and bytes, the record size
// (uint32), `before` (uint64), the length of the bytes (uint64) and the bytes; little-endian.
std::vector<std::uint8_t> encodeJournal(const std::vector<Journal::Change>& changes);
// The changes, or none when the bytes are not a whole journal.
std::vector<Journal::Change> decodeJournal(const std::vector<std::uint8_t>& bytes);

} // namespace store
