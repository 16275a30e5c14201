#include "basetypes/IRole.h"

#include "basetypes/CProjectConstants.h"

namespace {

// The flags a standard role sets; every other flag stays false.
struct Grant {
    bool readAll = false;
    bool readCosts = true;
    bool writeAll = false;
    bool writeProjectSettings = false;
};

CZentrixPermissions granted(const Grant& grant) {
    CZentrixPermissions p;
    if (grant.readAll) {
        p.readSchedule() = p.readActuals() = p.readAssignments() = true;
        p.readCosts() = grant.readCosts;
        p.readResourceStatuses() = p.readPresentations() = p.read3D() = true;
        p.readDocuments() = p.readIssues() = p.readUserData() = true;
    }
    if (grant.writeAll) {
        p.writeSchedule() = p.writeActuals() = p.writeAssignments() = p.writeCosts() = true;
        p.writeResourceStatuses() = p.writePresentations() = p.write3D() = true;
        p.writeDocuments() = p.writeIssues() = p.writeUserData() = true;
    }
    p.writeProjectSettings() = grant.writeProjectSettings;
    return p;
}

}  // namespace

std::optional<CZentrixPermissions> IRole::standardPermissions(const CString& name) {
    if (name == CProjectConstants::getNameOfAdministratorRole())
        return granted({.readAll = true, .writeAll = true, .writeProjectSettings = true});
    if (name == CProjectConstants::getNameOfPlannerRole())
        return granted({.readAll = true, .writeAll = true});
    if (name == CProjectConstants::getNameOfUserRole()) {
        CZentrixPermissions p = granted({.readAll = true});
        p.writeActuals() = p.writeResourceStatuses() = p.writeDocuments() = true;
        p.writeIssues() = p.writeUserData() = true;
        return p;
    }
    if (name == CProjectConstants::getNameOfFieldRole()) {
        CZentrixPermissions p;
        p.readSchedule() = p.readActuals() = p.readAssignments() = true;
        p.readResourceStatuses() = p.read3D() = p.readDocuments() = p.readIssues() = true;
        p.writeActuals() = p.writeResourceStatuses() = p.writeDocuments() = true;
        p.writeIssues() = true;
        return p;
    }
    if (name == CProjectConstants::getNameOfVDCRole()) {
        CZentrixPermissions p = granted({.readAll = true});
        p.write3D() = p.writePresentations() = p.writeDocuments() = p.writeIssues() = true;
        return p;
    }
    if (name == CProjectConstants::getNameOfViewerRole())
        return granted({.readAll = true, .readCosts = false});
    if (name == CProjectConstants::getNameOfGuestRole()) {
        CZentrixPermissions p;
        p.readSchedule() = p.readPresentations() = p.read3D() = true;
        return p;
    }
    return std::nullopt;
}

bool IRole::initializeAsStandardRole(const CString& name) {
    const std::optional<CZentrixPermissions> permissions = standardPermissions(name);
    if (!permissions) return false;
    setName(name);
    setPermissions(*permissions);
    return true;
}
