// ISkyBox: the surroundings drawn around the 3D view: a named set of images and, optionally, the
// cube map that says which of them is which face.
//
// The sky box owns its images (a keyed collection) and its cube map (absent until allocated). The
// cube map names images the sky box holds, so renewing the sky box's IDs points the cube map at
// the images' new IDs. A new sky box is named "New SkyBox" and has no cube map and no images.
//
// Archive record: ID, name, cube map (a presence byte, then the six image IDs), images.
#pragma once

#include "basetypes/CHeapValue.h"
#include "basetypes/CProjectString.h"
#include "basetypes/IDescribed.h"
#include "basetypes/IGraphicalImage.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "model3d/CCubeMap.h"
#include "store/ArrayHandles.h"

class ZX_API ISkyBox : public IDescribed<ISkyBox> {
public:
    static constexpr const char* s_kindName = "SkyBox";

    struct Fields {
        CSkyBoxID id;
        CProjectString name = L"New SkyBox";
        CHeapValue<CCubeMap> cubeMap;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("CubeMap", &Fields::cubeMap, {.namesOwnChildren = true});
        v.collection("Images", &ISkyBox::getImageArray, &ISkyBox::getImageArray);
    }

    const CSkyBoxID& getID() const { return fields().id; }
    void setID(const CSkyBoxID& id) { fields().id = id; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }

    // The cube map: null handles while there is none.
    CWrapperHandle<CCubeMap> getCubeMap() const {
        const CCubeMap* map = fields().cubeMap.get();
        return map ? map->getHandle() : CWrapperHandle<CCubeMap>();
    }
    CWritableWrapperHandle<CCubeMap> getWritableCubeMap() {
        CCubeMap* map = fields().cubeMap.getWritable();
        return map ? map->getWritableHandle() : CWritableWrapperHandle<CCubeMap>();
    }
    // Stores a copy of map.
    void setCubeMap(const CCubeMap& map) { fields().cubeMap.set(map); }
    // Creates an empty cube map unless there is one.
    void allocateCubeMap() { (void)fields().cubeMap.ensure(); }
    void clearCubeMap() { fields().cubeMap.reset(); }

    virtual IGraphicalImageConstArrayHandle getImageArray() const = 0;
    virtual IGraphicalImageArrayHandle getImageArray() = 0;
    // Replaces the images with copies of the given ones (a repeated ID is kept once).
    virtual void setImageArray(const IGraphicalImageConstArrayHandle& images) = 0;
    // Adds a copy; the position, or -1 for an ID already present.
    [[nodiscard]] virtual int addImage(const IGraphicalImage& image) = 0;
    // Removes the image with this ID, keeping the collection sorted or unsorted as it was; false
    // (and nothing changed) when there is none.
    [[nodiscard]] virtual bool removeImage(const CGraphicalImageID& id) = 0;

    // Renews the sky box's ID and its images' IDs, and points the cube map at the renewed images.
    void renewIDs() override;

protected:
    friend IDescribed<ISkyBox>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using ISkyBoxHandle = CWrapperHandle<ISkyBox>;
using ISkyBoxWritableHandle = CWritableWrapperHandle<ISkyBox>;
using ISkyBoxArrayHandle = CWrapperArrayHandle<ISkyBox, CSkyBoxID, 0>;
using ISkyBoxConstArrayHandle = CConstWrapperArrayHandle<ISkyBox, CSkyBoxID, 0>;
ZX_DECLARE_INTERFACE(ISkyBox, CSkyBoxID, 0);
