// CZentrixPermissions: what a user or a role may read and write, one flag per data area, and
// whether the permissions come from the cloud service rather than from the project.
//
// ExternalPermissionsContent holds the 21 flags (ten read flags, eleven write flags: project
// settings can be written but have no read flag), all false when constructed. Each query reads its
// own flag only: a write flag does not imply the matching read flag, and the cloud flag changes no
// answer. Both are plain described values (no virtual table): their record, copies, comparison and
// dump come from their descriptions.
//
// Archive record: the 21 flags as one byte each in the order below, then the cloud flag (byte).
#pragma once

#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"

struct ZX_API ExternalPermissionsContent : CDescribedValue<ExternalPermissionsContent> {
    static constexpr const char* s_kindName = "ExternalPermissionsContent";

    bool readSchedule = false;
    bool readActuals = false;
    bool readAssignments = false;
    bool readCosts = false;
    bool readResourceStatuses = false;
    bool readPresentations = false;
    bool read3D = false;
    bool readDocuments = false;
    bool readIssues = false;
    bool readUserData = false;
    bool writeSchedule = false;
    bool writeActuals = false;
    bool writeAssignments = false;
    bool writeCosts = false;
    bool writeResourceStatuses = false;
    bool writePresentations = false;
    bool write3D = false;
    bool writeDocuments = false;
    bool writeIssues = false;
    bool writeUserData = false;
    bool writeProjectSettings = false;

    template <class V>
    static void describeFields(V& v) {
        v.field("ReadSchedule", &ExternalPermissionsContent::readSchedule);
        v.field("ReadActuals", &ExternalPermissionsContent::readActuals);
        v.field("ReadAssignments", &ExternalPermissionsContent::readAssignments);
        v.field("ReadCosts", &ExternalPermissionsContent::readCosts);
        v.field("ReadResourceStatuses", &ExternalPermissionsContent::readResourceStatuses);
        v.field("ReadPresentations", &ExternalPermissionsContent::readPresentations);
        v.field("Read3D", &ExternalPermissionsContent::read3D);
        v.field("ReadDocuments", &ExternalPermissionsContent::readDocuments);
        v.field("ReadIssues", &ExternalPermissionsContent::readIssues);
        v.field("ReadUserData", &ExternalPermissionsContent::readUserData);
        v.field("WriteSchedule", &ExternalPermissionsContent::writeSchedule);
        v.field("WriteActuals", &ExternalPermissionsContent::writeActuals);
        v.field("WriteAssignments", &ExternalPermissionsContent::writeAssignments);
        v.field("WriteCosts", &ExternalPermissionsContent::writeCosts);
        v.field("WriteResourceStatuses", &ExternalPermissionsContent::writeResourceStatuses);
        v.field("WritePresentations", &ExternalPermissionsContent::writePresentations);
        v.field("Write3D", &ExternalPermissionsContent::write3D);
        v.field("WriteDocuments", &ExternalPermissionsContent::writeDocuments);
        v.field("WriteIssues", &ExternalPermissionsContent::writeIssues);
        v.field("WriteUserData", &ExternalPermissionsContent::writeUserData);
        v.field("WriteProjectSettings", &ExternalPermissionsContent::writeProjectSettings);
    }
};

class ZX_API CZentrixPermissions : public CDescribedValue<CZentrixPermissions> {
public:
    static constexpr const char* s_kindName = "ZentrixPermissions";

    template <class V>
    static void describeFields(V& v) {
        v.field("Content", &CZentrixPermissions::m_content);
        v.field("CloudBased", &CZentrixPermissions::m_cloudBased);
    }

    // Each flag, writable.
    bool& readSchedule() { return m_content.readSchedule; }
    bool& readActuals() { return m_content.readActuals; }
    bool& readAssignments() { return m_content.readAssignments; }
    bool& readCosts() { return m_content.readCosts; }
    bool& readResourceStatuses() { return m_content.readResourceStatuses; }
    bool& readPresentations() { return m_content.readPresentations; }
    bool& read3D() { return m_content.read3D; }
    bool& readDocuments() { return m_content.readDocuments; }
    bool& readIssues() { return m_content.readIssues; }
    bool& readUserData() { return m_content.readUserData; }
    bool& writeSchedule() { return m_content.writeSchedule; }
    bool& writeActuals() { return m_content.writeActuals; }
    bool& writeAssignments() { return m_content.writeAssignments; }
    bool& writeCosts() { return m_content.writeCosts; }
    bool& writeResourceStatuses() { return m_content.writeResourceStatuses; }
    bool& writePresentations() { return m_content.writePresentations; }
    bool& write3D() { return m_content.write3D; }
    bool& writeDocuments() { return m_content.writeDocuments; }
    bool& writeIssues() { return m_content.writeIssues; }
    bool& writeUserData() { return m_content.writeUserData; }
    bool& writeProjectSettings() { return m_content.writeProjectSettings; }

    // Each flag's value.
    bool canReadSchedule() const { return m_content.readSchedule; }
    bool canReadActuals() const { return m_content.readActuals; }
    bool canReadAssignments() const { return m_content.readAssignments; }
    bool canReadCosts() const { return m_content.readCosts; }
    bool canReadResourceStatuses() const { return m_content.readResourceStatuses; }
    bool canReadPresentations() const { return m_content.readPresentations; }
    bool canRead3D() const { return m_content.read3D; }
    bool canReadDocuments() const { return m_content.readDocuments; }
    bool canReadIssues() const { return m_content.readIssues; }
    bool canReadUserData() const { return m_content.readUserData; }
    bool canWriteSchedule() const { return m_content.writeSchedule; }
    bool canWriteActuals() const { return m_content.writeActuals; }
    bool canWriteAssignments() const { return m_content.writeAssignments; }
    bool canWriteCosts() const { return m_content.writeCosts; }
    bool canWriteResourceStatuses() const { return m_content.writeResourceStatuses; }
    bool canWritePresentations() const { return m_content.writePresentations; }
    bool canWrite3D() const { return m_content.write3D; }
    bool canWriteDocuments() const { return m_content.writeDocuments; }
    bool canWriteIssues() const { return m_content.writeIssues; }
    bool canWriteUserData() const { return m_content.writeUserData; }
    bool canWriteProjectSettings() const { return m_content.writeProjectSettings; }

    const ExternalPermissionsContent& getPermissionsContent() const { return m_content; }
    // Copies the 21 flags and stores whether they come from the cloud service.
    void setPermissionsContent(const ExternalPermissionsContent& content, bool cloudBased) {
        m_content = content;
        m_cloudBased = cloudBased;
    }
    bool isCloudBased() const { return m_cloudBased; }

private:
    ExternalPermissionsContent m_content;
    bool m_cloudBased = false;
};
