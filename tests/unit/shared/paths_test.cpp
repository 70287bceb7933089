#include "shared/core/paths.h"

#include <gtest/gtest.h>

namespace ravelo {
namespace {

TEST(FolderOfPath, KeepsEverythingUpToTheLastBackslash) {
  EXPECT_EQ(FolderOfPath("D:\\Tools\\Draw"), "D:\\Tools\\");
  EXPECT_EQ(FolderOfPath("C:\\Apps\\Lots\\"), "C:\\Apps\\Lots\\");
  EXPECT_EQ(FolderOfPath("D:\\"), "D:\\");
  EXPECT_EQ(FolderOfPath("no-backslash"), "");
  EXPECT_EQ(FolderOfPath(""), "");
  EXPECT_EQ(FolderOfPath("C:/forward/slashes"), "");
}

TEST(InstallPaths, DataLivesBesideTheProgramFolder) {
  const auto p = InstallPaths::FromProgramFolder("C:\\Apps\\Lots");
  EXPECT_EQ(p.baseFolder, "C:\\Apps\\");
  EXPECT_EQ(p.NameListPath(), "C:\\Apps\\name.txt");
  EXPECT_EQ(p.ConfigPath(), "C:\\Apps\\common\\rvoconfig.rcf");
  EXPECT_EQ(p.CommonFile("back.pte"), "C:\\Apps\\common\\back.pte");
  EXPECT_EQ(p.ProgramFile("rvocfg.exe"), "C:\\Apps\\Lots\\rvocfg.exe");
}

TEST(InstallPaths, ProgramInADriveRootUsesTheRootAsDataRoot) {
  const auto p = InstallPaths::FromProgramFolder("D:\\");
  EXPECT_EQ(p.baseFolder, "D:\\");
  EXPECT_EQ(p.ConfigPath(), "D:\\common\\rvoconfig.rcf");
  EXPECT_EQ(p.ProgramFile("rvo.exe"), "D:\\rvo.exe");
}

}  // namespace
}  // namespace ravelo
