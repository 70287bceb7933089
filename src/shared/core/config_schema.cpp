#include "shared/core/config_schema.h"

#include "shared/core/encoding.h"

namespace ravelo {
namespace {

using enum ValueForm;

constexpr std::array<ConfigKeySpec, kConfigKeyCount> kKeys{{
    {ConfigKey::FormCaption, "Form", "caption", "caption", 31, Text, "Ravelo"},
    {ConfigKey::FormText, "Form", "text", "text", 31, Text, "开始啦"},
    {ConfigKey::FormBgpic, "Form", "bgpic", "bgpic", 256, Text, "0"},
    {ConfigKey::FormBrmic, "Form", "brmic", "brmic", 256, Text, "0"},
    {ConfigKey::FormSmc, "Form", "smc", "smc", 2, Number, "1"},
    {ConfigKey::FormTop, "Form", "top", "top", 2, Number, "0"},
    {ConfigKey::ColorCaption, "Color", "caption", "caption", 10, Colour, "255"},
    {ConfigKey::ColorText, "Color", "text", "text", 10, Colour, "16744576"},
    // Written as "Time", read as "time": the names match without regard to case.
    {ConfigKey::TimeTime, "Time", "time", "Time", 3, Number, "10"},
    {ConfigKey::StyleWidth, "Style", "width", "width", 5, Number, "600"},
    {ConfigKey::StyleHeight, "Style", "height", "height", 5, Number, "450"},
    {ConfigKey::StyleForm, "Style", "form", "form", 10, Colour, "8388672"},
    {ConfigKey::StyleCaption, "Style", "caption", "caption", 10, Colour, "16777215"},
    {ConfigKey::CaptionFontname, "Caption", "fontname", "fontname", 50, Text, "宋体"},
    {ConfigKey::CaptionFontsize, "Caption", "fontsize", "fontsize", 4, FontSize, "26"},
    {ConfigKey::CaptionFontbold, "Caption", "fontbold", "fontbold", 2, Number, "1"},
    {ConfigKey::CaptionFontitalic, "Caption", "fontitalic", "fontitalic", 2, Number, "0"},
    {ConfigKey::TextFontname, "Text", "fontname", "fontname", 50, Text, "宋体"},
    {ConfigKey::TextFontsize, "Text", "fontsize", "fontsize", 4, FontSize, "72"},
    {ConfigKey::TextFontbold, "Text", "fontbold", "fontbold", 2, Number, "0"},
    {ConfigKey::TextFontitalic, "Text", "fontitalic", "fontitalic", 2, Number, "0"},
    {ConfigKey::StyleCaptiontop, "Style", "captiontop", "captiontop", 5, Real, "0"},
    {ConfigKey::StyleCaptionleft, "Style", "captionleft", "captionleft", 5, Real, "0"},
    {ConfigKey::StyleTexttop, "Style", "texttop", "texttop", 5, Real, "0"},
    {ConfigKey::StyleTextleft, "Style", "textleft", "textleft", 5, Real, "0"},
}};

constexpr bool TableFollowsEnumOrder() {
  for (size_t i = 0; i < kKeys.size(); ++i) {
    if (static_cast<size_t>(kKeys[i].id) != i) return false;
  }
  return true;
}
static_assert(TableFollowsEnumOrder(), "the key table must list the keys in ConfigKey order");
static_assert(static_cast<size_t>(ConfigKey::StyleTextleft) + 1 == kConfigKeyCount);

}  // namespace

const ConfigKeySpec& SpecOf(ConfigKey key) { return kKeys[static_cast<size_t>(key)]; }

const std::array<ConfigKeySpec, kConfigKeyCount>& AllConfigKeys() { return kKeys; }

std::string PadToField(std::string_view utf8, size_t width) {
  std::string gbk = Utf8ToGbk(utf8);
  gbk.resize(GbkPrefixLength(gbk, width));
  gbk.resize(width, ' ');
  return GbkToUtf8(gbk);
}

size_t FieldCapacity(ConfigKey key) { return SpecOf(key).bufferBytes - 1; }

FieldProblem CheckFieldText(ConfigKey key, std::string_view utf8) {
  const std::string gbk = Utf8ToGbk(utf8);
  // A character GBK cannot hold comes back as something else ('?').
  if (GbkToUtf8(gbk) != utf8) return FieldProblem::NotGbk;
  return gbk.size() > FieldCapacity(key) ? FieldProblem::TooLong : FieldProblem::None;
}

bool IsPositionKey(ConfigKey key) {
  return key == ConfigKey::StyleCaptiontop || key == ConfigKey::StyleCaptionleft || key == ConfigKey::StyleTexttop ||
         key == ConfigKey::StyleTextleft;
}

}  // namespace ravelo
