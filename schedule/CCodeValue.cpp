#include "schedule/CCodeValue.h"

#include "store/CollectionOps.h"
#include "store/FreeTree.h"

CCodeValue::CCodeValue() : m_subCodeValues(std::make_unique<CCodeValueArray>()) {}

CCodeValue::CCodeValue(const CCodeValue& other) : CCodeValue() { copyFrom(other); }

CCodeValue& CCodeValue::operator=(const CCodeValue& other) {
    copyFrom(other);
    return *this;
}

// Without recursion however deep the tree below (see store/FreeTree.h).
CCodeValue::~CCodeValue() {
    zx::freeTree(m_subCodeValues.get(),
                 [](CCodeValue& child) { return child.m_subCodeValues.get(); });
}

ICodeValueConstArrayHandle CCodeValue::getSubCodeValues() const {
    return ICodeValueConstArrayHandle::over(m_subCodeValues.get());
}

ICodeValueArrayHandle CCodeValue::getSubCodeValues() {
    return ICodeValueArrayHandle::over(m_subCodeValues.get());
}

int CCodeValue::addSubCodeValue(const ICodeValue& value) { return m_subCodeValues->Add(value); }

bool CCodeValue::insertSubCodeValue(const ICodeValue& value, int index) {
    return m_subCodeValues->InsertAt(index, value);
}

bool CCodeValue::removeSubCodeValue(int index) {
    if (index < 0 || index > m_subCodeValues->GetUpperBound()) return false;
    return m_subCodeValues->RemoveAt(index);
}

bool CCodeValue::removeSubCodeValue(const CCodeValueID& id) {
    if (!m_subCodeValues->Remove(id)) return false;
    if (m_subCodeValues->GetSize() == 0) removeAllSubCodeValues();
    return true;
}

void CCodeValue::removeAllSubCodeValues() { m_subCodeValues = std::make_unique<CCodeValueArray>(); }

bool CCodeValue::attachSubCodeValue(ICodeValueWritableHandle value, int index) {
    return attachFromHandle(*m_subCodeValues, value, index);
}

ICodeValueWritableHandle CCodeValue::detachSubCodeValue(const CCodeValueID& id) {
    return detachToHandle(*m_subCodeValues, id);
}

ZX_INSTANTIATE_KIND(ICodeValue, CCodeValue, CCodeValueID, 0);
