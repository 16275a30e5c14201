// CEntity3D: moves, and destruction without recursion along the tree.
#include "model3d/CEntity3D.h"

#include "store/FreeTree.h"

// Both collections of entities are taken out level by level (see store/FreeTree.h).
CEntity3D::~CEntity3D() {
    const auto sub = [](CEntity3D& entity) { return entity.m_subEntities.get(); };
    const auto parts = [](CEntity3D& entity) { return entity.m_subdivisionParts.get(); };
    zx::freeTree(m_subEntities.get(), sub, parts);
    zx::freeTree(m_subdivisionParts.get(), sub, parts);
}

CEntity3D::CEntity3D(CEntity3D&& other) noexcept
    : CStored<CEntity3D, IEntity3D>(),
      m_subEntities(std::move(other.m_subEntities)),
      m_subdivisionParts(std::move(other.m_subdivisionParts)),
      m_notes(std::move(other.m_notes)) {
    fields() = std::move(other.fields());
    other.fields() = Fields{};
}

CEntity3D& CEntity3D::operator=(CEntity3D&& other) noexcept {
    if (this == &other) return *this;
    // What this entity held goes first, without recursion however deep.
    CEntity3D old(std::move(*this));
    m_subEntities = std::move(other.m_subEntities);
    m_subdivisionParts = std::move(other.m_subdivisionParts);
    m_notes = std::move(other.m_notes);
    fields() = std::move(other.fields());
    other.fields() = Fields{};
    return *this;
}

ZX_INSTANTIATE_KIND(IEntity3D, CEntity3D, CEntity3DID, 0);
