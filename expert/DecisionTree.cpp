// SPDX-License-Identifier: GPL-3.0-or-later
#include "expert/DecisionTree.h"

#include "expert/ScoreCodes.h"

#include <QFile>

#include <algorithm>
#include <bit>

namespace {
constexpr std::uint8_t kMagic[4] = {'H', 'B', 'D', 'T'};
constexpr std::uint8_t kVersion = 1;
constexpr std::size_t kHeaderSize = 7;
constexpr std::size_t kNodeSize = 4;
// A game needs at most seven guesses; a deeper tree is damaged.
constexpr int kDeepest = 8;

int read16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return bytes[at] | (bytes[at + 1] << 8);
}

void write16(std::vector<std::uint8_t> &bytes, int value)
{
    bytes.push_back(std::uint8_t(value & 0xff));
    bytes.push_back(std::uint8_t((value >> 8) & 0xff));
}
} // namespace

std::optional<DecisionTree> DecisionTree::fromBytes(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < kHeaderSize || !std::equal(kMagic, kMagic + 4, bytes.begin()) || bytes[4] != kVersion)
        return std::nullopt;
    const int count = read16(bytes, 5);
    if (count == 0 || bytes.size() != kHeaderSize + kNodeSize * std::size_t(count))
        return std::nullopt;

    std::vector<Node> nodes(count);
    // Each open node waits for its children in code order: (node, depth, codes still to fill).
    struct Open {
        int node;
        int depth;
        int pendingMask;
    };
    std::vector<Open> open;
    for (int index = 0; index < count; ++index) {
        const std::size_t at = kHeaderSize + kNodeSize * std::size_t(index);
        const int guess = read16(bytes, at);
        const int mask = read16(bytes, at + 2);
        if (guess >= ScoreCodes::kNumbers || mask >= (1 << kBranches))
            return std::nullopt;
        Node &node = nodes[index];
        node.guess = guess;
        node.children.fill(kNoNode);

        int depth = 0;
        if (index > 0) {
            while (!open.empty() && open.back().pendingMask == 0)
                open.pop_back();
            if (open.empty())
                return std::nullopt; // a second root
            Open &parent = open.back();
            const int code = std::countr_zero(unsigned(parent.pendingMask));
            parent.pendingMask &= parent.pendingMask - 1;
            nodes[parent.node].children[code] = index;
            depth = parent.depth + 1;
        }
        if (depth >= kDeepest)
            return std::nullopt;
        open.push_back({index, depth, mask});
    }
    for (const Open &node : open) {
        if (node.pendingMask != 0)
            return std::nullopt; // children promised but missing
    }
    return DecisionTree(std::move(nodes));
}

std::vector<std::uint8_t> DecisionTree::toBytes() const
{
    std::vector<std::uint8_t> bytes(kMagic, kMagic + 4);
    bytes.push_back(kVersion);
    write16(bytes, nodeCount());
    std::vector<int> stack;
    if (!m_nodes.empty())
        stack.push_back(0);
    while (!stack.empty()) {
        const Node &node = m_nodes[stack.back()];
        stack.pop_back();
        int mask = 0;
        for (int code = 0; code < kBranches; ++code) {
            if (node.children[code] != kNoNode)
                mask |= 1 << code;
        }
        write16(bytes, node.guess);
        write16(bytes, mask);
        for (int code = kBranches - 1; code >= 0; --code) {
            if (node.children[code] != kNoNode)
                stack.push_back(node.children[code]);
        }
    }
    return bytes;
}

const DecisionTree *DecisionTree::builtIn()
{
    static const std::optional<DecisionTree> tree = []() -> std::optional<DecisionTree> {
        QFile file(QStringLiteral(":/expert/decision-tree.bin"));
        const QByteArray data = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        std::optional<DecisionTree> read = fromBytes(
            std::span(reinterpret_cast<const std::uint8_t *>(data.constData()), std::size_t(data.size())));
        if (!read)
            qWarning("The Expert's decision tree is missing or damaged: Mac plays one step ahead instead.");
        return read;
    }();
    return tree ? &*tree : nullptr;
}
