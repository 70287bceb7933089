#include "config/core/xml_reader.h"

#include <charconv>

namespace ravelo {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view LocalName(std::string_view name) {
  const size_t colon = name.rfind(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

void AppendUtf8(char32_t c, std::string& into) {
  if (c == 0 || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = 0xFFFD;
  if (c < 0x80) {
    into.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    into.push_back(static_cast<char>(0xC0 | (c >> 6)));
    into.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    into.push_back(static_cast<char>(0xE0 | (c >> 12)));
    into.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    into.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    into.push_back(static_cast<char>(0xF0 | (c >> 18)));
    into.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    into.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    into.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

}  // namespace

const std::string* XmlAttributes::Find(std::string_view localName) const {
  for (const auto& [name, value] : items_)
    if (name == localName) return &value;
  return nullptr;
}

void AppendXmlText(std::string_view raw, std::string& into) {
  size_t i = 0;
  while (i < raw.size()) {
    const size_t amp = raw.find('&', i);
    if (amp == std::string_view::npos) {
      into.append(raw.substr(i));
      return;
    }
    into.append(raw.substr(i, amp - i));
    const size_t semi = raw.find(';', amp);
    if (semi == std::string_view::npos || semi - amp > 12) {
      into.push_back('&');
      i = amp + 1;
      continue;
    }
    const std::string_view name = raw.substr(amp + 1, semi - amp - 1);
    i = semi + 1;
    if (name == "amp") into.push_back('&');
    else if (name == "lt") into.push_back('<');
    else if (name == "gt") into.push_back('>');
    else if (name == "quot") into.push_back('"');
    else if (name == "apos") into.push_back('\'');
    else if (name.size() > 1 && name[0] == '#') {
      const bool hex = name[1] == 'x' || name[1] == 'X';
      const std::string_view digits = name.substr(hex ? 2 : 1);
      std::uint32_t code = 0;
      const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
      AppendUtf8(error == std::errc() && end == digits.data() + digits.size() && !digits.empty() ? code : 0xFFFD, into);
    } else {
      into.append(raw.substr(amp, semi + 1 - amp));
    }
  }
}

void XmlReader::FlushText(bool all) {
  size_t upTo = text_.size();
  if (!all) {
    // Keep an entity cut by the piece's end for the next piece.
    const size_t amp = text_.rfind('&');
    if (amp != std::string::npos && text_.find(';', amp) == std::string::npos && text_.size() - amp <= 12) upTo = amp;
  }
  if (upTo == 0) return;
  std::string decoded;
  AppendXmlText(std::string_view(text_).substr(0, upTo), decoded);
  text_.erase(0, upTo);
  if (!decoded.empty()) sink_.Text(decoded);
}

bool XmlReader::EndTag() {
  std::string_view tag = tag_;
  if (tag.empty()) return false;
  if (tag[0] == '?') return true;  // the declaration or a processing instruction
  if (tag[0] == '!') return false;  // a document type declaration
  if (tag[0] == '/') {
    tag.remove_prefix(1);
    while (!tag.empty() && IsSpace(tag.back())) tag.remove_suffix(1);
    sink_.EndElement(LocalName(tag));
    return true;
  }
  bool selfClosing = false;
  if (tag.back() == '/') {
    selfClosing = true;
    tag.remove_suffix(1);
  }
  size_t i = 0;
  while (i < tag.size() && !IsSpace(tag[i])) ++i;
  const std::string_view name = LocalName(tag.substr(0, i));
  attributes_.Clear();
  while (i < tag.size()) {
    while (i < tag.size() && IsSpace(tag[i])) ++i;
    const size_t nameStart = i;
    while (i < tag.size() && tag[i] != '=' && !IsSpace(tag[i])) ++i;
    const std::string_view attribute = tag.substr(nameStart, i - nameStart);
    while (i < tag.size() && IsSpace(tag[i])) ++i;
    if (i >= tag.size()) break;
    if (tag[i] != '=') return false;
    ++i;
    while (i < tag.size() && IsSpace(tag[i])) ++i;
    if (i >= tag.size() || (tag[i] != '"' && tag[i] != '\'')) return false;
    const char q = tag[i++];
    const size_t close = tag.find(q, i);
    if (close == std::string_view::npos) return false;
    std::string value;
    AppendXmlText(tag.substr(i, close - i), value);
    attributes_.Add(LocalName(attribute), std::move(value));
    i = close + 1;
  }
  if (name.empty()) return false;
  sink_.StartElement(name, attributes_);
  if (selfClosing) sink_.EndElement(name);
  return true;
}

bool XmlReader::Feed(std::string_view bytes) {
  if (failed_) return false;
  for (size_t i = 0; i < bytes.size();) {
    switch (mode_) {
      case Mode::kText: {
        const size_t lt = bytes.find('<', i);
        const size_t end = lt == std::string_view::npos ? bytes.size() : lt;
        text_.append(bytes.substr(i, end - i));
        i = end;
        if (lt == std::string_view::npos) {
          if (text_.size() >= kTextPiece) FlushText(false);
          break;
        }
        FlushText(true);
        ++i;
        mode_ = Mode::kTag;
        tag_.clear();
        quote_ = 0;
        break;
      }
      case Mode::kTag: {
        // Up to the '>' outside quoted attribute values.
        bool closed = false;
        while (i < bytes.size() && mode_ == Mode::kTag) {
          if (tag_.size() < 8 && !quote_) {
            // The first characters, one at a time: they may open a comment or CDATA.
            const char c = bytes[i++];
            if (c == '>') {
              closed = true;
              break;
            }
            if (c == '"' || c == '\'') quote_ = c;
            tag_.push_back(c);
            if (tag_ == "!--") mode_ = Mode::kComment;
            else if (tag_ == "![CDATA[") mode_ = Mode::kCdata;
            if (mode_ != Mode::kTag) tag_.clear();
            continue;
          }
          const size_t stop = quote_ ? bytes.find(quote_, i) : bytes.find_first_of("\"'>", i);
          if (stop == std::string_view::npos) {
            tag_.append(bytes.substr(i));
            i = bytes.size();
            break;
          }
          tag_.append(bytes.substr(i, stop - i));
          const char c = bytes[stop];
          i = stop + 1;
          if (quote_) {
            quote_ = 0;
          } else if (c == '>') {
            closed = true;
            break;
          } else {
            quote_ = c;
          }
          tag_.push_back(c);
        }
        if (mode_ != Mode::kTag) break;
        if (tag_.size() > kMaxTagBytes) {
          failed_ = true;
          return false;
        }
        if (closed) {
          if (!EndTag()) {
            failed_ = true;
            return false;
          }
          mode_ = Mode::kText;
        }
        break;
      }
      case Mode::kComment:
      case Mode::kCdata: {
        // tag_ keeps the last two characters, to find "-->" or "]]>" across pieces.
        const char first = mode_ == Mode::kComment ? '-' : ']';
        for (; i < bytes.size(); ++i) {
          const char c = bytes[i];
          if (c == '>' && tag_.size() == 2 && tag_[0] == first && tag_[1] == first) {
            if (mode_ == Mode::kCdata) {
              text_.resize(text_.size() >= 2 ? text_.size() - 2 : 0);
              if (!text_.empty()) sink_.Text(text_);
              text_.clear();
            }
            tag_.clear();
            mode_ = Mode::kText;
            ++i;
            break;
          }
          tag_.push_back(c);
          if (tag_.size() > 2) tag_.erase(0, 1);
          if (mode_ == Mode::kCdata) {
            text_.push_back(c);
            if (text_.size() >= kTextPiece) {
              // Keep the last two, which may begin the "]]>".
              sink_.Text(std::string_view(text_).substr(0, text_.size() - 2));
              text_.erase(0, text_.size() - 2);
            }
          }
        }
        break;
      }
    }
  }
  return true;
}

bool XmlReader::Finish() {
  if (failed_ || mode_ != Mode::kText) return false;
  FlushText(true);
  return true;
}

}  // namespace ravelo
