// CDataDefiningEntityState: which 3D entities a time-dependent clash test treats as present at a
// moment of the schedule.
//
// An entity counts as present when the schedule shows it then (its display state in force is not
// a hidden one) and, when presentStates is not empty, when the task that drives it is in one of
// those task states. A new value excludes hidden entities and names no task state. A plain
// described value: its record, copies, comparison and dump come from its description.
//
// Archive record: ExcludeHidden (byte), then PresentStates (an ID set record).
#pragma once

#include "basetypes/CProjectScalar.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/IDArrays.h"

class ZX_API CDataDefiningEntityState : public CDescribedValue<CDataDefiningEntityState> {
public:
    static constexpr const char* s_kindName = "DataDefiningEntityState";

    template <class V>
    static void describeFields(V& v) {
        v.field("ExcludeHidden", &CDataDefiningEntityState::m_excludeHidden);
        v.field("PresentStates", &CDataDefiningEntityState::m_presentStates);
    }

    bool getExcludeHidden() const { return m_excludeHidden; }
    void setExcludeHidden(bool exclude) { m_excludeHidden = exclude; }
    const CTaskStateIDArray& getPresentStates() const { return m_presentStates; }
    void setPresentStates(const CTaskStateIDArray& states) { m_presentStates = states; }

private:
    bool m_excludeHidden = true;
    CTaskStateIDArray m_presentStates;
};
