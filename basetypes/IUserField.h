// IUserField: the definition of a user-defined typed attribute of tasks, resources and groups.
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

class ZX_API IUserField : public IDescribed<IUserField> {
public:
    static constexpr const char* s_kindName = "UserField";

    // A new field's flags are off rather than unset.
    struct Fields {
        CUserFieldID id;
        CProjectString name;
        CProjectString commentary;
        CUserFieldType type;
        CUserFieldCategory category;
        CProjectBool distributeValue = false;
        CProjectColorRGB color;
        CProjectBool check = false;
        CProjectBool limit = false;
        CProjectBool drawHistogram = false;
        CProjectBool drawCumulativeCurve = false;
        CProjectString formula;
        CUserFieldDisciplineType discipline;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("Commentary", &Fields::commentary);
        v.field("Type", &Fields::type);
        v.field("Category", &Fields::category);
        v.field("DistributeValue", &Fields::distributeValue);
        v.field("Color", &Fields::color);
        v.field("Check", &Fields::check);
        v.field("Limit", &Fields::limit);
        v.field("DrawHistogram", &Fields::drawHistogram);
        v.field("DrawCumulativeCurve", &Fields::drawCumulativeCurve);
        v.field("Formula", &Fields::formula);
        v.field("Discipline", &Fields::discipline);
    }

    const CUserFieldID& getID() const { return fields().id; }
    void setID(const CUserFieldID& id) { fields().id = id; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }
    const CProjectString& getCommentary() const { return fields().commentary; }
    void setCommentary(const CString& text) { fields().commentary = text; }
    const CUserFieldType& getType() const { return fields().type; }
    void setType(const CUserFieldType& type) { fields().type = type; }
    const CUserFieldCategory& getCategory() const { return fields().category; }
    void setCategory(const CUserFieldCategory& category) { fields().category = category; }
    const CProjectBool& getDistributeValue() const { return fields().distributeValue; }
    void setDistributeValue(const CProjectBool& value) { fields().distributeValue = value; }
    const CProjectColorRGB& getColor() const { return fields().color; }
    void setColor(const CProjectColorRGB& color) { fields().color = color; }
    const CProjectBool& getCheck() const { return fields().check; }
    void setCheck(const CProjectBool& value) { fields().check = value; }
    const CProjectBool& getLimit() const { return fields().limit; }
    void setLimit(const CProjectBool& value) { fields().limit = value; }
    const CProjectBool& getDrawHistogram() const { return fields().drawHistogram; }
    void setDrawHistogram(const CProjectBool& value) { fields().drawHistogram = value; }
    const CProjectBool& getDrawCumulativeCurve() const { return fields().drawCumulativeCurve; }
    void setDrawCumulativeCurve(const CProjectBool& value) { fields().drawCumulativeCurve = value; }
    const CProjectString& getFormula() const { return fields().formula; }
    void setFormula(const CString& formula) { fields().formula = formula; }
    const CUserFieldDisciplineType& getDiscipline() const { return fields().discipline; }
    void setDiscipline(const CUserFieldDisciplineType& value) { fields().discipline = value; }

protected:
    friend IDescribed<IUserField>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using IUserFieldHandle = CWrapperHandle<IUserField>;
using IUserFieldWritableHandle = CWritableWrapperHandle<IUserField>;
using IUserFieldArrayHandle = CWrapperArrayHandle<IUserField, CUserFieldID, 0>;
using IUserFieldConstArrayHandle = CConstWrapperArrayHandle<IUserField, CUserFieldID, 0>;
ZX_DECLARE_INTERFACE(IUserField, CUserFieldID, 0);
