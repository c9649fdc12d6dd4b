// The skill catalogue: rows from NAME,HEADING:NOTE lines, and the file.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "catalogue/skill_catalogue.h"

namespace roster {
namespace {

SkillData Row(std::string name, std::string heading, std::string note) {
  SkillData row;
  row.name = std::move(name);
  row.heading = std::move(heading);
  row.note = std::move(note);
  return row;
}

struct ParseCase {
  std::string line;
  SkillData expected;
};

TEST(SkillData, ParseTakesNameHeadingAndNote) {
  const std::vector<ParseCase> cases = {
      {"ファイター,ﾌｧ:戦士技能", Row("ファイター", "ﾌｧ", "戦士技能")},
      {"ファイター,ﾌｧ", Row("ファイター", "ﾌｧ", "")},
      {"ファイター,ﾌｧ:", Row("ファイター", "ﾌｧ", "")},
      {"a,b:note:rest", Row("a", "b", "note")},
      {"a,b,c:n", Row("a", "b", "n")},
      {" a , b :n", Row(" a ", " b ", "n")},
      {"単独", Row("単独", "", "")},
      {"戦士,|", Row("戦士", "|", "")},
      {"ソード,ソ:", Row("ソード", "ソ", "")},
  };
  for (const ParseCase& c : cases) {
    SkillData row;
    row.Parse(c.line);
    EXPECT_EQ(row, c.expected) << c.line;
  }
}

struct LoadCase {
  std::string text;
  std::vector<SkillData> expected;
};

TEST(SkillCatalogue, LoadTextReadsOneRowPerLine) {
  const std::vector<LoadCase> cases = {
      {"", {}},
      {"a,A", {Row("a", "A", "")}},
      {"a,A\n", {Row("a", "A", "")}},
      {"a,A\r\nb,B\r\n", {Row("a", "A", ""), Row("b", "B", "")}},
      {"a,A\nb,B", {Row("a", "A", ""), Row("b", "B", "")}},
      {"a,A\n\n\nb,B\n\n", {Row("a", "A", ""), Row("b", "B", "")}},
      {"a,A\na,B", {Row("a", "A", ""), Row("a", "B", "")}},
      {"noheading\r\n", {Row("noheading", "", "")}},
  };
  for (const LoadCase& c : cases) {
    SkillCatalogue catalogue;
    catalogue.LoadText(c.text);
    EXPECT_EQ(catalogue.Rows(), c.expected) << c.text;
  }
}

TEST(SkillCatalogue, RowsIsACopy) {
  SkillCatalogue catalogue;
  catalogue.Append(Row("a", "A", ""));
  std::vector<SkillData> rows = catalogue.Rows();
  rows[0].name = "changed";
  EXPECT_EQ(catalogue.Rows()[0].name, "a");
}

class CatalogueFileTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("roster_catalogue_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string Write(const std::string& fileName, const std::string& bytes) {
    const std::string path = (dir_ / fileName).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  std::filesystem::path dir_;
};

TEST_F(CatalogueFileTest, LoadFileAppendsAndMissingFileLeavesRows) {
  SkillCatalogue catalogue;
  catalogue.Append(Row("first", "F", ""));
  EXPECT_TRUE(catalogue.LoadFile(Write("skills.txt", "ソーサラー,ソ:魔法\r\nスカウト,ス")));
  EXPECT_FALSE(catalogue.LoadFile((dir_ / "missing.txt").string()));
  const std::vector<SkillData> expected = {Row("first", "F", ""), Row("ソーサラー", "ソ", "魔法"),
                                           Row("スカウト", "ス", "")};
  EXPECT_EQ(catalogue.Rows(), expected);
}

// The default file is found below the working directory by its UTF-8 name,
// or by the CP932 bytes of the name as a Windows archive leaves them.
TEST_F(CatalogueFileTest, DefaultNamesInUtf8AndCp932) {
  const std::vector<std::string> names = DefaultCatalogueFileNames();
  ASSERT_EQ(names.size(), 2u);
  const std::u8string utf8 = u8"Database/技能.txt";
  EXPECT_EQ(names[0], std::string(utf8.begin(), utf8.end()));
  EXPECT_EQ(names[1], "Database/\x8B\x5A\x94\x5C.txt");
  for (const std::string& name : names) {
    std::filesystem::create_directories(dir_ / "Database");
    Write(name, "a,A\n");
    SkillCatalogue catalogue;
    EXPECT_TRUE(catalogue.LoadFile((dir_ / name).string()));
    EXPECT_EQ(catalogue.Rows().size(), 1u);
    std::filesystem::remove_all(dir_ / "Database");
  }
}

}  // namespace
}  // namespace roster
