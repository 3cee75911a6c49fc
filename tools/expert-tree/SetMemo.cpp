// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/expert-tree/SetMemo.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {
constexpr char kMagic[] = "HBMEMO01";
constexpr std::size_t kMagicSize = 8;
constexpr std::size_t kHeaderSize = 1 + 1 + 2 + 4 + 2; // left, exact, n, value, guess

template<typename T>
T readAt(const std::vector<char> &bytes, std::size_t at)
{
    T value;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}
} // namespace

SetMemo::~SetMemo()
{
    if (m_file)
        std::fclose(m_file);
}

std::string SetMemo::keyOf(int left, const Set &canonical)
{
    std::string key(1 + 2 * canonical.size(), char(left));
    std::memcpy(key.data() + 1, canonical.data(), 2 * canonical.size());
    return key;
}

bool SetMemo::open(const std::string &folder, std::size_t smallestOnDisk, std::string &error)
{
    namespace fs = std::filesystem;
    std::error_code code;
    fs::create_directories(folder, code);
    const std::string path = folder + "/memo.bin";
    std::vector<char> bytes;
    if (std::ifstream file{path, std::ios::binary})
        bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (!bytes.empty() && (bytes.size() < kMagicSize || std::memcmp(bytes.data(), kMagic, kMagicSize) != 0)) {
        error = path + " is not a memo of the exact search";
        return false;
    }
    std::size_t at = kMagicSize;
    long records = 0;
    std::vector<std::pair<std::string, Entry>> read;
    while (at + kHeaderSize <= bytes.size()) {
        const auto left = std::uint8_t(bytes[at]);
        const auto exact = std::uint8_t(bytes[at + 1]);
        const auto n = readAt<std::uint16_t>(bytes, at + 2);
        if (at + kHeaderSize + 2 * std::size_t(n) > bytes.size())
            break;
        if (exact > 1 || left > 10 || n == 0) {
            error = path + " is damaged at byte " + std::to_string(at);
            return false;
        }
        Set set(n);
        std::memcpy(set.data(), bytes.data() + at + kHeaderSize, 2 * std::size_t(n));
        read.push_back({keyOf(left, set),
                        {long(readAt<std::int32_t>(bytes, at + 4)), exact == 1, int(readAt<std::uint16_t>(bytes, at + 8))}});
        at += kHeaderSize + 2 * std::size_t(n);
        ++records;
    }
    const bool fresh = bytes.empty();
    if (!fresh && at < bytes.size()) {
        // The last record was cut short when a search stopped: drop it, so appending goes on cleanly.
        fs::resize_file(path, at, code);
        if (code) {
            error = "cannot shorten " + path + " past its cut record: " + code.message();
            return false;
        }
    }
    m_file = std::fopen(path.c_str(), "ab");
    if (!m_file) {
        error = "cannot write " + path;
        return false;
    }
    if (fresh)
        std::fwrite(kMagic, 1, kMagicSize, m_file);
    m_smallestOnDisk = smallestOnDisk;
    m_recordsRead = records;
    for (auto &[key, entry] : read) {
        Entry &known = m_entries[key];
        if (!known.exact && (entry.exact || entry.value > known.value))
            known = entry;
    }
    return true;
}

std::optional<SetMemo::Entry> SetMemo::find(int left, const Set &canonical) const
{
    const auto found = m_entries.find(keyOf(left, canonical));
    if (found == m_entries.end())
        return std::nullopt;
    return found->second;
}

void SetMemo::store(int left, const Set &canonical, const Entry &entry)
{
    auto [at, added] = m_entries.try_emplace(keyOf(left, canonical), entry);
    if (!added) {
        if (at->second.exact || (!entry.exact && entry.value <= at->second.value))
            return; // nothing new
        at->second = entry;
    }
    if (m_file && canonical.size() >= m_smallestOnDisk)
        append(left, canonical, entry);
}

void SetMemo::append(int left, const Set &canonical, const Entry &entry)
{
    char header[kHeaderSize];
    header[0] = char(left);
    header[1] = char(entry.exact ? 1 : 0);
    const auto n = std::uint16_t(canonical.size());
    const auto value = std::int32_t(std::min<long>(entry.value, INT32_MAX)); // past it: no tree at all
    const auto guess = std::uint16_t(entry.guess < 0 ? 0 : entry.guess);
    std::memcpy(header + 2, &n, 2);
    std::memcpy(header + 4, &value, 4);
    std::memcpy(header + 8, &guess, 2);
    std::fwrite(header, 1, kHeaderSize, m_file);
    std::fwrite(canonical.data(), 2, canonical.size(), m_file);
}

void SetMemo::flush()
{
    if (m_file)
        std::fflush(m_file);
}
