#pragma once
#include <windows.h>

#include <string>
#include <vector>

// A name or an ordinal, as a dialog template stores a class, a text or a menu.
struct NameOrOrdinal {
    WORD ordinal = 0;  // 0: a name (possibly empty)
    std::string name;
};

struct TemplateItem {
    DWORD helpId;
    DWORD exStyle;
    DWORD style;
    short x, y, cx, cy;
    DWORD id;
    NameOrOrdinal windowClass;
    NameOrOrdinal text;
};

// An extended dialog template (DLGTEMPLATEEX) as stored in a program's resources.
struct DialogTemplate {
    WORD signature = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::string caption;
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::string typeface;
    std::vector<TemplateItem> items;
};

// Reads the template with this id and language from the running program; throws when the resource is
// missing, not an extended template, or cut short.
DialogTemplate LoadDialogTemplate(WORD id, WORD language);
