#include "model3d/CPath.h"

#include "store/FreeTree.h"

// Without recursion however deep the tree below (see store/FreeTree.h).
CPath::~CPath() {
    zx::freeTree(m_subPaths.get(), [](CPath& child) { return child.m_subPaths.get(); });
}

void CPath::renewIDs() {
    IDescribed<IPath>::renewIDs();
    if (m_timeline) m_timeline->generateIDs();
}

IPathTimelineHandle CPath::getTimeline() const {
    return m_timeline ? m_timeline->getHandle() : IPathTimelineHandle();
}

IPathTimelineWritableHandle CPath::getWritableTimeline() {
    return m_timeline ? m_timeline->getWritableHandle() : IPathTimelineWritableHandle();
}

void CPath::setTimeline(const IPathTimeline& timeline) {
    // Copied aside first, so that a timeline of this path itself may be given.
    auto copy = std::make_unique<CPathTimeline>();
    copy->copyFrom(timeline);
    m_timeline = std::move(copy);
}

void CPath::allocateTimeline() {
    if (!m_timeline) m_timeline = std::make_unique<CPathTimeline>();
}

ZX_INSTANTIATE_KIND(IPath, CPath, CPathID, 0);
