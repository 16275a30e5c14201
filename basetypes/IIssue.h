// IIssue: a problem raised on the project, with its comments, the tasks, resources and 3D
// entities it concerns, a saved view position, linked documents and, optionally, copies of the
// schedule and the 3D scene as they were when it was raised. The issue owns its comments and the
// two document copies; everything else it names by ID.
//
// A new issue is open, of normal priority, with no e-mail choice made (SendEmail unset) and every
// ID and time unset.
#pragma once

#include "basetypes/CCompactValue.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/CZentrixEnumeration.h"
#include "basetypes/IDescribed.h"
#include "basetypes/IDocumentFile.h"
#include "basetypes/INote.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/IDArrays.h"

class ZX_API IIssue : public IDescribed<IIssue> {
public:
    static constexpr const char* s_kindName = "Issue";

    struct Fields {
        CIssueID id;
        CUserID createdUserID;
        CUserID updatedUserID;
        CUserID responsibleUserID;
        CProjectTime createdTimestamp;
        CProjectTime updatedTimestamp;
        CIssueStatus status = IssueStatus::Open;
        CIssuePriority priority = IssuePriority::Normal;
        CProjectString issueCode;
        CProjectString title;
        CProjectString description;
        CCompactValue<CDocumentFileIDArray> documentFileIDs;
        CTaskIDArray tasks;
        CResourceIDArray resources;
        CEntity3DIDArray entities;
        CPositionID position;
        CProjectBool sendEmail;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("CreatedUserID", &Fields::createdUserID);
        v.field("UpdatedUserID", &Fields::updatedUserID);
        v.field("ResponsibleUserID", &Fields::responsibleUserID);
        v.field("CreatedTimestamp", &Fields::createdTimestamp);
        v.field("UpdatedTimestamp", &Fields::updatedTimestamp);
        v.field("Status", &Fields::status);
        v.field("Priority", &Fields::priority);
        v.field("IssueCode", &Fields::issueCode);
        v.field("Title", &Fields::title);
        v.collection("Comments", &IIssue::getComments, &IIssue::getComments);
        v.field("Description", &Fields::description);
        v.field("DocumentFileIDs", &Fields::documentFileIDs);
        v.field("Tasks", &Fields::tasks);
        v.field("Resources", &Fields::resources);
        v.field("Entities", &Fields::entities);
        v.field("Position", &Fields::position);
        v.field("SendEmail", &Fields::sendEmail);
        v.optionalPart("OldSchedule", &IIssue::getOldSchedule, &IIssue::getWritableOldSchedule,
                       &IIssue::allocateOldSchedule, &IIssue::clearOldSchedule);
        v.optionalPart("OldScene", &IIssue::getOldScene, &IIssue::getWritableOldScene,
                       &IIssue::allocateOldScene, &IIssue::clearOldScene);
    }

    const CIssueID& getID() const { return fields().id; }
    void setID(const CIssueID& id) { fields().id = id; }
    const CProjectString& getIssueCode() const { return fields().issueCode; }
    void setIssueCode(const CString& code) { fields().issueCode = code; }
    const CUserID& getCreatedUserID() const { return fields().createdUserID; }
    void setCreatedUserID(const CUserID& id) { fields().createdUserID = id; }
    const CUserID& getUpdatedUserID() const { return fields().updatedUserID; }
    void setUpdatedUserID(const CUserID& id) { fields().updatedUserID = id; }
    const CUserID& getResponsibleUserID() const { return fields().responsibleUserID; }
    void setResponsibleUserID(const CUserID& id) { fields().responsibleUserID = id; }
    const CProjectTime& getCreatedTimestamp() const { return fields().createdTimestamp; }
    void setCreatedTimestamp(const CProjectTime& time) { fields().createdTimestamp = time; }
    const CProjectTime& getUpdatedTimestamp() const { return fields().updatedTimestamp; }
    void setUpdatedTimestamp(const CProjectTime& time) { fields().updatedTimestamp = time; }
    const CIssueStatus& getStatus() const { return fields().status; }
    void setStatus(const CIssueStatus& status) { fields().status = status; }
    const CIssuePriority& getPriority() const { return fields().priority; }
    void setPriority(const CIssuePriority& priority) { fields().priority = priority; }
    const CProjectString& getTitle() const { return fields().title; }
    void setTitle(const CString& title) { fields().title = title; }
    const CProjectString& getDescription() const { return fields().description; }
    void setDescription(const CString& text) { fields().description = text; }
    const CProjectBool& getSendEmail() const { return fields().sendEmail; }
    void setSendEmail(bool send) { fields().sendEmail = send; }

