// CExcelColumn: one column of an Excel sheet used as a source: its heading, whether it is
// imported, its role in the sheet, where its values go in the project (a field, a user field or a
// code named by ColumnID, or a new user field of NewUserFieldType); and CExcelColumnArray, a
// sheet's columns in order.
//
// A sheet's columns have distinct headings; at most one column takes each role but Data; and at
// most one column maps to each user field or code (isUniqueColumn). Add refuses a column that
// would break these.
//
// Both are their own interfaces: IExcelColumn and IExcelColumnArray name the same classes.
//
// Archive records: a column's fields in the order of describeFields; the array's record is
// CExcelList's with the marker "CExcelColumnArray".
#pragma once

#include <memory>

#include "basetypes/CIDBase.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CString.h"
#include "basetypes/CZentrixEnumeration.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/SourceEnumerations.h"
#include "basetypes/ZxApi.h"
#include "sources/CExcelList.h"
#include "store/ValueHandles.h"

class ZX_API CExcelColumn : public CDescribedValue<CExcelColumn>,
                            public CHandledValue<CExcelColumn> {
public:
    static constexpr const char* s_kindName = "ExcelColumn";

    template <class V>
    static void describeFields(V& v) {
        v.field("ExcelName", &CExcelColumn::m_excelName);
        v.field("Import", &CExcelColumn::m_import);
        v.field("ExcelColumnType", &CExcelColumn::m_excelColumnType);
        v.field("ColumnType", &CExcelColumn::m_columnType);
        v.field("ColumnID", &CExcelColumn::m_columnID);
        v.field("NewUserFieldType", &CExcelColumn::m_newUserFieldType);
    }

    const CProjectString& getExcelName() const { return m_excelName; }
    void setExcelName(const CString& name) { m_excelName = name; }
    const CProjectBool& getImport() const { return m_import; }
    void setImport(bool import) { m_import = import; }
    const CExcelColumnType& getExcelColumnType() const { return m_excelColumnType; }
    void setExcelColumnType(const CExcelColumnType& type) { m_excelColumnType = type; }
    const CColumnType& getColumnType() const { return m_columnType; }
    void setColumnType(const CColumnType& type) { m_columnType = type; }
    const CIDBase& getColumnID() const { return m_columnID; }
    void setColumnID(const CIDBase& id) { m_columnID = id; }
    const CUserFieldType& getNewUserFieldType() const { return m_newUserFieldType; }
    void setNewUserFieldType(const CUserFieldType& type) { m_newUserFieldType = type; }

    // A new copy, owned by the caller.
    std::unique_ptr<CExcelColumn> clone() const { return std::make_unique<CExcelColumn>(*this); }
    // The values of a new column: no heading, imported, a Data column going nowhere.
    void initialize() { *this = CExcelColumn(); }

private:
    CProjectString m_excelName;
    CProjectBool m_import = true;
    CExcelColumnType m_excelColumnType;
    CColumnType m_columnType;
    CIDBase m_columnID;
    CUserFieldType m_newUserFieldType;
};

class ZX_API CExcelColumnArray : public CExcelList<CExcelColumn, CExcelColumnArray> {
public:
    static constexpr const char* s_recordMarker = "CExcelColumnArray";

    // Whether a column of this type and ID may be the only one of its kind in a sheet: one that
    // maps to a particular user field or code.
    static bool isUniqueColumn(const CColumnType& type, const CIDBase& id);

    // Appends a copy of column, unless its heading is empty or taken, its role (other than Data)
    // is taken, or it is unique (isUniqueColumn) and a column of the same type and ID exists.
    [[nodiscard]] bool Add(const CExcelColumn& column);
    // Replaces the column at i under the same rules, judged against the other columns.
    [[nodiscard]] bool SetAt(int i, const CExcelColumn& column);

    // The first position of a column of this type and ID, of this role, or of this heading; or -1.
    int find(const CColumnType& type, const CIDBase& id) const;
    int find(const CExcelColumnType& type) const;
    int find(const CProjectString& name) const;

private:
    bool acceptable(const CExcelColumn& column, int skip) const;
};

using IExcelColumn = CExcelColumn;
using IExcelColumnArray = CExcelColumnArray;
ZX_DECLARE_VALUE_HANDLES(CExcelColumn);
