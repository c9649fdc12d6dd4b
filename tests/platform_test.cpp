// The platform seam: conversions to code page 932, files replaced whole and
// files mapped.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/platform.h"
#include "support/conversion_cases.h"

namespace roster {
namespace {

namespace fs = std::filesystem;

// The same table runs under Wine against the Windows conversions.
TEST(Conversions, ToCp932AsOnEveryPlatform) {
  for (const std::string& failure : ConversionFailures()) ADD_FAILURE() << failure;
}

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

struct ReplacementCase {
  const char* what;
  bool exists, link, commit;
  mode_t mode;  // of the existing file
};

// The file changes only on Commit, keeps its mode, and a link keeps
// pointing at its target, which is replaced; nothing is left behind.
TEST(FileReplacement, ReplacesWholeOrNotAtAll) {
  const fs::path dir = fs::temp_directory_path() / "roster_platform_test";
  const std::vector<ReplacementCase> cases = {
      {"a new file", false, false, true, 0},
      {"an existing file keeps its mode", true, false, true, 0640},
      {"a link has its target replaced", true, true, true, 0604},
      {"abandoned: the file as it was", true, false, false, 0600},
      {"abandoned: no new file", false, false, false, 0},
  };
  for (const ReplacementCase& c : cases) {
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path target = dir / "roster.txt", name = c.link ? dir / "link.txt" : target;
    if (c.exists) {
      std::ofstream(target, std::ios::binary) << "old";
      chmod(target.c_str(), c.mode);
    }
    if (c.link) fs::create_symlink(target.filename(), name);
    {
      std::optional<FileReplacement> replacement = FileReplacement::Begin(name.string());
      ASSERT_TRUE(replacement) << c.what;
      ASSERT_TRUE(replacement->Write("new ")) << c.what;
      ASSERT_TRUE(replacement->Write("text")) << c.what;
      EXPECT_EQ(Contents(target), c.exists ? "old" : "") << c.what;
      if (c.commit) {
        EXPECT_TRUE(replacement->Commit()) << c.what;
      }
    }
    EXPECT_EQ(Contents(target), c.commit ? "new text" : c.exists ? "old" : "") << c.what;
    EXPECT_EQ(fs::exists(target), c.commit || c.exists) << c.what;
    if (c.link) {
      EXPECT_TRUE(fs::is_symlink(name)) << c.what;
    }
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info) == 0, c.exists || c.commit) << c.what;
    if (c.exists) {
      EXPECT_EQ(info.st_mode & 07777, c.mode) << c.what;
    }
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir)) ++files;
    EXPECT_EQ(files, (c.commit || c.exists ? 1u : 0u) + (c.link ? 1u : 0u)) << c.what << ": a temporary file is left";
  }
  // Another hard link sees the new contents; a pipe is written to, and
  // stays a pipe.
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::ofstream(dir / "a.txt") << "old";
  fs::create_hard_link(dir / "a.txt", dir / "b.txt");
  EXPECT_TRUE(ReplaceFileContents((dir / "a.txt").string(), "new"));
  EXPECT_EQ(Contents(dir / "b.txt"), "new");
  EXPECT_EQ(fs::hard_link_count(dir / "a.txt"), 2u);
  ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
  std::string piped;
  std::thread reader([&] { piped = Contents(dir / "fifo"); });
  EXPECT_TRUE(ReplaceFileContents((dir / "fifo").string(), "through"));
  reader.join();
  EXPECT_EQ(piped, "through");
  EXPECT_TRUE(fs::is_fifo(dir / "fifo"));
  std::string reason;
  EXPECT_FALSE(ReplaceFileContents("/dev/full", "x", &reason));
  EXPECT_EQ(reason, std::strerror(ENOSPC));
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  EXPECT_FALSE(ReplaceFileContents((dir / "no-such-folder" / "x.txt").string(), "x", &reason));
  EXPECT_NE(reason.find("No such file"), std::string::npos) << reason;
  fs::remove_all(dir);
}

// A mapped file that another program cuts reads as zeros past its new end
// instead of ending the program with SIGBUS; one rewritten in place is told
// by its stamp.
TEST(FileMapping, TellsAFileChangedUnderIt) {
  const fs::path file = fs::temp_directory_path() / "roster_mapping_test.txt";
  const std::string bytes(256 * 1024, 'x');
  struct Case {
    const char* what;
    void (*change)(int descriptor);
    std::string read;
  };
  const Case cases[] = {
      {"untouched", [](int) {}, bytes},
      {"cut to a page", [](int d) { ASSERT_EQ(ftruncate(d, 4096), 0); }, bytes.substr(0, 4096) + std::string(bytes.size() - 4096, '\0')},
      {"rewritten in place",
       [](int d) {
         ASSERT_EQ(pwrite(d, "y", 1, 0), 1);
         const timespec later[2] = {{0, UTIME_OMIT}, {std::time(nullptr) + 5, 0}};
         ASSERT_EQ(futimens(d, later), 0);
       },
       "y" + bytes.substr(1)},
  };
  for (const Case& c : cases) {
    std::ofstream(file, std::ios::binary) << bytes;
    std::FILE* opened = std::fopen(file.c_str(), "rb");
    ASSERT_NE(opened, nullptr);
    std::optional<FileMapping> mapping = FileMapping::Of(opened);
    std::fclose(opened);
    ASSERT_TRUE(mapping) << c.what;
    const int descriptor = open(file.c_str(), O_WRONLY);
    c.change(descriptor);
    close(descriptor);
    EXPECT_EQ(mapping->View(), c.read) << c.what;
    EXPECT_EQ(mapping->Intact(), c.read == bytes) << c.what;
  }
  fs::remove(file);
}

}  // namespace
}  // namespace roster
