#include "app/SetupApp.h"

CSetupApp::CSetupApp() : CWinApp(nullptr), m_osVersion(0) {
    m_osVersion = DetectOsVersion();
}

CSetupApp::~CSetupApp() = default;

BEGIN_MESSAGE_MAP(CSetupApp, CWinApp)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()
