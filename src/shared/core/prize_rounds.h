// The prize plan of a party: rounds drawn in order, each a title and how
// many names it draws (三等奖 5, 二等奖 3, 一等奖 1). Kept in rounds.txt in the
// data folder, one round a line, "<title><TAB><count>", written as UTF-8
// with a byte-order mark and read with the name lists' reader (so a plan
// typed in Notepad in GBK or UTF-16 reads too). rvocfg edits it; rvo runs it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shared/core/file_system.h"

namespace ravelo {

inline constexpr int kMinDrawCount = 1;
inline constexpr int kMaxDrawCount = 50;

// How many names one draw shows: [Draw] count, 1 to 50 (missing or bad: 1).
inline constexpr std::string_view kDrawCountSection = "Draw";
inline constexpr std::string_view kDrawCountKey = "count";
inline constexpr std::size_t kDrawCountFieldBytes = 4;

int DrawCountFromText(std::string_view text);
std::string DrawCountFieldText(int count);

// "按奖项抽取" in rvo: [Draw] rounds, "1" on and "0" off in a flag's 2-byte
// field; missing or anything else reads as off.
inline constexpr std::string_view kRoundsSection = "Draw";
inline constexpr std::string_view kRoundsKey = "rounds";
inline constexpr std::size_t kRoundsFieldBytes = 2;
bool RoundsFromText(std::string_view text);
std::string RoundsFieldText(bool on);

struct PrizeRound {
  std::string title;  // UTF-8, never empty, no tab or line break
  int count = 1;      // 1 to 50
  friend bool operator==(const PrizeRound&, const PrizeRound&) = default;
};

// The rounds of decoded text: a line without a title is skipped; a count
// that is missing or not a number is 1, one out of range is brought into
// 1 to 50; the title is the text before the line's last tab, trimmed.
std::vector<PrizeRound> ParsePrizeRounds(std::u16string_view text);

// Nullopt when the file is missing or cannot be read.
std::optional<std::vector<PrizeRound>> ReadPrizeRounds(const FilePath& file);

// The file's bytes: the UTF-8 byte-order mark, then a line per round (CR LF).
std::string PrizeRoundsFileText(const std::vector<PrizeRound>& rounds);

// Why a title typed in the rounds form cannot be kept.
enum class PrizeTitleProblem { None, Empty, HasTabOrLineBreak };
PrizeTitleProblem CheckPrizeTitle(std::string_view utf8);

}  // namespace ravelo
