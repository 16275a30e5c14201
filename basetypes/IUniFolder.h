// IUniFolder: a folder of the project's own organisation. It groups objects of any kind by their
// IDs and names its sub-folders (folders of the same root) by theirs; it owns neither.
//
// A new folder is General, has no name and holds nothing.
//
// Archive record: the fields in description order.
#pragma once

#include "basetypes/CProjectString.h"
#include "basetypes/CString.h"
#include "basetypes/FolderEnumerations.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/IDArrays.h"

class ZX_API IUniFolder : public IDescribed<IUniFolder> {
public:
    static constexpr const char* s_kindName = "UniFolder";

    struct Fields {
        CUniFolderID id;
        CUniFolderType type;
        CProjectString name;
        CUniFolderIDArray subFolderIDs;
        // IDs of objects of any kind.
        CIDBaseArray objectIDs;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Type", &Fields::type);
        v.field("Name", &Fields::name);
        v.field("SubFolderIDs", &Fields::subFolderIDs);
        v.field("ObjectIDs", &Fields::objectIDs);
    }

    const CUniFolderID& getID() const { return fields().id; }
    void setID(const CUniFolderID& id) { fields().id = id; }
    const CUniFolderType& getType() const { return fields().type; }
    void setType(const CUniFolderType& type) { fields().type = type; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }
    const CUniFolderIDArray& getSubFolderIDs() const { return fields().subFolderIDs; }
    void setSubFolderIDs(const CUniFolderIDArray& ids) { fields().subFolderIDs = ids; }
    const CIDBaseArray& getObjectIDs() const { return fields().objectIDs; }
    void setObjectIDs(const CIDBaseArray& ids) { fields().objectIDs = ids; }

protected:
    friend IDescribed<IUniFolder>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
    CUniFolderID& getWritableID() { return fields().id; }
    CUniFolderType& getWritableType() { return fields().type; }
    CProjectString& getWritableName() { return fields().name; }
    CUniFolderIDArray& getWritableSubFolderIDs() { return fields().subFolderIDs; }
    CIDBaseArray& getWritableObjectIDs() { return fields().objectIDs; }
};

using IUniFolderHandle = CWrapperHandle<IUniFolder>;
using IUniFolderWritableHandle = CWritableWrapperHandle<IUniFolder>;
using IUniFolderArrayHandle = CWrapperArrayHandle<IUniFolder, CUniFolderID, 0>;
using IUniFolderConstArrayHandle = CConstWrapperArrayHandle<IUniFolder, CUniFolderID, 0>;
ZX_DECLARE_INTERFACE(IUniFolder, CUniFolderID, 0);
