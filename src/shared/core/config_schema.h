// The configuration file rvoconfig.rcf: its 25 keys with section, key name,
// the buffer width every reader uses (and every writer pads to), the form of
// the value and the built-in default. Every reader and writer uses this table.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace ravelo {

// In the order in which the draw program reads them.
enum class ConfigKey {
  FormCaption,
  FormText,
  FormBgpic,
  FormBrmic,
  FormSmc,
  FormTop,
  ColorCaption,
  ColorText,
  TimeTime,
  StyleWidth,
  StyleHeight,
  StyleForm,
  StyleCaption,
  CaptionFontname,
  CaptionFontsize,
  CaptionFontbold,
  CaptionFontitalic,
  TextFontname,
  TextFontsize,
  TextFontbold,
  TextFontitalic,
  StyleCaptiontop,
  StyleCaptionleft,
  StyleTexttop,
  StyleTextleft,
};

inline constexpr size_t kConfigKeyCount = 25;

// How a reader converts the trimmed text.
enum class ValueForm {
  Number,    // leading decimal number, rounded to a 16-bit integer
  Real,      // leading decimal number as a single-precision real (positions)
  Colour,    // whole text as a 32-bit integer
  FontSize,  // whole text as a single-precision real; invalid = no size
  Text,      // the text itself
};

struct ConfigKeySpec {
  ConfigKey id;
  std::string_view section;
  std::string_view key;         // the name readers ask for
  std::string_view writtenKey;  // the name writers use ("Time" for the interval)
  size_t bufferBytes;           // read buffer and written field width
  ValueForm form;
  std::string_view defaultText;  // the built-in default, as file text (UTF-8)
};

const ConfigKeySpec& SpecOf(ConfigKey key);

// All 25 keys, in reading order.
const std::array<ConfigKeySpec, kConfigKeyCount>& AllConfigKeys();

// The fixed-width field a writer stores: utf8 left-aligned, cut to width
// bytes of its GBK form (never splitting a character) or padded with blanks
// to width. Returned as UTF-8.
std::string PadToField(std::string_view utf8, size_t width);

// What a key's field holds and reads back whole: bufferBytes - 1 bytes of
// GBK (a reader's buffer keeps one byte for its terminator).
size_t FieldCapacity(ConfigKey key);

// Why a text cannot be stored in a field and read back as it was.
enum class FieldProblem {
  None,
  NotGbk,   // a character GBK cannot hold (an emoji, a rare CJK extension character)
  TooLong,  // more GBK bytes than the field holds
};
FieldProblem CheckFieldText(ConfigKey key, std::string_view utf8);

// The four label positions mean one thing together (a 0 among them centres
// both labels), so a writer stores all four or none.
bool IsPositionKey(ConfigKey key);

}  // namespace ravelo
