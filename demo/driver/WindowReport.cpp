#include "WindowReport.h"

#include <cstdio>

void ReportEntry(const std::string& label, const std::string& text) {
    const std::string indent(label.size() + 4, ' ');
    std::string line;
    bool first = true;
    const auto flush = [&] {
        std::printf("%s%s\n", first ? ("  " + label + ": ").c_str() : indent.c_str(), line.c_str());
        first = false;
        line.clear();
    };
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n')
            flush();
        else
            line += c;
    }
    flush();
    std::fflush(stdout);
}

std::string ButtonName(const testsupport::UiDriver& ui, HWND window, int id) {
    std::string name;
    for (char c : ui.ControlText(window, id))
        if (c != '&') name += c;
    return name;
}

void ReportWindow(const testsupport::UiDriver& ui, HWND window, const std::string& what, int textId,
                  const std::vector<std::string>& listLines) {
    std::printf("Window: \"%s\" (%s)\n", ui.Caption(window).c_str(), what.c_str());
    ReportEntry("text", ui.ControlText(window, textId));
    if (!listLines.empty()) {
        std::string list;
        for (const std::string& line : listLines) list += (list.empty() ? "" : "\n") + ("[" + line + "]");
        ReportEntry("list", list);
    }
    std::string buttons;
    for (int id : ui.ButtonIds(window))
        buttons += (buttons.empty() ? "" : ", ") + ButtonName(ui, window, id) + (ui.IsControlEnabled(window, id) ? "" : " (disabled)");
    ReportEntry("buttons", buttons);
}
