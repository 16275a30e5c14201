// CSafranProject: what RemoveAll keeps.
#include "sources/CSafranProject.h"

ZX_INSTANTIATE_VALUE_HANDLES(CSafranProject);

void CSafranProject::RemoveAll() {
    const CProjectInt codeSetID = m_codeSetID;
    *this = CSafranProject();
    m_codeSetID = codeSetID;
}
