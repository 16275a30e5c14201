#include "model3d/CIRayMaterialDefinition.h"

CIRayMaterialDefinition::CIRayMaterialDefinition() = default;
CIRayMaterialDefinition::CIRayMaterialDefinition(const CIRayMaterialDefinition&) = default;
CIRayMaterialDefinition::CIRayMaterialDefinition(CIRayMaterialDefinition&&) noexcept = default;
CIRayMaterialDefinition& CIRayMaterialDefinition::operator=(const CIRayMaterialDefinition&) =
    default;
CIRayMaterialDefinition& CIRayMaterialDefinition::operator=(CIRayMaterialDefinition&&) noexcept =
    default;
CIRayMaterialDefinition::~CIRayMaterialDefinition() = default;

bool CIRayMaterialDefinition::findType(CString& type, const CString& name) const {
    const CString* found = m_attributes.find(name);
    if (!found) return false;
    type = *found;
    return true;
}

IrayElementType CIRayMaterialDefinition::getVecElementType(const CString& name) const {
    const IrayElementType* found = m_elementTypes.find(name);
    return found ? *found : IrayElementType();
}

void CIRayMaterialDefinition::setMaterialDefaults(const CIRayMaterialInstance& defaults) {
    // Copied before it is stored, so that defaults may be this definition's own (or hold it).
    CIRayMaterialInstance copy(defaults);
    m_defaults.set(std::move(copy));
}

bool CIRayMaterialInstance::findValue(CString& value, const CString& name) const {
    const CString* found = m_values.find(name);
    if (!found) return false;
    value = *found;
    return true;
}

void CIRayMaterialInstance::addDefaults(const CIRayMaterialInstance& defaults, bool overwrite) {
    if (&defaults == this) return;
    for (const auto& [name, value] : defaults.m_values.entries()) {
        if (overwrite || !m_values.find(name)) m_values.set(name, value);
    }
}
