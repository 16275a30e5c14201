// IWbsLayout: a named work breakdown layout: how the levels of the task tree are drawn, one
// level object per depth in storage order (the first is the top level). It owns its levels.
#pragma once

#include "basetypes/CProjectString.h"
#include "basetypes/IDescribed.h"
#include "basetypes/IWbsLevel.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IWbsLayout : public IDescribed<IWbsLayout> {
public:
    static constexpr const char* s_kindName = "WbsLayout";

    struct Fields {
        CWbsLayoutID id;
        CProjectString name;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.collection("Levels", &IWbsLayout::getLevels, &IWbsLayout::getLevels);
    }

    const CWbsLayoutID& getID() const { return fields().id; }
    void setID(const CWbsLayoutID& id) { fields().id = id; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }

    virtual IWbsLevelConstArrayHandle getLevels() const = 0;
    virtual IWbsLevelArrayHandle getLevels() = 0;
    // The new position, or -1 when a level with the same ID is already there.
    [[nodiscard]] virtual int addLevel(const IWbsLevel& level) = 0;
    [[nodiscard]] virtual bool insertLevel(const IWbsLevel& level, int index) = 0;
    // True when the level was there and is removed.
    [[nodiscard]] virtual bool removeLevel(const CWbsLevelID& id) = 0;

protected:
    friend IDescribed<IWbsLayout>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
    CWbsLayoutID& getWritableID() { return fields().id; }
    CProjectString& getWritableName() { return fields().name; }
};

using IWbsLayoutHandle = CWrapperHandle<IWbsLayout>;
using IWbsLayoutWritableHandle = CWritableWrapperHandle<IWbsLayout>;
using IWbsLayoutArrayHandle = CWrapperArrayHandle<IWbsLayout, CWbsLayoutID, 0>;
using IWbsLayoutConstArrayHandle = CConstWrapperArrayHandle<IWbsLayout, CWbsLayoutID, 0>;
ZX_DECLARE_INTERFACE(IWbsLayout, CWbsLayoutID, 0);
