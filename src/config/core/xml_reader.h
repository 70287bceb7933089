// A small XML reader for the few parts of an .xlsx workbook: fed the bytes in
// pieces as they inflate, it reports start tags (with their attributes), end
// tags and text, entities decoded. It keeps no stack of open elements, so
// nesting of any depth costs nothing, and it holds at most one tag and a
// bounded piece of text at a time. Names are reported without their
// namespace prefix ("x:row" is "row"). A document type declaration (where
// entity bombs live) makes the document malformed; so does a tag longer
// than 1 MB.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ravelo {

class XmlAttributes {
 public:
  // The value of the attribute with this local name, or nullptr.
  const std::string* Find(std::string_view localName) const;
  void Clear() { items_.clear(); }
  void Add(std::string_view localName, std::string value) { items_.emplace_back(std::string(localName), std::move(value)); }

 private:
  std::vector<std::pair<std::string, std::string>> items_;
};

class XmlSink {
 public:
  virtual ~XmlSink() = default;
  virtual void StartElement(std::string_view name, const XmlAttributes& attributes) = 0;
  virtual void EndElement(std::string_view name) = 0;
  // Character data (UTF-8), possibly in several pieces.
  virtual void Text(std::string_view text) = 0;
};

class XmlReader {
 public:
  static constexpr std::size_t kMaxTagBytes = 1 << 20;
  static constexpr std::size_t kTextPiece = 64 * 1024;

  explicit XmlReader(XmlSink& sink) : sink_(sink) {}
  // False once the document is malformed (and from then on).
  bool Feed(std::string_view bytes);
  // The end of the document: false when it ends inside a tag.
  bool Finish();

 private:
  enum class Mode { kText, kTag, kComment, kCdata };
  void FlushText(bool all);
  bool EndTag();

  XmlSink& sink_;
  Mode mode_ = Mode::kText;
  std::string text_;
  std::string tag_;
  char quote_ = 0;
  XmlAttributes attributes_;
  bool failed_ = false;
};

// Appends the text with its entities (&amp; &lt; &gt; &quot; &apos; and
// character references) decoded; an unknown entity stays as written.
void AppendXmlText(std::string_view raw, std::string& into);

}  // namespace ravelo
