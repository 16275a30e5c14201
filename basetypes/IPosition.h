// IPosition: a saved view of the 4D model: a camera viewpoint, a focus date, the window size and
// snapshots of the display settings (cutting planes, filters, render and colouring modes, the
// visibility of lines and faces, visual effects, indicators and the focus time caption,
// notations, grids, the legend).
//
// Each group of settings has a validity flag (getIsFiltersValid, ...) saying whether the
// position holds that group, so that recalling it changes only the groups it holds; the group's
// values stay stored either way. Plain setters store a value and mark it set; the protected
// unset operations store the value given and mark it not set (a CProjectBool unset keeping a
// value), for hosts that keep a setting switched off without losing it.
//
// Defaults (initialize): every ID unset, texts empty, every flag and number unset, no focus
// time, a new camera, no IDs listed, the filter colours' and legend's own defaults, render mode
// ShadedWithEdges (4), dates Current (1), colouring Appearance (1), the focus time caption at the
// top left in black on white.
//
// Record (field by field, in the order of describeFields): the fields in the order above.
#pragma once

#include "basetypes/AnimationEnumerations.h"
#include "basetypes/C3DFilterColorParameters.h"
#include "basetypes/CLegendProperties.h"
#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "model3d/CViewpointCamera.h"
#include "store/ArrayHandles.h"
#include "store/IDArrays.h"

class ZX_API IPosition : public IDescribed<IPosition> {
public:
    static constexpr const char* s_kindName = "Position";

