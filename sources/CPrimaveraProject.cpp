// CPrimaveraProject: the lists addressed by entity and array type.
#include "sources/CPrimaveraProject.h"

ZX_INSTANTIATE_VALUE_HANDLES(CPrimaveraProject);

const CProjectStringArray& CPrimaveraProject::getConstEntityArray(EEntityType entity,
                                                                  EArrayType array) const {
    const int index = listIndex(entity, array);
    return index < 0 ? m_fallback : m_entityLists[static_cast<std::size_t>(index)];
}

CProjectStringArray& CPrimaveraProject::getEntityArray(EEntityType entity, EArrayType array) {
    const int index = listIndex(entity, array);
    if (index >= 0) return m_entityLists[static_cast<std::size_t>(index)];
    m_fallback.RemoveAll();
    return m_fallback;
}
