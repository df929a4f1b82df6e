#pragma once
// Everything of the framework layer in one include.
#include "afx/AfxString.h"
#include "afx/CmdTarget.h"
#include "afx/Dialog.h"
#include "afx/FileFind.h"
#include "afx/Scoped.h"
#include "afx/Time.h"
#include "afx/WinApp.h"
#include "afx/Wnd.h"
