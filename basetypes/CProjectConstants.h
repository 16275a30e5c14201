// CProjectConstants: the fixed names, limits, unit conversions, default settings, colours and
// user-interface measures that the store and the application share.
//
// Every member is a static function without state; nothing here changes at run time. Numbers are
// constexpr and defined here. Text getters build a new CString on each call; the wide-string
// getters return a pointer to a string literal and the 3D format getters a pointer to a static
// array ending with an empty string, both valid for the life of the program. The system colour
// getters ask getSysColor at each call. Colours are 0x00BBGGRR (red in the low byte).
//
// Several of these values are written into projects or shared with other programs (role names,
// the synchronizer folder ID, length limits): changing one changes what existing files mean.
#pragma once

#include <cstdint>

#include "basetypes/CString.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayCapacity.h"

class ZX_API CProjectConstants {
public:
    CProjectConstants() = delete;

    // Role names.
    static CString getNameOfAdministratorRole();
    static CString getNameOfPlannerRole();
    static CString getNameOfUserRole();
    static CString getNameOfGuestRole();
    static CString getNameOfFieldRole();
    static CString getNameOfViewerRole();
    static CString getNameOfVDCRole();

    // Other names.
    static CString getScratchDirectoryMarker();
    static CString getZentrixLinkExecutableFileName();
    static CString getTaskGridDataFontFace();
    static CString getTaskGridHeadingsFontFace();
    static CString getOrbeonSynchronizerFolderID();
    static CString getOrbeonSynchronizerFolderName();
    static constexpr const wchar_t* getCharactersNotAllowedInSegmentNames() {
        return L"@*.~/='\"\\|,()[]{}";
    }
    static constexpr const wchar_t* getNameOf3DIntegrationLogInterface() { return L"Log"; }
    static constexpr const wchar_t* getNameOf3DIntegrationProgressInterface() {
        return L"Progress";
    }
    static constexpr const wchar_t* getZentrixHubUserName() { return L"ZentrixHubUser"; }
    static constexpr wchar_t getPasswordCharacter() { return L'*'; }

    // 3D file formats (lower-case extensions) the importer and the exporter leave out. Each list
    // ends with an empty string.
    static const char* const* get3DImportFormatsToIgnore();
    static const char* const* get3DExportFormatsToIgnore();

    // Time units.
    static constexpr int getDaysPerWeek() { return 7; }
    static constexpr int getHoursPerDay() { return 24; }
    static constexpr int getHoursPerWeek() { return 168; }
    static constexpr int getMinutesPerHour() { return 60; }
    static constexpr int getMinutesPerDay() { return 1440; }
    static constexpr int getSecondsPerMinute() { return 60; }
    static constexpr int getSecondsPerDeciMinute() { return 6; }
    static constexpr int getSecondsPerHour() { return 3600; }
    static constexpr int getSecondsPerDay() { return 86400; }
    static constexpr int getSecondsPerWeek() { return 604800; }
    static constexpr int getMillisecondsPerSecond() { return 1000; }
    static constexpr int getTicksPerSecond() { return 1000; }

    // Physical units.
    static constexpr float getInchesPerFoot() { return 12.0f; }
    static constexpr float getMillimetersPerCentimeter() { return 10.0f; }
    static constexpr float getMillimetersPerInch() { return 25.4f; }
    static constexpr float getMillimetersPerFoot() { return 304.8f; }
    static constexpr float getMillimetersPerMeter() { return 1000.0f; }
    static constexpr float getMetersPerKilometer() { return 1000.0f; }
    static constexpr float getMetersPerMile() { return 1609.344f; }
    static constexpr float getStrengthOfGravityOnEarth() { return 9.8f; }
    static constexpr float getStrengthOfGravityOnMoon() { return 1.6f; }

    // Limits.
    static constexpr int getMaxTaskNameLength() { return 1024; }
    static constexpr int getMaxTaskIDLength() { return 512; }
    static constexpr int getMaxResourceIDLength() { return 40; }
    static constexpr int getMaxResourceGroupIDLength() { return 512; }
    static constexpr int getMaxResourceStateNameLength() { return 255; }
    static constexpr int getMaxTaskStateNameLength() { return 255; }
    static constexpr int getMaxTaskCategoryNameLength() { return 255; }
    static constexpr int getMaxUserFieldNameLength() { return 255; }
    static constexpr int getMaximumCodeNameLength() { return 255; }
    static constexpr int getSmallestMaximumCodeValueLength() { return 1; }
    static constexpr int getDefaultMaximumCodeValueLength() { return 40; }
    static constexpr int getBiggestMaximumCodeValueLength() { return 255; }
    static constexpr int getMaxRuleIDLength() { return 20; }
    static constexpr int getMaxIssueIDLength() { return 256; }
    static constexpr int getMaxDocumentFileIDLength() { return 256; }
    static constexpr int getMaxHistoryItemNoteLength() { return 1023; }
    static constexpr int getMaxTimeblocksPerDayType() { return 24; }
    static constexpr int getMaxColumnsInView() { return 100; }
    static constexpr int getMaximum3DSubdivisionParts() { return 1000; }
    static constexpr int getMaximum3DSubdivisionPartsPerDimension() { return 100; }
    static constexpr int getMaximumUserPhotoSize() { return 1200; }
    static constexpr int getMinimumWireframeDetailLevel() { return 90; }
    static constexpr int getDefaultWireframeDetailLevel() { return 135; }
    static constexpr int getMaximumWireframeDetailLevel() { return 180; }
    static constexpr double getMaximumClashTestTolerance() { return 1000000.0; }

