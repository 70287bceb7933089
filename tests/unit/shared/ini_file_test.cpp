#include "shared/core/ini_file.h"

#include <gtest/gtest.h>

#include "shared/core/encoding.h"
#include "shared/core/file_system.h"
#include "unit/shared/profile_cases.h"
#include "unit/shared/scratch_folder.h"

namespace ravelo {
namespace {

using testing::ProfileReadCase;
using testing::ProfileReadCases;
using testing::ProfileWriteCase;
using testing::ProfileWriteCases;
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

TEST(ProfileWriteText, Table) {
  for (const ProfileWriteCase& c : ProfileWriteCases()) {
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
  EXPECT_EQ(ProfileReader::Open(file).Read("Form", "caption", 31), "");
  const ProfileWrite writes[] = {{"Form", "caption", "抽签"}, {"Style", "form", "8388672   "}};
  ASSERT_TRUE(WriteProfileValues(file, writes));
  EXPECT_EQ(ReadWholeFile(file), Utf8ToGbk("[Form]\r\ncaption=抽签\r\n[Style]\r\nform=8388672   \r\n"));
  ASSERT_TRUE(WriteProfileValue(file, "Form", "caption", "新标题"));
  EXPECT_TRUE(ProfileReader::Open(file).FileExists());
  EXPECT_EQ(ProfileReader::Open(file).Read("form", "caption", 31), "新标题");

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
