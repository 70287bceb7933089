#include "config/core/name_list_text.h"

#include <algorithm>

#include "shared/core/encoding.h"

namespace ravelo {
namespace {

constexpr std::u16string_view kLineEnd = u"\r\n";

// Collects the lines joined by CR LF. A line end is held back until more
// text follows, so a file's final line end adds no empty line.
class EditTextBuilder final : public NameTextSink {
 public:
  bool Append(std::u16string_view units) override {
    return lines_.Feed(
        units,
        [this](char16_t unit) {
          PutHeldLineEnd();
          text_.push_back(unit == u'\0' ? u' ' : unit);
        },
        [this] {
          PutHeldLineEnd();
          lineEndHeld_ = true;
          return true;
        });
  }

  void Restart() override {
    text_.clear();
    lines_.Reset();
    lineEndHeld_ = false;
  }

  void ExpectGrowth(double factor, std::uint64_t fileBytes) override {
    const double units = std::min(static_cast<double>(text_.size()) * factor * (1.0 + 1.0 / 32),
                                  static_cast<double>(fileBytes));
    text_.reserve(static_cast<std::size_t>(units));
  }

  std::u16string Take() { return std::move(text_); }

 private:
  void PutHeldLineEnd() {
    if (lineEndHeld_) text_.append(kLineEnd);
    lineEndHeld_ = false;
  }

  std::u16string text_;
  LineSplitter lines_;
  bool lineEndHeld_ = false;
};

// The text with every line ended by CR LF.
std::u16string WithCrLfLineEnds(std::u16string_view text) {
  std::u16string lines;
  if (text.empty()) return lines;
  lines.reserve(text.size() + text.size() / 8 + kLineEnd.size());
  LineSplitter splitter;
  splitter.Feed(
      text,
      [&lines](char16_t unit) { lines.push_back(unit); },
      [&lines] {
        lines.append(kLineEnd);
        return true;
      });
  lines.append(kLineEnd);
  return lines;
}

// GBK bytes that read back as the text: nullopt when some character has no
// GBK code, or when the bytes happen to be valid UTF-8 (as 摹 is), which the
// reader would take for UTF-8.
std::optional<std::string> GbkThatReadsBack(std::u16string_view text) {
  std::string gbk = Utf16ToGbk(text);
  if (GbkToUtf16(gbk) != text) return std::nullopt;
  if (!IsAscii(gbk) && IsValidUtf8(gbk)) return std::nullopt;
  return gbk;
}

}  // namespace

std::optional<NameListText> ReadNameListText(const FilePath& file) {
  EditTextBuilder builder;
  const auto encoding = ReadNameFile(file, builder);
  if (!encoding) return std::nullopt;
  return NameListText{builder.Take(), *encoding};
}

NameFileBytes EncodeNameListText(std::u16string_view text, NameFileEncoding preferred) {
  const std::u16string lines = WithCrLfLineEnds(text);
  switch (preferred) {
    case NameFileEncoding::kGbk:
      if (auto gbk = GbkThatReadsBack(lines)) return {std::move(*gbk), NameFileEncoding::kGbk};
      break;
    case NameFileEncoding::kUtf8:
      return {Utf16ToUtf8(lines), NameFileEncoding::kUtf8};
    case NameFileEncoding::kUtf8WithBom:
      break;
    case NameFileEncoding::kUtf16Le:
      return {"\xFF\xFE" + Utf16ToBytes(lines, false), NameFileEncoding::kUtf16Le};
    case NameFileEncoding::kUtf16Be:
      return {"\xFE\xFF" + Utf16ToBytes(lines, true), NameFileEncoding::kUtf16Be};
  }
  return {"\xEF\xBB\xBF" + Utf16ToUtf8(lines), NameFileEncoding::kUtf8WithBom};
}

std::optional<NameFileEncoding> SaveNameListText(const FilePath& file, std::u16string_view text,
                                                 NameFileEncoding preferred) {
  const NameFileBytes content = EncodeNameListText(text, preferred);
  if (!WriteFileAtomically(file, content.bytes)) return std::nullopt;
  return content.encoding;
}

}  // namespace ravelo
