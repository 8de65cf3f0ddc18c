// Saving the settings file at the file-size limit, after earlier saves were killed midway, and beside a busy writer.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"
#include "temp_folder.h"

namespace hexcribe {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::U16;
using testing::WriteBytes;

const std::string kOld = "[gen]\r\nmlang_text=4100\r\n";

struct LimitCase {
  const char* name;
  rlim_t limit;        // RLIMIT_FSIZE for the saving process
  const char* value;   // new mlang_text
  bool saved;          // expected result of the write
};

class FileSizeLimitTest : public ::testing::TestWithParam<LimitCase> {};

// A save larger than the limit fails cleanly: the process is not killed by
// SIGXFSZ, the old file stays whole and no temporary file is left.
TEST_P(FileSizeLimitTest, SaveEitherSucceedsOrLeavesTheOldFile) {
  const LimitCase& c = GetParam();
  TempFolder dir;
  const std::string file = dir / "setting.ini";
  WriteBytes(file, kOld);
  const std::string expected = "[gen]\r\nmlang_text=" + std::string(c.value) + "\r\n";

  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const struct rlimit limit {c.limit, c.limit};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(3);
    const bool ok = platform::WriteProfileString(u"gen", u"mlang_text", U16(c.value), U16(file));
    _exit(ok ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "the saving process was killed by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), c.saved ? 0 : 1);
  EXPECT_EQ(ReadBytes(file), c.saved ? expected : kOld);
  EXPECT_EQ(dir.Listing(), "setting.ini");
}

INSTANTIATE_TEST_SUITE_P(
    Limits, FileSizeLimitTest,
    ::testing::Values(LimitCase{"BelowOldSize", 8, "42004300", false},
                      LimitCase{"BelowNewSize", kOld.size() + 2, "420043004400", false},
                      LimitCase{"ExactlyNewSize", kOld.size() + 4, "42004300", true},
                      LimitCase{"Unlimited", RLIM_INFINITY, "420043004400", true}),
    [](const ::testing::TestParamInfo<LimitCase>& param) { return std::string(param.param.name); });

// Temporary files of saves that were killed before their rename are removed by
// the next save; files that merely look similar are not.
TEST(StaleTemporaries, NextSaveRemovesThemAndNothingElse) {
  TempFolder dir;
  const std::string file = dir / "setting.ini";
  WriteBytes(file, kOld);
  for (const char* name : {".setting.ini.tmp-AbC123", ".setting.ini.tmp-zz9999", ".setting.ini.tmp-toolong1",
                           ".other.ini.tmp-AbC123", "setting.ini.bak"}) {
    WriteBytes(dir / name, "x");
  }
  ASSERT_TRUE(platform::WriteProfileString(u"gen", u"mlang_text", u"42004300", U16(file)));
  EXPECT_EQ(ReadBytes(file), "[gen]\r\nmlang_text=42004300\r\n");
  EXPECT_EQ(dir.Listing(), ".other.ini.tmp-AbC123 .setting.ini.tmp-toolong1 setting.ini setting.ini.bak");
}

// One instance saving in a tight loop must not starve another one's save: every
// save of the second instance succeeds and its key is there afterwards.
TEST(ConcurrentSaves, ABusyWriterDoesNotMakeAnotherSaveGiveUp) {
  TempFolder dir;
  const std::string file = dir / "setting.ini";
  WriteBytes(file, kOld);
  const pid_t busy = fork();
  ASSERT_GE(busy, 0);
  if (busy == 0) {
    for (int i = 0; i < 3000; ++i) {
      if (!platform::WriteProfileString(u"gen", u"busy", U16(std::to_string(i)), U16(file))) _exit(1);
    }
    _exit(0);
  }
  int failures = 0;
  for (int i = 0; i < 200; ++i) {
    const std::u16string key = u"k" + U16(std::to_string(i));
    if (!platform::WriteProfileString(u"gen", key, u"1", U16(file))) ++failures;
  }
  int status = 0;
  ASSERT_EQ(waitpid(busy, &status, 0), busy);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(failures, 0) << "saves gave up while another instance was saving";
  for (int i = 0; i < 200; ++i) {
    const std::u16string key = u"k" + U16(std::to_string(i));
    EXPECT_EQ(platform::GetProfileString(u"gen", key, u"lost", 10, U16(file)), u"1");
  }
}

}  // namespace
}  // namespace hexcribe
