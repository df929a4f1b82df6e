#include "BoxIcon.h"

#include <utility>
#include <vector>

namespace apptest {
namespace {

// A box just shown may not be painted yet, least of all on a loaded machine; a recognised icon ends
// the wait at once.
constexpr int kAttempts = 200;
constexpr DWORD kAttemptDelayMs = 50;

using Pixels = std::vector<DWORD>;

HWND IconControl(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16];
        if (!GetClassNameA(child, className, sizeof className) || lstrcmpiA(className, "Static") != 0) continue;
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child)) return child;
    }
    return nullptr;
}

// A top-down 32-bit bitmap of the given size selected into a memory DC.
class Canvas {
public:
    Canvas(int width, int height) : m_width(width), m_height(height), m_dc(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &m_bits, nullptr, 0);
        m_old = SelectObject(m_dc, m_bitmap);
    }
    ~Canvas() {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return m_dc; }
    Pixels Read() const {
        GdiFlush();
        const DWORD* bits = static_cast<const DWORD*>(m_bits);
        Pixels pixels(bits, bits + m_width * m_height);
        for (DWORD& pixel : pixels) pixel &= 0x00FFFFFF;
        return pixels;
    }

private:
    int m_width;
    int m_height;
    HDC m_dc;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    void* m_bits = nullptr;
};

Pixels CaptureScreen(const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    Canvas canvas(width, height);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas.Dc(), 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return canvas.Read();
}

Pixels Drawn(LPCSTR iconId, int width, int height, COLORREF background) {
    Canvas canvas(width, height);
    HBRUSH brush = CreateSolidBrush(background);
    const RECT all = {0, 0, width, height};
    FillRect(canvas.Dc(), &all, brush);
    DeleteObject(brush);
    DrawIconEx(canvas.Dc(), 0, 0, LoadIconA(nullptr, iconId), width, height, 0, nullptr, DI_NORMAL);
    return canvas.Read();
}

size_t Differences(const Pixels& a, const Pixels& b) {
    size_t count = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (a[i] != b[i]) ++count;
    return count;
}

}  // namespace

std::string StandardIconOf(HWND box) {
    HWND control = IconControl(box);
    if (!control) return "none";
    RECT area;
    GetWindowRect(control, &area);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return "none";

    static const std::pair<const char*, LPCSTR> kIcons[] = {
        {"error", IDI_HAND}, {"question", IDI_QUESTION}, {"warning", IDI_EXCLAMATION}, {"information", IDI_ASTERISK}};
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        // The box's face just left of the icon is the background the icon was drawn on.
        const RECT left = {area.left - 1, area.top, area.left, area.top + 1};
        const COLORREF background = [&] {
            const DWORD pixel = CaptureScreen(left)[0];
            return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
        }();
        const Pixels shown = CaptureScreen(area);
        for (const auto& [name, id] : kIcons)
            if (Differences(shown, Drawn(id, width, height, background)) == 0) return name;
        Sleep(kAttemptDelayMs);
    }
    return "unrecognised";
}

}  // namespace apptest
