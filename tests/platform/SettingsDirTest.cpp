#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "platform/KeptFiles.h"
#include "platform/ReplacingFile.h"
#include "platform/SettingsDir.h"
#include "platform/SettingsFile.h"
#include "tests/support/TestFiles.h"

TEST(SettingsDirTest, WritableProgramFolderHoldsTheSettings) {
  TempDir program;
  EXPECT_EQ(SettingsDirFor(program.path(), "/nowhere", "/nowhere"), program.path());
  EXPECT_EQ(SettingsDir(), ProgramDir());  // the test program's folder is writable
  // The installed toolkit program keeps the settings and share folder of the program started.
  const std::pair<const char*, const char*> programs[] = {
      {"/usr/lib/quendrix/quendrix-toolkit", "/usr/bin"},
      {"/opt/q/lib/quendrix/quendrix-toolkit", "/opt/q/bin"},
      {"/home/u/build/app/quendrix-toolkit", "/home/u/build/app"},
      {"/usr/lib/quendrix/other", "/usr/lib/quendrix"},
      {"/usr/bin/quendrix", "/usr/bin"}};
  for (const auto& [exe, dir] : programs) EXPECT_EQ(ProgramDirOf(exe), dir) << exe;
}

TEST(SettingsDirTest, OtherwiseTheUsersConfigurationFolderIsMade) {
  TempDir config, home;
  const auto missing = config.path() / "no-such-program-folder";
  const auto xdg = config.path().string();
  EXPECT_EQ(SettingsDirFor(missing, xdg.c_str(), home.path().c_str()), config.path() / "quendrix");
  EXPECT_TRUE(std::filesystem::is_directory(config.path() / "quendrix"));
  const auto fallback = home.path() / ".config" / "quendrix";
  EXPECT_EQ(SettingsDirFor(missing, nullptr, home.path().c_str()), fallback);
  EXPECT_EQ(SettingsDirFor(missing, "relative/dir", home.path().c_str()), fallback);
  EXPECT_TRUE(std::filesystem::is_directory(fallback));
}

TEST(SettingsFileTest, ReplacingWritesThroughLinksKeepsModesAndLeavesTheOldFileOnFailure) {
  TempDir dir;
  const std::string file = dir.file("options.dat"), link = dir.file("link.dat");
  ASSERT_EQ(WriteFileReplacing(file, std::vector<uint8_t>{1, 2}), "");
  ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
  std::filesystem::create_symlink(file, link);
  ASSERT_EQ(WriteFileReplacing(link, std::vector<uint8_t>{3}), "");
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadBytes(file), std::vector<uint8_t>{3});
  EXPECT_EQ(std::filesystem::status(file).permissions(),
            std::filesystem::perms(0640));  // the old file's mode, not a scratch file's
  // A folder in the target's place, or a folder that is gone: one text, no file left behind.
  const std::string folder = dir.file("folder.dat");
  std::filesystem::create_directories(folder + "/inside");
  for (const std::string& target : {folder, dir.file("gone/new.dat")}) {
    const std::string error = WriteFileReplacing(target, std::vector<uint8_t>{4});
    EXPECT_EQ(error.rfind("Cannot write " + target + ": ", 0), 0u) << error;
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder + "/inside"));
  {
    ReplacingFile unfinished(file);  // never committed: the old bytes stay
    ASSERT_TRUE(unfinished.open());
    ASSERT_TRUE(unfinished.write("xyz", 3));
  }
  EXPECT_EQ(ReadBytes(file), std::vector<uint8_t>{3});
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
}

TEST(SettingsFileTest, FieldsAreLittleEndianAndNeverReadPastTheEnd) {
  FieldWriter w;
  w.put(int32_t{0x4e505851});
  w.put(uint16_t{0x0102});
  w.put(uint8_t{7});
  w.put(-1.5);
  w.putBytes("ab", 2);
  w.putAt(4, uint16_t{0x0304});
  EXPECT_EQ(w.bytes(), std::vector<uint8_t>({0x51, 0x58, 0x50, 0x4e, 0x04, 0x03, 7, 0, 0, 0, 0, 0,
                                             0, 0xF8, 0xBF, 'a', 'b'}));
  FieldReader r(w.bytes());
  int32_t magic = 0;
  uint16_t length = 0;
  uint8_t small = 0;
  double value = 0;
  char text[3] = {};
  EXPECT_TRUE(r.get(magic) && r.get(length) && r.get(small) && r.get(value));
  EXPECT_EQ(magic, 0x4e505851);
  EXPECT_EQ(length, 0x0304);
  EXPECT_EQ(small, 7);
  EXPECT_EQ(value, -1.5);
  EXPECT_FALSE(r.get(magic));  // two bytes left: nothing is taken
  EXPECT_EQ(r.left(), 2u);
  EXPECT_FALSE(r.getBytes(text, 3));
  EXPECT_TRUE(r.getBytes(text, 2));
  EXPECT_STREQ(text, "ab");
  EXPECT_FALSE(r.skip(1));
}

