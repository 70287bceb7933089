// Zip archives made in memory for the tests: entries stored or deflated
// (zlib), with any declared size, CRC, flags or ZIP64 records a test wants
// to lie about.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ravelo::testing {

struct ZipPart {
  std::string name;
  std::string content;
  bool deflate = true;
  std::optional<std::uint32_t> declaredSize{};  // instead of the content's
  std::optional<std::uint32_t> declaredCrc{};
  std::uint16_t flags = 0;
  bool zip64 = false;  // sizes and offset in a ZIP64 extra field
};

inline void PutLe(std::string& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

inline std::string Deflated(std::string_view content) {
  z_stream z{};
  deflateInit2(&z, 6, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&z, static_cast<uLong>(content.size())), '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(content.data()));
  z.avail_in = static_cast<uInt>(content.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

inline std::string MakeZip(const std::vector<ZipPart>& parts, bool zip64End = false) {
  std::string zip;
  std::string directory;
  for (const ZipPart& part : parts) {
    const std::string data = part.deflate ? Deflated(part.content) : part.content;
    const std::uint32_t crc = part.declaredCrc.value_or(static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(part.content.data()), static_cast<uInt>(part.content.size()))));
    const std::uint64_t size = part.declaredSize.value_or(static_cast<std::uint32_t>(part.content.size()));
    const std::uint64_t offset = zip.size();
    auto header = [&](std::string& out, bool central) {
      PutLe(out, central ? 0x02014b50 : 0x04034b50, 4);
      if (central) PutLe(out, 45, 2);
      PutLe(out, 45, 2);
      PutLe(out, part.flags, 2);
      PutLe(out, part.deflate ? 8 : 0, 2);
      PutLe(out, 0, 4);
      PutLe(out, crc, 4);
      PutLe(out, part.zip64 ? 0xFFFFFFFF : data.size(), 4);
      PutLe(out, part.zip64 ? 0xFFFFFFFF : size, 4);
      PutLe(out, part.name.size(), 2);
      PutLe(out, central && part.zip64 ? 28 : 0, 2);
      if (central) {
        PutLe(out, 0, 2);
        PutLe(out, 0, 2);
        PutLe(out, 0, 2);
        PutLe(out, 0, 4);
        PutLe(out, part.zip64 ? 0xFFFFFFFF : offset, 4);
      }
      out += part.name;
      if (central && part.zip64) {
        PutLe(out, 1, 2);
        PutLe(out, 24, 2);
        PutLe(out, size, 8);
        PutLe(out, data.size(), 8);
        PutLe(out, offset, 8);
      }
    };
    header(zip, false);
    zip += data;
    header(directory, true);
  }
  const std::uint64_t directoryAt = zip.size();
  zip += directory;
  if (zip64End) {
    const std::uint64_t recordAt = zip.size();
    PutLe(zip, 0x06064b50, 4);
    PutLe(zip, 44, 8);
    PutLe(zip, 45, 2);
    PutLe(zip, 45, 2);
    PutLe(zip, 0, 4);
    PutLe(zip, 0, 4);
    PutLe(zip, parts.size(), 8);
    PutLe(zip, parts.size(), 8);
    PutLe(zip, directory.size(), 8);
    PutLe(zip, directoryAt, 8);
    PutLe(zip, 0x07064b50, 4);
    PutLe(zip, 0, 4);
    PutLe(zip, recordAt, 8);
    PutLe(zip, 1, 4);
  }
  PutLe(zip, 0x06054b50, 4);
  PutLe(zip, 0, 4);
  PutLe(zip, zip64End ? 0xFFFF : parts.size(), 2);
  PutLe(zip, zip64End ? 0xFFFF : parts.size(), 2);
  PutLe(zip, zip64End ? 0xFFFFFFFF : directory.size(), 4);
  PutLe(zip, zip64End ? 0xFFFFFFFF : directoryAt, 4);
  PutLe(zip, 0, 2);
  return zip;
}

// A workbook of the least parts a reader needs: the package relationships,
// the workbook with its sheets, their relationships, shared strings.
inline std::string MakeWorkbook(const std::vector<std::pair<std::string, std::string>>& sheets,
                                const std::string& sharedStrings = "") {
  std::vector<ZipPart> parts;
  parts.push_back({"_rels/.rels",
                   R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
                   R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>)"});
  std::string workbook = R"(<workbook xmlns:r="r"><sheets>)";
  std::string links = "<Relationships>";
  for (size_t i = 0; i < sheets.size(); ++i) {
    const std::string n = std::to_string(i + 1);
    workbook += "<sheet name=\"" + sheets[i].first + "\" sheetId=\"" + n + "\" r:id=\"rId" + n + "\"/>";
    links += "<Relationship Id=\"rId" + n + "\" Type=\"x/worksheet\" Target=\"worksheets/sheet" + n + ".xml\"/>";
    parts.push_back({"xl/worksheets/sheet" + n + ".xml", "<worksheet><sheetData>" + sheets[i].second + "</sheetData></worksheet>"});
  }
  links += R"(<Relationship Id="rS" Type="x/sharedStrings" Target="sharedStrings.xml"/></Relationships>)";
  parts.push_back({"xl/workbook.xml", workbook + "</sheets></workbook>"});
  parts.push_back({"xl/_rels/workbook.xml.rels", links});
  if (!sharedStrings.empty()) parts.push_back({"xl/sharedStrings.xml", "<sst>" + sharedStrings + "</sst>"});
  return MakeZip(parts);
}

}  // namespace ravelo::testing
