// FilledObject: objects of any kind with every value set, reproducibly from a seed.
//
// Filler walks an object through its kind's description and gives every value a non-default
// value (every text non-ASCII, every optional value present, two children in every collection
// while depth lasts). Values described as ascending (FieldOptions ascending: a history's times, a
// timeline's ticks) rise strictly from one child of a collection to the next, so that filled
// collections keep the order their kinds promise. The conformance suite fills objects with it, and
// the sample project fills the roots of kinds it has no hand-made content for, so a kind added to
// the list of kinds is in the sample project at once.
#pragma once

#include <cstdint>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "basetypes/CByteArray.h"
#include "basetypes/CIDBase.h"
#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CProjectStringArray.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/CProjectVariant.h"
#include "basetypes/CSharedBytes.h"
#include "basetypes/CZentrixEnumeration.h"
#include "basetypes/IDescribed.h"
#include "model3d/CGeometryArray.h"
#include "model3d/CGraphicalPoint2D.h"
#include "model3d/CGraphicalPointDouble3D.h"
#include "model3d/CGraphicalTransformDouble.h"
#include "model3d/CIRayMaterialDefinition.h"
#include "presentation/CPresentationMaps.h"
#include "sources/CExcelList.h"
#include "store/ArrayHandles.h"
#include "store/CIDPointerArray.h"
#include "store/CNonUniquePointerArray.h"
#include "store/CNonUniqueValueArray.h"
#include "store/CUniqueObjectPointerArray.h"
#include "store/CUniqueValueArray.h"
#include "store/StdVector.h"

namespace zxsample {

// The concrete class of each interface that appears as a child collection somewhere.
template <class H>
struct HandleParts;
template <class I, class ID, int flag>
struct HandleParts<CWrapperArrayHandle<I, ID, flag>> {
    using Interface = I;
    using Id = ID;
    static constexpr int kFlag = flag;
};
template <class I, class ID, int flag>
struct HandleParts<CConstWrapperArrayHandle<I, ID, flag>>
    : HandleParts<CWrapperArrayHandle<I, ID, flag>> {};

// Fills every value with a reproducible non-default value; children get two filled children
// while depth lasts.
class Filler {
public:
    Filler(std::uint64_t seed, int depth) : m_random(seed), m_depth(depth) {}

    template <class Object>
    void fill(Object& object) {
        object.visitValues(*this);
        // A kind whose values depend on each other (a synchronizer keeps the settings of its own
        // type only) puts them right again.
        zx::rebuildDerived(object);
    }

    // Every value as the two-argument forms below fill it; an ascending one is then raised above
    // the value of the same name in the previous child of the collection being filled.
    template <class T>
    void value(const char* name, T& v, const zx::FieldOptions& options) {
        value(name, v);
        if (options.ascending && !m_siblings.empty())
            raiseAbovePrevious(m_siblings.back()[name], v);
    }