    // Storage and work thresholds. The array thresholds are the ones the store's arrays shrink by.
    static constexpr int getTinyArrayThreshold() { return 100; }
    static constexpr int getLargeArrayThreshold() { return kLargeArrayThreshold; }
    static constexpr int getCapacityToSizeMaximumRatio() { return kCapacityToSizeMaximumRatio; }
    // True when capacity > getLargeArrayThreshold() and
    // getCapacityToSizeMaximumRatio() * size < capacity.
    static constexpr bool isArrayExcessSpaceTooLarge(std::uint64_t capacity, std::uint64_t size) {
        return hasExcessCapacity(capacity, size);
    }
    static constexpr unsigned int getReadPageSize() { return 4096; }
    static constexpr std::uint32_t getSQLObjectNumberThreshold() { return 10000; }
    static constexpr float getEstimatedSecondsToProcessOneTransaction() { return 0.25f; }
    static constexpr int getMinimumNumberOfTasksInRescheduleSetToWarrentFullUpdates() {
        return 1000;
    }
    static constexpr float getMinimumProportionOfTasksInRescheduleSetToWarrentFullUpdates() {
        return 0.05f;
    }
    static constexpr float getTransparencyCoefficientForSubsequentProposedReschedules() {
        return 0.5f;
    }

    // Defaults, as codes of the enumerations they default.
    static constexpr int getDefault3DDisplayMode() { return 6; }
    static constexpr int getDefaultAVIExportSpeed() { return 3; }
    static constexpr int getDefaultAnimationRecordingDestinationMode() { return 1; }
    static constexpr int getDefaultAntiAliasingLevel() { return 1; }
    static constexpr int getDefaultApplicationLookMode() { return 25; }
    static constexpr int getDefaultChartType() { return 2; }
    static constexpr int getDefaultCurrencyUnit() { return 2; }
    static constexpr int getDefaultDisplayChartFor() { return 1; }
    static constexpr int getDefaultDisplayUtilisationChartFor() { return 7; }
    static constexpr int getDefaultDistanceUnitType() { return 3; }
    static constexpr int getDefaultDockingMode() { return 3; }
    static constexpr int getDefaultFloatMode() { return 1; }
    static constexpr int getDefaultGanttLinkDisplayStyle() { return 2; }
    static constexpr int getDefaultGradientUnitType() { return 1; }
    static constexpr int getDefaultGravityMode() { return 1; }
    static constexpr int getDefaultInertiaHalfLifeUnitType() { return 2; }
    static constexpr int getDefaultResourceType() { return 4; }
    static constexpr int getDefaultResourceWizardNewResourceType() { return 1; }
    static constexpr int getDefaultResourceWizardResourceCreationMode() { return 0; }
    static constexpr int getDefaultScreenSpaceUnitType() { return 1; }
    static constexpr int getDefaultSpeedUnitType() { return 1; }
    static constexpr int getDefaultSubdivisionPreviewMode() { return 1; }
    static constexpr int getDefaultTabStyleMode() { return 2; }
    static constexpr int getDefaultTaskDurationType() { return 1; }
    static constexpr int getDefaultTaskProgressDisplayType() { return 1; }
    static constexpr int getDefaultTaskProgressMode() { return 1; }
    static constexpr int getDefaultTaskProgressType() { return 1; }
    static constexpr int getDefaultTaskRiskType() { return 1; }
    static constexpr int getOrbeonExportVersion() { return 1; }

    // Other defaults.
    static constexpr int getDefaultLookAheadDateRangeDays() { return 14; }
    static constexpr int getDefaultMinimumReplaceProjectLag() { return 60; }
    static constexpr int getDefaultMaximumReplaceProjectLag() { return 3600; }

    // Camera and 3D view.
    static constexpr float getCameraFieldOfViewDegreesMin() { return 0.1f; }
    static constexpr float getCameraFieldOfViewDegreesDefault() { return 35.0f; }
    static constexpr float getCameraFieldOfViewDegreesMax() { return 150.0f; }
    static constexpr float getCameraGimbleSafetyMargin() { return 0.01f; }
    static constexpr float getBirdseyeCameraPositionIndicatorScale() { return 2.0f; }
    static constexpr float getDefaultSceneSizeForEmptyScenes() { return 5.0f; }
    static constexpr float getMinimumDistanceToBackOfModelPlaneAsProportionOfModelSize() {
        return 0.01f;
    }
    static constexpr float getMinimumElevationForZoomingCameraToObjects() { return 0.1f; }
    static constexpr int getClashViewerOpaqueness() { return 50; }

