// CString: the wide text type every stored string is made of.
//
// A thin value wrapper over std::wstring. It exists so that the store's interfaces speak one text
// type; conversion to and from UTF-8 is offered for tools and dumps. Text is kept as wchar_t code
// units exactly as given; no normalisation takes place.
#pragma once

#include <compare>
#include <cstddef>
#include <string>
#include <string_view>

#include "basetypes/ZxApi.h"

class ZX_API CString {
public:
    CString() = default;
    CString(const wchar_t* text) : m_text(text ? text : L"") {}
    CString(std::wstring text) : m_text(std::move(text)) {}
    CString(std::wstring_view text) : m_text(text) {}
    CString(const wchar_t* text, std::size_t length) : m_text(text, length) {}

    // Narrow text is taken as UTF-8.
    static CString fromUtf8(std::string_view utf8);
    std::string toUtf8() const;

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }

    const wchar_t* c_str() const { return m_text.c_str(); }
    operator const wchar_t*() const { return m_text.c_str(); }
    const std::wstring& str() const { return m_text; }
    std::wstring& str() { return m_text; }
    std::wstring_view view() const { return m_text; }

    CString& operator+=(std::wstring_view more) {
        m_text += more;
        return *this;
    }
    friend CString operator+(CString a, std::wstring_view b) { return a += b; }

    friend bool operator==(const CString&, const CString&) = default;
    friend auto operator<=>(const CString& a, const CString& b) { return a.m_text <=> b.m_text; }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.m_text == b; }

private:
    std::wstring m_text;
};

template <>
struct std::hash<CString> {
    std::size_t operator()(const CString& s) const noexcept {
        return std::hash<std::wstring>{}(s.str());
    }
};
