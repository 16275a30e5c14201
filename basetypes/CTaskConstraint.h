// CTaskConstraint: the date constraint of a task: its type and the early and late dates it names.
//
// Archive record: the type, the early date, the late date.
#pragma once

#include "basetypes/CProjectTime.h"
#include "basetypes/CZentrixEnumeration.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"

class ZX_API CTaskConstraint : public CDescribedValue<CTaskConstraint> {
public:
    static constexpr const char* s_kindName = "TaskConstraint";

    template <class V>
    static void describeFields(V& v) {
        v.field("Type", &CTaskConstraint::m_type);
        v.field("EarlyDate", &CTaskConstraint::m_earlyDate);
        v.field("LateDate", &CTaskConstraint::m_lateDate);
    }

    const CTaskConstraintType& getType() const { return m_type; }
    void setType(const CTaskConstraintType& type) { m_type = type; }
    const CProjectTime& getEarlyDate() const { return m_earlyDate; }
    void setEarlyDate(const CProjectTime& date) { m_earlyDate = date; }
    const CProjectTime& getLateDate() const { return m_lateDate; }
    void setLateDate(const CProjectTime& date) { m_lateDate = date; }

private:
    CTaskConstraintType m_type;
    CProjectTime m_earlyDate;
    CProjectTime m_lateDate;
};
