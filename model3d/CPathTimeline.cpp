// CPathTimeline: the one place its templates are compiled.
#include "model3d/CPathTimeline.h"

int CPathTimeline::addKeyFrame(const CKeyFrameID& id, const CGraphicalPointDouble3D& position,
                               const CQuat& rotation, const CGraphicalPointDouble3D& center,
                               int tick) {
    CPathKey key(tick);
    key.setID(id);
    key.setPosition(position);
    key.setRotation(rotation);
    key.setCenter(center);
    return addKeyFrame(key);
}

template class CTimeline<CPathTimeline, IPathTimeline, CPathKey>;
ZX_INSTANTIATE_KIND(IPathTimeline, CPathTimeline, CTimelineID, 0);