    void value(const char*, CIDBase& id) {
        GUID guid;
        for (auto& byte : guid) byte = static_cast<std::uint8_t>(m_random());
        id.setGUID(guid);
    }
    void value(const char*, CProjectString& text) {
        text =
            CString(L"Pour slab \u00e9tage " + std::to_wstring(m_random() % 1000) + L" \U0001F3D7");
    }
    template <class T>
    void value(const char*, CProjectScalar<T>& scalar) {
        if constexpr (std::is_same_v<T, bool>)
            scalar = !scalar.getValue();
        else
            scalar = static_cast<T>(1 + m_random() % 1000) + scalar.getValue();
    }
    void value(const char*, CProjectTime& time) {
        time = CProjectTime(static_cast<std::int64_t>(m_random() % 4'000'000'000'000ULL));
    }
    void value(const char*, CProjectDate& date) {
        date = CProjectDate(static_cast<std::int32_t>(1 + m_random() % 40000));
    }
    void value(const char*, CProjectDuration& duration) {
        duration = CProjectDuration(static_cast<std::int64_t>(1 + m_random() % 1'000'000));
    }
    void value(const char*, CProjectColorRGB& color) {
        color = CProjectColorRGB(color.getPacked() ^
                                 (1 + static_cast<std::uint32_t>(m_random() % 0xFFFFFE)));
    }
    template <class E>
    void value(const char*, CZentrixEnumeration<E>& e) {
        const int count = CZentrixEnumeration<E>::s_count;
        e = static_cast<E>((e.toInt() + 1 + static_cast<int>(m_random() % (count - 1))) % count);
    }
    void value(const char*, CProjectVariant& variant) {
        variant.setInteger(static_cast<std::int64_t>(m_random() % 100000) + 1);
    }
    void value(const char*, CProjectStringArray& texts) {
        (void)texts.Add(CString(L"Ref " + std::to_wstring(m_random() % 1000) + L" \u00e9"));
    }
    template <class T>
    requires(std::is_arithmetic_v<T>) void value(const char*, T& number) {
        number = static_cast<T>(number + 1 + static_cast<T>(m_random() % 100));
    }
    // Two entries in every list, texts and numbers included.
    template <class T>
    void value(const char* name, CStdVector<T>& values) {
        for (int i = 0; i < 2; ++i) {
            T item{};
            value(name, item);
            values.push_back(std::move(item));
        }
    }
    template <std::size_t N>
    void value(const char* name, CProjectStringArrays<N>& lists) {
        for (std::size_t i = 0; i < N; ++i) value(name, lists[i]);
    }
    // Two entries that the list's own rules accept where they can.
    template <class T, class D>
    void value(const char* name, CExcelList<T, D>& list) {
        for (int i = 0; i < 2; ++i) {
            T item;
            value(name, item);
            (void)static_cast<D&>(list).Add(item);
        }
    }
    template <class ID>
    void value(const char* name, CIDPointerArray<ID>& ids) {
        for (int i = 0; i < 2; ++i) {
            ID id;
            value(name, id);
            (void)ids.Add(id);
        }
    }
    template <class T, class Key, class Getter>
    void value(const char* name, CUniqueValueArray<T, Key, Getter>& values) {
        for (int i = 0; i < 2; ++i) {
            T item;
            value(name, item);
            (void)values.addValue(item);
        }
    }
    template <class T>
    void value(const char* name, CNonUniqueValueArray<T>& values) {
        for (int i = 0; i < 2; ++i) {
            T item{};
            value(name, item);
            (void)values.Add(std::move(item));
        }
    }
    template <class T>
    void value(const char* name, CNonUniquePointerArray<T>& objects) {
        for (int i = 0; i < 2; ++i) {
            T item{};
            value(name, item);
            (void)objects.Add(std::move(item));
        }
    }
    // An absent optional value appears; a present one goes away. Optional values nested in
    // optional values of their own type (a material's defaults hold a material) stop appearing
    // after a few levels, so that filling ends.
    template <class T>
    void value(const char* name, CHeapValue<T>& optional) {
        if (optional) {
            optional.reset();
        } else if (m_heapNesting < kMaxHeapNesting) {
            ++m_heapNesting;
            value(name, optional.ensure());
            --m_heapNesting;
        }
    }
    void value(const char*, CString& text) {
        text = CString(L"mdl::base \u00e9 " + std::to_wstring(m_random() % 1000));
    }
    template <class V, class Count>
    void value(const char* name, CIRayParameterMap<V, Count>& map) {
        for (int i = 0; i < 2; ++i) {
            V item{};
            value(name, item);
            map.set(CString(L"param \u00e9" + std::to_wstring(m_random() % 100000)), item);
        }
    }
    template <class ID, class V, zx::FixedString M, zx::LoadRule R, bool O>
    void value(const char* name, CKeyedPresentationMap<ID, V, M, R, O>& map) {
        for (int i = 0; i < 2; ++i) {
            ID key;
            value(name, key);
            V item{};
            value(name, item);
            map.SetAt(key, item);
        }
    }
    template <class ID, zx::FixedString M>
    void value(const char* name, CExpandedStatePresentationMap<ID, M>& map) {
        map.setDefaultValue(m_random() % 2 == 0);
        for (int i = 0; i < 2; ++i) {
            ID key;
            value(name, key);
            map.setExpanded(key, !map.getDefaultValue().getValue());
        }
    }
    void value(const char*, CByteArray& data) {
        std::uint8_t bytes[5];
        for (auto& byte : bytes) byte = static_cast<std::uint8_t>(m_random());
        data.setData(bytes, 1 + static_cast<int>(m_random() % 5));
    }
    void value(const char*, CSharedBytes& data) {
        unsigned char bytes[24];
        for (auto& byte : bytes) byte = static_cast<unsigned char>(m_random());
        data.assign(bytes, 1 + m_random() % sizeof bytes);
    }
    template <class T>
    void value(const char*, CTGraphicalPoint3D<T>& point) {
        point.set(point.getX() + 1 + static_cast<T>(m_random() % 50), point.getY() - 2,
                  point.getZ() + 0.5);
    }
    template <class T>
    void value(const char*, CTGraphicalVector3D<T>& vector) {
        vector.set(vector.getX() - 1 - static_cast<T>(m_random() % 50), vector.getY() + 3,
                   vector.getZ() - 0.25);
    }
    template <class T>
    void value(const char*, CTGraphicalPoint2D<T>& point) {
        point.set(point.getX() + 1 + static_cast<T>(m_random() % 50), point.getY() - 2);
    }
    template <class T>
    void value(const char*, CTGraphicalTransform<T>& transform) {
        for (int i = 0; i < transform.getSize(); ++i)
            transform.setAt(i, transform.getMatrix()[i] + static_cast<T>(1 + m_random() % 9));
    }
    template <class P, class PA>
    void value(const char* name, CTPolyLine3D<P, PA>& polyline) {
        for (int i = 0; i < 2; ++i) {
            P point;
            value(name, point);
            polyline.addPoint(point);
        }
    }
    // A mesh (one quad of two triangles) and a sphere.
    void value(const char*, CGeometryArray& geometries) {
        const float base = static_cast<float>(m_random() % 100);
        CMesh mesh;
        mesh.positions = {base, 0, 0, base + 1, 0, 0, base + 1, 1, 0, base, 1, 0};
        mesh.normals = {0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1};
        mesh.triangles = {0, 1, 2, 2, 3, 0};
        CSphereDouble sphere;
        sphere.center.set(base, 2, 3);
        sphere.radius = 0.5 + static_cast<double>(m_random() % 10);
        (void)geometries.Add(std::move(mesh));
        (void)geometries.Add(sphere);
    }
    // Plain described values are filled member by member.
    template <class T>
    requires(std::is_base_of_v<CDescribedValue<T>, T>) void value(const char*, T& described) {
        zx::fields::ValueAdapter<T, T, Filler> adapter{described, described, *this};
        T::describeFields(adapter);
        zx::rebuildDerived(described);
    }
    template <class Part>
    void part(const char*, Part& part) {
        fill(part);
    }
    template <class Slot>
    void optionalChildren(const char* name, const Slot& slot) {
        if (m_depth > 0) children(name, slot.ensure());
    }
    template <class Slot>
    void optionalPart(const char*, const Slot& slot) {
        if (m_depth <= 0) return;
        --m_depth;
        fill(*slot.ensure());
        ++m_depth;
    }
    template <class H>
    void children(const char*, const H& handle) {
        if (m_depth <= 0) return;
        using I = typename HandleParts<H>::Interface;
        using ID = typename HandleParts<H>::Id;
        using C = typename ConcreteKind<I>::type;
        CUniqueObjectPointerArray<I, C, ID> source;
        --m_depth;
        m_siblings.emplace_back();
        for (int i = 0; i < 2; ++i) {
            C child;
            fill(child);
            (void)source.Add(child);
        }
        m_siblings.pop_back();
        ++m_depth;
        handle.copyFrom(H(new CBasicArrayHandle<I, C, ID, HandleParts<H>::kFlag>(&source)));
    }

private:
    // The ascending values of the previous child of one collection, by name; the lowest number
    // before the first child.
    struct Last {
        std::int64_t value = std::numeric_limits<std::int64_t>::min();
    };
    using Previous = std::map<std::string, Last>;

