// CCodeValue: a stored code value. It owns its sub-values; the sub-value collection exists for
// the value's whole life (an emptied collection is replaced by a new empty one).
#pragma once

#include <memory>

#include "basetypes/ICodeValue.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CCodeValue;
using CCodeValueArray = CUniqueObjectPointerArray<ICodeValue, CCodeValue, CCodeValueID>;
using CCodeValueHandle = CBasicHandle<ICodeValue, CCodeValue>;
using CCodeValueWritableHandle = CWritableBasicHandle<ICodeValue, CCodeValue>;
using CCodeValueArrayHandle = CBasicArrayHandle<ICodeValue, CCodeValue, CCodeValueID, 0>;

class ZX_API CCodeValue : public CStored<CCodeValue, ICodeValue> {
public:
    CCodeValue();
    CCodeValue(const CCodeValue& other);
    CCodeValue& operator=(const CCodeValue& other);
    ~CCodeValue() override;

    ICodeValueConstArrayHandle getSubCodeValues() const override;
    ICodeValueArrayHandle getSubCodeValues() override;
    [[nodiscard]] int addSubCodeValue(const ICodeValue& value) override;
    [[nodiscard]] bool insertSubCodeValue(const ICodeValue& value, int index) override;
    [[nodiscard]] bool removeSubCodeValue(int index) override;
    [[nodiscard]] bool removeSubCodeValue(const CCodeValueID& id);
    void removeAllSubCodeValues();
    [[nodiscard]] bool attachSubCodeValue(ICodeValueWritableHandle value, int index) override;
    [[nodiscard]] ICodeValueWritableHandle detachSubCodeValue(const CCodeValueID& id) override;

private:
    std::unique_ptr<CCodeValueArray> m_subCodeValues;
};
ZX_DECLARE_KIND(ICodeValue, CCodeValue, CCodeValueID, 0);
