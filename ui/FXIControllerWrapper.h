#pragma once
#include "afx/CmdTarget.h"

class FXICtl;
class FXIDlg;

// Holds a dialog's controller, which gets the dialog's commands before the dialog itself.
class FXIControllerWrapper {
public:
    FXIControllerWrapper();
    virtual ~FXIControllerWrapper();
    FXIControllerWrapper(const FXIControllerWrapper&) = delete;
    FXIControllerWrapper& operator=(const FXIControllerWrapper&) = delete;

    // Takes ownership of the controller and tells it its dialog. A controller held before is kept
    // as it is: a dialog sets its controller once, in its constructor.
    void SetController(FXIDlg* dialog, FXICtl* controller);
    BOOL RouteCommand(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    FXICtl* m_pController;
};
