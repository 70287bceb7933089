#include "shared/core/reading_order.h"

#include <algorithm>
#include <optional>

namespace ravelo {
namespace {

bool SameRow(const Rect& a, const Rect& b) {
  const int overlap = std::min(a.bottom(), b.bottom()) - std::max(a.top, b.top);
  return 2 * overlap >= std::min(a.height, b.height);
}

bool Holds(const Rect& box, const Rect& control) {
  const int x = control.left + control.width / 2;
  const int y = control.top + control.height / 2;
  return x >= box.left && x < box.right() && y >= box.top && y < box.bottom();
}

// Sorts items by rows from the top, then left to right: an item joins the
// row of the item above it when the two share a row.
template <typename Item, typename BoundsOf>
void SortInRows(std::vector<Item>& items, BoundsOf boundsOf) {
  std::stable_sort(items.begin(), items.end(),
                   [&](const Item& a, const Item& b) { return boundsOf(a).top < boundsOf(b).top; });
  std::vector<int> row(items.size(), 0);
  for (std::size_t i = 1; i < items.size(); ++i)
    row[i] = SameRow(boundsOf(items[i - 1]), boundsOf(items[i])) ? row[i - 1] : row[i - 1] + 1;
  std::vector<std::size_t> order(items.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (row[a] != row[b]) return row[a] < row[b];
    return boundsOf(items[a]).left < boundsOf(items[b]).left;
  });
  std::vector<Item> sorted;
  sorted.reserve(items.size());
  for (std::size_t i : order) sorted.push_back(items[i]);
  items = std::move(sorted);
}

}  // namespace

std::vector<std::size_t> ReadingOrder(std::span<const Rect> controls, std::span<const Rect> groups) {
  // A block is a group box with its controls, or one control in no box.
  struct Block {
    Rect bounds;
    std::vector<std::size_t> members;
  };
  std::vector<Block> blocks;
  std::vector<std::optional<std::size_t>> blockOfGroup(groups.size());
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const auto group = std::find_if(groups.begin(), groups.end(), [&](const Rect& g) { return Holds(g, controls[i]); });
    if (group == groups.end()) {
      blocks.push_back({controls[i], {i}});
      continue;
    }
    auto& slot = blockOfGroup[static_cast<std::size_t>(group - groups.begin())];
    if (!slot) {
      slot = blocks.size();
      blocks.push_back({*group, {}});
    }
    blocks[*slot].members.push_back(i);
  }
  SortInRows(blocks, [](const Block& b) -> const Rect& { return b.bounds; });
  std::vector<std::size_t> order;
  order.reserve(controls.size());
  for (Block& block : blocks) {
    SortInRows(block.members, [&](std::size_t i) -> const Rect& { return controls[i]; });
    order.insert(order.end(), block.members.begin(), block.members.end());
  }
  return order;
}

}  // namespace ravelo
