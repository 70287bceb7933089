#include "shared/core/ini_file.h"

#include <gtest/gtest.h>

#include "shared/core/encoding.h"
#include "shared/core/file_system.h"
#include "unit/shared/profile_read_cases.h"
#include "unit/shared/scratch_folder.h"

namespace ravelo {
namespace {

using testing::ProfileReadCase;
using testing::ProfileReadCases;
using testing::ScratchFolder;
using testing::Utf16FileBytes;

std::string Read(std::string_view fileBytes, std::string_view section, std::string_view key, size_t n = 256) {
  return ProfileReader::FromBytes(fileBytes).Read(section, key, n);
}

TEST(ProfileRead, Table) {
  for (const ProfileReadCase& c : ProfileReadCases()) {
    EXPECT_EQ(Read(c.file, c.section, c.key, c.buffer), c.expected)
        << "[" << c.section << "] " << c.key << " buffer " << c.buffer << " in " << c.file;
  }
  EXPECT_EQ(Read("[\x81\x5D]\r\nk=trail\r\n", GbkToUtf8("\x81\x5D"), "k"), "trail");
}

struct WriteCase {
  std::string before;
  const char* section;
  const char* key;
  const char* value;
  std::string after;
};

TEST(ProfileWriteText, Table) {
  const std::string settings =
      "; Ravelo settings\r\n[Form]\r\ncaption=Old\r\nunknown=kept\r\n\r\n[Time]\r\nTime=10\r\n";
  const std::string two = "[Form]\r\ncaption=x\r\n\r\n[Style]\r\nwidth=600\r\n";
  const std::string repeated = "[A]\r\nk=1\r\nk=2\r\n[A]\r\nk=3\r\n";
  const WriteCase cases[] = {
      // A value is replaced in place; every other line stays byte for byte.
      {settings, "form", "CAPTION", "New",
       "; Ravelo settings\r\n[Form]\r\ncaption=New\r\nunknown=kept\r\n\r\n[Time]\r\nTime=10\r\n"},
      {"[Form]\r\n  odd  =  spacing  \r\nbad=\xFF\x81\r\ncaption=x\r\n", "Form", "caption", "y",
       "[Form]\r\n  odd  =  spacing  \r\nbad=\xFF\x81\r\ncaption=y\r\n"},
      // A new key goes to the end of its section, before blank lines; a new section to the end.
      {two, "Form", "text", "y", "[Form]\r\ncaption=x\r\ntext=y\r\n\r\n[Style]\r\nwidth=600\r\n"},
      {two, "Style", "height", "450", "[Form]\r\ncaption=x\r\n\r\n[Style]\r\nwidth=600\r\nheight=450\r\n"},
      {"", "Form", "caption", "Ravelo", "[Form]\r\ncaption=Ravelo\r\n"},
      {"[Form]\r\ncaption=x", "Color", "text", "255", "[Form]\r\ncaption=x\r\n[Color]\r\ntext=255\r\n"},
      // The key keeps the file's spelling; a new one is written as asked.
      {"[Time]\r\ntime=5\r\n", "Time", "Time", "10 ", "[Time]\r\ntime=10 \r\n"},
      {"", "Time", "Time", "10 ", "[Time]\r\nTime=10 \r\n"},
      // Leading blanks of a value go, trailing ones stay (padded fields).
      {"", "Style", "captiontop", " 120 ", "[Style]\r\ncaptiontop=120 \r\n"},
      // A line break cannot add lines.
      {"", "S", "k", "v\r\n[Evil]\r\nx=1", "[S]\r\nk=v\r\n"},
      {"[S]\r\n", "S\r\n[T]", "k", "v", "[S]\r\n"},
      // Line ends become CR LF; comments stay.
      {"[S]\n;note\na=1\n\nb=2", "S", "a", "9", "[S]\r\n;note\r\na=9\r\n\r\nb=2\r\n"},
      // The first of repeated sections and duplicate keys is written.
      {repeated, "a", "k", "x", "[A]\r\nk=x\r\nk=2\r\n[A]\r\nk=3\r\n"},
      {repeated, "A", "new", "y", "[A]\r\nk=1\r\nk=2\r\nnew=y\r\n[A]\r\nk=3\r\n"},
      // The file keeps its encoding.
      {"", "Form", "caption", "开始啦", "[Form]\r\ncaption=\xBF\xAA\xCA\xBC\xC0\xB2\r\n"},
      {"\xEF\xBB\xBF[Form]\r\ntext=旧\r\n", "Form", "caption", "开始啦",
       "\xEF\xBB\xBF[Form]\r\ntext=旧\r\ncaption=开始啦\r\n"},
      {Utf16FileBytes("[Form]\r\ncaption=旧\r\n", false), "Style", "width", "600",
       Utf16FileBytes("[Form]\r\ncaption=旧\r\n[Style]\r\nwidth=600\r\n", false)},
      {Utf16FileBytes("[Form]\r\ncaption=旧\r\n", true), "Form", "caption", "新标题",
       Utf16FileBytes("[Form]\r\ncaption=新标题\r\n", true)},
  };
  for (const WriteCase& c : cases) {
    EXPECT_EQ(ApplyProfileWrite(c.before, c.section, c.key, c.value), c.after)
        << "[" << c.section << "] " << c.key << "=" << c.value << " into " << c.before;
  }
}

TEST(ProfileWriteText, AGbkFileNeverStartsWithWhatReadsAsAByteOrderMark) {
  // The GBK bytes of "锘靠" begin with EF BB BF; written first into the
  // file, they would make it read as UTF-8 from then on.
  const std::string before = "[Form]\r\ntext=\xBF\xAA\xCA\xBC\xC0\xB2\r\n";
  const std::string after = ApplyProfileWrite(before, "", "锘靠", "v");
  EXPECT_EQ(after, "\r\n\xEF\xBB\xBF\xBF=v\r\n" + before);
  EXPECT_EQ(Read(after, "", "锘靠"), "v");
  EXPECT_EQ(Read(after, "Form", "text"), "开始啦");
  EXPECT_EQ(Read(ApplyProfileWrite(after, "Form", "text", "再来"), "Form", "text"), "再来");
}

TEST(ProfileFile, WritesLandOnDiskAsGbkTogetherOrNotAtAll) {
  ScratchFolder folder;
  const auto file = folder.File("rvoconfig.rcf");
  EXPECT_FALSE(ProfileReader::Open(file).FileExists());
  EXPECT_EQ(ReadProfileString(file, "Form", "caption", 31), "");
  const ProfileWrite writes[] = {{"Form", "caption", "抽签"}, {"Style", "form", "8388672   "}};
  ASSERT_TRUE(WriteProfileValues(file, writes));
  EXPECT_EQ(ReadWholeFile(file), Utf8ToGbk("[Form]\r\ncaption=抽签\r\n[Style]\r\nform=8388672   \r\n"));
  ASSERT_TRUE(WriteProfileValue(file, "Form", "caption", "新标题"));
  EXPECT_TRUE(ProfileReader::Open(file).FileExists());
  EXPECT_EQ(ReadProfileString(file, "form", "caption", 31), "新标题");

  const auto before = ReadWholeFile(file);
  using std::filesystem::perms;
  std::filesystem::permissions(file, perms::owner_read | perms::group_read | perms::others_read);
  const ProfileWrite more[] = {{"Style", "texttop", "1"}, {"Style", "textleft", "2"}};
  EXPECT_FALSE(WriteProfileValues(file, more));
  EXPECT_EQ(ReadWholeFile(file), before);
  // A folder of the file's name is no file.
  std::filesystem::create_directory(folder.File("folder.rcf"));
  EXPECT_FALSE(WriteProfileValue(folder.File("folder.rcf"), "Form", "caption", "y"));
  EXPECT_FALSE(ProfileReader::Open(folder.File("folder.rcf")).FileExists());
  EXPECT_EQ(folder.EntryCount(), 2u);  // no temporary file left behind
}

}  // namespace
}  // namespace ravelo