    // User-interface measures (pixels unless named otherwise).
    static constexpr float getDelayedDragActivationSeconds() { return 0.5f; }
    static constexpr float getWaitCursorThresholdSeconds() { return 0.5f; }
    static constexpr int getDragStartPixelThreshold() { return 3; }
    static constexpr int getScrollZoneSize() { return 10; }
    static constexpr double getZoomProportion() { return 1.2; }
    static constexpr double getGanttAutoScrollClipProportion() { return 0.05; }
    static constexpr double getGanttAutoScrollRate() { return 0.1; }
    static constexpr double getGanttAutoScrollWindowProportion() { return 0.25; }
    static constexpr double getGanttRulerDragScrollDelay() { return 0.05; }
    static constexpr double getGanttRulerDragScrollInitialDelay() { return 0.5; }
    static constexpr double getGanttRulerDragScrollSpeed() { return 500.0; }
    static constexpr double getGanttRulerDragScrollZoneMaximumProportion() { return 0.25; }
    static constexpr double getGanttRulerDragScrollZoneMaximumWidth() { return 64.0; }
    static constexpr int getGanttRowHeightMargin() { return 8; }
    static constexpr int getGanttRulerHeight() { return 40; }
    static constexpr int getGanttRulerLineHeight() { return 14; }
    static constexpr int getMinimumGridColumnWidth() { return 32; }
    static constexpr int getStandardModalDialogWidthInDialogUnits() { return 252; }
    static constexpr int getTaskGridDataFontSize() { return 8; }
    static constexpr int getTaskGridHeadingsFontSize() { return 8; }
    static constexpr int getTaskViewFillAreaWeight() { return 4; }
    static constexpr int getTaskViewFillToHandleSize() { return 3; }
    static constexpr int getTaskViewIndentationLineWidth() { return 4; }
    static constexpr int getTaskViewPreEditCellWeight() { return 3; }
    static constexpr int getTaskviewColumnResizeMargin() { return 5; }
    static constexpr int getTaskviewExpandBoxSize() { return 11; }
    static constexpr int getTaskviewExpandBoxSpacing() { return 2; }
    static constexpr int getTaskviewIndexColumnWidth() { return 40; }
    static constexpr int getDefaultTaskViewIndentationMargin() { return 3; }

    // Printing, in millimetres (the logo's aspect ratio is width over height).
    static constexpr float getPrintingBorderMillimetres() { return 0.8f; }
    static constexpr float getPrintingLegendHeightMillimetres() { return 17.0f; }
    static constexpr float getPrintingPagenumberHeightMillimetres() { return 3.0f; }
    static constexpr float getPrintingTaskviewIdealFontHeightMillimetres() { return 5.0f; }
    static constexpr float getPrintingLogoAspectRatio() { return 1.2f; }

    // Fixed colours.
    static constexpr std::uint32_t getControlBackgroundColor() { return 0xFFFFFF; }
    static constexpr std::uint32_t getDisabledControlBackgroundColor() { return 0xE6E6E6; }
    static constexpr std::uint32_t getIconMaskColor() { return 0xF5F3B7; }
    static constexpr std::uint32_t getDefaultActivityCodeBackgroundColor() { return 0xFFFFFF; }
    static constexpr std::uint32_t getDefaultActivityCodeForegroundColor() { return 0x000000; }
    static constexpr std::uint32_t getDefaultCompanyColor() { return 0xFFFFFF; }
    static constexpr std::uint32_t getDefaultNeutralUseProfileColor() { return 0xFFFFFF; }
    static constexpr std::uint32_t getDefaultInstallUseProfileColor() { return 0x00FF00; }
    static constexpr std::uint32_t getDefaultMaintainUseProfileColor() { return 0x00FFFF; }
    static constexpr std::uint32_t getDefaultRemoveUseProfileColor() { return 0x03A1FF; }
    static constexpr std::uint32_t getDefaultTemporaryUseProfileColor() { return 0xFF0000; }
    static constexpr std::uint32_t getClashViewerColor1() { return 0x0000FF; }
    static constexpr std::uint32_t getClashViewerColor2() { return 0xFF0000; }
    static constexpr std::uint32_t getSubdivisionPreviewManipulatorColor() { return 0x000000; }

    // Colours of the user interface, read from the system at each call.
    static std::uint32_t get3dControlFaceColor();
    static std::uint32_t get3dControlHighlightColor();
    static std::uint32_t get3dControlShadowColor();
    static std::uint32_t get3dControlTextColor();
    static std::uint32_t get3dMenuColor();
    static std::uint32_t get3dMenuTextColor();
    static std::uint32_t get3dScrollBarGrayColor();
    static std::uint32_t get3dTooltipBackgroundColor();
    static std::uint32_t get3dTooltipTextColor();
};
