// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// What the exact search knows of sets of candidates: for a set (in its canonical form) with a
// number of guesses left, either its exact value (the fewest guesses in all that find every secret
// of it, with a guess that achieves it, in the canonical form's labels) or a lower bound on it.
// Sets of at least `smallestOnDisk` candidates are also appended to FOLDER/memo.bin as they are
// learnt, so a later search reads them back and goes on where this one stopped.
//
// The file is the 8 bytes "HBMEMO01", then one record per fact, native byte order: guesses left
// (1 byte), exact (1 byte), the set's size n (2 bytes), the value (4 bytes), the guess (2 bytes),
// then the set's n number indices (2 bytes each). A record cut short by a stopped search is dropped
// when the file is read.
class SetMemo
{
public:
    using Set = std::vector<std::uint16_t>;

    struct Entry {
        long value = 0;
        bool exact = false; // else a lower bound
        int guess = -1;     // with an exact value
    };

    // In memory only.
    SetMemo() = default;
    ~SetMemo();
    SetMemo(const SetMemo &) = delete;
    SetMemo &operator=(const SetMemo &) = delete;

    // Reads FOLDER/memo.bin (a missing file is an empty memo) and appends to it from then on; on
    // failure, a message for the user and false, with nothing changed on disk.
    bool open(const std::string &folder, std::size_t smallestOnDisk, std::string &error);

    std::optional<Entry> find(int left, const Set &canonical) const;
    // Keeps what is known best: an exact value once learnt, otherwise the highest lower bound.
    void store(int left, const Set &canonical, const Entry &entry);
    // Writes what is buffered to the file.
    void flush();

    std::size_t size() const { return m_entries.size(); }
    long recordsRead() const { return m_recordsRead; }

private:
    static std::string keyOf(int left, const Set &canonical);
    void append(int left, const Set &canonical, const Entry &entry);

    std::unordered_map<std::string, Entry> m_entries;
    std::FILE *m_file = nullptr;
    std::size_t m_smallestOnDisk = 0;
    long m_recordsRead = 0;
};
