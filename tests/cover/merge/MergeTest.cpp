#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "cover/merge/CopyFields.h"
#include "cover/merge/FilledTexts.h"
#include "cover/merge/MergeTable.h"
#include "cover/merge/TextFields.h"
#include "platform/Translate.h"
#include "tests/support/TestFiles.h"

TEST(TextFieldsTest, FieldsAreFilledEscapesKeptAndEverythingElsePrintedAsWritten) {
  const std::map<std::string, std::string> line = {{"Title", "Photos"}, {"Disc", "3"}};
  const FieldValues v{17, 100, "07.12.26", &line};
  const struct {
    const char* text;
    const char* filled;
  } cases[] = {
      {"No. {n} of {N}", "No. 17 of 100"},
      {"{n:03}/{N:4}", "017/0100"},
      {"{Title}, disc {Disc} of 7", "Photos, disc 3 of 7"},
      {"printed {date}", "printed 07.12.26"},
      {"{{n}} is {n}", "{n} is 17"},
      {"}} {{ {n}", "} { 17"},
      {"no fields: {{x}} {unknown}", "no fields: {{x}} {unknown}"},  // exactly as today
      {"{n} {unknown} {Title", "17 {unknown} {Title"},               // unclosed stays
      {"{n:} {n:123} {} {n}", "{n:} {n:123} {} 17"},
      {"{Title\r}", "{Title\r}"},  // a field never spans lines
      {"{date}{n}{N}", "07.12.2617100"},
  };
  for (const auto& k : cases) EXPECT_EQ(FillFields(k.text, v), k.filled) << k.text;
  const FieldValues none{-2, 5, "", nullptr};
  EXPECT_EQ(FillFields("{n:03} {Title}", none), "-002 {Title}");

  const std::vector<std::string> columns = {"Title", "Disc"};
  const auto used = FieldsIn("a {Title} {{n}} {n:02} {x}", &columns);
  ASSERT_EQ(used.size(), 2u);
  EXPECT_EQ(used[0].name, "Title");
  EXPECT_EQ(used[0].offset, 2u);
  EXPECT_EQ(used[1].name, "n");
  EXPECT_EQ(used[1].width, 2);
  EXPECT_TRUE(FieldsIn("{Title}").empty());  // without a table a column is no field
  const auto unknown = UnknownColumns("{Title} {Titel} {n}", columns);
  ASSERT_EQ(unknown.size(), 1u);
  EXPECT_EQ(unknown[0].name, "Titel");
  EXPECT_EQ(unknown[0].offset, 8u);
}

