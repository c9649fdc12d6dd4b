// The skill catalogue: rows from NAME,HEADING:NOTE lines, and the file.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "app/catalogue_file.h"
#include "catalogue/skill_catalogue.h"
#include "platform/utf8.h"

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

TEST_F(CatalogueFileTest, LoadsAFileAndSaysWhenItCannot) {
  const std::optional<SkillCatalogue> catalogue =
      LoadSkillCatalogueFile(Write("skills.txt", "ソーサラー,ソ:魔法\r\nスカウト,ス"));
  ASSERT_TRUE(catalogue);
  const std::vector<SkillData> expected = {Row("ソーサラー", "ソ", "魔法"), Row("スカウト", "ス", "")};
  EXPECT_EQ(catalogue->Rows(), expected);
  std::string error;
  EXPECT_FALSE(LoadSkillCatalogueFile((dir_ / "missing.txt").string(), &error));
  EXPECT_NE(error.find("No such file"), std::string::npos) << error;
}

// The default file is found below the working directory, by its UTF-8 name
// or by the CP932 bytes of the name as a Windows archive leaves them.
TEST_F(CatalogueFileTest, DefaultFileBelowTheWorkingDirectory) {
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(dir_);
  EXPECT_FALSE(LoadSkillCatalogue());
  std::filesystem::create_directories("Database");
  for (const std::string& name : {std::string(Utf8Bytes(u8"Database/技能.txt")), std::string("Database/技能.txt")}) {
    std::ofstream(name, std::ios::binary) << "a,A\nb,B\n";
    const std::optional<SkillCatalogue> catalogue = LoadSkillCatalogue();
    EXPECT_EQ(catalogue ? catalogue->Rows().size() : 0u, 2u) << testing::PrintToString(name);
    std::filesystem::remove(name);
  }
  std::filesystem::current_path(before);
}

}  // namespace
}  // namespace roster
