#include "ui/FXIControllerWrapper.h"

#include "ui/FXICtl.h"

FXIControllerWrapper::FXIControllerWrapper() : m_pController(nullptr) {}

FXIControllerWrapper::~FXIControllerWrapper() { delete m_pController; }

void FXIControllerWrapper::SetController(FXIDlg* dialog, FXICtl* controller) {
    m_pController = controller;
    if (controller) controller->SetDialog(dialog);
}

BOOL FXIControllerWrapper::RouteCommand(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    return m_pController && m_pController->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
