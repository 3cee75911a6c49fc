// SPDX-License-Identifier: GPL-3.0-or-later
#include "expert/TreeValues.h"

#include "expert/DecisionTree.h"

#include <QFile>

#include <algorithm>

namespace {
constexpr std::uint8_t kMagic[4] = {'H', 'B', 'T', 'V'};
constexpr std::uint8_t kVersion = 1;
constexpr std::size_t kHeaderSize = 4 + 1 + 8 + 2;
constexpr std::size_t kChecksumSize = 8;

constexpr std::uint64_t kFnvStart = 1469598103934665603ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

std::uint64_t fnv(std::uint64_t hash, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        hash = (hash ^ ((value >> (8 * i)) & 0xff)) * kFnvPrime;
    return hash;
}

std::uint64_t checksumOf(std::span<const std::uint8_t> bytes)
{
    std::uint64_t hash = kFnvStart;
    for (std::uint8_t byte : bytes)
        hash = fnv(hash, byte, 1);
    return hash;
}

std::uint64_t read(std::span<const std::uint8_t> bytes, std::size_t at, int size)
{
    std::uint64_t value = 0;
    for (int i = 0; i < size; ++i)
        value |= std::uint64_t(bytes[at + i]) << (8 * i);
    return value;
}

void write(std::vector<std::uint8_t> &bytes, std::uint64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(std::uint8_t((value >> (8 * i)) & 0xff));
}
} // namespace

TreeValues::TreeValues(std::uint64_t treeFingerprint, std::vector<std::uint32_t> totals)
    : m_treeFingerprint(treeFingerprint)
    , m_totals(std::move(totals))
{
}

std::uint64_t TreeValues::fingerprintOf(const DecisionTree &tree)
{
    std::uint64_t hash = fnv(kFnvStart, std::uint64_t(tree.nodeCount()), 4);
    for (int node = 0; node < tree.nodeCount(); ++node) {
        hash = fnv(hash, std::uint64_t(tree.guessAt(node)), 2);
        for (int code = 0; code < DecisionTree::kBranches; ++code)
            hash = fnv(hash, std::uint64_t(std::uint32_t(tree.childOf(node, code))), 4);
    }
    return hash;
}

std::optional<TreeValues> TreeValues::fromBytes(std::span<const std::uint8_t> bytes, const DecisionTree &tree)
{
    if (bytes.size() < kHeaderSize + kChecksumSize || !std::equal(kMagic, kMagic + 4, bytes.begin())
        || bytes[4] != kVersion)
        return std::nullopt;
    const std::size_t count = read(bytes, 13, 2);
    const std::size_t end = kHeaderSize + 4 * count;
    if (bytes.size() != end + kChecksumSize || checksumOf(bytes.first(end)) != read(bytes, end, 8))
        return std::nullopt;
    const std::uint64_t fingerprint = read(bytes, 5, 8);
    if (int(count) != tree.nodeCount() || fingerprint != fingerprintOf(tree))
        return std::nullopt;
    std::vector<std::uint32_t> totals(count);
    for (std::size_t node = 0; node < count; ++node)
        totals[node] = std::uint32_t(read(bytes, kHeaderSize + 4 * node, 4));
    return TreeValues(fingerprint, std::move(totals));
}

std::vector<std::uint8_t> TreeValues::toBytes() const
{
    std::vector<std::uint8_t> bytes(kMagic, kMagic + 4);
    bytes.push_back(kVersion);
    write(bytes, m_treeFingerprint, 8);
    write(bytes, m_totals.size(), 2);
    for (std::uint32_t total : m_totals)
        write(bytes, total, 4);
    write(bytes, checksumOf(bytes), 8);
    return bytes;
}

const TreeValues *TreeValues::builtInFor(const DecisionTree *tree)
{
    const DecisionTree *builtInTree = DecisionTree::builtIn();
    static const std::optional<TreeValues> values = [builtInTree]() -> std::optional<TreeValues> {
        if (!builtInTree)
            return std::nullopt;
        QFile file(QStringLiteral(":/expert/tree-values.bin"));
        const QByteArray data = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        std::optional<TreeValues> read = fromBytes(
            std::span(reinterpret_cast<const std::uint8_t *>(data.constData()), std::size_t(data.size())), *builtInTree);
        if (!read)
            qWarning("The review's table for the Expert's tree is missing or damaged: reviews compute it instead.");
        return read;
    }();
    if (!tree || !values)
        return nullptr;
    // Another tree, or the built-in one's twin, is checked against the table's fingerprint.
    return tree == builtInTree || values->m_treeFingerprint == fingerprintOf(*tree) ? &*values : nullptr;
}

std::optional<long> TreeValues::totalAt(int node) const
{
    if (node < 0 || std::size_t(node) >= m_totals.size() || m_totals[node] == 0)
        return std::nullopt;
    return long(m_totals[node]);
}
