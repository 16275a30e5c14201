#include "schedule/CCode.h"

#include "store/CollectionOps.h"

ICodeValueArrayHandle CCode::getCodeValues() const {
    return ICodeValueArrayHandle(new CCodeValueArrayHandle(&m_codeValues));
}

bool CCode::attachCodeValue(ICodeValueWritableHandle value, int index) {
    return attachFromHandle(m_codeValues, value, index);
}

ICodeValueWritableHandle CCode::detachCodeValue(const CCodeValueID& id) {
    return detachToHandle(m_codeValues, id);
}

ZX_INSTANTIATE_KIND(ICode, CCode, CCodeID, 0);
