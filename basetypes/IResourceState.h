// IResourceState: a named condition a resource can be in (a status of equipment, a stage of a
// delivery), with the colour, transparency and visibility the 3D view shows it with. States nest:
// a state owns its sub-states, which exist only while there is at least one (an absent collection
// reads as empty everywhere).
//
// Record (field by field, in the order of describeFields): ID, name, colour, use-original-
// transparency flag, transparency, visibility, sub-states (a presence byte, then their collection
// when present), type.
#pragma once

#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CZentrixEnumeration.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IResourceState;
using IResourceStateHandle = CWrapperHandle<IResourceState>;
using IResourceStateWritableHandle = CWritableWrapperHandle<IResourceState>;
using IResourceStateArrayHandle = CWrapperArrayHandle<IResourceState, CResourceStateID, 0>;
using IResourceStateConstArrayHandle =
    CConstWrapperArrayHandle<IResourceState, CResourceStateID, 0>;
ZX_DECLARE_INTERFACE(IResourceState, CResourceStateID, 0);

class ZX_API IResourceState : public IDescribed<IResourceState> {
public:
    static constexpr const char* s_kindName = "ResourceState";

    struct Fields {
        CResourceStateID id;
        CProjectString name;
        CProjectColorRGB color;
        CProjectBool useOriginalTransparency = true;
        CProjectInt transparency = 0;
        CProjectBool visible = true;
        CRSType type = RSType::State;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("Color", &Fields::color);
        v.field("UseOriginalTransparency", &Fields::useOriginalTransparency);
        v.field("Transparency", &Fields::transparency);
        v.field("Visible", &Fields::visible);
        v.optionalCollection("SubStates", &IResourceState::getSubStates,
                             &IResourceState::getSubStates, &IResourceState::allocateSubStates,
                             &IResourceState::removeAllSubStates);
        v.field("Type", &Fields::type);
    }

    const CResourceStateID& getID() const { return fields().id; }
    void setID(const CResourceStateID& id) { fields().id = id; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }
    const CProjectColorRGB& getColor() const { return fields().color; }
    void setColor(const CProjectColorRGB& color) { fields().color = color; }
    const CProjectBool& getUseOriginalTransparency() const {
        return fields().useOriginalTransparency;
    }
    void setUseOriginalTransparency(bool use) { fields().useOriginalTransparency = use; }
    const CProjectInt& getTransparency() const { return fields().transparency; }
    void setTransparency(int transparency) { fields().transparency = transparency; }
    const CProjectBool& getVisible() const { return fields().visible; }
    void setVisible(bool visible) { fields().visible = visible; }
    const CRSType& getType() const { return fields().type; }
    void setType(const CRSType& type) { fields().type = type; }

    // The sub-states, or an empty handle while there are none.
    virtual IResourceStateConstArrayHandle getSubStates() const = 0;
    virtual IResourceStateArrayHandle getSubStates() = 0;
    // Deletes the sub-state collection.
    virtual void removeAllSubStates() = 0;
    // False when absent; a removal that empties the collection deletes it.
    [[nodiscard]] virtual bool removeSubState(const CResourceStateID& id) = 0;
    // Inserts a copy at index, creating the collection first; false for a negative index, an
    // index beyond the end or an ID already present.
    [[nodiscard]] virtual bool insertSubState(const IResourceState& state, int index) = 0;
    // Moves the sub-state at from to to; false without sub-states or for a position outside them.
    [[nodiscard]] virtual bool changeSubStatePosition(int from, int to) = 0;
    // Moves the object the handle views into the sub-states at index without copying it. A
    // refused attach leaves the object with the caller.
    [[nodiscard]] virtual bool attachSubState(IResourceStateWritableHandle state, int index) = 0;
    // Takes the sub-state out without deleting it: the caller owns it (through the handle) until
    // it is attached elsewhere. Empty when absent.
    [[nodiscard]] virtual IResourceStateWritableHandle detachSubState(
        const CResourceStateID& id) = 0;

protected:
    friend IDescribed<IResourceState>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
    // Creates the sub-state collection if there is none.
    virtual void allocateSubStates() = 0;
};
