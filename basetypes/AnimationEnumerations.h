// The enumerations of positions, animation key frames and legends: how the 3D view renders and
// colours the model, which dates drive it, how key frames blend, where captions and legends sit.
// Stored like every CZentrixEnumeration: the value as int32, refused on loading outside the names.
// The values are written to disk: append new ones, never reorder or remove.
#pragma once

#include <cstdint>

#include "basetypes/CZentrixEnumeration.h"

// How the values between two key frames are found: held until the next key frame, blended along
// a line, or along a smooth curve.
enum class InterpolationType : std::int32_t { Step, Linear, Smooth };
template <>
struct EnumerationTraits<InterpolationType> {
    static constexpr const char* typeName = "CInterpolationType";
    static constexpr const char* names[] = {"Step", "Linear", "Smooth"};
};
using CInterpolationType = CZentrixEnumeration<InterpolationType>;

enum class RenderMode3D : std::int32_t {
    Wireframe,
    HiddenLine,
    Flat,
    Shaded,
    ShadedWithEdges,
    Realistic
};
template <>
struct EnumerationTraits<RenderMode3D> {
    static constexpr const char* typeName = "C3DRenderMode";
    static constexpr const char* names[] = {"Wireframe", "HiddenLine",      "Flat",
                                            "Shaded",    "ShadedWithEdges", "Realistic"};
};
using C3DRenderMode = CZentrixEnumeration<RenderMode3D>;

// What gives the entities their colour: nothing, the appearances of their use profiles, the
// values of a resource or activity code, or a resource state.
enum class ColoringMode3D : std::int32_t {
    None,
    Appearance,
    ResourceCode,
    ActivityCode,
    ResourceState
};
template <>
struct EnumerationTraits<ColoringMode3D> {
    static constexpr const char* typeName = "C3DColoringMode";
    static constexpr const char* names[] = {"None", "Appearance", "ResourceCode", "ActivityCode",
                                            "ResourceState"};
};
using C3DColoringMode = CZentrixEnumeration<ColoringMode3D>;

// Which dates of the tasks place the entities in time.
enum class DatesToUseType : std::int32_t { Planned, Current, Actual, Baseline };
template <>
struct EnumerationTraits<DatesToUseType> {
    static constexpr const char* typeName = "CDatesToUseType";
    static constexpr const char* names[] = {"Planned", "Current", "Actual", "Baseline"};
};
using CDatesToUseType = CZentrixEnumeration<DatesToUseType>;

// Where a caption sits in the view.
enum class Element2DPositionType : std::int32_t {
    TopLeft,
    TopCenter,
    TopRight,
    CenterLeft,
    Center,
    CenterRight,
    BottomLeft,
    BottomCenter,
    BottomRight
};
template <>
struct EnumerationTraits<Element2DPositionType> {
    static constexpr const char* typeName = "CElement2DPositionType";
    static constexpr const char* names[] = {"TopLeft",    "TopCenter",    "TopRight",
                                            "CenterLeft", "Center",       "CenterRight",
                                            "BottomLeft", "BottomCenter", "BottomRight"};
};
using CElement2DPositionType = CZentrixEnumeration<Element2DPositionType>;

// Where a legend or chart annotation sits beside what it explains.
enum class AnnotationPosition : std::int32_t {
    Right,
    Left,
    Top,
    Bottom,
    TopRight,
    TopLeft,
    BottomRight,
    BottomLeft
};
template <>
struct EnumerationTraits<AnnotationPosition> {
    static constexpr const char* typeName = "CAnnotationPosition";
    static constexpr const char* names[] = {"Right",    "Left",    "Top",         "Bottom",
                                            "TopRight", "TopLeft", "BottomRight", "BottomLeft"};
};
using CAnnotationPosition = CZentrixEnumeration<AnnotationPosition>;

enum class LegendViewMode : std::int32_t { List, Table, Compact };
template <>
struct EnumerationTraits<LegendViewMode> {
    static constexpr const char* typeName = "CLegendViewMode";
    static constexpr const char* names[] = {"List", "Table", "Compact"};
};
using CLegendViewMode = CZentrixEnumeration<LegendViewMode>;

enum class LegendSortingMode : std::int32_t { AsDefined, ByName, ByNameDescending };
template <>
struct EnumerationTraits<LegendSortingMode> {
    static constexpr const char* typeName = "CLegendSortingMode";
    static constexpr const char* names[] = {"AsDefined", "ByName", "ByNameDescending"};
};
using CLegendSortingMode = CZentrixEnumeration<LegendSortingMode>;