TEST(MergeTableTest, DialectsAreFoundAndDamageIsNamed) {
  const struct {
    std::string text;
    char delimiter;
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> lines;
  } good[] = {
      {"Title,Disc\nPhotos,1\r\nMusic,2\n\n",
       ',',
       {"Title", "Disc"},
       {{"Photos", "1"}, {"Music", "2"}}},
      {"Title;Disc\n\"a;b\";\"say \"\"hi\"\"\"\n", ';', {"Title", "Disc"}, {{"a;b", "say \"hi\""}}},
      {"A\tB\tC\n1\t\"two\r\nlines\"\n", '\t', {"A", "B", "C"}, {{"1", "two\rlines", ""}}},
      {"Only\nx\ny", ',', {"Only"}, {{"x"}, {"y"}}},
      {"Name\nZo\xC3\xAB \xC5\x81\xC3\xB3"
       "d\xC5\xBA\n",
       ',',
       {"Name"},
       {{"Zo\xEB L\xF3"
         "dz"}}},
  };
  for (const auto& k : good) {
    MergeTable t;
    std::string error;
    ASSERT_TRUE(ParseMergeTable(k.text, t, error)) << k.text << error;
    EXPECT_EQ(t.delimiter, k.delimiter) << k.text;
    EXPECT_EQ(t.columns, k.columns) << k.text;
    EXPECT_EQ(t.lines, k.lines) << k.text;
  }
  MergeTable t;
  std::string error;
  ASSERT_TRUE(ParseMergeTable(good[4].text, t, error));
  EXPECT_EQ(t.unheld, (std::vector<std::string>{"\xC5\x81", "\xC5\xBA"}));
  EXPECT_EQ(t.line(0).at("Name"),
            "Zo\xEB L\xF3"
            "dz");

  const struct {
    std::string text;
    const char* why;
  } bad[] = {
      {"", "no header"},
      {"\n\n", "no header"},
      {"A,B\n1,2\n\"3,4\n", "on line 3 never ends"},
      {"A,B\n1,2,3\n", "line 2 has 3 fields"},
      {std::string(300, ',') + "\n", "more than 256 fields"},
  };
  for (const auto& k : bad) {
    EXPECT_FALSE(ParseMergeTable(k.text, t, error)) << k.text.substr(0, 20);
    EXPECT_NE(error.find(k.why), std::string::npos) << error;
  }
  std::string many = "A,B\n";
  for (int i = 0; i < 500000; ++i) many += "1,2\n";
  EXPECT_FALSE(ParseMergeTable(many, t, error));
  EXPECT_NE(error.find("more than 1000000 fields"), std::string::npos) << error;

  TempDir dir;  // the file: Windows-1252 without a mark, and what is no table
  WriteBytes(dir.file("latin.csv"), {'N', '\n', 'M', 0xFC, 'l', 'l', 'e', 'r', '\n'});
  ASSERT_TRUE(ReadMergeTable(dir.file("latin.csv"), t, error)) << error;
  EXPECT_EQ(t.lines[0][0], "M\xFCller");
  WriteBytes(dir.file("bin.csv"), {'N', 0, '\n'});
  EXPECT_FALSE(ReadMergeTable(dir.file("bin.csv"), t, error));
  ASSERT_EQ(mkfifo(dir.file("fifo.csv").c_str(), 0600), 0);
  EXPECT_FALSE(ReadMergeTable(dir.file("fifo.csv"), t, error));  // refused at once
}

TEST(FilledTextsTest, ACopyIsDrawnWithItsValuesAndTheDocumentKeepsItsFields) {
  CoverScales scales;
  ObjectTable table(scales);
  table[1].Kind = kText;
  table[1].Text = "Disc {n} of {N}\r{Titel}";
  table[2].Kind = kShape;
  table[2].Text = "{n}";  // shapes hold no fields
  table[3].Kind = kText;
  table[3].Text = "plain {{text}}";
  EXPECT_TRUE(TableHasFields(table));
  MergeTable merge;
  std::string error;
  ASSERT_TRUE(ParseMergeTable("Title\nPhotos\n", merge, error));
  EXPECT_EQ(UnknownFieldPlaces(table, merge),
            (std::vector<std::string>{"object 1, line 2: {Titel}"}));
  {
    const FilledTexts filled(table, {3, 7, "", nullptr});
    EXPECT_EQ(table[1].Text, "Disc 3 of 7\r{Titel}");
    EXPECT_EQ(table[2].Text, "{n}");
    EXPECT_EQ(table[3].Text, "plain {{text}}");
  }
  EXPECT_EQ(table[1].Text, "Disc {n} of {N}\r{Titel}");

  CopyFields copies;  // numbered from the first number, a merge line per copy
  copies.setFirstNumber(10);
  EXPECT_EQ(copies.copiesFor(5), 5);
  EXPECT_EQ(copies.check(table), "");
  EXPECT_EQ(copies.values(2, 5).number, 12);
  ASSERT_TRUE(ParseMergeTable("Titel\nZ\xC5\x82oty\nB\n", merge, error));
  copies.setMerge(std::make_shared<MergeTable>(merge), "discs.csv");
  EXPECT_EQ(copies.copiesFor(5), 2);
  EXPECT_EQ(copies.values(1, 2).columns->at("Titel"), "B");
  EXPECT_EQ(copies.values(0, 2).date, LocaleToday());
  EXPECT_EQ(copies.check(table), "");
  table[3].Text = "{Title}";
  EXPECT_EQ(copies.check(table),
            "These fields name no column of discs.csv:\n  object 3, line 1: {Title}");
  EXPECT_NE(copies.replacedNote().find("\xC5\x82 \xE2\x86\x92 l"), std::string::npos);
}
