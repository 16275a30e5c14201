// CExcelTable and CExcelTableArray: the rules of a workbook's sheets.
#include "sources/CExcelTable.h"

ZX_INSTANTIATE_VALUE_HANDLES(CExcelTable);

bool CExcelTableArray::acceptable(const CExcelTable& table, int skip) const {
    const CProjectString& name = table.getExcelName();
    if (name.IsEmpty()) return false;
    if (findIf([&](const CExcelTable& t) { return t.getExcelName() == name; }, skip) >= 0)
        return false;
    if (table.getType() == ExcelTableType::Activities &&
        findIf([](const CExcelTable& t) { return t.getType() == ExcelTableType::Activities; },
               skip) >= 0)
        return false;
    return true;
}

bool CExcelTableArray::Add(const CExcelTable& table) {
    if (!acceptable(table, -1)) return false;
    items().push_back(table);
    return true;
}

bool CExcelTableArray::SetAt(int i, const CExcelTable& table) {
    if (i < 0 || i >= GetSize() || !acceptable(table, i)) return false;
    items()[static_cast<std::size_t>(i)] = table;
    return true;
}

bool CExcelTableArray::find(const CExcelTableType& type, CProjectIntArray* positions) const {
    if (positions) positions->RemoveAll();
    bool found = false;
    for (int i = 0; i < GetSize(); ++i) {
        if (!((*this)[i].getType() == type)) continue;
        found = true;
        if (positions) positions->Add(CProjectInt(i));
    }
    return found;
}

int CExcelTableArray::find(const CProjectString& name) const {
    return findIf([&](const CExcelTable& t) { return t.getExcelName() == name; });
}