    struct Fields {
        CPositionID id;
        CProjectString name;
        CProjectString description;
        CProjectString url;
        CProjectString markersString;
        CProjectInt windowWidth;
        CProjectInt windowHeight;
        CProjectBool isFocusTime;
        CProjectTime focusTime;
        CProjectBool isViewpoint;
        CViewpointCamera viewpoint;
        CProjectBool isCuttingPlanesValid;
        CCuttingPlaneIDArray cuttingPlaneIDs;
        CProjectBool isFiltersValid;
        CFilterIDArray filterIDs;
        CProjectInt filterOperation;
        C3DFilterColorParameters unfilteredParameters;
        CProjectBool is3DRenderModeValid;
        C3DRenderMode renderMode3D = RenderMode3D::ShadedWithEdges;
        CProjectBool isDatesToUseValid;
        CProjectBool ignoreTimeline;
        CDatesToUseType datesToUse = DatesToUseType::Current;
        CProjectBool isColoringModeValid;
        C3DColoringMode coloringMode = ColoringMode3D::Appearance;
        CCodeID activeResourceCodeID;
        CCodeID activeActivityCodeID;
        CResourceStateID activeResourceStateID;
        CProjectBool isVisibilityPropertiesValid;
        CProjectBool visibleLines;
        CProjectBool visibleEdges;
        CProjectBool visibleFaces;
        CProjectBool visibleText;
        CProjectBool isEffectPropertiesValid;
        CProjectBool ambientOcclusionEnabled;
        CProjectBool bloomEnabled;
        CProjectBool fastSilHouetteEdgesEnabled;
        CProjectBool shadowsEnabled;
        CProjectBool useProjectGlobalLight;
        CProjectBool isIndicatorPropertiesValid;
        CProjectBool displayAxisIndicator;
        CProjectBool visibilityOfGrids;
        CProjectBool showPaths;
        CProjectBool displayFocusTime;
        CElement2DPositionType focusTimePosition;
        CProjectDouble focusTimeFontSize;
        CProjectBool focusTimeIsBackground;
        CProjectColorRGB focusTimeTextColor;
        CProjectColorRGB focusTimeBGColor = CProjectColorRGB::white();
        CProjectString focusTimeFormat;
        CProjectBool displayIndicatorOfVisibleGridSize;
        CProjectBool visibilityOfSkyline;
        CProjectBool is3DNotationsValid;
        C3DNotationIDArray notationIDs3D;
        CProjectBool isGridsValid;
        CProjectBool showMainGrid;
        CUserGridIDArray userGridIDs;
        CProjectBool isLegendPropertiesValid;
        CLegendProperties legendProperties;
        CProjectBool integrateWithControl;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("Description", &Fields::description);
        v.field("URL", &Fields::url);
        v.field("MarkersString", &Fields::markersString);
        v.field("WindowWidth", &Fields::windowWidth);
        v.field("WindowHeight", &Fields::windowHeight);
        v.field("IsFocusTime", &Fields::isFocusTime);
        v.field("FocusTime", &Fields::focusTime);
        v.field("IsViewpoint", &Fields::isViewpoint);
        v.field("Viewpoint", &Fields::viewpoint);
        v.field("IsCuttingPlanesValid", &Fields::isCuttingPlanesValid);
        v.field("CuttingPlaneIDs", &Fields::cuttingPlaneIDs);
        v.field("IsFiltersValid", &Fields::isFiltersValid);
        v.field("FilterIDs", &Fields::filterIDs);
        v.field("FilterOperation", &Fields::filterOperation);
        v.field("UnfilteredParameters", &Fields::unfilteredParameters);
        v.field("Is3DRenderModeValid", &Fields::is3DRenderModeValid);
        v.field("3DRenderMode", &Fields::renderMode3D);
        v.field("IsDatesToUseValid", &Fields::isDatesToUseValid);
        v.field("IgnoreTimeline", &Fields::ignoreTimeline);
        v.field("DatesToUse", &Fields::datesToUse);
        v.field("IsColoringModeValid", &Fields::isColoringModeValid);
        v.field("ColoringMode", &Fields::coloringMode);
        v.field("ActiveResourceCodeID", &Fields::activeResourceCodeID);
        v.field("ActiveActivityCodeID", &Fields::activeActivityCodeID);
        v.field("ActiveResourceStateID", &Fields::activeResourceStateID);
        v.field("IsVisibilityPropertiesValid", &Fields::isVisibilityPropertiesValid);
        v.field("VisibleLines", &Fields::visibleLines);
        v.field("VisibleEdges", &Fields::visibleEdges);
        v.field("VisibleFaces", &Fields::visibleFaces);
        v.field("VisibleText", &Fields::visibleText);
        v.field("IsEffectPropertiesValid", &Fields::isEffectPropertiesValid);
        v.field("AmbientOcclusionEnabled", &Fields::ambientOcclusionEnabled);
        v.field("BloomEnabled", &Fields::bloomEnabled);
        v.field("FastSilHouetteEdgesEnabled", &Fields::fastSilHouetteEdgesEnabled);
        v.field("ShadowsEnabled", &Fields::shadowsEnabled);
        v.field("UseProjectGlobalLight", &Fields::useProjectGlobalLight);
        v.field("IsIndicatorPropertiesValid", &Fields::isIndicatorPropertiesValid);
        v.field("DisplayAxisIndicator", &Fields::displayAxisIndicator);
        v.field("VisibilityOfGrids", &Fields::visibilityOfGrids);
        v.field("ShowPaths", &Fields::showPaths);
        v.field("DisplayFocusTime", &Fields::displayFocusTime);
        v.field("FocusTimePosition", &Fields::focusTimePosition);
        v.field("FocusTimeFontSize", &Fields::focusTimeFontSize);
        v.field("FocusTimeIsBackground", &Fields::focusTimeIsBackground);
        v.field("FocusTimeTextColor", &Fields::focusTimeTextColor);
        v.field("FocusTimeBGColor", &Fields::focusTimeBGColor);
        v.field("FocusTimeFormat", &Fields::focusTimeFormat);
        v.field("DisplayIndicatorOfVisibleGridSize", &Fields::displayIndicatorOfVisibleGridSize);
        v.field("VisibilityOfSkyline", &Fields::visibilityOfSkyline);
        v.field("Is3DNotationsValid", &Fields::is3DNotationsValid);
        v.field("3DNotationIDs", &Fields::notationIDs3D);
        v.field("IsGridsValid", &Fields::isGridsValid);
        v.field("ShowMainGrid", &Fields::showMainGrid);
        v.field("UserGridIDs", &Fields::userGridIDs);
        v.field("IsLegendPropertiesValid", &Fields::isLegendPropertiesValid);
        v.field("LegendProperties", &Fields::legendProperties);
        v.field("IntegrateWithControl", &Fields::integrateWithControl);
    }

