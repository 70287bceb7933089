// Tables of cases run against the suite's profile functions and against the
// platform's GetPrivateProfileStringA / WritePrivateProfileStringA. A case
// with a `mend` differs on purpose, and says why; every other case must agree.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "unit/shared/scratch_folder.h"
#include "shared/core/encoding.h"
#include "shared/core/file_system.h"
#include "shared/core/ini_file.h"
#include "shared/win/unique_handle.h"
#include "unit/shared/profile_read_cases.h"

namespace ravelo::agreement {
namespace {

// The path as the ANSI functions take it (code page 936 on the test system).
std::string AnsiPath(const std::filesystem::path& path) {
  const std::wstring& wide = path.native();
  const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                    nullptr);
  std::string ansi(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), n, nullptr, nullptr);
  return ansi;
}

// GetPrivateProfileStringA, called with UTF-8 text converted the way the
// programs pass ANSI text, with an empty default into a zeroed buffer of
// bufferBytes; the text before the first NUL, as UTF-8. The returned count
// is not trusted: when the cut falls inside a character it counts a byte
// that was never written.
std::string PlatformRead(const std::filesystem::path& file, std::string_view section, std::string_view key,
                         size_t bufferBytes) {
  std::vector<char> buffer(bufferBytes + 1, '\0');  // one spare NUL: the text always ends
  GetPrivateProfileStringA(Utf8ToGbk(section).c_str(), Utf8ToGbk(key).c_str(), "", buffer.data(),
                           static_cast<DWORD>(bufferBytes), AnsiPath(file).c_str());
  return GbkToUtf8(buffer.data());
}

// WritePrivateProfileStringA; the value is converted to ANSI first.
bool PlatformWrite(const std::filesystem::path& file, std::string_view section, std::string_view key,
                   std::string_view valueUtf8) {
  return WritePrivateProfileStringA(Utf8ToGbk(section).c_str(), Utf8ToGbk(key).c_str(),
                                    Utf8ToGbk(valueUtf8).c_str(), AnsiPath(file).c_str()) != FALSE;
}

// A file's bytes written as UTF-8 text here and stored as GBK, like the
// configuration file on the target systems.
std::string Gbk(std::string_view utf8) { return Utf8ToGbk(utf8); }


// --- reads --------------------------------------------------------------------

// The unit tests' table of reads, each row given to the platform.
TEST(ReadAgreement, ThePlatformReadsEveryRowAsThisReaderMust) {
  testing::ScratchFolder folder;
  const auto file = folder.path() / L"rvoconfig.rcf";
  for (const testing::ProfileReadCase& c : testing::ProfileReadCases()) {
    ASSERT_TRUE(WriteFileAtomically(file, c.file));
    const std::string platform = PlatformRead(file, c.section, c.key, c.buffer);
    if (c.mend == nullptr) {
      EXPECT_EQ(platform, c.expected) << "[" << c.section << "] " << c.key << " buffer " << c.buffer << " in "
                                      << c.file;
    } else {
      EXPECT_NE(platform, c.expected) << "the platform now reads as this reader; drop the mend: " << c.mend;
    }
  }
}

// --- writes -------------------------------------------------------------------

struct Write {
  std::string section, key, value;
};
struct Probe {
  std::string section, key;
  size_t buffer;
};

enum class Setup { None, ReadOnly, Locked };

struct WriteCase {
  const char* name;
  std::optional<std::string> initial;  // nullopt: no file yet
  std::vector<Write> writes;
  std::vector<Probe> probes = {};  // read back from both files by both readers
  Setup setup = Setup::None;
  const char* mend = nullptr;  // why the outcome differs on purpose
  std::optional<std::string> oursAfter = std::nullopt;  // with a mend: the file this writer leaves
  bool oursResult = true;                // with a mend: this writer's result
};

