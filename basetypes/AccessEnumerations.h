// The enumerations of the project's users and companies. Stored as CZentrixEnumeration values
// (int32 records, refused outside their range); the values are written to disk: append new ones,
// never reorder or remove.
#pragma once

#include <cstdint>

#include "basetypes/CZentrixEnumeration.h"

// The part a company plays in the project. A new company is a Contractor (1).
enum class CompanyType : std::int32_t {
    Owner,
    Contractor,
    Subcontractor,
    Supplier,
    Designer,
    Consultant,
    Other
};
template <>
struct EnumerationTraits<CompanyType> {
    static constexpr const char* typeName = "CCompanyType";
    static constexpr const char* names[] = {"Owner",    "Contractor", "Subcontractor", "Supplier",
                                            "Designer", "Consultant", "Other"};
};
using CCompanyType = CZentrixEnumeration<CompanyType>;
