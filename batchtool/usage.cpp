#include "usage.h"

#include <cstdio>
#include <iterator>

#include "console.h"

namespace rovik {

namespace {

// The build's own date and time, as "Oct  7 2018" and "13:27:45".
const char* const buildLine = "rovik         " __DATE__ " " __TIME__ " (win32)\n";

const char* const sections[] = {
    // Section 1: what rovik is for.
    "Emits text to set environment variables, + so much more. I.e., most rovik\n"
    "commands are used inside of a DOS batch file, like\n"
    "  rovik -w >T~.BAT\n"
    "  call T~.BAT\n"
    "  echo current directory is \"%c~wd%\"\n"
    "although it's more fun to encapsulate it in a batch file XROVIK.BAT like\n"
    "  rovik %1 %2 %3 %4 %5 %6 %7 %8 %9 >T~.BAT\n"
    "  call T~.BAT\n"
    "  del T~.BAT\n"
    "used like\n"
    "  call xrovik.bat -w\n"
    "  echo current directory is \"%c~wd%\"\n"
    "Figuring-out what rovik does is easy: just use it on the command-line, and see\n"
    "what it emits to stdout.\n",
    // Section 2
    "\n"
    "::::::::::::::::::::::OPERATION OPTIONS:\n"
    "-d:cwd  e             makes a directory on e with this directory's name. And\n"
    "                      makes that the default directory on that drive.\n"
    "-fileexists path      returns errorlevel 1 the path specifies no existing file\n"
    "  name, i.e. \"-fileexists empty\\*.*\" will return errorlevel 1 if directory is\n"
    "  empty. (In XP batch \"if exist *\" is always true, even in an empty directory.\n"
    "  Because they're stupid.)\n"
    "-chat                 Emit file/directory opinions with errorlevel.\n"
    "-file name            Return errorlevel 1 if name is not file.\n"
    "-directory name       Return errorlevel 2 if name is not subdirectory.\n"
    "                      Return errorlevel 3 if name doesn't exist at all.\n"
    "-cwd name             Return errorlevel 1 if name *isn't* current dir.\n"
    "-o OutputName         sets the output file for following major commands, but\n"
    "                      redirection is usually easier -- i.e., if not -o, emits\n"
    "                      to stdout.\n"
    "-oo                   Output to rovik~.bat\n"
    "-filelte path size    returns errorlevel 1 if file path is less/equal size, or\n"
    "                      doesn't exist.\n"
    "-filegte path size    errorlevel 1 if greater than/equal, or doesn't exist.\n"
    "-direq path           errorlevel 1 if cwd==path. With/without \"c:\" etc.\n",
    // Section 3
    "\n"
    "::::::::::::::::::::::MODIFYING OPTIONS:\n"
    "-v Name               Use variable Name instead c~wd probably.\n"
    "-k-                   *Don't* wait for keypress after error messages.\n"
    "-short                make following -w:, etc. (?), short file name. + \"-u\".\n"
    "-q                    \"quotify\" some outputs (if spaces).\n"
    "-/+                   add trailing slash, i.e. to \"-w\" for instance.\n"
    "-/-                   omit trailing slash.\n",
    // Section 4
    "\n"
    "::::::::::::::::::::::MORE MODIFYING OPTIONS:\n"
    "-argv filename (+more regular arguments)\n"
    "                      Instead of command-line get arguments from the named\n"
    "                      file, which contains lines like:\n"
    "                         1      short\n"
    "                         2      bingo\n"
    "I.e., \"rovik -argv args_file -fnsplit\" would try to get the argument for\n"
    "fnsplit from a line in the \"args_file\" starting with 1. But note that this\n"
    "mechanism only works with separate-argument commands: works *with* \"rovik\n"
    "-fnsplit filename\" but *not with* \"rovik -nFilename\".\n"
    "\n"
    "-argv filename        Without any further arguments, rovik emits the arguments\n"
    "                      in the file like \"set a1=short\" etc. Then you can use\n"
    "                      the \"%a1%\" etc. arguments in in subsequent rovik\n"
    "                      statements, instead of attempting to do it on one line.\n"
    "\n"
    "-argvC filename       emit \"set a1=\" as per filename contents like -argv. I.e.\n"
    "                      to clear the variables after a \"rovik -argv filename\",\n"
    "                      you go \"rovik -argvC filename\".\n",
    // Section 5
    "\n"
    "::::::::::::::::::::::MAJOR OPTIONS:\n"
    "-fnsplit \"c:\\work\\src\\bongo.b\"   Output sets evars d~rv d~ir f~il\n"
    "                      e~xt to drive, dir, file, and extension. Also \"-nPath\".\n"
    "-.fnsplit             puts a period in e~xt; fnsplit doesn't.\n"
    "-.Fnsplit             capitalize drive letter.\n"
    "-UNCsplit \"\\\\bingo\\c\\bongo\"   Sets s~vr, p~th to \"bingo\", \"\\c\\bongo\". If no\n"
    "                      \"\\\\\", s~vr is blank, p~th gets entire thing.\n"
    "-w: name              emits \"set c~wd=truename of name\". Also \"-w:name\".\n"
    "-w. name              like -w:, but omits extension.\n"
    "-w                    emits \"set c~wd=cwd\" i.e. current working directory.\n"
    "-w+                   ==w, but + trailing slash.\n"
    "-w-                   ==w, but omits leading \"c:\".\n"
    "-wdrv                 ==w-, + current drive as first element of path.\n"
    "-w+drv                ==-w, but emits 2 lines \"n:\", \"cd n:\\bongo\".\n"
    "-date       (-s)      emit sets d~m etc. to 11 29 2001.\n"
    "-lastmonth  (-s -m-1) emit sets d~m etc. to 10 29 2001.\n"
    "-date0      (-s -0)   emit sets d~m etc. to 11 29 01.\n"
    "-dateA                October 23 2017\n"
    "-datetime             emit \"set d~m=1101131626\" i.e. yymmddhhmm.\n"
    "-g 10 name [prompt...]   shows prompt, gets string, emit \"set name=got\". Also\n"
    "\"-g10 name [prompt...]\" If \"^afile\" among the prompt words, uses it as a file\n"
    "name, gets the contents from afile, and then stores the result there. In XP or\n"
    "worse, try ^^ or /\\ instead of ^. If ESC, ^C, error. Might translate chr(250)\n"
    "into space, depending on how XP feels. If ^:, uses \"name\" evariable to default\n"
    "the buffer.\n"
    "\n",
    // Section 6
    "\n"
    "-clear                emit clear d~m all other rovik vars. Also \"-c\".\n"
    "-p Name value [i [n]] sets name to value (==set). If i, index in (2=2nd\n"
    "                      character); if n, truncate. '_' translated to space.\n"
    "                      Also \"-pName value [i [n]]\".\n"
    "-i Thing              Increment a numeric value; set non-numeric, set to 1.\n"
    "-ifchars chars what   Return errorlevel 1 if what contains any of chars.\n"
    "-stristr \"s\" \"what\"   Returns errorlevel 1 if string contains what.\n"
    "-* \"what\"             Returns errorlevel 1 if string contains ?, *.\n"
    "-fdt \"filename\"       Sets d~m etc. to mm dd yy of file, t~h,m,s to time.\n"
    "                      If error, errorlevel 1, else 0.\n"
    "-fdts \"filename\"      emit \"set d~m=1101131626\" i.e. yymmddhhmm for file.\n"
    "-stricmp \"s1\" \"s2\"    s1==s2:0. s1<s2:1. s1>s2:2.\n"
    "-pushdir [pop_file]   pushs current dir to file. Default is c:\\pop~. Evar\n"
    "                      \"JPOP\" used if present.\n"
    "-popdir [pop_file]    emits \"d:\" (drive) \"cd whatever\" (directory) from\n"
    "                      pop_file (as for pushdir); it can't just do it because\n"
    "                      Windows is stupid.\n"
    "-pushdd newdir [pop_file]   To change directory (and drive) after a push,\n"
    "                      this'll do pushdir, + emit a change directory thingey.\n"
    "-getch                emits \"set g~ch=z\" if you pressed z.\n"
    "\n",
    // Section 7
    "\n"
    "-math output + 1 2    But use \"set /a\" (emits \"set output=3\"; also -, *, /.)\n"
    "-blr A_msg_w_B\\_L\\\\Rs Output \"set blr=A msg w B_L\\Rs\".\n"
    "-xct c:\\is_*_drive_c  \"set xct=orchard\" on orchard. Lower cases.\n"
    "-Xct: cap first letter.\n"
    "-// path              Set c~wd to path with \\ switched to /.\n"
    "-:: whatever          httpize whatever, sets httpized to the result.\n"
    "-copy argument        To c_opy. Perhaps with -q modifier?\n",
};

}  // namespace

void showUsage(Run& run) {
    FILE* out = run.out();
    FILE* err = run.err();
    if (run.argc() > 1) {
        std::fputs("bad:", err);
        for (int i = 1; i < run.argc(); ++i) std::fprintf(err, " %s", run.args()[i].c_str());
        std::fputs("\n", err);
    }
    const bool console = stdoutIsConsole();
    std::fputs(buildLine, out);
    std::fputs(sections[0], out);
    if (console) std::fputs("(You can redirect this information to a file, i.e. \"rovik >file~\".)\n", out);
    for (size_t i = 1; i < std::size(sections); ++i) {
        if (console) {
            std::fputs("More? (Y/): N\b", out);
            std::fflush(out);
            int key = readKey();
            std::fputs("\r                     \r", out);
            if (key != 'Y' && key != 'y') break;
        }
        std::fputs(sections[i], out);
    }
    std::fflush(out);
    throw RunExit{ExitCode::Refused};
}

}  // namespace rovik
