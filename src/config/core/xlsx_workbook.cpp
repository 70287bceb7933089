#include "config/core/xlsx_workbook.h"

#include <charconv>
#include <cmath>
#include <map>

#include "config/core/xml_reader.h"

namespace ravelo {
namespace {

constexpr std::uint64_t kMaxSmallPart = 16u << 20;  // relationships, the workbook
constexpr size_t kMaxCellBytes = 32 * 1024;         // of one cell's text

WorkbookError FromZip(ZipError error) {
  switch (error) {
    case ZipError::kNone: return WorkbookError::kNone;
    case ZipError::kEncrypted: return WorkbookError::kEncrypted;
    case ZipError::kTooLarge: return WorkbookError::kTooLarge;
    default: return WorkbookError::kDamaged;
  }
}

// UTF-8 from the XML to the cells' UTF-16; a bad sequence becomes U+FFFD.
void AppendUtf16(std::string_view utf8, std::u16string& into) {
  size_t i = 0;
  while (i < utf8.size()) {
    const unsigned char b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x80) {
      into.push_back(b);
      ++i;
      continue;
    }
    const int extra = b >= 0xF0 && b < 0xF5 ? 3 : b >= 0xE0 ? 2 : b >= 0xC2 && b < 0xE0 ? 1 : -1;
    char32_t c = extra == 3 ? b & 0x07u : extra == 2 ? b & 0x0Fu : b & 0x1Fu;
    bool good = extra > 0 && i + static_cast<size_t>(extra) < utf8.size();
    for (int k = 1; good && k <= extra; ++k) {
      const unsigned char n = static_cast<unsigned char>(utf8[i + static_cast<size_t>(k)]);
      if ((n & 0xC0) != 0x80) good = false;
      c = (c << 6) | (n & 0x3Fu);
    }
    if (good && ((extra == 2 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) || (extra == 3 && (c < 0x10000 || c > 0x10FFFF))))
      good = false;
    if (!good) {
      into.push_back(u'\uFFFD');
      ++i;
      continue;
    }
    if (c >= 0x10000) {
      c -= 0x10000;
      into.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
      into.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    } else {
      into.push_back(static_cast<char16_t>(c));
    }
    i += static_cast<size_t>(extra) + 1;
  }
}

std::u16string Utf16Of(std::string_view utf8) {
  std::u16string text;
  AppendUtf16(utf8, text);
  return text;
}

// A part's path from a relationship's target: relative to the folder of the
// part the relationships belong to, or absolute from the package root.
std::string ResolvePart(std::string_view folder, std::string_view target) {
  std::string path = target.starts_with('/') ? std::string(target.substr(1)) : std::string(folder) + std::string(target);
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    const size_t slash = std::min(path.find('/', start), path.size());
    const std::string part = path.substr(start, slash - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = slash + 1;
  }
  std::string joined;
  for (const std::string& part : parts) joined += (joined.empty() ? "" : "/") + part;
  return joined;
}

std::string FolderOf(std::string_view part) {
  const size_t slash = part.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(part.substr(0, slash + 1));
}

// Feeds a whole small part through a sink; kDamaged when it is malformed.
WorkbookError ParseSmallPart(const ZipArchive& zip, const ZipEntry& entry, XmlSink& sink) {
  XmlReader reader(sink);
  bool malformed = false;
  const ZipError error = zip.Extract(entry, kMaxSmallPart, [&](std::string_view piece) {
    malformed = !reader.Feed(piece);
    return !malformed;
  });
  if (error != ZipError::kNone) return FromZip(error);
  return malformed || !reader.Finish() ? WorkbookError::kDamaged : WorkbookError::kNone;
}

struct Relationship {
  std::string type;
  std::string target;
};

class RelationshipsSink final : public XmlSink {
 public:
  std::map<std::string, Relationship> byId;
  void StartElement(std::string_view name, const XmlAttributes& attributes) override {
    if (name != "Relationship") return;
    const std::string* id = attributes.Find("Id");
    const std::string* type = attributes.Find("Type");
    const std::string* target = attributes.Find("Target");
    if (id && target) byId[*id] = {type ? *type : std::string(), *target};
  }
  void EndElement(std::string_view) override {}
  void Text(std::string_view) override {}
};

class WorkbookSink final : public XmlSink {
 public:
  struct Sheet {
    std::string name;
    std::string relationship;
  };
  std::vector<Sheet> sheets;
  void StartElement(std::string_view name, const XmlAttributes& attributes) override {
    if (name != "sheet") return;
    const std::string* sheetName = attributes.Find("name");
    const std::string* id = attributes.Find("id");
    sheets.push_back({sheetName ? *sheetName : std::string(), id ? *id : std::string()});
  }
  void EndElement(std::string_view) override {}
  void Text(std::string_view) override {}
};

// Rich text runs (<r><t>) join; phonetic runs (<rPh>) are not part of the text.
class StringItemText {
 public:
  void Start(std::string_view name) {
    if (name == "rPh") ++phonetic_;
    if (name == "t") inText_ = true;
  }
  void End(std::string_view name) {
    if (name == "rPh" && phonetic_ > 0) --phonetic_;
    if (name == "t") inText_ = false;
  }
  void Text(std::string_view text) {
    if (inText_ && phonetic_ == 0 && utf8_.size() < kMaxCellBytes) utf8_.append(text.substr(0, kMaxCellBytes - utf8_.size()));
  }
  std::string_view Value() const { return utf8_; }
  void Clear() {
    utf8_.clear();
    inText_ = false;
    phonetic_ = 0;
  }

