// Classifying a command's first word and the command lines handed to the
// runner, byte for byte and through Wine's command interpreter.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "main/command_line.h"
#include "support/command_words.h"
#include "support/files.h"
#include "support/textops.h"
#include "testsupport.h"

using namespace vq;

namespace {

const std::optional<TextList> builtins = TextList{"dir", "type", "copy", "del"};

// A file system that holds exactly the given paths; the lookup finds a word
// under the path it is mapped to.
struct FakeDisk {
    std::map<std::string, std::string> found;
    std::set<std::string> files;
    vq::ProgramClass resolve(const std::string& name, const std::optional<TextList>& list = builtins) const {
        return vq::resolveprogram(
            name, list,
            [this](const std::string& n) {
                auto it = found.find(n);
                return it == found.end() ? n : it->second;
            },
            [this](const std::string& p) { return files.count(p) > 0; });
    }
};

TEST(ResolveProgram, BuiltinsGoToTheInterpreterAsTyped) {
    FakeDisk disk;
    auto c = disk.resolve("DIR");
    EXPECT_TRUE(c.found);
    EXPECT_FALSE(c.direct);
    EXPECT_EQ(c.program, "DIR");
    EXPECT_FALSE(disk.resolve("echo").found);
}

TEST(ResolveProgram, FoundProgramsAndScripts) {
    FakeDisk disk;
    disk.found = {{"make", "c:\\bin\\make.EXE"},
                  {"build", "c:\\src\\build.Bat"},
                  {"tool", "\"c:\\my tools\\tool.exe\""},
                  {"job", "\"c:\\my tools\\job.bat\""},
                  {"w", "c:\\bin\\w*.exe"}};
    disk.files = {"c:\\bin\\make.EXE",         "c:\\src\\build.Bat", "\"c:\\my tools\\tool.exe\"",
                  "\"c:\\my tools\\job.bat\"", "c:\\bin\\w*.exe",    "c:\\my tools\\x.exe"};
    auto make = disk.resolve("make");
    EXPECT_TRUE(make.found && make.direct);
    EXPECT_EQ(make.prefix, "");
    auto build = disk.resolve("build");
    EXPECT_TRUE(build.found && !build.direct);
    EXPECT_EQ(build.prefix, " call");
    // Quoted results end in a quote: neither direct nor called.
    EXPECT_FALSE(disk.resolve("tool").direct);
    EXPECT_EQ(disk.resolve("job").prefix, "");
    EXPECT_FALSE(disk.resolve("w").found);
    // An existing path with a blank, given without quotes, starts directly.
    EXPECT_TRUE(disk.resolve("c:\\my tools\\x.exe").direct);
}

TEST(ResolveProgram, AProgramNotFoundIsNeverStartedDirectly) {
    FakeDisk disk;
    auto c = disk.resolve("missing.exe");
    EXPECT_FALSE(c.found);
    EXPECT_FALSE(c.direct);
    EXPECT_FALSE(disk.resolve("c:\\gone\\old.exe").direct);
}

TEST(HasRedirect, OnlyOutsideQuotes) {
    EXPECT_TRUE(vq::has_redirect("dir >out.txt"));
    EXPECT_FALSE(vq::has_redirect("echo \"a>b\""));
    EXPECT_TRUE(vq::has_redirect("echo \"a>b\" >c"));
    EXPECT_FALSE(vq::has_redirect("type a | sort"));
}

const std::string comspec = "C:\\windows\\system32\\cmd.exe";

vq::StartPlan plan(const std::string& command, const vq::ProgramClass& program, bool repeat_key) {
    std::string word, rest;
    vq::split_command(command, word, rest);
    return vq::plan_start(command, rest, program, comspec, "C:\\vq\\vqargs.bat", repeat_key);
}

TEST(CommandLines, TheThreeShapes) {
    vq::ProgramClass dir{true, false, "", "dir"};
    auto p = plan("dir /w", dir, false);
    EXPECT_EQ(p.application, comspec);
    EXPECT_EQ(p.command_line, comspec + " /C dir  /w");

    vq::ProgramClass make{true, true, "", "c:\\bin\\make.exe"};
    p = plan("make all", make, false);
    EXPECT_EQ(p.application, "c:\\bin\\make.exe");
    EXPECT_EQ(p.command_line, "c:\\bin\\make.exe all");
    EXPECT_FALSE(p.repeat_script);
    EXPECT_EQ(plan("make all >log", make, false).command_line, comspec + " /C c:\\bin\\make.exe  all >log");

    vq::ProgramClass build{true, false, " call", "c:\\src\\build.bat"};
    p = plan("build debug 100%", build, true);
    EXPECT_EQ(p.command_line, comspec + " /C C:\\vq\\vqargs.bat call c:\\src\\build.bat  debug 100%");
    EXPECT_TRUE(p.repeat_script);
    // A redirection is not run through the repeat loop; "Repeat?" is asked.
    p = plan("build debug >log", build, true);
    EXPECT_EQ(p.command_line, comspec + " /C c:\\src\\build.bat  debug >log");
    EXPECT_FALSE(p.repeat_script);
    EXPECT_TRUE(plan("build \">\"", build, true).repeat_script);
}

TEST(CommandLines, PathsWithBlanksStayOneWord) {
    vq::ProgramClass x{true, true, "", "c:\\my tools\\x.exe"};
    auto p = plan("\"c:\\my tools\\x.exe\" -v", x, false);
    EXPECT_EQ(p.application, "c:\\my tools\\x.exe");
    EXPECT_EQ(p.command_line, "\"c:\\my tools\\x.exe\" -v");
    EXPECT_EQ(vq::interpreter_command_line(comspec, "\"c:\\my tools\\job.bat\"", " \"a b\""),
              comspec + " /C \"\"c:\\my tools\\job.bat\"  \"a b\"\"");
    EXPECT_EQ(vq::repeat_command_line(comspec, "c:\\program files\\vqargs.bat", "", "job", " 1"),
              comspec + " /C \"\"c:\\program files\\vqargs.bat\" job  1\"");
}

// The interpreter runs a quoted program with quoted arguments as typed.
TEST(CommandLines, InterpreterRunsAQuotedProgramWithQuotedArguments) {
    testsupport::TempDir dir;
    const std::string tools = dir.mkdir("my tools");
    const std::string program = tools + "\\stub.exe";
    ASSERT_TRUE(CopyFileA(testsupport::siblingExe("vq_stub.exe").c_str(), program.c_str(), FALSE));
    testsupport::RunOptions run;
    run.env["VQ_STUB_LOG"] = dir.file("log.txt");
    // The lookup hands back a found path with a blank in quotes.
    const std::string line =
        vq::interpreter_command_line(get_env("COMSPEC"), quote_arg(program, true), " \"a b\" c=d");
    auto result = testsupport::runProcess(line, run);
    EXPECT_EQ(result.exitCode, 0) << line << "\n" << result.out << result.err;
    EXPECT_EQ(testsupport::readFile(dir.file("log.txt")), "a b|c=d\n");
}

}  // namespace