    const CPositionID& getID() const { return fields().id; }
    void setID(const CPositionID& id) { fields().id = id; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& text) { fields().name = text; }
    const CProjectString& getDescription() const { return fields().description; }
    void setDescription(const CString& text) { fields().description = text; }
    const CProjectString& getURL() const { return fields().url; }
    void setURL(const CString& text) { fields().url = text; }
    const CProjectString& getMarkersString() const { return fields().markersString; }
    void setMarkersString(const CString& text) { fields().markersString = text; }
    const CProjectInt& getWindowWidth() const { return fields().windowWidth; }
    void setWindowWidth(int value) { fields().windowWidth = value; }
    const CProjectInt& getWindowHeight() const { return fields().windowHeight; }
    void setWindowHeight(int value) { fields().windowHeight = value; }
    const CProjectBool& getIsFocusTime() const { return fields().isFocusTime; }
    void setIsFocusTime(bool value) { fields().isFocusTime = value; }
    const CProjectTime& getFocusTime() const { return fields().focusTime; }
    void setFocusTime(const CProjectTime& value) { fields().focusTime = value; }
    const CProjectBool& getIsViewpoint() const { return fields().isViewpoint; }
    void setIsViewpoint(bool value) { fields().isViewpoint = value; }
    // A handle on the embedded camera, valid while the position lives.
    CWrapperHandle<CViewpointCamera> getViewpoint() const { return fields().viewpoint.getHandle(); }
    void setViewpoint(const CViewpointCamera& camera) { fields().viewpoint = camera; }
    const CProjectBool& getIsCuttingPlanesValid() const { return fields().isCuttingPlanesValid; }
    void setIsCuttingPlanesValid(bool value) { fields().isCuttingPlanesValid = value; }
    const CCuttingPlaneIDArray& getCuttingPlaneIDs() const { return fields().cuttingPlaneIDs; }
    void setCuttingPlaneIDs(const CCuttingPlaneIDArray& value) { fields().cuttingPlaneIDs = value; }
    const CProjectBool& getIsFiltersValid() const { return fields().isFiltersValid; }
    void setIsFiltersValid(bool value) { fields().isFiltersValid = value; }
    const CFilterIDArray& getFilterIDs() const { return fields().filterIDs; }
    void setFilterIDs(const CFilterIDArray& value) { fields().filterIDs = value; }
    const CProjectInt& getFilterOperation() const { return fields().filterOperation; }
    void setFilterOperation(int value) { fields().filterOperation = value; }
    const C3DFilterColorParameters& getUnfilteredParameters() const {
        return fields().unfilteredParameters;
    }
    void setUnfilteredParameters(const C3DFilterColorParameters& value) {
        fields().unfilteredParameters = value;
    }
    const CProjectBool& getIs3DRenderModeValid() const { return fields().is3DRenderModeValid; }
    void setIs3DRenderModeValid(bool value) { fields().is3DRenderModeValid = value; }
    const C3DRenderMode& get3DRenderMode() const { return fields().renderMode3D; }
    void set3DRenderMode(const C3DRenderMode& value) { fields().renderMode3D = value; }
    const CProjectBool& getIsDatesToUseValid() const { return fields().isDatesToUseValid; }
    void setIsDatesToUseValid(bool value) { fields().isDatesToUseValid = value; }
    const CProjectBool& getIgnoreTimeline() const { return fields().ignoreTimeline; }
    void setIgnoreTimeline(bool value) { fields().ignoreTimeline = value; }
    const CDatesToUseType& getDatesToUse() const { return fields().datesToUse; }
    void setDatesToUse(const CDatesToUseType& value) { fields().datesToUse = value; }
    const CProjectBool& getIsColoringModeValid() const { return fields().isColoringModeValid; }
    void setIsColoringModeValid(bool value) { fields().isColoringModeValid = value; }
    const C3DColoringMode& getColoringMode() const { return fields().coloringMode; }
    void setColoringMode(const C3DColoringMode& value) { fields().coloringMode = value; }
    const CCodeID& getActiveResourceCodeID() const { return fields().activeResourceCodeID; }
    void setActiveResourceCodeID(const CCodeID& value) { fields().activeResourceCodeID = value; }
    const CCodeID& getActiveActivityCodeID() const { return fields().activeActivityCodeID; }
    void setActiveActivityCodeID(const CCodeID& value) { fields().activeActivityCodeID = value; }
    const CResourceStateID& getActiveResourceStateID() const {
        return fields().activeResourceStateID;
    }
    void setActiveResourceStateID(const CResourceStateID& value) {
        fields().activeResourceStateID = value;
    }
    const CProjectBool& getIsVisibilityPropertiesValid() const {
        return fields().isVisibilityPropertiesValid;
    }
    void setIsVisibilityPropertiesValid(bool value) {
        fields().isVisibilityPropertiesValid = value;
    }
    const CProjectBool& getVisibleLines() const { return fields().visibleLines; }
    void setVisibleLines(bool value) { fields().visibleLines = value; }
    const CProjectBool& getVisibleEdges() const { return fields().visibleEdges; }
    void setVisibleEdges(bool value) { fields().visibleEdges = value; }
    const CProjectBool& getVisibleFaces() const { return fields().visibleFaces; }
    void setVisibleFaces(bool value) { fields().visibleFaces = value; }
    const CProjectBool& getVisibleText() const { return fields().visibleText; }
    void setVisibleText(bool value) { fields().visibleText = value; }
    const CProjectBool& getIsEffectPropertiesValid() const {
        return fields().isEffectPropertiesValid;
    }
    void setIsEffectPropertiesValid(bool value) { fields().isEffectPropertiesValid = value; }
    const CProjectBool& getAmbientOcclusionEnabled() const {
        return fields().ambientOcclusionEnabled;
    }
    void setAmbientOcclusionEnabled(bool value) { fields().ambientOcclusionEnabled = value; }
    const CProjectBool& getBloomEnabled() const { return fields().bloomEnabled; }
    void setBloomEnabled(bool value) { fields().bloomEnabled = value; }
    const CProjectBool& getFastSilHouetteEdgesEnabled() const {
        return fields().fastSilHouetteEdgesEnabled;
    }
    void setFastSilHouetteEdgesEnabled(bool value) { fields().fastSilHouetteEdgesEnabled = value; }
    const CProjectBool& getShadowsEnabled() const { return fields().shadowsEnabled; }
    void setShadowsEnabled(bool value) { fields().shadowsEnabled = value; }
    const CProjectBool& getUseProjectGlobalLight() const { return fields().useProjectGlobalLight; }
    void setUseProjectGlobalLight(bool value) { fields().useProjectGlobalLight = value; }
    const CProjectBool& getIsIndicatorPropertiesValid() const {
        return fields().isIndicatorPropertiesValid;
    }
    void setIsIndicatorPropertiesValid(bool value) { fields().isIndicatorPropertiesValid = value; }
    const CProjectBool& getDisplayAxisIndicator() const { return fields().displayAxisIndicator; }
    void setDisplayAxisIndicator(bool value) { fields().displayAxisIndicator = value; }
    const CProjectBool& getVisibilityOfGrids() const { return fields().visibilityOfGrids; }
    void setVisibilityOfGrids(bool value) { fields().visibilityOfGrids = value; }
    const CProjectBool& getShowPaths() const { return fields().showPaths; }
    void setShowPaths(bool value) { fields().showPaths = value; }
    const CProjectBool& getDisplayFocusTime() const { return fields().displayFocusTime; }
    void setDisplayFocusTime(bool value) { fields().displayFocusTime = value; }
    const CElement2DPositionType& getFocusTimePosition() const {
        return fields().focusTimePosition;
    }
    void setFocusTimePosition(const CElement2DPositionType& value) {
        fields().focusTimePosition = value;
    }
    const CProjectDouble& getFocusTimeFontSize() const { return fields().focusTimeFontSize; }
    void setFocusTimeFontSize(double value) { fields().focusTimeFontSize = value; }
    const CProjectBool& getFocusTimeIsBackground() const { return fields().focusTimeIsBackground; }
    void setFocusTimeIsBackground(bool value) { fields().focusTimeIsBackground = value; }
    const CProjectColorRGB& getFocusTimeTextColor() const { return fields().focusTimeTextColor; }
    void setFocusTimeTextColor(const CProjectColorRGB& value) {
        fields().focusTimeTextColor = value;
    }
    const CProjectColorRGB& getFocusTimeBGColor() const { return fields().focusTimeBGColor; }
    void setFocusTimeBGColor(const CProjectColorRGB& value) { fields().focusTimeBGColor = value; }
    const CProjectString& getFocusTimeFormat() const { return fields().focusTimeFormat; }
    void setFocusTimeFormat(const CString& text) { fields().focusTimeFormat = text; }
    const CProjectBool& getDisplayIndicatorOfVisibleGridSize() const {
        return fields().displayIndicatorOfVisibleGridSize;
    }
    void setDisplayIndicatorOfVisibleGridSize(bool value) {
        fields().displayIndicatorOfVisibleGridSize = value;
    }
    const CProjectBool& getVisibilityOfSkyline() const { return fields().visibilityOfSkyline; }
    void setVisibilityOfSkyline(bool value) { fields().visibilityOfSkyline = value; }
    const CProjectBool& getIs3DNotationsValid() const { return fields().is3DNotationsValid; }
    void setIs3DNotationsValid(bool value) { fields().is3DNotationsValid = value; }
    const C3DNotationIDArray& get3DNotationIDs() const { return fields().notationIDs3D; }
    void set3DNotationIDs(const C3DNotationIDArray& value) { fields().notationIDs3D = value; }
    const CProjectBool& getIsGridsValid() const { return fields().isGridsValid; }
    void setIsGridsValid(bool value) { fields().isGridsValid = value; }
    const CProjectBool& getShowMainGrid() const { return fields().showMainGrid; }
    void setShowMainGrid(bool value) { fields().showMainGrid = value; }
    const CUserGridIDArray& getUserGridIDs() const { return fields().userGridIDs; }
    void setUserGridIDs(const CUserGridIDArray& value) { fields().userGridIDs = value; }
    const CProjectBool& getIsLegendPropertiesValid() const {
        return fields().isLegendPropertiesValid;
    }
    void setIsLegendPropertiesValid(bool value) { fields().isLegendPropertiesValid = value; }
    const CLegendProperties& getLegendProperties() const { return fields().legendProperties; }
    void setLegendProperties(const CLegendProperties& value) { fields().legendProperties = value; }
    const CProjectBool& getIntegrateWithControl() const { return fields().integrateWithControl; }
    void setIntegrateWithControl(bool value) { fields().integrateWithControl = value; }

protected:
    friend IDescribed<IPosition>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;