 private:
  std::string utf8_;
  bool inText_ = false;
  int phonetic_ = 0;
};

class SharedStringsSink final : public XmlSink {
 public:
  SharedStringsSink(std::u16string& text, std::vector<std::uint32_t>& starts) : text_(text), starts_(starts) {}
  bool full = false;
  void StartElement(std::string_view name, const XmlAttributes&) override {
    if (name == "si") {
      inItem_ = true;
      item_.Clear();
    } else if (inItem_) {
      item_.Start(name);
    }
  }
  void EndElement(std::string_view name) override {
    if (name != "si") {
      if (inItem_) item_.End(name);
      return;
    }
    inItem_ = false;
    if (text_.size() + item_.Value().size() > CellTable::kMaxTextUnits) {
      full = true;
      return;
    }
    starts_.push_back(static_cast<std::uint32_t>(text_.size()));
    AppendUtf16(item_.Value(), text_);
  }
  void Text(std::string_view text) override {
    if (inItem_) item_.Text(text);
  }

 private:
  std::u16string& text_;
  std::vector<std::uint32_t>& starts_;
  bool inItem_ = false;
  StringItemText item_;
};

class SheetSink final : public XmlSink {
 public:
  SheetSink(CellTable& table, const std::u16string& shared, const std::vector<std::uint32_t>& starts)
      : table_(table), shared_(shared), starts_(starts) {}

  void StartElement(std::string_view name, const XmlAttributes& attributes) override {
    if (name == "row") {
      nextColumn_ = 0;
    } else if (name == "c") {
      inCell_ = true;
      value_.clear();
      inline_.Clear();
      const std::string* type = attributes.Find("t");
      type_ = type ? *type : std::string();
      const std::string* reference = attributes.Find("r");
      const long column = reference ? ColumnOfReference(*reference) : -1;
      column_ = column >= 0 ? static_cast<std::uint32_t>(column) : nextColumn_;
    } else if (inCell_ && name == "v") {
      inValue_ = true;
    } else if (inCell_ && name == "is") {
      inInline_ = true;
    } else if (inInline_) {
      inline_.Start(name);
    }
  }

