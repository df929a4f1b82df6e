#include "ui/FXICtl.h"

IMPLEMENT_DYNAMIC(FXICtl, CCmdTarget)

FXICtl::FXICtl() : m_pDialog(nullptr) {}

FXICtl::~FXICtl() = default;
