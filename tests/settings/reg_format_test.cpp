// The .reg reader and writer and the text conversions under them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "settings/reg_document.h"
#include "settings/reg_parser.h"
#include "settings/reg_writer.h"
#include "settings/text_encoding.h"

namespace zavo {
namespace {

using ::testing::HasSubstr;

const std::string kKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\T";

RegDocument Load(std::string_view bytes) {
  RegDocument doc;
  doc.Apply(ParseRegFile(bytes));
  return doc;
}

const RegValue* Value(const RegDocument& doc, const std::string& path, const std::string& name) {
  const RegKey* key = doc.Find(path);
  return key ? key->FindValue(name) : nullptr;
}

std::vector<uint8_t> Wide(std::u16string_view s) {
  return Utf16ToLeBytes(s);
}

TEST(RegParser, ValueForms) {
  struct Case {
    const char* line;
    RegValue value;
  };
  const Case cases[] = {
      {R"("v"="plain")", RegValue::String("plain")},
      {R"("v"="a\\b \"q\" x,y=z")", RegValue::String("a\\b \"q\" x,y=z")},
      {R"("v"="two\nlines\r")", RegValue::String("two\nlines\r")},
      {R"("v"="")", RegValue::String("")},
      {R"("v"="x" ; comment)", RegValue::String("x")},
      {R"("v"=dword:0000000a)", RegValue::Dword(10)},
      {R"("v"=DWORD:FFFFFFFF)", RegValue::Dword(0xFFFFFFFF)},
      {R"("v"=dword:7)", RegValue::Dword(7)},
      {R"("v"=hex:01,ab,FF)", RegValue{kRegBinary, {1, 0xab, 0xff}}},
      {R"("v"=hex:)", RegValue{kRegBinary, {}}},
      {R"("v"=hex(b):01,00,00,00,00,00,00,00)", RegValue{11, {1, 0, 0, 0, 0, 0, 0, 0}}},
      {"\"v\"=hex(2):25,00,41,00,\\\n  25,00,00,00",
       RegValue{kRegExpandSz, Wide(std::u16string(u"%A%\0", 4))}},
      {"\"v\"=hex(7):61,00,00,00,\\\r\n    62,00,00,00,00,00",
       RegValue{kRegMultiSz, Wide(std::u16string(u"a\0b\0\0", 5))}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    RegDocument doc =
        Load("Windows Registry Editor Version 5.00\r\n\r\n[" + kKey + "]\r\n" + c.line + "\r\n");
    const RegValue* v = Value(doc, kKey, "v");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(*v, c.value);
  }
}

TEST(RegParser, KeysNamesCommentsAndDeletions) {
  RegDocument doc = Load(
      "Windows Registry Editor Version 5.00\n"
      "; a comment\n"
      "[HKLM\\SOFTWARE\\T]\n"
      "@=\"default\"\n"
      "\"na\\\"me\"=\"1\"\n"
      "\"Gone\"=\"x\"\n"
      "   \"Indented\"=dword:00000001\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\T\\Sub]\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\T\\Old]\n"
      "\"x\"=\"y\"\n"
      "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\T\\Old]\n"
      "\"ignored\"=\"under a deleted key\"\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\T]\n"
      "\"Gone\"=-\n"
      "[HKEY_CURRENT_USER\\Other]\n"
      "\"kept\"=\"too\"\n");
  EXPECT_EQ(*Value(doc, kKey, ""), RegValue::String("default"));
  EXPECT_EQ(*Value(doc, kKey, "na\"me"), RegValue::String("1"));
  EXPECT_EQ(*Value(doc, kKey, "indented"), RegValue::Dword(1));
  EXPECT_EQ(Value(doc, kKey, "Gone"), nullptr);
  EXPECT_NE(doc.Find(kKey + "\\Sub"), nullptr);
  EXPECT_EQ(doc.Find(kKey + "\\Old"), nullptr);
  EXPECT_EQ(*Value(doc, "HKEY_CURRENT_USER\\Other", "kept"), RegValue::String("too"));
}

TEST(RegParser, EncodingsOfTheFile) {
  const RegValue gruesse = RegValue::String(
      "Gr\xC3\xBC\xC3\x9F"
      "e \xE2\x82\xAC");
  const std::string body = "[" + kKey +
                           "]\r\n\"v\"=\"Gr\xC3\xBC\xC3\x9F"
                           "e \xE2\x82\xAC\"\r\n";
  std::vector<uint8_t> utf16 =
      RegWriter::EncodeWindowsFile("Windows Registry Editor Version 5.00\r\n" + body);
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"UTF-16LE with BOM", std::string(utf16.begin(), utf16.end())},
      {"UTF-8 version 5", "Windows Registry Editor Version 5.00\r\n" + body},
      {"UTF-8 with BOM", "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n" + body},
      {"UTF-8 REGEDIT4", "REGEDIT4\r\n" + body},
      {"Windows-1252 REGEDIT4", "REGEDIT4\r\n[" + kKey +
                                    "]\r\n\"v\"=\"Gr\xFC\xDF"
                                    "e \x80\"\r\n"},
      {"REGEDIT4 hex(1) in the code page",
       "REGEDIT4\r\n[" + kKey + "]\r\n\"v\"=hex(1):47,72,fc,df,65,20,80,00\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RegDocument doc = Load(c.bytes);
    const RegValue* v = Value(doc, kKey, "v");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(*v, gruesse);
  }
}