  void EndElement(std::string_view name) override {
    if (name == "row") {
      table_.EndRow();
    } else if (name == "c" && inCell_) {
      inCell_ = false;
      inValue_ = inInline_ = false;
      cell_.clear();
      CellText();
      if (!table_.AddCell(column_, cell_)) full_ = true;
      nextColumn_ = column_ + 1;
    } else if (name == "v") {
      inValue_ = false;
    } else if (name == "is") {
      inInline_ = false;
    } else if (inInline_) {
      inline_.End(name);
    }
  }

  void Text(std::string_view text) override {
    if (inValue_ && value_.size() < kMaxCellBytes) value_.append(text.substr(0, kMaxCellBytes - value_.size()));
    else if (inInline_) inline_.Text(text);
  }

  bool Full() const { return full_; }

 private:
  void CellText() {
    if (type_ == "s") {
      std::uint32_t index = 0;
      const auto [end, error] = std::from_chars(value_.data(), value_.data() + value_.size(), index);
      if (error == std::errc() && index < starts_.size()) {
        const std::uint32_t from = starts_[index];
        const std::uint32_t to =
            index + 1 < starts_.size() ? starts_[index + 1] : static_cast<std::uint32_t>(shared_.size());
        cell_.assign(shared_, from, to - from);
      }
    } else if (type_ == "inlineStr") {
      AppendUtf16(inline_.Value(), cell_);
    } else if (type_ == "b") {
      cell_ = value_ == "1" ? u"TRUE" : value_ == "0" ? u"FALSE" : Utf16Of(value_);
    } else if (type_.empty() || type_ == "n") {
      AppendUtf16(NumberCellText(value_), cell_);
    } else {  // "str" (a formula's text), "e" (an error value), "d" (an ISO date)
      AppendUtf16(value_, cell_);
    }
  }

  CellTable& table_;
  const std::u16string& shared_;
  const std::vector<std::uint32_t>& starts_;
  std::uint32_t nextColumn_ = 0;
  std::uint32_t column_ = 0;
  bool inCell_ = false;
  bool inValue_ = false;
  bool inInline_ = false;
  std::string type_;
  std::string value_;
  StringItemText inline_;
  std::u16string cell_;
  bool full_ = false;
};

}  // namespace

long ColumnOfReference(std::string_view reference) {
  long column = 0;
  size_t i = 0;
  for (; i < reference.size(); ++i) {
    char c = reference[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c < 'A' || c > 'Z') break;
    column = column * 26 + (c - 'A' + 1);
    if (column > static_cast<long>(CellTable::kMaxColumns)) return -1;
  }
  return i == 0 ? -1 : column - 1;
}

std::string NumberCellText(std::string_view stored) {
  while (!stored.empty() && (stored.front() == ' ')) stored.remove_prefix(1);
  while (!stored.empty() && (stored.back() == ' ')) stored.remove_suffix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(stored.data(), stored.data() + stored.size(), value);
  if (error != std::errc() || end != stored.data() + stored.size() || !std::isfinite(value)) return std::string(stored);
  // Integral values below 10^15 are whole numbers as typed (student numbers).
  if (value == std::floor(value) && std::fabs(value) < 1e15) {
    char digits[32];
    const auto [last, ignored] = std::to_chars(digits, digits + sizeof digits, static_cast<long long>(value));
    return std::string(digits, last);
  }
  if (stored.find_first_of("eE") == std::string_view::npos) {
    // A plain decimal keeps its digits; trailing zeros go.
    std::string text(stored);
    if (text.find('.') != std::string::npos) {
      while (text.back() == '0') text.pop_back();
      if (text.back() == '.') text.pop_back();
    }
    return text;
  }
  char shortest[64];
  const auto [last, ignored] = std::to_chars(shortest, shortest + sizeof shortest, value);
  return std::string(shortest, last);
}

