// The text rules of the path operations, without the file system.
#include <gtest/gtest.h>

#include "pathtext.h"

using namespace rovik;

TEST(TrailingSlash, StripKeepsRootsAndOneCharacterNames) {
    EXPECT_EQ(stripTrailingSlash("C:\\work\\"), "C:\\work");
    EXPECT_EQ(stripTrailingSlash("C:\\"), "C:\\");
    EXPECT_EQ(stripTrailingSlash("\\"), "\\");
    EXPECT_EQ(stripTrailingSlash("a\\"), "a\\");
    EXPECT_EQ(stripTrailingSlash("C:a\\"), "C:a\\");
    EXPECT_EQ(stripTrailingSlash("ab\\"), "ab");
    EXPECT_EQ(stripTrailingSlash("C:\\work"), "C:\\work");
    EXPECT_EQ(stripTrailingSlash(""), "");
}

TEST(TrailingSlash, AddOnlyWhereMissingAndWithinTheLimit) {
    EXPECT_EQ(addTrailingSlash("C:\\work"), "C:\\work\\");
    EXPECT_EQ(addTrailingSlash("C:\\"), "C:\\");
    EXPECT_EQ(addTrailingSlash(""), "");
    std::string full(kPathMax, 'x');
    EXPECT_EQ(addTrailingSlash(full), full);
    EXPECT_EQ(addTrailingSlash(full.substr(1)).size(), kPathMax);
    EXPECT_EQ(cutPath(std::string(400, 'y')).size(), kPathMax);
}

TEST(SplitPath, DriveDirectoryNameExtension) {
    PathParts p = splitPath("c:\\work\\sub dir\\a.b.txt");
    EXPECT_EQ(p.drive, "c:");
    EXPECT_EQ(p.dir, "\\work\\sub dir\\");
    EXPECT_EQ(p.name, "a.b");
    EXPECT_EQ(p.ext, ".txt");

    p = splitPath("report");
    EXPECT_EQ(p.drive + p.dir + p.ext, "");
    EXPECT_EQ(p.name, "report");

    p = splitPath("some/page.html");  // slashes separate as well
    EXPECT_EQ(p.dir, "some/");
    EXPECT_EQ(p.ext, ".html");

    p = splitPath("c:\\a.b\\name");  // a period in the directory is no extension
    EXPECT_EQ(p.name, "name");
    EXPECT_EQ(p.ext, "");
}

TEST(SplitPath, LongComponentsAreCut) {
    PathParts p = splitPath("c:\\" + std::string(300, 'd') + "\\" + std::string(300, 'n') + "." +
                            std::string(300, 'e'));
    EXPECT_EQ(p.dir.size(), 255u);
    EXPECT_EQ(p.name.size(), 255u);
    EXPECT_EQ(p.ext.size(), 255u);
}

TEST(CutExtension, OnlyTheLastComponent) {
    EXPECT_EQ(cutExtension("C:\\work\\report.txt"), "C:\\work\\report");
    EXPECT_EQ(cutExtension("C:\\a.b\\name"), "C:\\a.b\\name");
    EXPECT_EQ(cutExtension("C:name"), "C:name");
    EXPECT_EQ(cutExtension("d.e:f"), "d.e:f");  // a colon before any period stops the cut
    EXPECT_EQ(cutExtension("x.tar.gz"), "x.tar");
}

TEST(TempCounter, CountsInBase26WithTheSeventhFastest) {
    std::string name = "AAAAAAA~.J~G";
    ASSERT_TRUE(advanceTempCounter(name));
    EXPECT_EQ(name, "AAAAAAB~.J~G");
    name = "AAAAAAZ~";
    ASSERT_TRUE(advanceTempCounter(name));
    EXPECT_EQ(name, "AAAAABA~");
    name = "AZZZZZZ~";
    ASSERT_TRUE(advanceTempCounter(name));
    EXPECT_EQ(name, "BAAAAAA~");
    name = "ZZZZZZZ~";
    EXPECT_FALSE(advanceTempCounter(name));
    EXPECT_EQ(name, "ZZZZZZZ~");
}

