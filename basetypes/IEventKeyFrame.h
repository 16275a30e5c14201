// IEventKeyFrame: the display changes an animation makes at one tick: notations, user grids, the
// main grid and cutting planes hidden or shown, filters switched, render mode, dates and colouring
// changed, lines, edges, faces, text, visual effects, indicators, paths, the focus time caption
// and the legend switched off or on, and the legend's settings replaced. Each change flag and its
// values are stored as given; a hide or disable flag and its show or enable partner are
// independent flags.
//
// An event switches at its tick, so its interpolation type is always Step (value 0): it is not
// recorded, and setting it changes nothing.
//
// Defaults (initialize): ID unset, tick -1, every flag false, no IDs listed, filter operation 0,
// the filter colours' and legend's own defaults, render mode ShadedWithEdges (4), dates Current
// (1), colouring Appearance (1), code and state IDs unset.
//
// Record (field by field, in the order of describeFields): ID, tick, then the fields above.
#pragma once

#include <memory>
#include <utility>

#include "basetypes/AnimationEnumerations.h"
#include "basetypes/C3DFilterColorParameters.h"
#include "basetypes/CLegendProperties.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/IDescribed.h"
#include "basetypes/IKeyFrame.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/IDArrays.h"

class ZX_API IEventKeyFrame : public IDescribed<IEventKeyFrame> {
public:
    static constexpr const char* s_kindName = "EventKeyFrame";
    // Every kind of key frame takes its IDs from CKeyFrameID.
    static constexpr bool s_sharesIDType = true;
    // What every event key frame reports as its interpolation type.
    static constexpr CInterpolationType s_interpolationType{InterpolationType::Step};

