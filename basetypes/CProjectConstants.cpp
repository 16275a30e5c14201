#include "basetypes/CProjectConstants.h"

#include "basetypes/SystemColors.h"

CString CProjectConstants::getNameOfAdministratorRole() { return L"Administrator"; }
CString CProjectConstants::getNameOfPlannerRole() { return L"Planner"; }
CString CProjectConstants::getNameOfUserRole() { return L"User"; }
CString CProjectConstants::getNameOfGuestRole() { return L"Guest"; }
CString CProjectConstants::getNameOfFieldRole() { return L"Field"; }
CString CProjectConstants::getNameOfViewerRole() { return L"Viewer"; }
CString CProjectConstants::getNameOfVDCRole() { return L"VDC"; }

CString CProjectConstants::getScratchDirectoryMarker() { return L"-zentrix"; }
CString CProjectConstants::getZentrixLinkExecutableFileName() { return L"ZentrixLink"; }
CString CProjectConstants::getTaskGridDataFontFace() { return L"Arial"; }
CString CProjectConstants::getTaskGridHeadingsFontFace() { return L"Arial"; }
CString CProjectConstants::getOrbeonSynchronizerFolderID() {
    return L"57D73345-586A-41AF-81CE-69043A4454AD";
}
CString CProjectConstants::getOrbeonSynchronizerFolderName() { return L"Orbeon synchronizers"; }

const char* const* CProjectConstants::get3DImportFormatsToIgnore() {
    static constexpr const char* kFormats[] = {"hmf", "hsx",  "obj", "ply", "stl", "iv",
                                               "ipt", "iam",  "vda", "wrl", "ptx", "ptxb",
                                               "pts", "ptsb", "xyz", ""};
    return kFormats;
}

const char* const* CProjectConstants::get3DExportFormatsToIgnore() {
    static constexpr const char* kFormats[] = {"hmf", "hsx", "obj", "ply", "stl", ""};
    return kFormats;
}

std::uint32_t CProjectConstants::get3dControlFaceColor() {
    return getSysColor(SystemColor::Face3D);
}
std::uint32_t CProjectConstants::get3dControlHighlightColor() {
    return getSysColor(SystemColor::Light3D);
}
std::uint32_t CProjectConstants::get3dControlShadowColor() {
    return getSysColor(SystemColor::Shadow3D);
}
std::uint32_t CProjectConstants::get3dControlTextColor() {
    return getSysColor(SystemColor::ButtonText);
}
std::uint32_t CProjectConstants::get3dMenuColor() { return getSysColor(SystemColor::Menu); }
std::uint32_t CProjectConstants::get3dMenuTextColor() { return getSysColor(SystemColor::MenuText); }
std::uint32_t CProjectConstants::get3dScrollBarGrayColor() {
    return getSysColor(SystemColor::ScrollBar);
}
std::uint32_t CProjectConstants::get3dTooltipBackgroundColor() {
    return getSysColor(SystemColor::InfoBackground);
}
std::uint32_t CProjectConstants::get3dTooltipTextColor() {
    return getSysColor(SystemColor::InfoText);
}
