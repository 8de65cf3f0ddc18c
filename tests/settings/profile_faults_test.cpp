// Faults a user or the system can cause around the settings file: nothing crashes, nothing is lost.
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "settings/file_probes.h"
#include "settings/profile_values.h"
#include "temp_folder.h"
#include "utf16_bytes.h"

namespace hexcribe {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::U16;
using testing::WriteBytes;

constexpr uid_t kNobody = 65534;

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 ? st.st_mode : 0;
}

// The key writer `who` adds in its save number i: "a0", "a1", ...
std::u16string KeyFor(char who, int i) {
  std::u16string key = U16(std::to_string(i));
  key.insert(key.begin(), char16_t(who));
  return key;
}

// Runs body in a child process and gives its exit status (128 + signal when killed).
int RunInChild(const std::function<int()>& body) {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(body());
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

struct Fault {
  const char* name;
  std::function<void(const TempFolder&, std::string& path)> prepare;  // may move the settings path
  std::u16string faceRead;                                            // what reading "uni_font" gives
  std::u16string textRead;                                            // what reading "mlang_text" gives
  bool saved;                                                         // whether saving "Courier" succeeds
  std::function<void(const TempFolder&, const std::string& path, const std::string& before)> check;
};

void Unchanged(const TempFolder&, const std::string& path, const std::string& before) {
  EXPECT_EQ(ReadBytes(path).value_or("<missing>"), before);
}

void KeptAndSaved(const TempFolder&, const std::string& path, const std::string& before) {
  const std::string after = ReadBytes(path).value_or("");
  EXPECT_EQ(after.substr(0, before.size()), before);
  EXPECT_EQ(ReadProfileValue(u"gen", u"uni_font", u"Tahoma", 0, StoredForm::kPlain, U16(path)), u"Courier");
}

TEST(ProfileFaults, NothingCrashesAndNoSavedDataIsLost) {
  const std::string junk("\x00\xFF\xFE\x01[\x00gen]\r\n\x80\x81=\x00\x00", 16);
  const std::vector<Fault> faults = {
      {"missing folder",
       [](const TempFolder& dir, std::string& path) { path = dir / "missing/setting.ini"; },
       u"Tahoma", u"", false,
       [](const TempFolder& dir, const std::string&, const std::string&) { EXPECT_EQ(dir.Listing(), ""); }},
      {"read-only file",
       [](const TempFolder&, std::string& path) {
         WriteBytes(path, "[gen]\r\nuni_font=Arial\r\n");
         ::chmod(path.c_str(), 0444);
       },
       u"Arial", u"", false,
       [](const TempFolder& dir, const std::string& path, const std::string& before) {
         Unchanged(dir, path, before);
         EXPECT_EQ(ModeOf(path) & 07777, 0444u);
       }},
      {"settings path is a folder",
       [](const TempFolder&, std::string& path) { ::mkdir(path.c_str(), 0700); },
       u"Tahoma", u"", false,
       [](const TempFolder&, const std::string& path, const std::string&) { EXPECT_TRUE(S_ISDIR(ModeOf(path))); }},
      {"settings path is a FIFO",
       [](const TempFolder&, std::string& path) { ::mkfifo(path.c_str(), 0600); },
       u"Tahoma", u"", false,
       [](const TempFolder&, const std::string& path, const std::string&) { EXPECT_TRUE(S_ISFIFO(ModeOf(path))); }},
      {"symlink dangling into a missing folder",
       [](const TempFolder& dir, std::string& path) { EXPECT_EQ(::symlink((dir / "gone/real.ini").c_str(), path.c_str()), 0); },
       u"Tahoma", u"", false,
       [](const TempFolder&, const std::string& path, const std::string&) { EXPECT_TRUE(S_ISLNK(ModeOf(path))); }},
      {"symlink loop",
       [](const TempFolder&, std::string& path) { EXPECT_EQ(::symlink(path.c_str(), path.c_str()), 0); },
       u"Tahoma", u"", false, nullptr},
      {"file too big to be ours",
       [](const TempFolder&, std::string& path) {
         const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0600);
         EXPECT_EQ(::ftruncate(fd, 65 * 1024 * 1024), 0);
         ::close(fd);
       },
       u"Tahoma", u"", false,
       [](const TempFolder&, const std::string& path, const std::string&) {
         struct stat st {};
         ::stat(path.c_str(), &st);
         EXPECT_EQ(st.st_size, 65 * 1024 * 1024);
       }},
      {"binary junk with NUL bytes",
       [&junk](const TempFolder&, std::string& path) { WriteBytes(path, junk); },
       u"Tahoma", u"", true, KeptAndSaved},
      {"a 10 MB line",
       [](const TempFolder&, std::string& path) {
         WriteBytes(path, "[gen]\r\nnote=" + std::string(10 * 1024 * 1024, 'n') + "\r\nuni_font=Arial");
       },
       u"Arial", u"", true,
       [](const TempFolder&, const std::string& path, const std::string& before) {
         // Only the face line changes.
         std::string expected = before;
         const std::size_t at = expected.find("uni_font=Arial\r\n");
         ASSERT_NE(at, std::string::npos);
         expected.replace(at, 14, "uni_font=Courier");
         EXPECT_EQ(ReadBytes(path), expected);
       }},
      {"UTF-16LE file written on Windows",
       [](const TempFolder&, std::string& path) {
         WriteBytes(path, testing::Utf16LeFile(u"[gen]\r\nuni_font=\uB9D1\uC740 \uACE0\uB515\r\nmlang_text=5CD5\r\n"));
       },
       u"\uB9D1\uC740 \uACE0\uB515", u"\uD55C", true,
       [](const TempFolder&, const std::string& path, const std::string&) {
         EXPECT_EQ(ReadBytes(path), testing::Utf16LeFile(u"[gen]\r\nuni_font=Courier\r\nmlang_text=5CD5\r\n"));
         EXPECT_EQ(ReadProfileValue(u"gen", u"mlang_text", u"", 2048, StoredForm::kHex, U16(path)), u"\uD55C");
       }},
      {"symlinked file",
       [](const TempFolder& dir, std::string& path) {
         ::mkdir((dir / "elsewhere").c_str(), 0700);
         WriteBytes(dir / "elsewhere/real.ini", "[gen]\r\nuni_font=Arial\r\n");
         EXPECT_EQ(::symlink("elsewhere/real.ini", path.c_str()), 0);
       },
       u"Arial", u"", true,
       [](const TempFolder& dir, const std::string& path, const std::string&) {
         EXPECT_TRUE(S_ISLNK(ModeOf(path)));
         EXPECT_EQ(ReadBytes(dir / "elsewhere/real.ini"), "[gen]\r\nuni_font=Courier\r\nmlang_text=\r\n");
         EXPECT_EQ(dir.Listing(), "elsewhere setting.ini");
       }},
      {"permission bits and owner kept",
       [](const TempFolder&, std::string& path) {
         WriteBytes(path, "[gen]\r\nuni_font=Arial\r\n");
         ::chmod(path.c_str(), 0640);
         if (::geteuid() == 0) {
           EXPECT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
         }
       },
       u"Arial", u"", true,
       [](const TempFolder&, const std::string& path, const std::string&) {
         struct stat st {};
         ASSERT_EQ(::stat(path.c_str(), &st), 0);
         EXPECT_EQ(st.st_mode & 07777, 0640u);
         if (::geteuid() == 0) {
           EXPECT_EQ(st.st_uid, kNobody);
         }
       }},
  };
  for (const auto& fault : faults) {
    SCOPED_TRACE(fault.name);
    TempFolder dir;
    std::string path = dir / "setting.ini";
    fault.prepare(dir, path);
    const std::u16string file = U16(path);
    EXPECT_EQ(ReadProfileValue(u"gen", u"uni_font", u"Tahoma", 0, StoredForm::kPlain, file), fault.faceRead);
    // Reading the text may add an empty "mlang_text=" line; the save is checked against that.
    EXPECT_EQ(ReadProfileValue(u"gen", u"mlang_text", u"", 2048, StoredForm::kHex, file), fault.textRead);
    const std::string before = ReadBytes(path).value_or("");
    EXPECT_EQ(WriteProfileValue(u"gen", u"uni_font", u"Courier", StoredForm::kPlain, file), fault.saved);
    if (fault.check) fault.check(dir, path, before);
  }
}

