#pragma once
#include <windows.h>

class CCmdTarget;

// Run-time class information: a name and the base class's record.
struct CRuntimeClass {
    const char* m_lpszClassName;
    const CRuntimeClass* m_pBaseClass;

    bool IsDerivedFrom(const CRuntimeClass* base) const;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                              \
public:                                                          \
    static const CRuntimeClass class##class_name;                \
    const CRuntimeClass* GetRuntimeClass() const override;

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                      \
    const CRuntimeClass class_name::class##class_name = {#class_name,                       \
                                                         RUNTIME_CLASS(base_class_name)};   \
    const CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

// Notification code of a plain command (and of a button's click).
constexpr int CN_COMMAND = 0;

// Filled by a command target when it is only asked whether it handles a command.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
    void (CCmdTarget::*pmf)();
};

typedef void (CCmdTarget::*AFX_PMSG)();

struct AFX_MSGMAP_ENTRY {
    UINT nID;     // command id; 0 ends the table
    int nCode;    // notification code the entry answers
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                              \
protected:                                                 \
    static const AFX_MSGMAP* GetThisMessageMap();          \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                  \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                           \
        typedef theClass ThisClass [[maybe_unused]];                            \
        typedef baseClass TheBaseClass;                                         \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define ON_COMMAND(id, memberFxn) \
    {static_cast<UINT>(id), CN_COMMAND, static_cast<AFX_PMSG>(&ThisClass::memberFxn)},

#define END_MESSAGE_MAP()                                                      \
    {0, 0, nullptr}};                                                          \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, entries}; \
        return &messageMap;                                                    \
    }

// Base of every object that receives commands through a message map.
class CCmdTarget {
public:
    static const CRuntimeClass classCCmdTarget;

    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    virtual const CRuntimeClass* GetRuntimeClass() const;
    bool IsKindOf(const CRuntimeClass* runtimeClass) const;

    // Looks the command up in this object's map and its bases' maps. With handler info, only reports
    // the handler; otherwise calls it. Returns FALSE when no map has an entry.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
