#include "config/core/zip_archive.h"

#include <gtest/gtest.h>

#include "zip_builder.h"

namespace ravelo {
namespace {

using testing::MakeZip;
using testing::ZipPart;

ZipError ExtractOnly(const std::string& zip, std::string& content, std::uint64_t limit = 1 << 20) {
  ZipArchive archive;
  if (const ZipError error = archive.Open(zip); error != ZipError::kNone) return error;
  if (archive.Entries().size() != 1) return ZipError::kDamaged;
  return archive.ExtractAll(archive.Entries()[0], limit, content);
}

TEST(ZipArchive, FindsAndInflatesStoredDeflatedAndZip64Parts) {
  const std::string text(100000, 'x');
  for (const bool zip64End : {false, true}) {
    ZipArchive archive;
    const std::string zip = MakeZip({{"xl/Workbook.xml", "<a/>", false}, {"../../evil.xml", text, true, {}, {}, 0, true}},
                                    zip64End);
    ASSERT_EQ(archive.Open(zip), ZipError::kNone);
    const ZipEntry* workbook = archive.Find("/XL/workbook.xml");
    ASSERT_NE(workbook, nullptr);
    std::string content;
    EXPECT_EQ(archive.ExtractAll(*workbook, 100, content), ZipError::kNone);
    EXPECT_EQ(content, "<a/>");
    const ZipEntry* evil = archive.Find("../../evil.xml");  // a name like any other: nothing is written
    ASSERT_NE(evil, nullptr);
    EXPECT_EQ(archive.ExtractAll(*evil, text.size(), content), ZipError::kNone);
    EXPECT_EQ(content, text);
    EXPECT_EQ(archive.Find("xl/missing.xml"), nullptr);
  }
}

TEST(ZipArchive, RefusesBombsLiesAndDamage) {
  const std::string big(1 << 20, 'a');  // deflates to about 1 KB
  std::string content;
  // Declared beyond the limit: refused before inflating.
  EXPECT_EQ(ExtractOnly(MakeZip({{"p", big}}), content, 1000), ZipError::kTooLarge);
  // Declared small, inflating to more: stopped as soon as it passes.
  EXPECT_EQ(ExtractOnly(MakeZip({{"p", big, true, 100}}), content, 1000), ZipError::kTooLarge);
  EXPECT_EQ(ExtractOnly(MakeZip({{"p", big, true, 100}}), content, 1 << 21), ZipError::kDamaged);
  EXPECT_EQ(ExtractOnly(MakeZip({{"p", "abc", true, 5}}), content), ZipError::kDamaged);  // inflates short
  EXPECT_EQ(ExtractOnly(MakeZip({{"p", "abc", true, {}, 1234}}), content), ZipError::kDamaged);  // CRC
  EXPECT_EQ(ExtractOnly(MakeZip({{"p", "abc", true, {}, {}, 1}}), content), ZipError::kEncrypted);
  EXPECT_EQ(ExtractOnly("not a zip at all, just text", content), ZipError::kNotZip);
  const std::string whole = MakeZip({{"p", big}});
  // Cut anywhere: never a crash, never success.
  for (size_t cut : {size_t{30}, whole.size() / 2, whole.size() - 30}) {
    std::string damaged = whole;
    damaged.erase(cut, 20);
    EXPECT_NE(ExtractOnly(damaged, content), ZipError::kNone) << cut;
  }
  std::string garbled = whole;
  for (size_t i = 40; i < 60; ++i) garbled[i] = static_cast<char>(~garbled[i]);  // inside the deflated data
  EXPECT_EQ(ExtractOnly(garbled, content), ZipError::kDamaged);
}

TEST(ZipArchive, ADirectoryCountBeyondTheFileIsDamage) {
  std::string zip = MakeZip({{"p", "abc"}});
  zip[zip.size() - 12] = '\xFF';  // entries: 0xFF01 records in a directory of a few bytes
  zip[zip.size() - 11] = '\x7F';
  ZipArchive archive;
  EXPECT_EQ(archive.Open(zip), ZipError::kDamaged);
}

}  // namespace
}  // namespace ravelo
