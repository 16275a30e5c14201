// CExcelProject: the settings of an Excel workbook used as a source: its sheets (with their
// columns) and the units bare numbers stand for in duration and resource columns.
//
// Its own interface: handles come from CHandledValue and IExcelProject names the same class.
//
// Archive record: the fields in the order of describeFields.
#pragma once

#include "basetypes/FieldVisitors.h"
#include "basetypes/SourceEnumerations.h"
#include "basetypes/ZxApi.h"
#include "sources/CExcelTable.h"
#include "sources/CExternProject.h"
#include "sources/SourceAccessors.h"
#include "store/ValueHandles.h"

class ZX_API CExcelProject : public CDescribedValue<CExcelProject>,
                             public CHandledValue<CExcelProject>,
                             public CExternProject<CExcelProject> {
public:
    static constexpr const char* s_kindName = "ExcelProject";

    template <class V>
    static void describeFields(V& v) {
        v.field("Tables", &CExcelProject::m_tables);
        v.field("DurationUnits", &CExcelProject::m_durationUnits);
        v.field("ResourceUnits", &CExcelProject::m_resourceUnits);
    }

    ZX_MEMBER_ACCESSORS(getTables, getWritableTables, m_tables)
    void setTables(const IExcelTableArray& tables) { m_tables = tables; }
    ZX_MEMBER_ACCESSORS(getDurationUnits, getWritableDurationUnits, m_durationUnits)
    void setDurationUnits(const CDurationDefaultUnits& units) { m_durationUnits = units; }
    ZX_MEMBER_ACCESSORS(getResourceUnits, getWritableResourceUnits, m_resourceUnits)
    void setResourceUnits(const CDurationDefaultUnits& units) { m_resourceUnits = units; }

    void RemoveAll() { *this = CExcelProject(); }

private:
    CExcelTableArray m_tables;
    CDurationDefaultUnits m_durationUnits = DurationDefaultUnits::Days;
    CDurationDefaultUnits m_resourceUnits = DurationDefaultUnits::Hours;
};

using IExcelProject = CExcelProject;
ZX_DECLARE_VALUE_HANDLES(CExcelProject);
