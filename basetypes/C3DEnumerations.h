// The enumerations of the 3D model: cameras, cutting planes, rendering materials, images and
// notations. Stored as CZentrixEnumeration values (int32 records, refused outside their range);
// the values are written to disk: append new ones, never reorder or remove.
//
// The distance unit enumeration the 3D kinds share is CDistanceUnitType (CZentrixEnumeration.h),
// where 3 is the metre.
#pragma once

#include <cstdint>

#include "basetypes/CZentrixEnumeration.h"

// How a camera projects: 1 (perspective) is a new camera's mode.
enum class CameraProjectionMode : std::int32_t { Orthographic, Perspective };
template <>
struct EnumerationTraits<CameraProjectionMode> {
    static constexpr const char* typeName = "CCameraProjectionMode";
    static constexpr const char* names[] = {"Orthographic", "Perspective"};
};
using CCameraProjectionMode = CZentrixEnumeration<CameraProjectionMode>;

// What kind of object a camera marker ties a camera key frame to.
enum class CameraMarkerType : std::int32_t { None, Entity3D, Task, Resource, Path };
template <>
struct EnumerationTraits<CameraMarkerType> {
    static constexpr const char* typeName = "CMarkerType";
    static constexpr const char* names[] = {"None", "Entity3D", "Task", "Resource", "Path"};
};
using CCameraMarkerType = CZentrixEnumeration<CameraMarkerType>;

// A cutting plane cuts along one plane or keeps what lies inside a box.
enum class CuttingPlaneType : std::int32_t { Plane, Box };
template <>
struct EnumerationTraits<CuttingPlaneType> {
    static constexpr const char* typeName = "CCuttingPlaneType";
    static constexpr const char* names[] = {"Plane", "Box"};
};
using CCuttingPlaneType = CZentrixEnumeration<CuttingPlaneType>;

// The element type of a vector parameter of a rendering material.
enum class IrayElementTypeValue : std::int32_t { Float, Double, Int, Bool, Color };
template <>
struct EnumerationTraits<IrayElementTypeValue> {
    static constexpr const char* typeName = "IrayElementType";
    static constexpr const char* names[] = {"Float", "Double", "Int", "Bool", "Color"};
};
using IrayElementType = CZentrixEnumeration<IrayElementTypeValue>;

// How an image's pixel bytes are laid out.
enum class GraphicalImageFormat : std::int32_t { RGBA8, RGB8, BGRA8, Gray8, Png, Jpeg };
template <>
struct EnumerationTraits<GraphicalImageFormat> {
    static constexpr const char* typeName = "CGraphicalImageFormat";
    static constexpr const char* names[] = {"RGBA8", "RGB8", "BGRA8", "Gray8", "Png", "Jpeg"};
};
using CGraphicalImageFormat = CZentrixEnumeration<GraphicalImageFormat>;

enum class GraphicalImageCompressionMode : std::int32_t { None, Deflate };
template <>
struct EnumerationTraits<GraphicalImageCompressionMode> {
    static constexpr const char* typeName = "CGraphicalImageCompressionMode";
    static constexpr const char* names[] = {"None", "Deflate"};
};
using CGraphicalImageCompressionMode = CZentrixEnumeration<GraphicalImageCompressionMode>;

// What a 3D notation draws: a bare label, a label with a leader line to its target, or a
// measurement from its target.
enum class Notation3DType : std::int32_t { Label, Leader, Dimension };
template <>
struct EnumerationTraits<Notation3DType> {
    static constexpr const char* typeName = "C3DNotationType";
    static constexpr const char* names[] = {"Label", "Leader", "Dimension"};
};
using C3DNotationType = CZentrixEnumeration<Notation3DType>;

enum class AlignmentTextMode : std::int32_t { Left, Centre, Right };
template <>
struct EnumerationTraits<AlignmentTextMode> {
    static constexpr const char* typeName = "CAlignmentTextMode";
    static constexpr const char* names[] = {"Left", "Centre", "Right"};
};
using CAlignmentTextMode = CZentrixEnumeration<AlignmentTextMode>;

// A distance unit, or the project's own unit (0): the units of CDistanceUnitType, each one value
// higher.
enum class DistanceUnitWithProjectUnit : std::int32_t {
    ProjectUnit,
    Millimetre,
    Centimetre,
    Decimetre,
    Metre,
    Kilometre,
    Inch,
    Foot,
    Yard,
    Mile
};
template <>
struct EnumerationTraits<DistanceUnitWithProjectUnit> {
    static constexpr const char* typeName = "CDistanceUnitWithProjectUnit";
    static constexpr const char* names[] = {"ProjectUnit", "Millimetre", "Centimetre", "Decimetre",
                                            "Metre",       "Kilometre",  "Inch",       "Foot",
                                            "Yard",        "Mile"};
};
using CDistanceUnitWithProjectUnit = CZentrixEnumeration<DistanceUnitWithProjectUnit>;