std::vector<WriteCase> WriteCases() {
  const std::string commented = Gbk("; 抽签设置\r\n[Form]\r\ncaption=旧\r\nunknown=kept\r\n[Style]\r\nwidth=600\r\n");
  const std::vector<Probe> formProbes = {{"Form", "caption", 31}, {"Form", "text", 31}, {"Form", "unknown", 31}};
  return {
      {"NewFile", std::nullopt, {{"Form", "caption", "Ravelo"}}, {{"Form", "caption", 31}}},
      {"ReplaceKeepsCommentsAndUnknownKeys", commented, {{"Form", "caption", "新标题"}}, formProbes},
      {"NewKeyGoesToTheEndOfItsSection", commented, {{"Form", "text", "开始啦"}}, formProbes},
      {"NewSectionGoesToTheEndOfTheFile", commented, {{"Color", "caption", "255"}}, {{"Color", "caption", 10}}},
      {"IntervalWrittenAsTimeOverTime", Gbk("[Time]\r\ntime=5\r\n"), {{"Time", "Time", "10 "}}, {{"Time", "time", 3}}},
      {"NamesAskedWithSpacesAndOtherCase", commented, {{" FORM ", " Caption ", "x"}}, formProbes},
      {"IndentedKeyLine", Gbk("[S]\r\n   k   =   1\r\n"), {{"S", "k", "2"}}, {{"S", "k", 31}}},
      {"ChineseSectionAndKeyNames", Gbk("[名单]\r\n宋体=是\r\n"), {{"名单", "宋体", "否"}}, {{"名单", "宋体", 31}}},
      {"Utf8FileStaysUtf8", std::string("\xEF\xBB\xBF[Form]\r\ntext=旧\r\n"), {{"Form", "caption", "开始啦"}},
       {{"Form", "caption", 31}, {"Form", "text", 31}}},
      {"Utf16FileStaysUtf16", testing::Utf16FileBytes("[Form]\r\ntext=旧\r\n", false), {{"Form", "caption", "开始啦"}, {"Form", "text", "新"}},
       {{"Form", "caption", 31}, {"Form", "text", 31}}},
      {"FirstOfDuplicateKeysIsReplaced", Gbk("[A]\r\nk=1\r\nk=2\r\n"), {{"A", "k", "x"}}, {{"A", "k", 31}}},
      {"RepeatedSectionGetsTheNewKeyInItsFirstCopy", Gbk("[A]\r\nk=1\r\n[B]\r\nb=1\r\n[A]\r\nj=2\r\n"),
       {{"A", "new", "y"}, {"A", "j", "z"}}, {{"A", "new", 31}, {"A", "j", 31}, {"B", "b", 31}}},
      {"LfLineEndsBecomeCrLf", Gbk("[S]\nk=1\nj=2\n"), {{"S", "k", "3"}}, {{"S", "k", 31}, {"S", "j", 31}}},
      {"LockedFileFails", Gbk("[Form]\r\ncaption=x\r\n"), {{"Form", "caption", "y"}}, {}, Setup::Locked},
      // Deliberate differences.
      {"ReadOnlyFileStaysAsItIs", Gbk("[Form]\r\ncaption=x\r\n"), {{"Form", "caption", "y"}}, {{"Form", "caption", 31}},
       Setup::ReadOnly,
       "the platform writes a read-only file when Wine runs as root; a read-only file must stay as it is",
       Gbk("[Form]\r\ncaption=x\r\n"), false},
      {"PaddingOfOtherKeysIsKept", Gbk("[Form]\r\nsmc=1 \r\ntop=0 \r\n"), {{"Form", "top", "1 "}},
       {{"Form", "smc", 2}, {"Form", "top", 2}}, Setup::None,
       "the platform drops the trailing blanks of lines it does not change", Gbk("[Form]\r\nsmc=1 \r\ntop=1 \r\n")},
      {"BlankLinesAreKept", Gbk("[Form]\r\ncaption=x\r\n\r\n[Style]\r\nwidth=1\r\n"), {{"Style", "width", "2"}},
       {{"Form", "caption", 31}, {"Style", "width", 5}}, Setup::None,
       "the platform drops blank lines; this writer keeps the file's layout",
       Gbk("[Form]\r\ncaption=x\r\n\r\n[Style]\r\nwidth=2\r\n")},
      {"TextAfterASectionHeaderIsKept", Gbk("[S] ; note\r\nk=1\r\n"), {{"S", "k", "2"}}, {{"S", "k", 31}},
       Setup::None, "the platform rewrites the header without the text after its bracket",
       Gbk("[S] ; note\r\nk=2\r\n")},
      {"ALineBreakCannotInjectLines", std::nullopt, {{"S", "k", "v\r\n[Evil]\r\nx=1"}},
       {{"S", "k", 31}, {"Evil", "x", 31}}, Setup::None,
       "the platform writes the line break into the file, adding a section; this writer stops the value there",
       Gbk("[S]\r\nk=v\r\n")},
  };
}

