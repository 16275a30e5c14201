// CAstaProject: login and password from the string options, and the older record's rule.
#include "sources/CAstaProject.h"

ZX_INSTANTIATE_VALUE_HANDLES(CAstaProject);

void CAstaProject::RemoveAll() { *this = CAstaProject(); }

const CString& CAstaProject::stringOption(const wchar_t* name, CString& cache) const {
    cache = CString();
    for (std::size_t i = 0; i < m_stringOptionNames.size(); ++i) {
        if (m_stringOptionNames[i] == name) {
            if (i < m_stringOptionValues.size()) cache = m_stringOptionValues[i];
            break;
        }
    }
    return cache;
}

const CString& CAstaProject::getLogin() { return stringOption(L"login", m_loginCache); }
const CString& CAstaProject::getPassword() { return stringOption(L"password", m_passwordCache); }

void CAstaProject::emptyUserFields(CZentrixArchive& ar) {
    if (!ar.IsLoading()) return;
    m_userFieldKeys.clear();
    m_userFieldIDs.clear();
}
