#pragma once

// Lets the program load DLLs from the Windows system folder only, so a DLL planted beside setup.exe
// (a download folder, say) is never loaded into a process that runs with administrator rights.
void RestrictDllSearchToSystemFolder();
