// CPath: a stored animation path. It owns its optional timeline (one null pointer while absent)
// and its sub-paths, held in a collection that exists only while it has entries. Sub-paths move
// between paths without copying (attachSubPath, detachSubPath), so a moved sub-tree keeps its
// identity, its timeline and its own sub-paths.
#pragma once

#include <memory>

#include "basetypes/IPath.h"
#include "basetypes/ZxApi.h"
#include "model3d/CPathTimeline.h"
#include "store/COptionalObjectArray.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CPath : public CStored<CPath, IPath> {
public:
    CPath() = default;
    CPath(const CPath& other) : CStored<CPath, IPath>() { copyFrom(other); }
    CPath& operator=(const CPath& other) {
        copyFrom(other);
        return *this;
    }
    ~CPath() override;

    // The timeline is the path's own, not a snapshot: a renewed path renews it too.
    void renewIDs() override;

    IPathTimelineHandle getTimeline() const override;
    IPathTimelineWritableHandle getWritableTimeline() override;
    void setTimeline(const IPathTimeline& timeline) override;
    void clearTimeline() override { m_timeline.reset(); }

    IPathConstArrayHandle getSubPaths() const override { return m_subPaths.handle(); }
    IPathArrayHandle getSubPaths() override { return m_subPaths.handle(); }
    [[nodiscard]] int addSubPath(const IPath& path) override { return m_subPaths.add(path); }
    [[nodiscard]] bool insertSubPath(const IPath& path, int index) override {
        return m_subPaths.insert(path, index);
    }
    [[nodiscard]] bool changeSubPathPosition(int from, int to) override {
        return m_subPaths.changePosition(from, to);
    }
    [[nodiscard]] bool removeSubPath(const CPathID& id) override { return m_subPaths.remove(id); }
    void removeAllSubPaths() override { m_subPaths.reset(); }
    [[nodiscard]] IPathWritableHandle detachSubPath(const CPathID& id) override {
        return m_subPaths.detach(id);
    }
    [[nodiscard]] bool attachSubPath(IPathWritableHandle path, int index) override {
        return m_subPaths.attach(path, index);
    }

private:
    void allocateTimeline() override;
    void allocateSubPaths() override { m_subPaths.ensure(); }

    std::unique_ptr<CPathTimeline> m_timeline;
    COptionalObjectArray<IPath, CPath, CPathID> m_subPaths;
};

using CPathArray = CUniqueObjectPointerArray<IPath, CPath, CPathID>;
using CPathHandle = CBasicHandle<IPath, CPath>;
using CPathWritableHandle = CWritableBasicHandle<IPath, CPath>;
using CPathArrayHandle = CBasicArrayHandle<IPath, CPath, CPathID, 0>;
ZX_DECLARE_KIND(IPath, CPath, CPathID, 0);
