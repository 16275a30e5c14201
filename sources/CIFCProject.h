// CIFCProject: the settings of an IFC model used as a source: its ID pairs, the model's
// identifiers beside this project's, both as texts, paired by position.
//
// Its own interface: handles come from CHandledValue and IIFCProject names the same class.
//
// Archive record: the two lists.
#pragma once

#include "basetypes/CProjectStringArray.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"
#include "sources/CExternProject.h"
#include "sources/COurplanProject.h"
#include "store/ValueHandles.h"

class ZX_API CIFCProject : public CDescribedValue<CIFCProject>,
                           public CHandledValue<CIFCProject>,
                           public CExternProject<CIFCProject>,
                           public CIDPairLists {
public:
    static constexpr const char* s_kindName = "IFCProject";

    CIFCProject() = default;

    template <class V>
    static void describeFields(V& v) {
        v.field("SourceIDs", &CIFCProject::m_first);
        v.field("ZentrixIDs", &CIFCProject::m_second);
    }

    void RemoveAll() { *this = CIFCProject(); }
};

using IIFCProject = CIFCProject;
ZX_DECLARE_VALUE_HANDLES(CIFCProject);
