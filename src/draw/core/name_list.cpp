#include "draw/core/name_list.h"

#include <algorithm>
#include <cassert>
#include <limits>

#include "shared/core/name_file.h"

namespace ravelo {

std::u16string_view NameList::operator[](std::size_t index) const {
  assert(index < ends_.size());
  const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
  return std::u16string_view(text_).substr(begin, ends_[index] - begin);
}

void NameList::Add(std::u16string_view name) {
  if (name.empty()) return;
  text_.append(name);
  ends_.push_back(static_cast<std::uint32_t>(text_.size()));
}

void NameList::Clear() {
  std::u16string().swap(text_);
  std::vector<std::uint32_t>().swap(ends_);
}

void NameList::swap(NameList& other) noexcept {
  text_.swap(other.text_);
  ends_.swap(other.ends_);
}

// Stores decoded text straight into a list's buffer, line by line; empty
// lines are skipped, so CR LF and a lone CR or LF all end a name alike.
class NameListLoader final : public NameTextSink {
 public:
  explicit NameListLoader(NameList& list) : list_(list) {}

  // One pass copies the text straight into the list's buffer, made as long
  // as the piece first, and notes where each name ends.
  bool Append(std::u16string_view units) override {
    std::u16string& text = list_.text_;
    const std::size_t start = text.size();
    text.resize(start + units.size());
    char16_t* const base = text.data();
    char16_t* out = base + start;
    const bool fed = lines_.Feed(
        units,
        [&out](char16_t unit) { *out++ = unit; },
        [&] { return EndLine(static_cast<std::size_t>(out - base)); });
    text.resize(static_cast<std::size_t>(out - base));
    return fed && text.size() <= kMaxUnits;
  }

  // The last line counts even without a line end.
  bool Finish() { return EndLine(list_.text_.size()); }

  void Restart() override {
    list_.Clear();
    lines_.Reset();
  }

  // Reserving for the whole file at the first piece's rate spares the copies
  // of growing.
  void ExpectGrowth(double factor, std::uint64_t fileBytes) override {
    const double slack = 1.0 + 1.0 / 32;
    const double cap = static_cast<double>(fileBytes);
    const double units = std::min(static_cast<double>(list_.text_.size()) * factor * slack, cap);
    const double names = std::min(static_cast<double>(list_.ends_.size() + 1) * factor * slack, cap);
    list_.text_.reserve(static_cast<std::size_t>(units));
    list_.ends_.reserve(static_cast<std::size_t>(names));
  }

 private:
  static constexpr std::size_t kMaxUnits = std::numeric_limits<std::uint32_t>::max();

  bool EndLine(std::size_t end) {
    if (end > kMaxUnits) return false;
    const std::uint32_t begin = list_.ends_.empty() ? 0 : list_.ends_.back();
    if (end != begin) list_.ends_.push_back(static_cast<std::uint32_t>(end));
    return true;
  }

  NameList& list_;
  LineSplitter lines_;
};

bool Loadname(const FilePath& file, NameList& into) { return LoadnameInPieces(file, into, kNameFileChunkBytes); }

bool LoadnameInPieces(const FilePath& file, NameList& into, std::size_t chunkBytes) {
  NameList loaded;
  NameListLoader loader(loaded);
  if (!ReadNameFile(file, loader, chunkBytes) || !loader.Finish()) return false;
  into.swap(loaded);
  return true;
}

}  // namespace ravelo
