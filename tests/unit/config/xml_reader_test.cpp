#include "config/core/xml_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace ravelo {
namespace {

// Writes what the reader reports as one line of text.
class Recorder final : public XmlSink {
 public:
  std::string log;
  void StartElement(std::string_view name, const XmlAttributes& attributes) override {
    log += "<" + std::string(name);
    for (const char* a : {"r", "t", "id"})
      if (const std::string* value = attributes.Find(a)) log += " " + std::string(a) + "=" + *value;
    log += ">";
  }
  void EndElement(std::string_view name) override { log += "</" + std::string(name) + ">"; }
  void Text(std::string_view text) override { log += text; }
};

std::string Read(std::string_view xml, size_t piece, bool* ok = nullptr) {
  Recorder recorder;
  XmlReader reader(recorder);
  bool good = true;
  for (size_t at = 0; at < xml.size(); at += piece) good = reader.Feed(xml.substr(at, piece)) && good;
  good = reader.Finish() && good;
  if (ok) *ok = good;
  return recorder.log;
}

TEST(XmlReader, ReportsTheSameEventsHoweverTheBytesArrive) {
  const std::string xml =
      "<?xml version=\"1.0\"?><!-- a > comment --><x:c r='A1' t=\"s&amp;t\"><v>1 &lt; 2 &#x5F20;&#20255; &bogus; &amp</v>"
      "<e/><is><t><![CDATA[<raw> & ]] text]]></t></is></x:c>";
  const std::string expected =
      "<c r=A1 t=s&t><v>1 < 2 张伟 &bogus; &amp</v><e></e><is><t><raw> & ]] text</t></is></c>";
  for (size_t piece = 1; piece <= xml.size(); ++piece) {
    bool ok = false;
    EXPECT_EQ(Read(xml, piece, &ok), expected) << piece;
    EXPECT_TRUE(ok) << piece;
  }
}

TEST(XmlReader, RefusesDocumentTypesAndRunawayTagsButNotDepth) {
  bool ok = true;
  Read("<!DOCTYPE x [<!ENTITY a \"aaaa\">]><x>&a;</x>", 7, &ok);
  EXPECT_FALSE(ok);
  Read("<x a=\"" + std::string(XmlReader::kMaxTagBytes, 'a') + "\"/>", 4096, &ok);
  EXPECT_FALSE(ok);
  Read("<x><y", 3, &ok);
  EXPECT_FALSE(ok) << "ends inside a tag";
  std::string deep;
  for (int i = 0; i < 200000; ++i) deep += "<d>";
  EXPECT_EQ(Read(deep + "z", 65536, &ok).size(), 200000u * 3 + 1);
  EXPECT_TRUE(ok);
  // Long text comes in bounded pieces, whole in the end.
  const std::string text(3 * XmlReader::kTextPiece + 5, 'n');
  EXPECT_EQ(Read("<t>" + text + "&amp;</t>", 1000), "<t>" + text + "&</t>");
}

}  // namespace
}  // namespace ravelo
