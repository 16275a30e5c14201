// CTextProperties: how the text of a 3D entity is drawn: its font, then its alignment, each as the
// text the viewer understands (a font description such as "Arial,12,bold", an alignment such as
// "center"). It holds values only. It is its own interface: handles on it come from
// CHandledValue, and ITextProperties names the same class.
//
// Defaults: both texts empty, meaning the viewer's own font and alignment.
//
// Archive record (written to disk; must never change): the font, then the alignment
// (CProjectString each), in the order of describeFields, no framing of its own.
#pragma once

#include "basetypes/CProjectString.h"
#include "basetypes/CString.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"
#include "store/ValueHandles.h"

class ZX_API CTextProperties : public CDescribedValue<CTextProperties>,
                               public CHandledValue<CTextProperties> {
public:
    static constexpr const char* s_kindName = "TextProperties";

    template <class V>
    static void describeFields(V& v) {
        v.field("TextFontString", &CTextProperties::m_textFontString);
        v.field("TextAlignmentString", &CTextProperties::m_textAlignmentString);
    }

    CTextProperties() = default;
    // Null texts are stored as empty ones.
    CTextProperties(const wchar_t* font, const wchar_t* alignment)
        : m_textFontString(CString(font)), m_textAlignmentString(CString(alignment)) {}

    // Copies of the texts, so that a caller may keep them past a change of this value.
    CString getTextFontString() const { return m_textFontString.getString(); }
    void setTextFontString(const wchar_t* font) { m_textFontString = CString(font); }
    CString getTextAlignmentString() const { return m_textAlignmentString.getString(); }
    void setTextAlignmentString(const wchar_t* alignment) {
        m_textAlignmentString = CString(alignment);
    }

protected:
    CProjectString& getWritableTextFontString() { return m_textFontString; }
    CProjectString& getWritableTextAlignmentString() { return m_textAlignmentString; }

private:
    CProjectString m_textFontString;
    CProjectString m_textAlignmentString;
};

using ITextProperties = CTextProperties;
ZX_DECLARE_VALUE_HANDLES(CTextProperties);