    struct Fields : CZentrixKeyFrame {
        CProjectBool hideAll3DNotations = false;
        C3DNotationIDArray hidden3DNotationIDs;
        C3DNotationIDArray shown3DNotationIDs;
        CProjectBool hideAllUserGrids = false;
        CUserGridIDArray hiddenUserGridIDs;
        CUserGridIDArray shownUserGridIDs;
        CProjectBool hideMainGrid = false;
        CProjectBool showMainGrid = false;
        CProjectBool hideAllCuttingPlanes = false;
        CCuttingPlaneIDArray hiddenCuttingPlaneIDs;
        CCuttingPlaneIDArray shownCuttingPlaneIDs;
        CProjectBool changeFilters = false;
        CFilterIDArray filterIDs;
        CProjectInt filterOperation = 0;
        C3DFilterColorParameters unfilteredParameters;
        CProjectBool change3DRenderMode = false;
        C3DRenderMode renderMode3D = RenderMode3D::ShadedWithEdges;
        CProjectBool changeDatesToUse = false;
        CProjectBool ignoreTimeline = false;
        CDatesToUseType datesToUse = DatesToUseType::Current;
        CProjectBool changeColoringMode = false;
        C3DColoringMode coloringMode = ColoringMode3D::Appearance;
        CCodeID activeResourceCodeID;
        CCodeID activeActivityCodeID;
        CResourceStateID activeResourceStateID;
        CProjectBool hideLines = false;
        CProjectBool showLines = false;
        CProjectBool hideEdges = false;
        CProjectBool showEdges = false;
        CProjectBool hideFaces = false;
        CProjectBool showFaces = false;
        CProjectBool hideText = false;
        CProjectBool showText = false;
        CProjectBool disableAmbientOcclusion = false;
        CProjectBool enableAmbientOcclusion = false;
        CProjectBool disableBloom = false;
        CProjectBool enableBloom = false;
        CProjectBool disableFastSilHouetteEdges = false;
        CProjectBool enableFastSilHouetteEdges = false;
        CProjectBool disableShadows = false;
        CProjectBool enableShadows = false;
        CProjectBool disableUsageOfProjectGlobalLight = false;
        CProjectBool enableUsageOfProjectGlobalLight = false;
        CProjectBool hideAxisIndicator = false;
        CProjectBool showAxisIndicator = false;
        CProjectBool disableVisibilityOfGrids = false;
        CProjectBool enableVisibilityOfGrids = false;
        CProjectBool hideLegend = false;
        CProjectBool showLegend = false;
        CProjectBool hidePaths = false;
        CProjectBool showPaths = false;
        CProjectBool hideFocusTime = false;
        CProjectBool showFocusTime = false;
        CProjectBool hideIndicatorOfVisibleGridSize = false;
        CProjectBool showIndicatorOfVisibleGridSize = false;
        CProjectBool disableVisibilityOfSkyline = false;
        CProjectBool enableVisibilityOfSkyline = false;
        CProjectBool changeLegendProperties = false;
        CLegendProperties legendProperties;
    };
    template <class V>
    static void describeFields(V& v) {
        zx::keyframes::describeCommon<false>(v);
        v.field("HideAll3DNotations", &Fields::hideAll3DNotations);
        v.field("Hidden3DNotationIDs", &Fields::hidden3DNotationIDs);
        v.field("Shown3DNotationIDs", &Fields::shown3DNotationIDs);
        v.field("HideAllUserGrids", &Fields::hideAllUserGrids);
        v.field("HiddenUserGridIDs", &Fields::hiddenUserGridIDs);
        v.field("ShownUserGridIDs", &Fields::shownUserGridIDs);
        v.field("HideMainGrid", &Fields::hideMainGrid);
        v.field("ShowMainGrid", &Fields::showMainGrid);
        v.field("HideAllCuttingPlanes", &Fields::hideAllCuttingPlanes);
        v.field("HiddenCuttingPlaneIDs", &Fields::hiddenCuttingPlaneIDs);
        v.field("ShownCuttingPlaneIDs", &Fields::shownCuttingPlaneIDs);
        v.field("ChangeFilters", &Fields::changeFilters);
        v.field("FilterIDs", &Fields::filterIDs);
        v.field("FilterOperation", &Fields::filterOperation);
        v.field("UnfilteredParameters", &Fields::unfilteredParameters);
        v.field("Change3DRenderMode", &Fields::change3DRenderMode);
        v.field("3DRenderMode", &Fields::renderMode3D);
        v.field("ChangeDatesToUse", &Fields::changeDatesToUse);
        v.field("IgnoreTimeline", &Fields::ignoreTimeline);
        v.field("DatesToUse", &Fields::datesToUse);
        v.field("ChangeColoringMode", &Fields::changeColoringMode);
        v.field("ColoringMode", &Fields::coloringMode);
        v.field("ActiveResourceCodeID", &Fields::activeResourceCodeID);
        v.field("ActiveActivityCodeID", &Fields::activeActivityCodeID);
        v.field("ActiveResourceStateID", &Fields::activeResourceStateID);
        v.field("HideLines", &Fields::hideLines);
        v.field("ShowLines", &Fields::showLines);
        v.field("HideEdges", &Fields::hideEdges);
        v.field("ShowEdges", &Fields::showEdges);
        v.field("HideFaces", &Fields::hideFaces);
        v.field("ShowFaces", &Fields::showFaces);
        v.field("HideText", &Fields::hideText);
        v.field("ShowText", &Fields::showText);
        v.field("DisableAmbientOcclusion", &Fields::disableAmbientOcclusion);
        v.field("EnableAmbientOcclusion", &Fields::enableAmbientOcclusion);
        v.field("DisableBloom", &Fields::disableBloom);
        v.field("EnableBloom", &Fields::enableBloom);
        v.field("DisableFastSilHouetteEdges", &Fields::disableFastSilHouetteEdges);
        v.field("EnableFastSilHouetteEdges", &Fields::enableFastSilHouetteEdges);
        v.field("DisableShadows", &Fields::disableShadows);
        v.field("EnableShadows", &Fields::enableShadows);
        v.field("DisableUsageOfProjectGlobalLight", &Fields::disableUsageOfProjectGlobalLight);
        v.field("EnableUsageOfProjectGlobalLight", &Fields::enableUsageOfProjectGlobalLight);
        v.field("HideAxisIndicator", &Fields::hideAxisIndicator);
        v.field("ShowAxisIndicator", &Fields::showAxisIndicator);
        v.field("DisableVisibilityOfGrids", &Fields::disableVisibilityOfGrids);
        v.field("EnableVisibilityOfGrids", &Fields::enableVisibilityOfGrids);
        v.field("HideLegend", &Fields::hideLegend);
        v.field("ShowLegend", &Fields::showLegend);
        v.field("HidePaths", &Fields::hidePaths);
        v.field("ShowPaths", &Fields::showPaths);
        v.field("HideFocusTime", &Fields::hideFocusTime);
        v.field("ShowFocusTime", &Fields::showFocusTime);
        v.field("HideIndicatorOfVisibleGridSize", &Fields::hideIndicatorOfVisibleGridSize);
        v.field("ShowIndicatorOfVisibleGridSize", &Fields::showIndicatorOfVisibleGridSize);
        v.field("DisableVisibilityOfSkyline", &Fields::disableVisibilityOfSkyline);
        v.field("EnableVisibilityOfSkyline", &Fields::enableVisibilityOfSkyline);
        v.field("ChangeLegendProperties", &Fields::changeLegendProperties);
        v.field("LegendProperties", &Fields::legendProperties);
    }

