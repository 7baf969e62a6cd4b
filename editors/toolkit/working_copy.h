#pragma once
// The working copy of a sub-block that an item editor hands to a sub-editor
// (the alarm zones of a channel, the function settings of a register). The
// sub-editor edits a copy of the copy: OK replaces the working copy, Cancel
// leaves it; the record receives the block only with the item editor's commit.
#include <functional>
#include <utility>

namespace tk48 {

template <class Block>
class WorkingCopy {
 public:
  explicit WorkingCopy(const Block& from) : block_(from) {}

  // Runs `subEditor` on a copy; true (OK) makes the copy the working copy.
  bool Edit(const std::function<bool(Block&)>& subEditor) {
    Block scratch = block_;
    if (!subEditor(scratch)) return false;
    block_ = std::move(scratch);
    return true;
  }

  const Block& get() const { return block_; }
  void CommitTo(Block& target) const { target = block_; }

 private:
  Block block_;
};

}  // namespace tk48
