#include "schedule/CCode.h"

#include "store/CollectionOps.h"

ICodeValueConstArrayHandle CCode::getCodeValues() const {
    return ICodeValueConstArrayHandle::over(&m_codeValues);
}

ICodeValueArrayHandle CCode::getCodeValues() { return ICodeValueArrayHandle::over(&m_codeValues); }

bool CCode::attachCodeValue(ICodeValueWritableHandle value, int index) {
    return attachFromHandle(m_codeValues, value, index);
}

ICodeValueWritableHandle CCode::detachCodeValue(const CCodeValueID& id) {
    return detachToHandle(m_codeValues, id);
}

ZX_INSTANTIATE_KIND(ICode, CCode, CCodeID, 0);
