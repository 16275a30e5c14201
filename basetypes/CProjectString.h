// CProjectString: a stored text value. Archive record: the CString record (UTF-16 with a length).
#pragma once

#include <string>
#include <string_view>

#include "basetypes/CString.h"
#include "basetypes/DumpText.h"
#include "basetypes/ZxApi.h"

class CZentrixArchive;

class ZX_API CProjectString {
public:
    CProjectString() = default;
    CProjectString(const CString& text) : m_text(text) {}
    CProjectString(CString&& text) : m_text(std::move(text)) {}
    CProjectString(const wchar_t* text) : m_text(text) {}
    CProjectString(std::wstring_view text) : m_text(text) {}
    // Narrow text is taken as UTF-8.
    explicit CProjectString(std::string_view utf8) : m_text(CString::fromUtf8(utf8)) {}

    const CString& getString() const { return m_text; }
    operator const CString&() const { return m_text; }
    const wchar_t* c_str() const { return m_text.c_str(); }
    bool IsEmpty() const { return m_text.IsEmpty(); }
    int GetLength() const { return m_text.GetLength(); }

    void copyFrom(const CProjectString& other) { m_text = other.m_text; }
    friend bool operator==(const CProjectString&, const CProjectString&) = default;
    friend auto operator<=>(const CProjectString& a, const CProjectString& b) {
        return a.m_text <=> b.m_text;
    }

    void Serialize(CZentrixArchive& ar);

private:
    CString m_text;
};

inline std::string toDumpText(const CProjectString& s) { return toDumpText(s.getString()); }
