// The skill catalogue: rows from NAME,HEADING:NOTE lines, and the file.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "reader/catalogue_file.h"
#include "catalogue/skill_catalogue.h"
#include "encoding/utf8.h"

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

struct SearchCase {
  const char* what;
  std::vector<std::pair<std::string, std::string>> files;  // below the test's folder: name, bytes
  std::size_t rows;                                         // of the catalogue found; 0: none
  std::string file, problem;                                // where it was found; a problem named
};

// The default file is found below the working directory, by its UTF-8 name
// or by the CP932 bytes of the name as a Windows archive leaves them, then
// in the installed data folder; in any encoding; a file that is there but
// cannot be used is named, and the search goes on.
TEST_F(CatalogueFileTest, FoundWhereAUserExpectsIt) {
  const std::string below(Utf8Bytes(u8"Database/技能.txt")), installed(Utf8Bytes(u8"share/roster/技能.txt"));
  const std::vector<SearchCase> cases = {
      {"nowhere", {}, 0, "", ""},
      {"below, UTF-8 name", {{below, "a,A\nb,B\n"}}, 2, below, ""},
      {"below, CP932 name", {{"Database/技能.txt", "a,A\n"}}, 1, "Database/技能.txt", ""},
      {"installed only", {{installed, "a,A\nb,B\nc,C\n"}}, 3, installed, ""},
      {"below wins", {{below, "a,A\n"}, {installed, "a,A\nb,B\n"}}, 1, below, ""},
      {"a UTF-8 catalogue", {{below, std::string(Utf8Bytes(u8"剣士,剣\n魔術師,魔\n"))}}, 2, below, ""},
      {"a folder in its place", {{below + "/x", ""}, {installed, "a,A\n"}}, 1, installed, below + ": "},
      {"characters without a form", {{below, std::string(Utf8Bytes(u8"剣士,剣\n雪,☃\n"))}}, 0, "",
       below + ": line 2: the character U+2603"},
  };
  const std::filesystem::path before = std::filesystem::current_path();
  const char* dataDirs = std::getenv("XDG_DATA_DIRS");
  const std::string saved = dataDirs ? dataDirs : "";
  for (const SearchCase& c : cases) {
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    std::filesystem::current_path(dir_);
    setenv("XDG_DATA_DIRS", (dir_ / "share").c_str(), 1);
    for (const auto& [name, bytes] : c.files) {
      std::filesystem::create_directories(std::filesystem::path(name).parent_path());
      if (!name.ends_with("/x")) std::ofstream(name, std::ios::binary) << bytes;
    }
    const CatalogueSearch search = FindSkillCatalogue();
    EXPECT_EQ(search.catalogue ? search.catalogue->Rows().size() : 0u, c.rows) << c.what;
    EXPECT_TRUE(search.file == c.file || search.file.ends_with("/" + c.file)) << c.what << ": " << search.file;
    if (c.problem.empty()) {
      EXPECT_TRUE(search.problems.empty()) << c.what << ": " << testing::PrintToString(search.problems);
    } else {
      ASSERT_EQ(search.problems.size(), 1u) << c.what;
      EXPECT_EQ(search.problems[0].substr(0, c.problem.size()), c.problem) << c.what;
    }
    if (!search.catalogue) {
      EXPECT_EQ(search.looked.back(), (dir_ / "share").string() + "/" + installed.substr(6)) << c.what;
    }
  }
  std::filesystem::current_path(before);
  if (dataDirs) {
    setenv("XDG_DATA_DIRS", saved.c_str(), 1);
  } else {
    unsetenv("XDG_DATA_DIRS");
  }
}

}  // namespace
}  // namespace roster