TEST(RegParser, ErrorsNameTheLine) {
  struct Case {
    std::string text;
    int line;
    const char* message;
  };
  const std::string h = "Windows Registry Editor Version 5.00\n";
  const Case cases[] = {
      {"", 1, "not a registry file"},
      {"REGEDIT5\n[HKLM\\X]\n", 1, "not a registry file"},
      {h + "\n[HKLM\\X\n", 3, "missing ']'"},
      {h + "[HKXX\\X]\n", 2, "unknown root key 'HKXX'"},
      {h + "[HKLM\\X\\\\Y]\n", 2, "empty key name"},
      {h + "\"v\"=\"x\"\n", 2, "value outside of a key"},
      {h + "[HKLM\\X]\n\"v\"=\"a\\tb\"\n", 3, "unknown escape sequence '\\t'"},
      {h + "[HKLM\\X]\n\"v\"=\"open\n", 3, "missing closing quote"},
      {h + "[HKLM\\X]\n\"v\"=dword:123456789\n", 3, "dword:"},
      {h + "[HKLM\\X]\n\"v\"=dword:\n", 3, "dword:"},
      {h + "[HKLM\\X]\n\"v\"=hex:01,zz\n", 3, "bad hex byte"},
      {h + "[HKLM\\X]\n\"v\"=hex:01,\\\n 02 03\n", 4, "missing ','"},
      {h + "[HKLM\\X]\n\"v\"=hex:01,\\", 3, "continuation"},
      {h + "[HKLM\\X]\n\"v\" \"x\"\n", 3, "missing '='"},
      {h + "[HKLM\\X]\n\"v\"=word:1\n", 3, "unrecognised value data"},
      {h + "[HKLM\\X]\n\"v\"=\"x\" y\n", 3, "unexpected text"},
      {h + "[HKLM\\X]\ngarbage\n", 3, "unrecognised line"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      ParseRegFile(c.text);
      ADD_FAILURE() << "parsed";
    } catch (const RegParseError& e) {
      EXPECT_EQ(e.line(), c.line);
      EXPECT_THAT(e.what(), HasSubstr(c.message));
      EXPECT_THAT(e.what(), HasSubstr("line " + std::to_string(c.line) + ": "));
    }
  }
}

TEST(RegWriter, WhatItWritesReadsBackTheSame) {
  RegDocument doc;
  RegKey& key = doc.Ensure(kKey + "\\Awkward [key] name");
  key.SetValue("", RegValue::String("default"));
  key.SetValue("quote\" back\\slash",
               RegValue::String("C:\\dir\\ \"x\" a,b=c \xC3\xBC \xF0\x9F\x98\x80"));
  key.SetValue("Lines", RegValue::String("one\r\ntwo"));
  key.SetValue("Unterminated", RegValue{kRegSz, Wide(u"abc")});
  key.SetValue("Lone surrogate", RegValue{kRegSz, Wide(std::u16string(u"a\xD800z\0", 4))});
  key.SetValue("Expand", RegValue{kRegExpandSz, Wide(std::u16string(u"%PATH%\0", 7))});
  key.SetValue("Dword", RegValue::Dword(0x80000000));
  key.SetValue("Short dword", RegValue{kRegDword, {1, 2}});
  key.SetValue("Big", RegValue{kRegBinary, std::vector<uint8_t>(100, 0xA5)});
  key.SetValue("None", RegValue{kRegNone, {}});
  doc.Ensure("HKEY_CURRENT_USER\\Elsewhere").SetValue("x", RegValue::Dword(1));
  doc.Ensure(kKey + "\\Empty key");

  RegWriter writer;
  writer.AddDocument(doc);
  std::vector<uint8_t> bytes = RegWriter::EncodeWindowsFile(writer.text());
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xFE);
  EXPECT_THAT(writer.text(), ::testing::StartsWith("Windows Registry Editor Version 5.00\r\n"));
  EXPECT_THAT(writer.text(), HasSubstr("\"Dword\"=dword:80000000\r\n"));
  EXPECT_THAT(writer.text(), HasSubstr("\"Lines\"=hex(1):"));
  for (const auto& [name, value] : key.values())
    EXPECT_EQ(name == "Lines" || name == "Unterminated" || name == "Lone surrogate",
              writer.text().find("\"" + name + "\"=hex(1)") != std::string::npos)
        << name;

  RegDocument back = Load(std::string(bytes.begin(), bytes.end()));
  RegWriter again;
  again.AddDocument(back);
  EXPECT_EQ(again.text(), writer.text());
  const RegKey* read = back.Find(kKey + "\\Awkward [key] name");
  ASSERT_NE(read, nullptr);
  for (const auto& [name, value] : key.values()) {
    ASSERT_NE(read->FindValue(name), nullptr) << name;
    EXPECT_EQ(*read->FindValue(name), value) << name;
  }
  EXPECT_NE(back.Find(kKey + "\\Empty key"), nullptr);
}

TEST(TextEncoding, Conversions) {
  EXPECT_TRUE(
      IsValidUtf8("Gr\xC3\xBC\xC3\x9F"
                  "e \xF0\x9F\x98\x80"));
  for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\xFC"})
    EXPECT_FALSE(IsValidUtf8(bad)) << bad;
  EXPECT_EQ(Windows1252ToUtf8("\x80\x9F\xFC\x81"), "\xE2\x82\xAC\xC5\xB8\xC3\xBC\xC2\x81");
  std::u16string lone =
      u"a\xDC00"
      u"b\xD83D";
  EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(lone)), lone);
  EXPECT_EQ(Utf8ToUtf16("\xFF"
                        "a"),
            u"\xFFFD"
            u"a");
  EXPECT_EQ(Utf16ToUtf8(u"\xD83D\xDE00"), "\xF0\x9F\x98\x80");
}

}  // namespace
}  // namespace zavo
