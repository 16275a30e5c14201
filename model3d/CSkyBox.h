// CSkyBox: a stored sky box, owning its images (a keyed collection) and its optional cube map;
// values and record come from ISkyBox.
#pragma once

#include "basetypes/ISkyBox.h"
#include "basetypes/ZxApi.h"
#include "model3d/CGraphicalImage.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CSkyBox : public CStored<CSkyBox, ISkyBox> {
public:
    CSkyBox() = default;
    CSkyBox(const CSkyBox& other) : CSkyBox() { copyFrom(other); }
    CSkyBox& operator=(const CSkyBox& other) {
        copyFrom(other);
        return *this;
    }
    ~CSkyBox() override = default;

    IGraphicalImageConstArrayHandle getImageArray() const override;
    IGraphicalImageArrayHandle getImageArray() override;
    void setImageArray(const IGraphicalImageConstArrayHandle& images) override;
    [[nodiscard]] int addImage(const IGraphicalImage& image) override {
        return m_images.Add(image);
    }
    [[nodiscard]] bool removeImage(const CGraphicalImageID& id) override;

private:
    CGraphicalImageArray m_images;
};

using CSkyBoxArray = CUniqueObjectPointerArray<ISkyBox, CSkyBox, CSkyBoxID>;
using CSkyBoxHandle = CBasicHandle<ISkyBox, CSkyBox>;
using CSkyBoxWritableHandle = CWritableBasicHandle<ISkyBox, CSkyBox>;
using CSkyBoxArrayHandle = CBasicArrayHandle<ISkyBox, CSkyBox, CSkyBoxID, 0>;
ZX_DECLARE_KIND(ISkyBox, CSkyBox, CSkyBoxID, 0);
