#include "exec/QuotePath.h"

CString QuotePath(const CString& path) {
    if (path.Find(' ') < 0) return path;
    return "\"" + path + "\"";
}

CString BuildCommandLine(const CString& program, const CString& arguments) {
    CString commandLine = program;
    if (program.Find(' ') >= 0 && program[0] != '"') commandLine = "\"" + program + "\"";
    if (!arguments.IsEmpty()) commandLine += " " + arguments;
    return commandLine;
}