    const CKeyFrameID& getID() const { return fields().id; }
    void setID(const CKeyFrameID& id) { fields().id = id; }
    const CProjectInt& getTick() const { return fields().tick; }
    void setTick(int tick) { fields().setTick(tick); }
    const CInterpolationType& getInterpolationType() const { return s_interpolationType; }
    void setInterpolationType(const CInterpolationType&) {}

    const CProjectBool& getHideAll3DNotations() const { return fields().hideAll3DNotations; }
    void setHideAll3DNotations(const bool& value) { fields().hideAll3DNotations = value; }
    const C3DNotationIDArray& getHidden3DNotationIDs() const {
        return fields().hidden3DNotationIDs;
    }
    void setHidden3DNotationIDs(const C3DNotationIDArray& ids) {
        fields().hidden3DNotationIDs = ids;
    }
    void setHidden3DNotationIDs(C3DNotationIDArray&& ids) {
        fields().hidden3DNotationIDs = std::move(ids);
    }
    const C3DNotationIDArray& getShown3DNotationIDs() const { return fields().shown3DNotationIDs; }
    void setShown3DNotationIDs(const C3DNotationIDArray& ids) { fields().shown3DNotationIDs = ids; }
    void setShown3DNotationIDs(C3DNotationIDArray&& ids) {
        fields().shown3DNotationIDs = std::move(ids);
    }
    const CProjectBool& getHideAllUserGrids() const { return fields().hideAllUserGrids; }
    void setHideAllUserGrids(const bool& value) { fields().hideAllUserGrids = value; }
    const CUserGridIDArray& getHiddenUserGridIDs() const { return fields().hiddenUserGridIDs; }
    void setHiddenUserGridIDs(const CUserGridIDArray& ids) { fields().hiddenUserGridIDs = ids; }
    void setHiddenUserGridIDs(CUserGridIDArray&& ids) {
        fields().hiddenUserGridIDs = std::move(ids);
    }
    const CUserGridIDArray& getShownUserGridIDs() const { return fields().shownUserGridIDs; }
    void setShownUserGridIDs(const CUserGridIDArray& ids) { fields().shownUserGridIDs = ids; }
    void setShownUserGridIDs(CUserGridIDArray&& ids) { fields().shownUserGridIDs = std::move(ids); }
    const CProjectBool& getHideMainGrid() const { return fields().hideMainGrid; }
    void setHideMainGrid(const bool& value) { fields().hideMainGrid = value; }
    const CProjectBool& getShowMainGrid() const { return fields().showMainGrid; }
    void setShowMainGrid(const bool& value) { fields().showMainGrid = value; }
    const CProjectBool& getHideAllCuttingPlanes() const { return fields().hideAllCuttingPlanes; }
    void setHideAllCuttingPlanes(const bool& value) { fields().hideAllCuttingPlanes = value; }
    const CCuttingPlaneIDArray& getHiddenCuttingPlaneIDs() const {
        return fields().hiddenCuttingPlaneIDs;
    }
    void setHiddenCuttingPlaneIDs(const CCuttingPlaneIDArray& ids) {
        fields().hiddenCuttingPlaneIDs = ids;
    }
    void setHiddenCuttingPlaneIDs(CCuttingPlaneIDArray&& ids) {
        fields().hiddenCuttingPlaneIDs = std::move(ids);
    }
    const CCuttingPlaneIDArray& getShownCuttingPlaneIDs() const {
        return fields().shownCuttingPlaneIDs;
    }
    void setShownCuttingPlaneIDs(const CCuttingPlaneIDArray& ids) {
        fields().shownCuttingPlaneIDs = ids;
    }
    void setShownCuttingPlaneIDs(CCuttingPlaneIDArray&& ids) {
        fields().shownCuttingPlaneIDs = std::move(ids);
    }
    const CProjectBool& getChangeFilters() const { return fields().changeFilters; }
    void setChangeFilters(const bool& value) { fields().changeFilters = value; }
    const CFilterIDArray& getFilterIDs() const { return fields().filterIDs; }
    void setFilterIDs(const CFilterIDArray& ids) { fields().filterIDs = ids; }
    void setFilterIDs(CFilterIDArray&& ids) { fields().filterIDs = std::move(ids); }
    const CProjectInt& getFilterOperation() const { return fields().filterOperation; }
    void setFilterOperation(int value) { fields().filterOperation = value; }
    const C3DFilterColorParameters& getUnfilteredParameters() const {
        return fields().unfilteredParameters;
    }
    void setUnfilteredParameters(const C3DFilterColorParameters& value) {
        fields().unfilteredParameters = value;
    }
    const CProjectBool& getChange3DRenderMode() const { return fields().change3DRenderMode; }
    void setChange3DRenderMode(const bool& value) { fields().change3DRenderMode = value; }
    const C3DRenderMode& get3DRenderMode() const { return fields().renderMode3D; }
    void set3DRenderMode(const C3DRenderMode& value) { fields().renderMode3D = value; }
    const CProjectBool& getChangeDatesToUse() const { return fields().changeDatesToUse; }
    void setChangeDatesToUse(const bool& value) { fields().changeDatesToUse = value; }
    const CProjectBool& getIgnoreTimeline() const { return fields().ignoreTimeline; }
    void setIgnoreTimeline(const bool& value) { fields().ignoreTimeline = value; }
    const CDatesToUseType& getDatesToUse() const { return fields().datesToUse; }
    void setDatesToUse(const CDatesToUseType& value) { fields().datesToUse = value; }
    const CProjectBool& getChangeColoringMode() const { return fields().changeColoringMode; }
    void setChangeColoringMode(const bool& value) { fields().changeColoringMode = value; }
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
    const CProjectBool& getHideLines() const { return fields().hideLines; }
    void setHideLines(const bool& value) { fields().hideLines = value; }
    const CProjectBool& getShowLines() const { return fields().showLines; }
    void setShowLines(const bool& value) { fields().showLines = value; }
    const CProjectBool& getHideEdges() const { return fields().hideEdges; }
    void setHideEdges(const bool& value) { fields().hideEdges = value; }
    const CProjectBool& getShowEdges() const { return fields().showEdges; }
    void setShowEdges(const bool& value) { fields().showEdges = value; }
    const CProjectBool& getHideFaces() const { return fields().hideFaces; }
    void setHideFaces(const bool& value) { fields().hideFaces = value; }
    const CProjectBool& getShowFaces() const { return fields().showFaces; }
    void setShowFaces(const bool& value) { fields().showFaces = value; }
    const CProjectBool& getHideText() const { return fields().hideText; }
    void setHideText(const bool& value) { fields().hideText = value; }
    const CProjectBool& getShowText() const { return fields().showText; }
    void setShowText(const bool& value) { fields().showText = value; }
    const CProjectBool& getDisableAmbientOcclusion() const {
        return fields().disableAmbientOcclusion;
    }
    void setDisableAmbientOcclusion(const bool& value) { fields().disableAmbientOcclusion = value; }
    const CProjectBool& getEnableAmbientOcclusion() const {
        return fields().enableAmbientOcclusion;
    }
    void setEnableAmbientOcclusion(const bool& value) { fields().enableAmbientOcclusion = value; }
    const CProjectBool& getDisableBloom() const { return fields().disableBloom; }
    void setDisableBloom(const bool& value) { fields().disableBloom = value; }
    const CProjectBool& getEnableBloom() const { return fields().enableBloom; }
    void setEnableBloom(const bool& value) { fields().enableBloom = value; }
    const CProjectBool& getDisableFastSilHouetteEdges() const {
        return fields().disableFastSilHouetteEdges;
    }
    void setDisableFastSilHouetteEdges(const bool& value) {
        fields().disableFastSilHouetteEdges = value;
    }
    const CProjectBool& getEnableFastSilHouetteEdges() const {
        return fields().enableFastSilHouetteEdges;
    }
    void setEnableFastSilHouetteEdges(const bool& value) {
        fields().enableFastSilHouetteEdges = value;
    }
    const CProjectBool& getDisableShadows() const { return fields().disableShadows; }
    void setDisableShadows(const bool& value) { fields().disableShadows = value; }
    const CProjectBool& getEnableShadows() const { return fields().enableShadows; }
    void setEnableShadows(const bool& value) { fields().enableShadows = value; }
    const CProjectBool& getDisableUsageOfProjectGlobalLight() const {
        return fields().disableUsageOfProjectGlobalLight;
    }
    void setDisableUsageOfProjectGlobalLight(const bool& value) {
        fields().disableUsageOfProjectGlobalLight = value;
    }
    const CProjectBool& getEnableUsageOfProjectGlobalLight() const {
        return fields().enableUsageOfProjectGlobalLight;
    }
    void setEnableUsageOfProjectGlobalLight(const bool& value) {
        fields().enableUsageOfProjectGlobalLight = value;
    }
    const CProjectBool& getHideAxisIndicator() const { return fields().hideAxisIndicator; }
    void setHideAxisIndicator(const bool& value) { fields().hideAxisIndicator = value; }
    const CProjectBool& getShowAxisIndicator() const { return fields().showAxisIndicator; }
    void setShowAxisIndicator(const bool& value) { fields().showAxisIndicator = value; }
    const CProjectBool& getDisableVisibilityOfGrids() const {
        return fields().disableVisibilityOfGrids;
    }
    void setDisableVisibilityOfGrids(const bool& value) {
        fields().disableVisibilityOfGrids = value;
    }
    const CProjectBool& getEnableVisibilityOfGrids() const {
        return fields().enableVisibilityOfGrids;
    }
    void setEnableVisibilityOfGrids(const bool& value) { fields().enableVisibilityOfGrids = value; }
    const CProjectBool& getHideLegend() const { return fields().hideLegend; }
    void setHideLegend(const bool& value) { fields().hideLegend = value; }
    const CProjectBool& getShowLegend() const { return fields().showLegend; }
    void setShowLegend(const bool& value) { fields().showLegend = value; }
    const CProjectBool& getHidePaths() const { return fields().hidePaths; }
    void setHidePaths(const bool& value) { fields().hidePaths = value; }
    const CProjectBool& getShowPaths() const { return fields().showPaths; }
    void setShowPaths(const bool& value) { fields().showPaths = value; }
    const CProjectBool& getHideFocusTime() const { return fields().hideFocusTime; }
    void setHideFocusTime(const bool& value) { fields().hideFocusTime = value; }
    const CProjectBool& getShowFocusTime() const { return fields().showFocusTime; }
    void setShowFocusTime(const bool& value) { fields().showFocusTime = value; }
    const CProjectBool& getHideIndicatorOfVisibleGridSize() const {
        return fields().hideIndicatorOfVisibleGridSize;
    }
    void setHideIndicatorOfVisibleGridSize(const bool& value) {
        fields().hideIndicatorOfVisibleGridSize = value;
    }
    const CProjectBool& getShowIndicatorOfVisibleGridSize() const {
        return fields().showIndicatorOfVisibleGridSize;
    }
    void setShowIndicatorOfVisibleGridSize(const bool& value) {
        fields().showIndicatorOfVisibleGridSize = value;
    }
    const CProjectBool& getDisableVisibilityOfSkyline() const {
        return fields().disableVisibilityOfSkyline;
    }
    void setDisableVisibilityOfSkyline(const bool& value) {
        fields().disableVisibilityOfSkyline = value;
    }
    const CProjectBool& getEnableVisibilityOfSkyline() const {
        return fields().enableVisibilityOfSkyline;
    }
    void setEnableVisibilityOfSkyline(const bool& value) {
        fields().enableVisibilityOfSkyline = value;
    }
    const CProjectBool& getChangeLegendProperties() const {
        return fields().changeLegendProperties;
    }
    void setChangeLegendProperties(const bool& value) { fields().changeLegendProperties = value; }
    const CLegendProperties& getLegendProperties() const { return fields().legendProperties; }
    void setLegendProperties(const CLegendProperties& value) { fields().legendProperties = value; }

    // A new heap copy of the key frame, owned by the caller.
    virtual std::unique_ptr<IEventKeyFrame> clone() const = 0;

protected:
    friend IDescribed<IEventKeyFrame>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using IEventKeyFrameHandle = CWrapperHandle<IEventKeyFrame>;
using IEventKeyFrameWritableHandle = CWritableWrapperHandle<IEventKeyFrame>;
using IEventKeyFrameArrayHandle = CWrapperArrayHandle<IEventKeyFrame, CKeyFrameID, 0>;
using IEventKeyFrameConstArrayHandle = CConstWrapperArrayHandle<IEventKeyFrame, CKeyFrameID, 0>;
ZX_DECLARE_INTERFACE(IEventKeyFrame, CKeyFrameID, 0);