class WriteAgreement : public ::testing::TestWithParam<WriteCase> {};

// Holds a file open without sharing, as another program might.
win::UniqueHandle Lock(const std::filesystem::path& file) {
  return win::UniqueHandle(CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
}

// Prepares the case's file in folder (its scratch folder has a Chinese name); returns its path.
std::filesystem::path Prepare(const WriteCase& c, const std::filesystem::path& folder) {
  const auto file = folder / L"rvoconfig.rcf";
  if (c.initial) {
    EXPECT_TRUE(WriteFileAtomically(file, *c.initial));
  }
  if (c.setup == Setup::ReadOnly) SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
  return file;
}

TEST_P(WriteAgreement, SameFileAndValuesAsThePlatform) {
  const WriteCase& c = GetParam();
  testing::ScratchFolder folder;
  const auto oursFolder = folder.path() / L"ours";
  const auto platformFolder = folder.path() / L"platform";
  std::filesystem::create_directories(oursFolder);
  std::filesystem::create_directories(platformFolder);
  const auto oursFile = Prepare(c, oursFolder);
  const auto platformFile = Prepare(c, platformFolder);

  bool oursOk = true;
  bool platformOk = true;
  {
    win::UniqueHandle oursLock, platformLock;
    if (c.setup == Setup::Locked) {
      oursLock = Lock(oursFile);
      platformLock = Lock(platformFile);
      ASSERT_TRUE(oursLock && platformLock);
    }
    for (const auto& w : c.writes) {
      oursOk = WriteProfileValue(oursFile, w.section, w.key, w.value) && oursOk;
      platformOk = PlatformWrite(platformFile, w.section, w.key, w.value) && platformOk;
    }
  }
  SetFileAttributesW(platformFile.c_str(), FILE_ATTRIBUTE_NORMAL);
  const auto oursBytes = ReadWholeFile(oursFile);
  const auto platformBytes = ReadWholeFile(platformFile);

  if (c.setup == Setup::Locked) {
    EXPECT_FALSE(oursOk);
  }
  if (c.mend == nullptr) {
    EXPECT_EQ(oursOk, platformOk);
    EXPECT_EQ(oursBytes, platformBytes);
    if (!oursOk && c.initial) {
      EXPECT_EQ(oursBytes, c.initial);  // a failed write changes nothing
    }
  } else {
    EXPECT_EQ(oursOk, c.oursResult) << c.mend;
    if (c.oursAfter) {
      EXPECT_EQ(oursBytes, c.oursAfter) << c.mend;
    }
  }

  // Both readers read both files alike, and, where the writes agree, the two
  // files hold the same values.
  for (const auto& p : c.probes) {
    const std::string oursFromOurs = ReadProfileString(oursFile, p.section, p.key, p.buffer);
    EXPECT_EQ(oursFromOurs, PlatformRead(oursFile, p.section, p.key, p.buffer)) << p.section << "/" << p.key;
    EXPECT_EQ(ReadProfileString(platformFile, p.section, p.key, p.buffer),
              PlatformRead(platformFile, p.section, p.key, p.buffer))
        << p.section << "/" << p.key;
    if (c.setup != Setup::ReadOnly && std::string_view(c.name) != "ALineBreakCannotInjectLines") {
      EXPECT_EQ(oursFromOurs, PlatformRead(platformFile, p.section, p.key, p.buffer)) << p.section << "/" << p.key;
    }
  }
}

// Test names from the table, so a failure names its case.
INSTANTIATE_TEST_SUITE_P(Table, WriteAgreement, ::testing::ValuesIn(WriteCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ravelo::agreement
