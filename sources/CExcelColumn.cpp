// CExcelColumn and CExcelColumnArray: the rules of a sheet's columns.
#include "sources/CExcelColumn.h"

ZX_INSTANTIATE_VALUE_HANDLES(CExcelColumn);

bool CExcelColumnArray::isUniqueColumn(const CColumnType& type, const CIDBase&) {
    return type == ColumnType::UserField || type == ColumnType::Code;
}

bool CExcelColumnArray::acceptable(const CExcelColumn& column, int skip) const {
    const CProjectString& name = column.getExcelName();
    if (name.IsEmpty()) return false;
    if (findIf([&](const CExcelColumn& c) { return c.getExcelName() == name; }, skip) >= 0)
        return false;
    const CExcelColumnType role = column.getExcelColumnType();
    if (role != ExcelColumnType::Data &&
        findIf([&](const CExcelColumn& c) { return c.getExcelColumnType() == role; }, skip) >= 0)
        return false;
    const CColumnType type = column.getColumnType();
    const CIDBase& id = column.getColumnID();
    if (isUniqueColumn(type, id) && findIf(
                                        [&](const CExcelColumn& c) {
                                            return c.getColumnType() == type &&
                                                   c.getColumnID() == id;
                                        },
                                        skip) >= 0)
        return false;
    return true;
}

bool CExcelColumnArray::Add(const CExcelColumn& column) {
    if (!acceptable(column, -1)) return false;
    items().push_back(column);
    return true;
}

bool CExcelColumnArray::SetAt(int i, const CExcelColumn& column) {
    if (i < 0 || i >= GetSize() || !acceptable(column, i)) return false;
    items()[static_cast<std::size_t>(i)] = column;
    return true;
}

int CExcelColumnArray::find(const CColumnType& type, const CIDBase& id) const {
    return findIf(
        [&](const CExcelColumn& c) { return c.getColumnType() == type && c.getColumnID() == id; });
}

int CExcelColumnArray::find(const CExcelColumnType& type) const {
    return findIf([&](const CExcelColumn& c) { return c.getExcelColumnType() == type; });
}

int CExcelColumnArray::find(const CProjectString& name) const {
    return findIf([&](const CExcelColumn& c) { return c.getExcelName() == name; });
}
