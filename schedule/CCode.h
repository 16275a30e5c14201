// CCode: a stored activity code and the code values it owns.
#pragma once

#include "basetypes/ICode.h"
#include "basetypes/ZxApi.h"
#include "schedule/CCodeValue.h"

class ZX_API CCode : public CStored<CCode, ICode> {
public:
    CCode() = default;

    ICodeValueConstArrayHandle getCodeValues() const override;
    ICodeValueArrayHandle getCodeValues() override;
    [[nodiscard]] int addCodeValue(const ICodeValue& value) override {
        return m_codeValues.Add(value);
    }
    [[nodiscard]] bool insertCodeValue(int index, const ICodeValue& value) override {
        return m_codeValues.InsertAt(index, value);
    }
    [[nodiscard]] bool removeCodeValue(int index) override { return m_codeValues.RemoveAt(index); }
    [[nodiscard]] bool removeCodeValue(const CCodeValueID& id) { return m_codeValues.Remove(id); }
    [[nodiscard]] bool attachCodeValue(ICodeValueWritableHandle value, int index) override;
    [[nodiscard]] ICodeValueWritableHandle detachCodeValue(const CCodeValueID& id) override;
    void removeAllCodeValues() override { m_codeValues.RemoveAll(); }

private:
    CCodeValueArray m_codeValues;
};

using CCodeArray = CUniqueObjectPointerArray<ICode, CCode, CCodeID>;
using CCodeHandle = CBasicHandle<ICode, CCode>;
using CCodeWritableHandle = CWritableBasicHandle<ICode, CCode>;
using CCodeArrayHandle = CBasicArrayHandle<ICode, CCode, CCodeID, 0>;
ZX_DECLARE_KIND(ICode, CCode, CCodeID, 0);
