// IWbsLevel: one level of a work breakdown layout: whether the level is shown (checked) and the
// colours of its band and of its tasks. It owns nothing but its values.
#pragma once

#include <memory>

#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IWbsLevel : public IDescribed<IWbsLevel> {
public:
    static constexpr const char* s_kindName = "WbsLevel";

    // A new level is checked, with a deep red band (packed 0x141EC8) and green tasks (0x0ADC14).
    struct Fields {
        CWbsLevelID id;
        CProjectBool check = true;
        CProjectColorRGB backColor = CProjectColorRGB(0x141EC8);
        CProjectColorRGB taskColor = CProjectColorRGB(0x0ADC14);
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Check", &Fields::check);
        v.field("BackColor", &Fields::backColor);
        v.field("TaskColor", &Fields::taskColor);
    }

    const CWbsLevelID& getID() const { return fields().id; }
    void setID(const CWbsLevelID& id) { fields().id = id; }
    const CProjectBool& getCheck() const { return fields().check; }
    void setCheck(bool check) { fields().check = check; }
    const CProjectColorRGB& getBackColor() const { return fields().backColor; }
    void setBackColor(const CProjectColorRGB& color) { fields().backColor = color; }
    const CProjectColorRGB& getTaskColor() const { return fields().taskColor; }
    void setTaskColor(const CProjectColorRGB& color) { fields().taskColor = color; }

    // A new heap copy of the level, owned by the caller.
    virtual std::unique_ptr<IWbsLevel> clone() const = 0;

protected:
    friend IDescribed<IWbsLevel>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
    CWbsLevelID& getWritableID() { return fields().id; }
    CProjectBool& getWritableCheck() { return fields().check; }
    CProjectColorRGB& getWritableBackColor() { return fields().backColor; }
    CProjectColorRGB& getWritableTaskColor() { return fields().taskColor; }
};

using IWbsLevelHandle = CWrapperHandle<IWbsLevel>;
using IWbsLevelWritableHandle = CWritableWrapperHandle<IWbsLevel>;
using IWbsLevelArrayHandle = CWrapperArrayHandle<IWbsLevel, CWbsLevelID, 0>;
using IWbsLevelConstArrayHandle = CConstWrapperArrayHandle<IWbsLevel, CWbsLevelID, 0>;
ZX_DECLARE_INTERFACE(IWbsLevel, CWbsLevelID, 0);
