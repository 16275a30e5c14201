// CIssue: a stored issue, owning its comments and its optional copies of the schedule and the
// 3D scene (each one null pointer while absent).
#pragma once

#include <memory>

#include "basetypes/IIssue.h"
#include "basetypes/ZxApi.h"
#include "records/CDocumentFile.h"
#include "records/CNote.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CIssue : public CStored<CIssue, IIssue> {
public:
    CIssue() = default;
    CIssue(const CIssue& other) : CIssue() { copyFrom(other); }
    CIssue& operator=(const CIssue& other) {
        copyFrom(other);
        return *this;
    }
    ~CIssue() override = default;

    INoteConstArrayHandle getComments() const override;
    INoteArrayHandle getComments() override;
    void setComments(const INoteConstArrayHandle& notes) override;
    [[nodiscard]] int addComment(const INote& note) override { return m_comments.Add(note); }
    [[nodiscard]] bool insertComment(const INote& note, int index) override {
        return m_comments.InsertAt(index, note);
    }
    [[nodiscard]] bool changeComment(const INote& note) override {
        return m_comments.changeElement(note);
    }
    [[nodiscard]] bool removeComment(const CNoteID& id) override;
    void removeComments() override { m_comments.RemoveAll(); }

    IDocumentFileHandle getOldSchedule() const override { return handleOn(m_oldSchedule); }
    IDocumentFileWritableHandle getWritableOldSchedule() override {
        return writableHandleOn(m_oldSchedule);
    }
    void allocateOldSchedule() override { allocate(m_oldSchedule); }
    void clearOldSchedule() override { m_oldSchedule.reset(); }
    IDocumentFileHandle getOldScene() const override { return handleOn(m_oldScene); }
    IDocumentFileWritableHandle getWritableOldScene() override {
        return writableHandleOn(m_oldScene);
    }
    void allocateOldScene() override { allocate(m_oldScene); }
    void clearOldScene() override { m_oldScene.reset(); }

private:
    static IDocumentFileHandle handleOn(const std::unique_ptr<CDocumentFile>& file) {
        return file ? file->getHandle() : IDocumentFileHandle();
    }
    static IDocumentFileWritableHandle writableHandleOn(
        const std::unique_ptr<CDocumentFile>& file) {
        return file ? file->getWritableHandle() : IDocumentFileWritableHandle();
    }
    static void allocate(std::unique_ptr<CDocumentFile>& file) {
        if (!file) file = std::make_unique<CDocumentFile>();
    }

    CNoteArray m_comments;
    std::unique_ptr<CDocumentFile> m_oldSchedule;
    std::unique_ptr<CDocumentFile> m_oldScene;
};

using CIssueArray = CUniqueObjectPointerArray<IIssue, CIssue, CIssueID>;
using CIssueHandle = CBasicHandle<IIssue, CIssue>;
using CIssueWritableHandle = CWritableBasicHandle<IIssue, CIssue>;
using CIssueArrayHandle = CBasicArrayHandle<IIssue, CIssue, CIssueID, 0>;
ZX_DECLARE_KIND(IIssue, CIssue, CIssueID, 0);
