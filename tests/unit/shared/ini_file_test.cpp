#include "shared/core/ini_file.h"

#include <gtest/gtest.h>

#include <chrono>

#include "shared/core/encoding.h"
#include "shared/core/file_system.h"
#include "unit/shared/scratch_folder.h"

namespace ravelo {
namespace {

using testing::ScratchFolder;

std::string Read(std::string_view fileBytes, std::string_view section, std::string_view key, size_t n = 256) {
  return ProfileReader::FromBytes(fileBytes).Read(section, key, n);
}

// --- reading ------------------------------------------------------------------

// The text as UTF-16 file bytes with a byte order mark.
std::string Utf16File(std::string_view utf8, bool bigEndian) {
  return std::string(bigEndian ? "\xFE\xFF" : "\xFF\xFE") + Utf16ToBytes(Utf8ToUtf16(utf8), bigEndian);
}

TEST(ProfileRead, ReadsUtf16FilesOfEitherByteOrder) {
  for (const bool bigEndian : {false, true}) {
    const std::string file = Utf16File("[Form]\r\ncaption=开始啦 \r\n[Style]\r\nwidth=600\r\n", bigEndian);
    EXPECT_EQ(Read(file, "Form", "caption", 31), "开始啦");
    EXPECT_EQ(Read(file, "Form", "caption", 5), "开始");  // still cut in GBK bytes
    EXPECT_EQ(Read(file, "style", "width", 5), "600");
  }
}

TEST(ProfileWrite, AUtf16FileStaysUtf16) {
  for (const bool bigEndian : {false, true}) {
    const std::string before = Utf16File("[Form]\r\ncaption=旧\r\n", bigEndian);
    const std::string after = ApplyProfileWrite(before, "Form", "caption", "新标题");
    EXPECT_EQ(after, Utf16File("[Form]\r\ncaption=新标题\r\n", bigEndian));
    EXPECT_EQ(ApplyProfileWrite(after, "Style", "width", "600"),
              Utf16File("[Form]\r\ncaption=新标题\r\n[Style]\r\nwidth=600\r\n", bigEndian));
  }
}

TEST(ProfileRead, FindsKeysWithoutRegardToCaseOrSurroundingSpaces) {
  const std::string file = "[Form]\r\ncaption=Ravelo\r\n  Text =  hello  \r\n[ Style ]\r\nwidth=600\r\n";
  EXPECT_EQ(Read(file, "Form", "caption"), "Ravelo");
  EXPECT_EQ(Read(file, "FORM", "CAPTION"), "Ravelo");
  EXPECT_EQ(Read(file, " form ", " caption "), "Ravelo");
  EXPECT_EQ(Read(file, "Form", "text"), "hello");
  EXPECT_EQ(Read(file, "style", "Width"), "600");
}

TEST(ProfileRead, MissingFileSectionOrKeyReadsEmpty) {
  ScratchFolder folder;
  const auto reader = ProfileReader::Open(folder.File("none.rcf"));
  EXPECT_FALSE(reader.FileExists());
  EXPECT_EQ(reader.Read("Form", "caption", 31), "");
  EXPECT_EQ(ReadProfileString(folder.File("none.rcf"), "Form", "caption", 31), "");
  const std::string file = "[Form]\r\ncaption=x\r\n";
  EXPECT_EQ(Read(file, "Color", "caption"), "");
  EXPECT_EQ(Read(file, "Form", "text"), "");
  EXPECT_EQ(Read("", "Form", "caption"), "");
}

TEST(ProfileRead, ValuesAreTrimmedAndLoseOneMatchingPairOfQuotes) {
  const std::string file =
      "[S]\r\npad=600   \r\ntab=\t7\t\r\ndq=\"quoted\"\r\nsq='single'\r\nmixed=\"half'\r\n"
      "inner=\" spaced \"\r\nonly=\"\r\nempty=\"\"\r\nnested=\"'x'\"\r\nnone=\r\n";
  EXPECT_EQ(Read(file, "S", "pad"), "600");
  EXPECT_EQ(Read(file, "S", "tab"), "7");
  EXPECT_EQ(Read(file, "S", "dq"), "quoted");
  EXPECT_EQ(Read(file, "S", "sq"), "single");
  EXPECT_EQ(Read(file, "S", "mixed"), "\"half'");
  EXPECT_EQ(Read(file, "S", "inner"), " spaced ");
  EXPECT_EQ(Read(file, "S", "only"), "\"");
  EXPECT_EQ(Read(file, "S", "empty"), "");
  EXPECT_EQ(Read(file, "S", "nested"), "'x'");
  EXPECT_EQ(Read(file, "S", "none"), "");
}

TEST(ProfileRead, TheBufferKeepsAtMostOneByteLessThanItsSize) {
  const std::string file = "[Style]\r\nwidth=99999\r\n";
  EXPECT_EQ(Read(file, "Style", "width", 5), "9999");
  EXPECT_EQ(Read(file, "Style", "width", 6), "99999");
  EXPECT_EQ(Read(file, "Style", "width", 2), "9");
  EXPECT_EQ(Read(file, "Style", "width", 1), "");
  EXPECT_EQ(Read(file, "Style", "width", 0), "");
}

TEST(ProfileRead, TheCutNeverSplitsAChineseCharacter) {
  const std::string caption = "一二三四五六七八九十甲乙丙丁戊己庚辛壬癸";
  const std::string file = Utf8ToGbk("[Form]\r\ncaption=" + caption + "\r\ntext=A" + caption + "\r\n");
  EXPECT_EQ(Read(file, "Form", "caption", 31), "一二三四五六七八九十甲乙丙丁戊");
  EXPECT_EQ(Read(file, "Form", "caption", 30), "一二三四五六七八九十甲乙丙丁");
  EXPECT_EQ(Read(file, "Form", "text", 31), "A一二三四五六七八九十甲乙丙丁");
  EXPECT_EQ(Read(file, "Form", "caption", 41), caption);
}

TEST(ProfileRead, FirstDuplicateKeyWinsAndARepeatedSectionIsHidden) {
  const std::string file = "[A]\r\nk=first\r\nK=second\r\n[B]\r\nb=1\r\n[a]\r\nk=third\r\nextra=4\r\n";
  EXPECT_EQ(Read(file, "A", "k"), "first");
  EXPECT_EQ(Read(file, "A", "extra"), "");
  EXPECT_EQ(Read(file, "B", "b"), "1");
}

TEST(ProfileRead, CommentsAndLinesWithoutEqualsCarryNoValue) {
  const std::string file = "; about\r\n[S]\r\n;k=commented\r\nk\r\nplain text\r\nk=real\r\n";
  EXPECT_EQ(Read(file, "S", "k"), "");  // the bare "k" line comes first
  EXPECT_EQ(Read(file, "S", "plain text"), "");
  EXPECT_EQ(Read(file, "S", ";k"), "commented");  // as the platform reads it
}

TEST(ProfileRead, AcceptsLfAndCrLineEndsAndAUtf8ByteOrderMark) {
  EXPECT_EQ(Read("[S]\nk=lf\n", "S", "k"), "lf");
  EXPECT_EQ(Read("[S]\rk=cr\r", "S", "k"), "cr");
  EXPECT_EQ(Read("[S]\r\nk=last", "S", "k"), "last");
  const std::string bom = "\xEF\xBB\xBF[Form]\r\ncaption=开始啦\r\n";
  EXPECT_EQ(Read(bom, "Form", "caption"), "开始啦");
  EXPECT_EQ(Read(bom, "Form", "caption", 5), "开始");
}

TEST(ProfileRead, ChineseSectionAndKeyNamesMatch) {
  // 0x5D (']') and letters occur as GBK trail bytes; they must not confuse parsing.
  const std::string file = Utf8ToGbk("[名单]\r\n宋体=是\r\n") + "[\x81\x5D]\r\nk=trail\r\n";
  EXPECT_EQ(Read(file, "名单", "宋体"), "是");
  EXPECT_EQ(Read(file, GbkToUtf8("\x81\x5D"), "k"), "trail");
}

TEST(ProfileRead, GarbageBytesNeverCrash) {
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage.push_back(static_cast<char>((i * 7919) % 256));
  const auto reader = ProfileReader::FromBytes(garbage + "\r\n[S]\r\nk=\xFF\xFF ok\r\n");
  EXPECT_TRUE(IsValidUtf8(reader.Read("S", "k", 256)));
  EXPECT_NE(reader.Read("S", "k", 256).find("ok"), std::string::npos);
}

// --- writing ------------------------------------------------------------------

TEST(ProfileWriteText, ReplacesAValueAndKeepsEveryOtherLine) {
  const std::string before =
      "; Ravelo settings\r\n[Form]\r\ncaption=Old\r\nunknown=kept\r\n\r\n[Time]\r\nTime=10\r\n";
  EXPECT_EQ(ApplyProfileWrite(before, "form", "CAPTION", "New"),
            "; Ravelo settings\r\n[Form]\r\ncaption=New\r\nunknown=kept\r\n\r\n[Time]\r\nTime=10\r\n");
}

TEST(ProfileWriteText, AddsAKeyAtTheEndOfItsSectionBeforeBlankLines) {
  const std::string before = "[Form]\r\ncaption=x\r\n\r\n[Style]\r\nwidth=600\r\n";
  EXPECT_EQ(ApplyProfileWrite(before, "Form", "text", "y"),
            "[Form]\r\ncaption=x\r\ntext=y\r\n\r\n[Style]\r\nwidth=600\r\n");
  EXPECT_EQ(ApplyProfileWrite(before, "Style", "height", "450"),
            "[Form]\r\ncaption=x\r\n\r\n[Style]\r\nwidth=600\r\nheight=450\r\n");
}

TEST(ProfileWriteText, AddsASectionAtTheEndAndCreatesAFile) {
  EXPECT_EQ(ApplyProfileWrite("", "Form", "caption", "Ravelo"), "[Form]\r\ncaption=Ravelo\r\n");
  EXPECT_EQ(ApplyProfileWrite("[Form]\r\ncaption=x", "Color", "text", "255"),
            "[Form]\r\ncaption=x\r\n[Color]\r\ntext=255\r\n");
}

TEST(ProfileWriteText, KeepsTheKeySpellingOfTheFileAndTheCaseOfNewNames) {
  const std::string file = ApplyProfileWrite("[Time]\r\ntime=5\r\n", "Time", "Time", "10 ");
  EXPECT_EQ(file, "[Time]\r\ntime=10 \r\n");
  EXPECT_EQ(Read(file, "Time", "time", 3), "10");
  EXPECT_EQ(ApplyProfileWrite("", "Time", "Time", "10 "), "[Time]\r\nTime=10 \r\n");
}

TEST(ProfileWriteText, DropsLeadingSpacesAndKeepsTrailingOnes) {
  EXPECT_EQ(ApplyProfileWrite("", "Style", "captiontop", " 120 "), "[Style]\r\ncaptiontop=120 \r\n");
  EXPECT_EQ(ApplyProfileWrite("", "Form", "smc", "1 "), "[Form]\r\nsmc=1 \r\n");
}

TEST(ProfileWriteText, ALineBreakInAValueCannotAddLines) {
  EXPECT_EQ(ApplyProfileWrite("", "S", "k", "v\r\n[Evil]\r\nx=1"), "[S]\r\nk=v\r\n");
  EXPECT_EQ(ApplyProfileWrite("[S]\r\n", "S\r\n[T]", "k", "v"), "[S]\r\n");
}

TEST(ProfileWriteText, NormalisesLineEndsToCrLfAndKeepsComments) {
  EXPECT_EQ(ApplyProfileWrite("[S]\n;note\na=1\n\nb=2", "S", "a", "9"), "[S]\r\n;note\r\na=9\r\n\r\nb=2\r\n");
}

TEST(ProfileWriteText, WritesToTheFirstOfRepeatedSectionsAndDuplicateKeys) {
  const std::string before = "[A]\r\nk=1\r\nk=2\r\n[A]\r\nk=3\r\n";
  EXPECT_EQ(ApplyProfileWrite(before, "a", "k", "x"), "[A]\r\nk=x\r\nk=2\r\n[A]\r\nk=3\r\n");
  EXPECT_EQ(ApplyProfileWrite(before, "A", "new", "y"), "[A]\r\nk=1\r\nk=2\r\nnew=y\r\n[A]\r\nk=3\r\n");
}

TEST(ProfileWriteText, KeepsTheFileEncoding) {
  const std::string gbk = ApplyProfileWrite("", "Form", "caption", "开始啦");
  EXPECT_EQ(gbk, "[Form]\r\ncaption=\xBF\xAA\xCA\xBC\xC0\xB2\r\n");
  const std::string bom = ApplyProfileWrite("\xEF\xBB\xBF[Form]\r\ntext=旧\r\n", "Form", "caption", "开始啦");
  EXPECT_EQ(bom, "\xEF\xBB\xBF[Form]\r\ntext=旧\r\ncaption=开始啦\r\n");
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

TEST(ProfileWriteText, LinesItDoesNotTouchStayByteForByte) {
  // Invalid bytes and odd spacing elsewhere in the file survive a write.
  const std::string before = "[Form]\r\n  odd  =  spacing  \r\nbad=\xFF\x81\r\ncaption=x\r\n";
  EXPECT_EQ(ApplyProfileWrite(before, "Form", "caption", "y"),
            "[Form]\r\n  odd  =  spacing  \r\nbad=\xFF\x81\r\ncaption=y\r\n");
}

// --- files ------------------------------------------------------------------

TEST(ProfileFile, ReadWriteRoundTripByteCompares) {
  ScratchFolder folder;
  const auto file = folder.File("common/rvoconfig.rcf");
  std::filesystem::create_directories(file.parent_path());
  const std::string original =
      "; shipped settings\r\n[Form]\r\ncaption=抽签\r\nsmc=1 \r\n\r\n[Time]\r\nTime=10 \r\n[Extra]\r\nx=y\r\n";
  ASSERT_TRUE(WriteFileAtomically(file, Utf8ToGbk(original)));

  const auto reader = ProfileReader::Open(file);
  EXPECT_TRUE(reader.FileExists());
  EXPECT_EQ(reader.Read("Form", "caption", 31), "抽签");
  EXPECT_EQ(reader.Read("Time", "time", 3), "10");

  // Writing back what is there leaves the file exactly as it was.
  ASSERT_TRUE(WriteProfileValue(file, "Form", "caption", "抽签"));
  ASSERT_TRUE(WriteProfileValue(file, "Time", "Time", "10 "));
  EXPECT_EQ(ReadWholeFile(file), Utf8ToGbk(original));

  ASSERT_TRUE(WriteProfileValue(file, "Form", "caption", "新标题"));
  ASSERT_TRUE(WriteProfileValue(file, "Form", "top", "0 "));
  EXPECT_EQ(ReadWholeFile(file),
            Utf8ToGbk("; shipped settings\r\n[Form]\r\ncaption=新标题\r\nsmc=1 \r\ntop=0 \r\n\r\n[Time]\r\nTime=10 "
                      "\r\n[Extra]\r\nx=y\r\n"));
  EXPECT_EQ(ReadProfileString(file, "form", "caption", 31), "新标题");
  EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(ProfileFile, WriteToAMissingFolderFails) {
  ScratchFolder folder;
  EXPECT_FALSE(WriteProfileValue(folder.File("common/rvoconfig.rcf"), "Form", "caption", "x"));
  EXPECT_EQ(folder.EntryCount(), 0u);
}

TEST(ProfileFile, WriteOverAReadOnlyFileFailsAndLeavesItUnchanged) {
  ScratchFolder folder;
  const auto file = folder.File("rvoconfig.rcf");
  ASSERT_TRUE(WriteFileAtomically(file, "[Form]\r\ncaption=x\r\n"));
  using std::filesystem::perms;
  std::filesystem::permissions(file, perms::owner_read | perms::group_read | perms::others_read);
  EXPECT_FALSE(WriteProfileValue(file, "Form", "caption", "y"));
  EXPECT_EQ(ReadWholeFile(file), "[Form]\r\ncaption=x\r\n");
  EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(ProfileFile, WriteWhereAFolderHasTheFileNameFails) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder.File("rvoconfig.rcf"));
  EXPECT_FALSE(WriteProfileValue(folder.File("rvoconfig.rcf"), "Form", "caption", "y"));
  EXPECT_FALSE(ProfileReader::Open(folder.File("rvoconfig.rcf")).FileExists());
}

TEST(ProfileFile, SeveralWritesLandTogetherOrNotAtAll) {
  ScratchFolder folder;
  const auto file = folder.File("rvoconfig.rcf");
  const ProfileWrite writes[] = {{"Style", "captiontop", " 120 "}, {"Style", "captionleft", " 37.5"},
                                 {"Style", "form", "8388672   "}};
  ASSERT_TRUE(WriteProfileValues(file, writes));
  EXPECT_EQ(ReadWholeFile(file), "[Style]\r\ncaptiontop=120 \r\ncaptionleft=37.5\r\nform=8388672   \r\n");

  using std::filesystem::perms;
  std::filesystem::permissions(file, perms::owner_read | perms::group_read | perms::others_read);
  const ProfileWrite more[] = {{"Style", "texttop", "1"}, {"Style", "textleft", "2"}};
  EXPECT_FALSE(WriteProfileValues(file, more));
  EXPECT_EQ(ReadProfileString(file, "Style", "texttop", 5), "");
}

TEST(ProfileFile, AHugeFileIsReadAndWrittenInReasonableTime) {
  ScratchFolder folder;
  const auto file = folder.File("huge.rcf");
  const std::string value = Utf8ToGbk("值");
  std::string bytes;
  for (int s = 0; s < 1000; ++s) {
    bytes += "[Section" + std::to_string(s) + "]\r\n";
    for (int k = 0; k < 50; ++k) bytes += "key" + std::to_string(k) + "=" + value + std::to_string(s) + "\r\n";
  }
  bytes += "[Form]\r\ncaption=end\r\n";
  ASSERT_TRUE(WriteFileAtomically(file, bytes));  // about 0.8 MB, 50 000 keys

  const auto start = std::chrono::steady_clock::now();
  const auto reader = ProfileReader::Open(file);
  EXPECT_EQ(reader.Read("Form", "caption", 31), "end");
  EXPECT_EQ(reader.Read("Section999", "key49", 31), "值999");
  ASSERT_TRUE(WriteProfileValue(file, "Section0", "key0", "changed"));
  EXPECT_EQ(ReadProfileString(file, "Section0", "key0", 31), "changed");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
  EXPECT_EQ(ReadWholeFile(file)->size(), bytes.size() - (value.size() + 1) + 7);
}

}  // namespace
}  // namespace ravelo