TEST(ProfileFaults, AnExistingUnreadableFileIsNeverTruncated) {
  TempFolder dir;
  const std::string path = dir / "setting.ini";
  const std::string content = "[gen]\r\nuni_font=Arial\r\nmlang_text=4100\r\n";
  WriteBytes(path, content);
  // Writable but not readable: the case where creating "the missing file" with
  // truncation would wipe the user's settings. Root reads every file, so the
  // program runs as "nobody" in a child process.
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
  }
  ASSERT_EQ(::chmod(path.c_str(), 0200), 0);
  ASSERT_EQ(::chmod(dir.path().c_str(), 0777), 0);
  const int status = RunInChild([&] {
    if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) return 90;
    if (ReadBytes(path)) return 91;  // still readable: the check would prove nothing
    const std::u16string file = U16(path);
    if (PathExists(file)) return 1;
    if (ReadProfileValue(u"gen", u"uni_font", u"Tahoma", 0, StoredForm::kPlain, file) != u"Tahoma") return 2;
    if (ReadProfileValue(u"gen", u"mlang_text", u"", 2048, StoredForm::kHex, file) != u"") return 3;
    if (WriteProfileValue(u"gen", u"uni_font", u"Courier", StoredForm::kPlain, file)) return 4;
    if (WriteProfileValue(u"gen", u"mlang_text", u"B", StoredForm::kHex, file)) return 5;
    if (platform::WriteProfileString(u"gen", u"uni_font", u"Courier", file)) return 6;
    return 0;
  });
  if (status == 90 || status == 91) GTEST_SKIP() << "cannot run as a user that is denied reading the file";
  EXPECT_EQ(status, 0);
  ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
  EXPECT_EQ(ReadBytes(path), content);
  EXPECT_EQ(dir.Listing(), "setting.ini");
}