TEST(UncSplit, ServerAndPath) {
    UncParts u = splitUnc("\\\\bingo\\c\\bongo");
    EXPECT_EQ(u.server, "bingo");
    EXPECT_EQ(u.path, "\\c\\bongo");
    u = splitUnc("\\\\bingo");
    EXPECT_EQ(u.server, "bingo");
    EXPECT_EQ(u.path, "");
    u = splitUnc("\\\\srv\\" + std::string(300, 'p'));  // the whole name is held to 259
    EXPECT_EQ(u.server.size() + u.path.size(), 259u);
    u = splitUnc("c:\\x");
    EXPECT_EQ(u.server + u.path, "");
}

TEST(Httpize, SchemeAddedUnlessPageOrPresent) {
    EXPECT_EQ(httpize({"some/page", "b"}), "http://some/page b");
    EXPECT_EQ(httpize({"index.html"}), "index.html");
    EXPECT_EQ(httpize({"INDEX.HTM"}), "INDEX.HTM");
    EXPECT_EQ(httpize({"HTTP://x.org/a"}), "HTTP://x.org/a");
    EXPECT_EQ(httpize({"x.org", "http://"}), "http://x.org http://");  // only the first word counts
    EXPECT_EQ(httpize({"a.ht"}), "http://a.ht");
}

TEST(ChangeDirectory, DriveLineThenQuotedCd) {
    EXPECT_EQ(changeDirectoryLines("C:\\work\n"), "C:\ncd \"\\work\"\n");
    EXPECT_EQ(changeDirectoryLines("Z:\\a b\\c"), "Z:\ncd \"\\a b\\c\"\n");
    EXPECT_EQ(changeDirectoryLines(""), "cd \"\"\n");
    EXPECT_EQ(changeDirectoryLines("sub\nrest"), "cd \"sub\"\n");
}

TEST(DriveTwin, MovesToTheTargetDriveAndListsDirectoriesToMake) {
    EXPECT_EQ(driveTwin("C:\\work\\x", "e"), "e:\\work\\x");
    EXPECT_EQ(driveTwin("C:\\work\\x", "drive"), "d:\\work\\x");
    EXPECT_EQ(driveTwin("C:\\work", ""), "");

    std::vector<std::string> expected = {"e:\\work", "e:\\work\\x", "e:\\work\\x\\y"};
    EXPECT_EQ(directoriesToMake("e:\\work\\x\\y"), expected);
    expected = {"e:\\a\\\\b", "e:\\a\\\\b\\c"};
    EXPECT_EQ(directoriesToMake("e:\\a\\\\b\\c"), expected);
    EXPECT_TRUE(directoriesToMake("work\\x").empty());
    EXPECT_TRUE(directoriesToMake("e:").empty());
}

TEST(PopEntry, LastLineAndTheRest) {
    PoppedEntry e = popLastEntry("C:\\one\nZ:\\two\n");
    EXPECT_EQ(e.rest, "C:\\one\n");
    EXPECT_EQ(e.last, "Z:\\two\n");
    e = popLastEntry("C:\\only");
    EXPECT_EQ(e.rest, "");
    EXPECT_EQ(e.last, "C:\\only");
    e = popLastEntry("");
    EXPECT_EQ(e.rest + e.last, "");
}

TEST(PopEntry, LongLinesAreReadInPiecesOf269) {
    std::string longLine = "C:\\" + std::string(300, 'x');
    PoppedEntry e = popLastEntry("C:\\a\n" + longLine + "\n");
    EXPECT_EQ(e.rest, "C:\\a\n" + longLine.substr(0, 269));
    EXPECT_EQ(e.last, longLine.substr(269) + "\n");
}

TEST(CompareIgnoreCase, FoldsToUpperCase) {
    EXPECT_EQ(compareIgnoreCase("abc", "ABC"), 0);
    EXPECT_LT(compareIgnoreCase("abc", "abd"), 0);
    EXPECT_GT(compareIgnoreCase("abd", "ABC"), 0);
    EXPECT_LT(compareIgnoreCase("ab", "abc"), 0);
    EXPECT_GT(compareIgnoreCase("_", "a"), 0);  // '_' sorts after the upper-case letters
}
