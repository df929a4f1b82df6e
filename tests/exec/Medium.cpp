#include "Medium.h"

#include "support/Recorder.h"

const char* const kMediumPrograms[12] = {
    "Utility\\dotnetfx.exe",     "Utility\\NetFx64.exe",      "Utility\\mdac_typ.exe",     "Utility\\PsKill.exe",
    "Utility\\isoviewx6.exe",    "Utility\\Acrobat\\sv.EXE",  "Utility\\Acrobat\\en.EXE",  "Utility\\Acrobat\\spa.EXE",
    "Utility\\Acrobat\\dut.EXE", "Utility\\Acrobat\\ger.EXE", "Utility\\Acrobat\\ita.EXE", "Utility\\Acrobat\\fre.EXE",
};

std::string MakeMedium(const testsupport::ScratchDir& scratch, const std::string& relFolder) {
    for (const char* program : kMediumPrograms) scratch.CopyIn(testsupport::RecorderExe(), relFolder + "\\" + program);
    return scratch.PathOf(relFolder);
}