TEST(ProfileFaults, ASaveOverTheFileSizeLimitFailsAndLeavesTheOldFile) {
  TempFolder dir;
  const std::string path = dir / "setting.ini";
  const std::string content = "[gen]\r\nuni_font=Arial\r\nmlang_text=" + std::string(2000, '4') + "\r\n";
  WriteBytes(path, content);
  const int status = RunInChild([&] {
    // Writing past the limit would end the process with SIGXFSZ: the save must
    // see that coming and fail instead.
    const rlimit limit{1024, 1024};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 90;
    return WriteProfileValue(u"gen", u"uni_font", u"Courier New", StoredForm::kPlain, U16(path)) ? 1 : 0;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadBytes(path), content);
  EXPECT_EQ(dir.Listing(), "setting.ini");
}

TEST(ProfileFaults, ADiskThatFillsUpMidwayLeavesTheOldFileAndNoTemporaryFile) {
  TempFolder dir;
  const std::string path = dir / "setting.ini";
  const std::string content = "[gen]\r\nuni_font=Arial\r\nmlang_text=4100\r\n";
  // A small file system of its own, mounted where only this child sees it.
  const int status = RunInChild([&] {
    if (::unshare(CLONE_NEWNS) != 0 || ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", dir.path().c_str(), "tmpfs", 0, "size=64k") != 0) {
      return 90;
    }
    WriteBytes(path, content);
    // Fill the disk, then free 8 KiB: the new file of about 40 KB fails partway.
    const std::string filler = dir / "filler";
    const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT, 0600);
    const std::string block(4096, 'f');
    off_t size = 0;
    for (ssize_t n; (n = ::write(fd, block.data(), block.size())) > 0;) size += n;
    if (size < 8192 || ::ftruncate(fd, size - 8192) != 0) return 91;
    ::close(fd);
    const std::u16string text(10000, u'\uD55C');
    if (WriteProfileValue(u"gen", u"mlang_text", text, StoredForm::kHex, U16(path))) return 1;
    if (ReadBytes(path) != content) return 2;
    if (dir.Listing() != "filler setting.ini") return 3;
    return 0;
  });
  if (status == 90) GTEST_SKIP() << "cannot mount a small file system here (needs root)";
  EXPECT_EQ(status, 0);
}

TEST(ProfileFaults, ConcurrentSavesLoseNothingAndReadersNeverSeeATornFile) {
  TempFolder dir;
  const std::string path = dir / "setting.ini";
  const std::u16string file = U16(path);
  const std::string head = "[gen]\r\nguard=1\r\n";
  const std::string tail = "[tail]\r\nend=1\r\n";
  WriteBytes(path, head + tail);
  constexpr int kSaves = 100;

  // Each writer adds its own new key per save: a lost update loses a key.
  const auto writer = [&](char who) {
    return [&, who] {
      for (int i = 0; i < kSaves; ++i) {
        const std::u16string key = KeyFor(who, i);
        if (!WriteProfileValue(u"gen", key, U16(std::to_string(i)), StoredForm::kPlain, file)) return 1;
      }
      return 0;
    };
  };
  const auto reader = [&] {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    std::size_t seen = 0;
    while (std::chrono::steady_clock::now() < deadline) {
      const std::string bytes = ReadBytes(path).value_or("");
      if (bytes.size() < head.size() + tail.size()) return 1;  // empty or cut short
      if (bytes.compare(0, head.size(), head) != 0) return 2;
      if (bytes.compare(bytes.size() - tail.size(), tail.size(), tail) != 0) return 3;
      std::size_t keys = 0;
      for (std::size_t pos = 0; (pos = bytes.find("=", pos + 1)) != std::string::npos;) ++keys;
      if (keys < seen) return 4;  // an older state came back
      seen = keys;
      if (ReadProfileValue(u"gen", u"guard", u"", 0, StoredForm::kPlain, file) != u"1") return 5;
      if (keys == 2 + 2 * kSaves) return 0;
    }
    return 6;
  };
  std::vector<pid_t> children;
  std::vector<std::function<int()>> bodies = {writer('a'), writer('b'), reader};
  for (const auto& body : bodies) {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(body());
    ASSERT_GT(pid, 0);
    children.push_back(pid);
  }
  for (const pid_t pid : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child " << pid << " status " << status;
  }
  for (const char who : {'a', 'b'}) {
    for (int i = 0; i < kSaves; ++i) {
      const std::u16string key = KeyFor(who, i);
      EXPECT_EQ(ReadProfileValue(u"gen", key, u"lost", 0, StoredForm::kPlain, file), U16(std::to_string(i)));
    }
  }
  EXPECT_EQ(dir.Listing(), "setting.ini");
}

}  // namespace
}  // namespace hexcribe
