#include "model3d/CSkyBox.h"

#include "store/CollectionOps.h"

IGraphicalImageConstArrayHandle CSkyBox::getImageArray() const {
    return IGraphicalImageConstArrayHandle::over(&m_images);
}

IGraphicalImageArrayHandle CSkyBox::getImageArray() {
    return IGraphicalImageArrayHandle::over(&m_images);
}

void CSkyBox::setImageArray(const IGraphicalImageConstArrayHandle& images) {
    replaceWithCopies(m_images, images);
}

bool CSkyBox::removeImage(const CGraphicalImageID& id) {
    return removeByIDKeepingSort(m_images, id);
}

ZX_INSTANTIATE_KIND(ISkyBox, CSkyBox, CSkyBoxID, 0);
