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
#include "unit/shared/profile_cases.h"

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

// The unit tests' table of writes, each row given to the platform.
TEST(WriteAgreement, ThePlatformWritesEveryRowAsThisWriterMust) {
  testing::ScratchFolder folder;
  const auto file = folder.path() / L"rvoconfig.rcf";
  for (const testing::ProfileWriteCase& c : testing::ProfileWriteCases()) {
    std::filesystem::remove(file);
    if (!c.before.empty()) {
      ASSERT_TRUE(WriteFileAtomically(file, c.before));
    }
    PlatformWrite(file, c.section, c.key, c.value);
    const std::string platform = ReadWholeFile(file).value_or("");
    if (c.mend == nullptr) {
      EXPECT_EQ(platform, c.after) << "[" << c.section << "] " << c.key << "=" << c.value << " into " << c.before;
    } else {
      EXPECT_NE(platform, c.after) << "the platform now writes as this writer; drop the mend: " << c.mend;
    }
  }
}

// A file held open without sharing fails both writers and stays as it was; a
// read-only file stays with this writer, where the platform writes it when
// Wine runs as root.
TEST(WriteAgreement, ALockedOrReadOnlyFileStaysAsItWas) {
  testing::ScratchFolder folder;
  const auto file = folder.path() / L"rvoconfig.rcf";
  const std::string before = Gbk("[Form]\r\ncaption=x\r\n");
  ASSERT_TRUE(WriteFileAtomically(file, before));
  {
    const win::UniqueHandle lock(
        CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock);
    EXPECT_FALSE(PlatformWrite(file, "Form", "caption", "y"));
    EXPECT_FALSE(WriteProfileValue(file, "Form", "caption", "y"));
  }
  EXPECT_EQ(ReadWholeFile(file), before);
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(WriteProfileValue(file, "Form", "caption", "y"));
  EXPECT_EQ(ReadWholeFile(file), before);
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace ravelo::agreement
