#pragma once
#include "afx/AfxString.h"

// The Acrobat Reader package for a two-letter language name, compared without case; "en" for any
// language without a package of its own, and for none.
CString AcrobatPackageCode(const CString& languageName);

// caspol.exe of the .NET Framework 2.0 below the framework's installation root. An empty root leaves
// the relative path, which the runner looks up along its search path.
CString CaspolPath(const CString& frameworkRoot);