WorkbookError XlsxWorkbook::Open(std::string_view bytes) {
  sheetNames_.clear();
  sheetParts_.clear();
  sharedStringsRead_ = false;
  if (const ZipError error = zip_.Open(bytes); error != ZipError::kNone) return FromZip(error);

  std::string workbookPart = "xl/workbook.xml";
  if (const ZipEntry* rels = zip_.Find("_rels/.rels")) {
    RelationshipsSink sink;
    if (const WorkbookError error = ParseSmallPart(zip_, *rels, sink); error != WorkbookError::kNone) return error;
    for (const auto& [id, relationship] : sink.byId)
      if (relationship.type.ends_with("/officeDocument")) workbookPart = ResolvePart("", relationship.target);
  }
  const ZipEntry* workbook = zip_.Find(workbookPart);
  if (!workbook) return WorkbookError::kDamaged;
  WorkbookSink sheets;
  if (const WorkbookError error = ParseSmallPart(zip_, *workbook, sheets); error != WorkbookError::kNone) return error;

  const std::string folder = FolderOf(workbookPart);
  RelationshipsSink links;
  if (const ZipEntry* rels = zip_.Find(folder + "_rels/" + workbookPart.substr(folder.size()) + ".rels")) {
    if (const WorkbookError error = ParseSmallPart(zip_, *rels, links); error != WorkbookError::kNone) return error;
  }
  sharedStringsPart_ = folder + "sharedStrings.xml";
  for (const auto& [id, relationship] : links.byId)
    if (relationship.type.ends_with("/sharedStrings")) sharedStringsPart_ = ResolvePart(folder, relationship.target);
  for (size_t i = 0; i < sheets.sheets.size(); ++i) {
    const auto& sheet = sheets.sheets[i];
    std::string part = folder + "worksheets/sheet" + std::to_string(i + 1) + ".xml";
    if (const auto link = links.byId.find(sheet.relationship); link != links.byId.end()) {
      if (!link->second.type.empty() && !link->second.type.ends_with("/worksheet")) continue;  // a chart sheet
      part = ResolvePart(folder, link->second.target);
    }
    sheetNames_.push_back(Utf16Of(sheet.name));
    sheetParts_.push_back(std::move(part));
  }
  return sheetParts_.empty() ? WorkbookError::kDamaged : WorkbookError::kNone;
}

WorkbookError XlsxWorkbook::LoadSharedStrings() {
  if (sharedStringsRead_) return WorkbookError::kNone;
  sharedText_.clear();
  sharedStarts_.clear();
  if (const ZipEntry* entry = zip_.Find(sharedStringsPart_)) {
    SharedStringsSink sink(sharedText_, sharedStarts_);
    XmlReader reader(sink);
    bool malformed = false;
    const ZipError error = zip_.Extract(entry[0], kMaxPartBytes, [&](std::string_view piece) {
      malformed = !reader.Feed(piece);
      return !malformed && !sink.full;
    });
    if (error != ZipError::kNone) return FromZip(error);
    if (sink.full) return WorkbookError::kTooLarge;
    if (malformed || !reader.Finish()) return WorkbookError::kDamaged;
  }
  sharedStringsRead_ = true;
  return WorkbookError::kNone;
}

WorkbookError XlsxWorkbook::ReadSheet(std::size_t index, CellTable& table) {
  if (index >= sheetParts_.size()) return WorkbookError::kDamaged;
  const ZipEntry* entry = zip_.Find(sheetParts_[index]);
  if (!entry) return WorkbookError::kDamaged;
  if (const WorkbookError error = LoadSharedStrings(); error != WorkbookError::kNone) return error;
  SheetSink sink(table, sharedText_, sharedStarts_);
  XmlReader reader(sink);
  bool malformed = false;
  const ZipError error = zip_.Extract(*entry, kMaxPartBytes, [&](std::string_view piece) {
    malformed = !reader.Feed(piece);
    return !malformed && !sink.Full();
  });
  if (error != ZipError::kNone) return FromZip(error);
  if (sink.Full()) return WorkbookError::kTooLarge;
  if (malformed || !reader.Finish()) return WorkbookError::kDamaged;
  return WorkbookError::kNone;
}

}  // namespace ravelo