    // Raises value, without drawing from the random sequence, above the previous one of its
    // name (a number by 1 to 64, a time by 1 to 64 minutes) and records it for the next child.
    // Types with no such order are left as they are.
    template <class T>
    static void raiseAbovePrevious(Last& last, T& value) {
        std::int64_t& previous = last.value;
        if constexpr (std::is_same_v<T, CProjectScalar<int>>) {
            if (value.isValid() && value.getValue() <= previous)
                value = static_cast<int>(previous + 1 + (value.getValue() & 0x3F));
            previous = value.getValue();
        } else if constexpr (std::is_same_v<T, CProjectTime>) {
            constexpr std::int64_t minute = 60'000;
            if (value.isValid() && value.getMilliseconds() <= previous)
                value = CProjectTime(previous + minute * (1 + (value.getMilliseconds() & 0x3F)));
            previous = value.getMilliseconds();
        }
    }

    static constexpr int kMaxHeapNesting = 3;

    std::mt19937_64 m_random;
    int m_depth;
    int m_heapNesting = 0;
    // One entry per collection being filled, innermost last.
    std::vector<Previous> m_siblings;
};

// A new object of class C filled from seed, with children two levels deep.
template <class C>
C filled(std::uint64_t seed = 7) {
    C object;
    Filler(seed, 2).fill(object);
    return object;
}

}  // namespace zxsample
