#include "TestMedium.h"

#include <windows.h>

#include "support/Error.h"
#include "support/Paths.h"
#include "support/Recorder.h"

namespace apptest {

TestMedium::TestMedium(const std::string& folderName) : m_dir(m_scratch.MakeFolder(folderName)) {
    m_scratch.Write(folderName + "\\permit.cfg", kPermitText);
    m_scratch.CopyIn(testsupport::WinPath(APP_TEST_PACKAGE), folderName + "\\" + kPackage);
    const std::string recorder = testsupport::RecorderExe();
    for (const char* installer : {"dotnetfx.exe", "NetFx64.exe", "mdac_typ.exe", "PsKill.exe", "isoviewx6.exe"})
        m_scratch.CopyIn(recorder, folderName + "\\Utility\\" + installer);
    for (const char* package : {"sv", "en", "spa", "dut", "ger", "ita", "fre"})
        m_scratch.CopyIn(recorder, folderName + "\\Utility\\Acrobat\\" + package + ".EXE");
}

std::string TestMedium::PathOf(const std::string& relName) const { return testsupport::JoinPath(m_dir, relName); }

void TestMedium::Remove(const std::string& relName) const {
    const std::string path = PathOf(relName);
    if (!DeleteFileA(path.c_str())) testsupport::ThrowWin32Error("deleting " + path);
}

void TestMedium::Replace(const std::string& relName, const std::string& program) const {
    const std::string path = PathOf(relName);
    if (!CopyFileA(program.c_str(), path.c_str(), FALSE)) testsupport::ThrowWin32Error("copying to " + path);
}

std::string SourceDirEraserExe() { return testsupport::WinPath(APP_SOURCE_DIR_ERASER_EXE); }

}  // namespace apptest
