// CResource: the stored resource. It owns its rates (embedded), its sub-resources, notes and
// histories. The sub-resource collection is allocated with the resource, and after
// removeAllSubResources is null until an add, insert or attach needs it again; notes and
// histories exist only while they have entries. Sub-resources move between parents without copying
// (attachSubResource, detachSubResource, attachSubResources), so a moved sub-tree keeps its
// identity and its own children.
#pragma once

#include <memory>

#include "basetypes/IResource.h"
#include "basetypes/ZxApi.h"
#include "records/CNote.h"
#include "schedule/CRSHistory.h"
#include "schedule/CResourceRate.h"
#include "store/ArrayHandles.h"
#include "store/COptionalObjectArray.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CResource;
using CResourceArray = CUniqueObjectPointerArray<IResource, CResource, CResourceID>;
using CResourceHandle = CBasicHandle<IResource, CResource>;
using CResourceWritableHandle = CWritableBasicHandle<IResource, CResource>;
using CResourceArrayHandle = CBasicArrayHandle<IResource, CResource, CResourceID, 1>;

class ZX_API CResource : public CStored<CResource, IResource> {
public:
    CResource();
    // Copies start from the fields of a new resource, without initialize(), and then copy.
    CResource(const CResource& other);
    CResource& operator=(const CResource& other);
    ~CResource() override;

    IResourceRateConstArrayHandle getResourceRates() const override;
    IResourceRateArrayHandle getResourceRates() override;
    [[nodiscard]] bool addResourceRate(const IResourceRate& rate, int index) override;
    [[nodiscard]] bool changeResourceRate(const IResourceRate& rate) override {
        return m_rates.changeElement(rate);
    }
    [[nodiscard]] bool removeResourceRate(const CResourceRateID& id) override;
    void removeAllResourceRates() override { m_rates.RemoveAll(); }

    IResourceConstArrayHandle getSubResources() const override;
    IResourceArrayHandle getSubResources() override;
    [[nodiscard]] int addSubResource(const IResource& resource) override;
    [[nodiscard]] bool insertSubResource(const IResource& resource, int index) override;
    [[nodiscard]] bool removeSubResource(const CResourceID& id) override;
    void removeAllSubResources() override { m_subResources.reset(); }
    [[nodiscard]] bool attachSubResource(IResourceWritableHandle resource) override;
    [[nodiscard]] IResourceWritableHandle detachSubResource(const CResourceID& id) override;
    // Moves the resources in while there are no sub-resources yet; otherwise appends copies of
    // them (repeated IDs skipped) and leaves the array as it was. An empty array changes nothing.
    void attachSubResources(CResourceArray&& resources);

    INoteConstArrayHandle getNotes() const override { return m_notes.handle(); }
    INoteArrayHandle getNotes() override { return m_notes.handle(); }
    void setNotes(const INoteConstArrayHandle& notes) override { m_notes.set(notes); }
    [[nodiscard]] int addNote(const INote& note) override { return m_notes.add(note); }
    [[nodiscard]] bool insertNote(const INote& note, int index) override {
        return m_notes.insert(note, index);
    }
    [[nodiscard]] bool changeNote(const INote& note) override { return m_notes.change(note); }
    [[nodiscard]] bool removeNote(const CNoteID& id) override { return m_notes.remove(id); }
    void removeAllNotes() override { m_notes.reset(); }

    IRSHistoryConstArrayHandle getHistories() const override { return m_histories.handle(); }
    IRSHistoryArrayHandle getHistories() override { return m_histories.handle(); }
    void setHistories(const IRSHistoryConstArrayHandle& histories) override {
        m_histories.set(histories);
    }
    [[nodiscard]] bool addHistory(const IRSHistory& history, int index) override;
    [[nodiscard]] bool changeHistory(const IRSHistory& history) override {
        return m_histories.change(history);
    }
    [[nodiscard]] bool removeHistory(const CResourceStateID& id) override {
        return m_histories.remove(id);
    }
    void removeAllHistories() override { m_histories.reset(); }

    // New identities for the rates, their costs and the history items, in place of the old ones;
    // order and contents stay, and so do the resource's own ID, its sub-resources and the keys of
    // its histories.
    void regenerateIDs();

private:
    void allocateSubResources() override;
    void allocateNotes() override { m_notes.ensure(); }
    void allocateHistories() override { m_histories.ensure(); }
    void emptySubResources() override;
    void createDefaultRate() override;
    void serializeOldHistory(CZentrixArchive& ar, const CResourceStateID& state) override;

    // True when resource is this one or this one lies anywhere below it: attaching it here would
    // make a resource own itself.
    bool wouldOwnItself(const CResource& resource) const;

    // Declared first so that it is destroyed last: the owned collections go before the rates.
    CResourceRateArray m_rates;
    std::unique_ptr<CResourceArray> m_subResources;
    COptionalObjectArray<INote, CNote, CNoteID, 1> m_notes;
    COptionalObjectArray<IRSHistory, CRSHistory, CResourceStateID> m_histories;
};

ZX_DECLARE_KIND(IResource, CResource, CResourceID, 1);
