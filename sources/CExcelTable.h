// CExcelTable: one sheet of an Excel workbook used as a source: its name, whether it is imported,
// what it holds and its columns; and CExcelTableArray, the workbook's sheets in order.
//
// A workbook's sheets have distinct, non-empty names, and at most one holds activities (type
// Activities, the sheet that makes tasks). Add and SetAt refuse a sheet that would break this.
//
// Both are their own interfaces: IExcelTable and IExcelTableArray name the same classes.
//
// Archive records: a sheet's fields in the order of describeFields; the array's record is
// CExcelList's with the marker "CExcelTableArray".
#pragma once

#include <memory>

#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CString.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/SourceEnumerations.h"
#include "basetypes/ZxApi.h"
#include "sources/CExcelColumn.h"
#include "sources/CExcelList.h"
#include "store/CNonUniqueValueArray.h"
#include "store/ValueHandles.h"

class ZX_API CExcelTable : public CDescribedValue<CExcelTable>, public CHandledValue<CExcelTable> {
public:
    static constexpr const char* s_kindName = "ExcelTable";

    template <class V>
    static void describeFields(V& v) {
        v.field("ExcelName", &CExcelTable::m_excelName);
        v.field("Import", &CExcelTable::m_import);
        v.field("Type", &CExcelTable::m_type);
        v.field("Columns", &CExcelTable::m_columns);
    }

    const CProjectString& getExcelName() const { return m_excelName; }
    void setExcelName(const CString& name) { m_excelName = name; }
    const CProjectBool& getImport() const { return m_import; }
    void setImport(bool import) { m_import = import; }
    const CExcelTableType& getType() const { return m_type; }
    void setType(const CExcelTableType& type) { m_type = type; }
    const CExcelColumnArray& getColumns() const { return m_columns; }
    CExcelColumnArray& getColumns() { return m_columns; }

    // A new copy, owned by the caller.
    std::unique_ptr<CExcelTable> clone() const { return std::make_unique<CExcelTable>(*this); }
    // The values of a new sheet: no name, imported, type Other, no columns.
    void initialize() { *this = CExcelTable(); }

private:
    CProjectString m_excelName;
    CProjectBool m_import = true;
    CExcelTableType m_type;
    CExcelColumnArray m_columns;
};

class ZX_API CExcelTableArray : public CExcelList<CExcelTable, CExcelTableArray> {
public:
    static constexpr const char* s_recordMarker = "CExcelTableArray";

    // Appends a copy of table, unless its name is empty or taken, or it holds activities and
    // another sheet already does.
    [[nodiscard]] bool Add(const CExcelTable& table);
    // Replaces the sheet at i under the same rules, judged against the other sheets.
    [[nodiscard]] bool SetAt(int i, const CExcelTable& table);

    // Whether a sheet of this type exists; positions, when given, receives every such sheet's
    // position in ascending order (emptied first).
    bool find(const CExcelTableType& type, CProjectIntArray* positions = nullptr) const;
    // The first position of a sheet of this name, or -1.
    int find(const CProjectString& name) const;

private:
    bool acceptable(const CExcelTable& table, int skip) const;
};

using IExcelTable = CExcelTable;
using IExcelTableArray = CExcelTableArray;
ZX_DECLARE_VALUE_HANDLES(CExcelTable);