TEST(SettingsFileTest, SideFilesAreNamedAfterTheFileTheyBelongTo) {
  EXPECT_EQ(SideFile("/home/u/paper.dat", "-next.dat"), "/home/u/paper-next.dat");
  EXPECT_EQ(SideFile("/home/u/paper.dat", "-units.txt"), "/home/u/paper-units.txt");
  EXPECT_EQ(SideFile("scanner.dat", "-options.dat"), "scanner-options.dat");
  EXPECT_EQ(SideFile("/a.b/options", "-printers.dat"), "/a.b/options-printers.dat");
  TempDir dir;  // a linked paper.dat keeps its side files beside the file it links to
  std::filesystem::create_directory(dir.file("shared"));
  WriteBytes(dir.file("shared/formats.dat"), {1});
  std::filesystem::create_symlink("shared/formats.dat", dir.file("paper.dat"));
  EXPECT_EQ(SideFile(dir.file("paper.dat"), "-next.dat"),
            std::filesystem::canonical(dir.file("shared")).string() + "/formats-next.dat");
  std::filesystem::create_symlink("missing.dat", dir.file("options.dat"));
  EXPECT_EQ(SideFile(dir.file("options.dat"), "-printers.dat"), dir.file("options-printers.dat"));
}

TEST(SettingsFileTest, OneRuleForEverySettingsFileKeepsWhatItCannotRead) {
  enum Kind { Missing, Damaged, Unreadable, Newer, Link, Folder };
  const struct {
    Kind kind;
    KeptWrite::Outcome outcome;
    bool toldAtWrite;  // the first refused write tells the user, later ones do not
  } cases[] = {{Missing, KeptWrite::Written, false}, {Damaged, KeptWrite::Written, false},
               {Unreadable, KeptWrite::Kept, true},  {Newer, KeptWrite::Kept, true},
               {Link, KeptWrite::Written, false},    {Folder, KeptWrite::NotWritten, true}};
  const std::vector<uint8_t> old = {1, 2, 3}, fresh = {4, 5};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    TempDir dir;
    const std::string file = dir.file("s.dat"), real = dir.file("real.dat");
    WriteBytes(dir.file("other.dat"), old);
    if (c.kind == Folder) std::filesystem::create_directory(file);
    if (c.kind == Link) {
      WriteBytes(real, old);
      std::filesystem::create_symlink(real, file);
    }
    if (c.kind == Damaged || c.kind == Unreadable || c.kind == Newer) WriteBytes(file, old);
    if (c.kind == Unreadable)
      SetFileReaderForTests([](const std::string&, size_t, bool*) {
        errno = EIO;
        return std::optional<std::vector<uint8_t>>();
      });
    if (c.kind != Folder) (void)ReadKeptFile(file, 100);
    SetFileReaderForTests(nullptr);
    if (c.kind == Damaged) EXPECT_NE(NoteDamaged(file).find(file + ".damaged"), std::string::npos);
    if (c.kind == Damaged) EXPECT_EQ(NoteDamaged(file), "");  // told once
    if (c.kind == Newer) NoteState(file, KeptState::Newer);
    const KeptWrite first = WriteKeptFile(file, fresh), second = WriteKeptFile(file, fresh);
    EXPECT_EQ(first.outcome, c.outcome);
    EXPECT_EQ(first.message.empty(), !c.toldAtWrite) << first.message;
    if (c.kind != Folder) EXPECT_EQ(second.message, "");
    if (c.outcome == KeptWrite::Written) EXPECT_EQ(ReadBytes(c.kind == Link ? real : file), fresh);
    if (c.kind == Unreadable || c.kind == Newer) EXPECT_EQ(ReadBytes(file), old);
    EXPECT_EQ(std::filesystem::exists(file + ".damaged"), c.kind == Damaged);
    if (c.kind == Damaged) EXPECT_EQ(ReadBytes(file + ".damaged"), old);
    if (c.kind == Link) EXPECT_TRUE(std::filesystem::is_symlink(file));
    if (c.kind == Folder) EXPECT_NE(first.message.find("not a regular file"), std::string::npos);
    EXPECT_EQ(ReadBytes(dir.file("other.dat")), old);  // no other file is touched
  }
}