    // The ID lists: adds return the position or -1 for an ID already listed; inserts and
    // removals say whether they happened.
    const CTaskIDArray& getTasks() const { return fields().tasks; }
    [[nodiscard]] int addTask(const CTaskID& id) { return fields().tasks.Add(id); }
    [[nodiscard]] bool insertTask(const CTaskID& id, int index) {
        return fields().tasks.InsertAt(index, id);
    }
    void setTasks(const CTaskIDArray& ids) { fields().tasks = ids; }
    [[nodiscard]] bool removeTask(const CTaskID& id) { return fields().tasks.removeByID(id); }
    void removeAllTasks() { fields().tasks.RemoveAll(); }
    bool hasTasks() const { return fields().tasks.GetSize() > 0; }

    const CResourceIDArray& getResources() const { return fields().resources; }
    [[nodiscard]] int addResource(const CResourceID& id) { return fields().resources.Add(id); }
    [[nodiscard]] bool insertResource(const CResourceID& id, int index) {
        return fields().resources.InsertAt(index, id);
    }
    void setResources(const CResourceIDArray& ids) { fields().resources = ids; }
    [[nodiscard]] bool removeResource(const CResourceID& id) {
        return fields().resources.removeByID(id);
    }
    void removeAllResources() { fields().resources.RemoveAll(); }
    bool hasResources() const { return fields().resources.GetSize() > 0; }

    const CEntity3DIDArray& getEntities() const { return fields().entities; }
    [[nodiscard]] int addEntity(const CEntity3DID& id) { return fields().entities.Add(id); }
    [[nodiscard]] bool insertEntity(const CEntity3DID& id, int index) {
        return fields().entities.InsertAt(index, id);
    }
    void setEntities(const CEntity3DIDArray& ids) { fields().entities = ids; }
    [[nodiscard]] bool removeEntity(const CEntity3DID& id) {
        return fields().entities.removeByID(id);
    }
    void removeAllEntities() { fields().entities.RemoveAll(); }
    bool hasEntities() const { return fields().entities.GetSize() > 0; }

    const CPositionID& getPosition() const { return fields().position; }
    void setPosition(const CPositionID& id) { fields().position = id; }
    // A real position: neither unset nor null.
    bool hasPosition() const { return fields().position.isValidNotNull(); }

    const CDocumentFileIDArray& getDocumentFileIDs() const {
        return fields().documentFileIDs.get();
    }
    [[nodiscard]] int addDocumentFileID(const CDocumentFileID& id) {
        return fields().documentFileIDs.modify([&](auto& ids) { return ids.Add(id); });
    }
    [[nodiscard]] bool insertDocumentFileID(const CDocumentFileID& id, int index) {
        return fields().documentFileIDs.modify([&](auto& ids) { return ids.InsertAt(index, id); });
    }
    [[nodiscard]] bool removeDocumentFileID(const CDocumentFileID& id) {
        return fields().documentFileIDs.modify([&](auto& ids) { return ids.removeByID(id); });
    }
    void removeAllDocumentFileIDs() { fields().documentFileIDs.reset(); }

    virtual INoteConstArrayHandle getComments() const = 0;
    virtual INoteArrayHandle getComments() = 0;
    // Replaces the comments with copies of the given notes (a repeated ID is kept once).
    virtual void setComments(const INoteConstArrayHandle& notes) = 0;
    [[nodiscard]] virtual int addComment(const INote& note) = 0;
    [[nodiscard]] virtual bool insertComment(const INote& note, int index) = 0;
    // Overwrites the comment with note's ID; false when there is none.
    [[nodiscard]] virtual bool changeComment(const INote& note) = 0;
    [[nodiscard]] virtual bool removeComment(const CNoteID& id) = 0;
    virtual void removeComments() = 0;

    // The document copies: null handles while absent. allocate creates an empty one (keeping
    // one that exists), clear frees it.
    virtual IDocumentFileHandle getOldSchedule() const = 0;
    virtual IDocumentFileWritableHandle getWritableOldSchedule() = 0;
    virtual void allocateOldSchedule() = 0;
    virtual void clearOldSchedule() = 0;
    virtual IDocumentFileHandle getOldScene() const = 0;
    virtual IDocumentFileWritableHandle getWritableOldScene() = 0;
    virtual void allocateOldScene() = 0;
    virtual void clearOldScene() = 0;

protected:
    friend IDescribed<IIssue>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using IIssueHandle = CWrapperHandle<IIssue>;
using IIssueWritableHandle = CWritableWrapperHandle<IIssue>;
using IIssueArrayHandle = CWrapperArrayHandle<IIssue, CIssueID, 0>;
using IIssueConstArrayHandle = CConstWrapperArrayHandle<IIssue, CIssueID, 0>;
ZX_DECLARE_INTERFACE(IIssue, CIssueID, 0);
