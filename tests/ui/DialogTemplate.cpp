#include "DialogTemplate.h"

#include <cstring>
#include <stdexcept>

namespace {

// Reads the template's fields in order, each checked against the resource's end.
class Reader {
public:
    Reader(const BYTE* data, DWORD size) : m_start(data), m_at(data), m_end(data + size) {}

    template <typename T>
    T Get() {
        Need(sizeof(T));
        T value;
        std::memcpy(&value, m_at, sizeof value);
        m_at += sizeof value;
        return value;
    }

    std::string Text() {
        std::string text;
        for (WORD c = Get<WORD>(); c != 0; c = Get<WORD>()) text += static_cast<char>(c < 0x80 ? c : '?');
        return text;
    }

    NameOrOrdinal NameOrId() {
        NameOrOrdinal value;
        Need(sizeof(WORD));
        WORD first;
        std::memcpy(&first, m_at, sizeof first);
        if (first == 0xFFFF) {
            m_at += sizeof first;
            value.ordinal = Get<WORD>();
        } else {
            value.name = Text();
        }
        return value;
    }

    void AlignToDword() {
        while ((m_at - m_start) % 4) ++m_at;
    }

    void Skip(size_t bytes) {
        Need(bytes);
        m_at += bytes;
    }

private:
    void Need(size_t bytes) const {
        if (static_cast<size_t>(m_end - m_at) < bytes) throw std::runtime_error("dialog template cut short");
    }

    const BYTE* m_start;
    const BYTE* m_at;
    const BYTE* m_end;
};

}  // namespace

DialogTemplate LoadDialogTemplate(WORD id, WORD language) {
    HRSRC resource = ::FindResourceExA(nullptr, RT_DIALOG, MAKEINTRESOURCEA(id), language);
    if (!resource) throw std::runtime_error("no dialog template " + std::to_string(id) + " in that language");
    const auto* data = static_cast<const BYTE*>(::LockResource(::LoadResource(nullptr, resource)));
    Reader in(data, ::SizeofResource(nullptr, resource));

    DialogTemplate dialog;
    if (in.Get<WORD>() != 1) throw std::runtime_error("not an extended dialog template");
    dialog.signature = in.Get<WORD>();
    in.Get<DWORD>();  // help id
    dialog.exStyle = in.Get<DWORD>();
    dialog.style = in.Get<DWORD>();
    const WORD count = in.Get<WORD>();
    dialog.x = in.Get<short>();
    dialog.y = in.Get<short>();
    dialog.cx = in.Get<short>();
    dialog.cy = in.Get<short>();
    dialog.menu = in.NameOrId();
    dialog.windowClass = in.NameOrId();
    dialog.caption = in.Text();
    if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
        dialog.pointSize = in.Get<WORD>();
        dialog.weight = in.Get<WORD>();
        dialog.italic = in.Get<BYTE>();
        dialog.charset = in.Get<BYTE>();
        dialog.typeface = in.Text();
    }
    for (WORD i = 0; i < count; ++i) {
        in.AlignToDword();
        TemplateItem item;
        item.helpId = in.Get<DWORD>();
        item.exStyle = in.Get<DWORD>();
        item.style = in.Get<DWORD>();
        item.x = in.Get<short>();
        item.y = in.Get<short>();
        item.cx = in.Get<short>();
        item.cy = in.Get<short>();
        item.id = in.Get<DWORD>();
        item.windowClass = in.NameOrId();
        item.text = in.NameOrId();
        in.Skip(in.Get<WORD>());
        dialog.items.push_back(item);
    }
    return dialog;
}
