// IPresentationMapSet: the presentation maps of one project, which the host holds beside the
// roots (no root or object owns a presentation map): how each object is shown, by kind, and
// which items of the layout and path trees are expanded. The host holds one per project; it has
// no root, and the document saves it like the other held objects.
//
// A new set holds empty maps, the expanded-state ones collapsed by default.
//
// Archive record: the maps' records in description order.
#pragma once

#include <type_traits>

#include "basetypes/FieldVisitors.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "presentation/CPresentationMaps.h"
#include "store/ArrayHandles.h"

class ZX_API IPresentationMapSet : public IDescribed<IPresentationMapSet> {
public:
    static constexpr const char* s_kindName = "PresentationMapSet";

    struct Fields {
        // Keys the one set in the document's root of held objects.
        CPresentationMapSetID id;
        CTaskPresentationMap tasks;
        CCodePresentationMap codes;
        CCodeValuePresentationMap codeValues;
        CCalendarPresentationMap calendars;
        CResourcePresentationMap resources;
        CResourceGroupPresentationMap resourceGroups;
        CResourceStatePresentationMap resourceStates;
        CUserFieldPresentationMap userFields;
        CUseProfilePresentationMap useProfiles;
        CRiskPresentationMap risks;
        CRulePresentationMap rules;
        CAnimationPresentationMap animations;
        CEntity3DPresentationMap entities;
        CDocumentFolderPresentationMap documentFolders;
        CUniFolderPresentationMap uniFolders;
        CLayoutPresentationMap layouts;
        CPathPresentationMap paths;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Tasks", &Fields::tasks);
        v.field("Codes", &Fields::codes);
        v.field("CodeValues", &Fields::codeValues);
        v.field("Calendars", &Fields::calendars);
        v.field("Resources", &Fields::resources);
        v.field("ResourceGroups", &Fields::resourceGroups);
        v.field("ResourceStates", &Fields::resourceStates);
        v.field("UserFields", &Fields::userFields);
        v.field("UseProfiles", &Fields::useProfiles);
        v.field("Risks", &Fields::risks);
        v.field("Rules", &Fields::rules);
        v.field("Animations", &Fields::animations);
        v.field("Entities3D", &Fields::entities);
        v.field("DocumentFolders", &Fields::documentFolders);
        v.field("UniFolders", &Fields::uniFolders);
        v.field("Layouts", &Fields::layouts);
        v.field("Paths", &Fields::paths);
    }

    const CPresentationMapSetID& getID() const { return fields().id; }
    void setID(const CPresentationMapSetID& id) { fields().id = id; }

    // The map of one kind, by its type: set.get<CTaskPresentationMap>(). Found through the
    // description, so the list of maps is written once.
    template <class Map>
    const Map& get() const {
        return fields().*memberOf<Map>();
    }
    template <class Map>
    Map& getWritable() {
        return fields().*memberOf<Map>();
    }

protected:
    friend IDescribed<IPresentationMapSet>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;

private:
    template <class Map>
    struct MemberFinder : zx::fields::FieldsOnly<MemberFinder<Map>> {
        Map Fields::*found = nullptr;
        template <class T>
        void field(const char*, T Fields::*member, zx::FieldOptions = {}) {
            if constexpr (std::is_same_v<T, Map>) found = member;
        }
    };
    template <class Map>
    static Map Fields::*memberOf() {
        MemberFinder<Map> finder;
        describeFields(finder);
        return finder.found;
    }
};

using IPresentationMapSetHandle = CWrapperHandle<IPresentationMapSet>;
using IPresentationMapSetWritableHandle = CWritableWrapperHandle<IPresentationMapSet>;
using IPresentationMapSetArrayHandle =
    CWrapperArrayHandle<IPresentationMapSet, CPresentationMapSetID, 0>;
using IPresentationMapSetConstArrayHandle =
    CConstWrapperArrayHandle<IPresentationMapSet, CPresentationMapSetID, 0>;
ZX_DECLARE_INTERFACE(IPresentationMapSet, CPresentationMapSetID, 0);
