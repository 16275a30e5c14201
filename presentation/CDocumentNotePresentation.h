// CDocumentNotePresentation: which holders of notes and documents the notes-and-documents view
// lists: notes, documents, tasks, resources, resource groups, 3D entities. It holds values only.
// It is its own interface: handles on it come from CHandledValue, and IDocumentNotePresentation
// names the same class.
//
// Defaults (clear, also a new value's): everything included.
//
// Archive record (written to disk; must never change): the six flags in the order of
// describeFields, each a CProjectBool record, no framing of its own.
#pragma once

#include <memory>

#include "basetypes/CProjectScalar.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"
#include "store/ValueHandles.h"

class ZX_API CDocumentNotePresentation : public CDescribedValue<CDocumentNotePresentation>,
                                         public CHandledValue<CDocumentNotePresentation> {
public:
    static constexpr const char* s_kindName = "DocumentNotePresentation";

    template <class V>
    static void describeFields(V& v) {
        v.field("IncludeNotes", &CDocumentNotePresentation::m_includeNotes);
        v.field("IncludeDocuments", &CDocumentNotePresentation::m_includeDocuments);
        v.field("IncludeTasks", &CDocumentNotePresentation::m_includeTasks);
        v.field("IncludeResources", &CDocumentNotePresentation::m_includeResources);
        v.field("IncludeResourceGroups", &CDocumentNotePresentation::m_includeResourceGroups);
        v.field("IncludeEntities", &CDocumentNotePresentation::m_includeEntities);
    }

    // A new heap copy, owned by the caller.
    std::unique_ptr<CDocumentNotePresentation> clone() const {
        return std::make_unique<CDocumentNotePresentation>(*this);
    }

    // Back to the defaults: everything included.
    void clear() { *this = CDocumentNotePresentation(); }

    const CProjectBool& getIncludeNotes() const { return m_includeNotes; }
    void setIncludeNotes(bool value) { m_includeNotes = value; }
    const CProjectBool& getIncludeDocuments() const { return m_includeDocuments; }
    void setIncludeDocuments(bool value) { m_includeDocuments = value; }
    const CProjectBool& getIncludeTasks() const { return m_includeTasks; }
    void setIncludeTasks(bool value) { m_includeTasks = value; }
    const CProjectBool& getIncludeResources() const { return m_includeResources; }
    void setIncludeResources(bool value) { m_includeResources = value; }
    const CProjectBool& getIncludeResourceGroups() const { return m_includeResourceGroups; }
    void setIncludeResourceGroups(bool value) { m_includeResourceGroups = value; }
    const CProjectBool& getIncludeEntities() const { return m_includeEntities; }
    void setIncludeEntities(bool value) { m_includeEntities = value; }

private:
    CProjectBool m_includeNotes = true;
    CProjectBool m_includeDocuments = true;
    CProjectBool m_includeTasks = true;
    CProjectBool m_includeResources = true;
    CProjectBool m_includeResourceGroups = true;
    CProjectBool m_includeEntities = true;
};

using IDocumentNotePresentation = CDocumentNotePresentation;
ZX_DECLARE_VALUE_HANDLES(CDocumentNotePresentation);
