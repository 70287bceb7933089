#include "shared/core/prize_rounds.h"

#include <algorithm>
#include <cmath>

#include "shared/core/config_schema.h"
#include "shared/core/encoding.h"
#include "shared/core/name_file.h"
#include "shared/core/numbers.h"
#include "shared/core/settings_values.h"

namespace ravelo {
namespace {

// A plan is a few lines; anything past this is not a plan.
constexpr std::size_t kMaxPlanUnits = 1 << 20;

class WholeTextSink final : public NameTextSink {
 public:
  bool Append(std::u16string_view units) override {
    if (text.size() + units.size() > kMaxPlanUnits) return false;
    text.append(units);
    return true;
  }
  void Restart() override { text.clear(); }
  std::u16string text;
};

std::u16string_view Trimmed(std::u16string_view text) {
  const auto first = text.find_first_not_of(u" \t\u3000");
  if (first == std::u16string_view::npos) return {};
  const auto last = text.find_last_not_of(u" \t\u3000");
  return text.substr(first, last - first + 1);
}

int ClampCount(double value) {
  if (!(value >= kMinDrawCount)) return kMinDrawCount;  // also NaN
  return static_cast<int>(std::min(std::floor(value), static_cast<double>(kMaxDrawCount)));
}

}  // namespace

bool RoundsFromText(std::string_view text) { return Int16FromText(text) == 1; }

std::string RoundsFieldText(bool on) { return PadToField(on ? "1" : "0", kRoundsFieldBytes); }

int DrawCountFromText(std::string_view text) { return ClampCount(LeadingNumber(text)); }

std::string DrawCountFieldText(int count) {
  return PadToField(std::to_string(std::clamp(count, kMinDrawCount, kMaxDrawCount)), kDrawCountFieldBytes);
}

std::vector<PrizeRound> ParsePrizeRounds(std::u16string_view text) {
  std::vector<PrizeRound> rounds;
  std::u16string line;
  const auto endLine = [&] {
    const auto tab = line.rfind(u'\t');
    const std::u16string_view whole(line);
    const std::u16string_view title = Trimmed(tab == std::u16string::npos ? whole : whole.substr(0, tab));
    if (!title.empty()) {
      const int count = tab == std::u16string::npos ? 1 : ClampCount(LeadingNumber(Utf16ToUtf8(whole.substr(tab + 1))));
      rounds.push_back(PrizeRound{Utf16ToUtf8(title), count});
    }
    line.clear();
    return true;
  };
  LineSplitter splitter;
  splitter.Feed(text, [&](char16_t unit) { line.push_back(unit); }, endLine);
  endLine();  // the last line needs no line end
  return rounds;
}

std::optional<std::vector<PrizeRound>> ReadPrizeRounds(const FilePath& file) {
  WholeTextSink sink;
  if (!ReadNameFile(file, sink)) return std::nullopt;
  return ParsePrizeRounds(sink.text);
}

std::string PrizeRoundsFileText(const std::vector<PrizeRound>& rounds) {
  std::string bytes = "\xEF\xBB\xBF";
  for (const PrizeRound& round : rounds) {
    bytes += round.title;
    bytes += '\t';
    bytes += std::to_string(std::clamp(round.count, kMinDrawCount, kMaxDrawCount));
    bytes += "\r\n";
  }
  return bytes;
}

PrizeTitleProblem CheckPrizeTitle(std::string_view utf8) {
  if (utf8.find_first_of("\t\r\n") != std::string_view::npos) return PrizeTitleProblem::HasTabOrLineBreak;
  const std::u16string wide = Utf8ToUtf16(utf8);
  return Trimmed(wide).empty() ? PrizeTitleProblem::Empty : PrizeTitleProblem::None;
}

}  // namespace ravelo