    // Store the value and mark it not set.
    void unsetIsFocusTime(bool value) { fields().isFocusTime.unsetKeeping(value); }
    void unsetIsViewpoint(bool value) { fields().isViewpoint.unsetKeeping(value); }
    void unsetIsCuttingPlanesValid(bool value) {
        fields().isCuttingPlanesValid.unsetKeeping(value);
    }
    void unsetIsFiltersValid(bool value) { fields().isFiltersValid.unsetKeeping(value); }
    void unsetIs3DRenderModeValid(bool value) { fields().is3DRenderModeValid.unsetKeeping(value); }
    void unsetIsDatesToUseValid(bool value) { fields().isDatesToUseValid.unsetKeeping(value); }
    void unsetIgnoreTimeline(bool value) { fields().ignoreTimeline.unsetKeeping(value); }
    void unsetIsColoringModeValid(bool value) { fields().isColoringModeValid.unsetKeeping(value); }
    void unsetIsVisibilityPropertiesValid(bool value) {
        fields().isVisibilityPropertiesValid.unsetKeeping(value);
    }
    void unsetVisibleLines(bool value) { fields().visibleLines.unsetKeeping(value); }
    void unsetVisibleEdges(bool value) { fields().visibleEdges.unsetKeeping(value); }
    void unsetVisibleFaces(bool value) { fields().visibleFaces.unsetKeeping(value); }
    void unsetVisibleText(bool value) { fields().visibleText.unsetKeeping(value); }
    void unsetIsEffectPropertiesValid(bool value) {
        fields().isEffectPropertiesValid.unsetKeeping(value);
    }
    void unsetAmbientOcclusionEnabled(bool value) {
        fields().ambientOcclusionEnabled.unsetKeeping(value);
    }
    void unsetBloomEnabled(bool value) { fields().bloomEnabled.unsetKeeping(value); }
    void unsetFastSilHouetteEdgesEnabled(bool value) {
        fields().fastSilHouetteEdgesEnabled.unsetKeeping(value);
    }
    void unsetShadowsEnabled(bool value) { fields().shadowsEnabled.unsetKeeping(value); }
    void unsetUseProjectGlobalLight(bool value) {
        fields().useProjectGlobalLight.unsetKeeping(value);
    }
    void unsetIsIndicatorPropertiesValid(bool value) {
        fields().isIndicatorPropertiesValid.unsetKeeping(value);
    }
    void unsetDisplayAxisIndicator(bool value) {
        fields().displayAxisIndicator.unsetKeeping(value);
    }
    void unsetVisibilityOfGrids(bool value) { fields().visibilityOfGrids.unsetKeeping(value); }
    void unsetShowPaths(bool value) { fields().showPaths.unsetKeeping(value); }
    void unsetDisplayFocusTime(bool value) { fields().displayFocusTime.unsetKeeping(value); }
    void unsetFocusTimeIsBackground(bool value) {
        fields().focusTimeIsBackground.unsetKeeping(value);
    }
    void unsetDisplayIndicatorOfVisibleGridSize(bool value) {
        fields().displayIndicatorOfVisibleGridSize.unsetKeeping(value);
    }
    void unsetVisibilityOfSkyline(bool value) { fields().visibilityOfSkyline.unsetKeeping(value); }
    void unsetIs3DNotationsValid(bool value) { fields().is3DNotationsValid.unsetKeeping(value); }
    void unsetIsGridsValid(bool value) { fields().isGridsValid.unsetKeeping(value); }
    void unsetShowMainGrid(bool value) { fields().showMainGrid.unsetKeeping(value); }
    void unsetIsLegendPropertiesValid(bool value) {
        fields().isLegendPropertiesValid.unsetKeeping(value);
    }

    CWritableWrapperHandle<CViewpointCamera> getWritableViewpoint() {
        return fields().viewpoint.getWritableHandle();
    }
};

using IPositionHandle = CWrapperHandle<IPosition>;
using IPositionWritableHandle = CWritableWrapperHandle<IPosition>;
using IPositionArrayHandle = CWrapperArrayHandle<IPosition, CPositionID, 0>;
using IPositionConstArrayHandle = CConstWrapperArrayHandle<IPosition, CPositionID, 0>;
ZX_DECLARE_INTERFACE(IPosition, CPositionID, 0);
