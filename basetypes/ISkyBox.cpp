#include "basetypes/ISkyBox.h"

#include <cstddef>
#include <vector>

void ISkyBox::renewIDs() {
    // Renewal keeps every image in its place, so position i holds the renewed image i.
    const IGraphicalImageArrayHandle images = getImageArray();
    std::vector<CGraphicalImageID> before;
    before.reserve(static_cast<std::size_t>(images.GetSize()));
    for (int i = 0; i < images.GetSize(); ++i)
        before.push_back(images.getConstReference(i)->getID());
    IDescribed<ISkyBox>::renewIDs();
    CCubeMap* map = fields().cubeMap.getWritable();
    if (!map) return;
    map->forEachImageID([&](CGraphicalImageID& id) {
        for (std::size_t i = 0; i < before.size(); ++i) {
            if (before[i] == id) {
                id = images.getConstReference(static_cast<int>(i))->getID();
                return;
            }
        }
    });
}
