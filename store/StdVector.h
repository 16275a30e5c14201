// serializeStdVector: the "StdVector" record of a plain std::vector, as the import settings keep
// their lists; CStdVector<T>: such a list as a stored value (record, comparison, dump).
//
// Archive record (written to disk; must never change):
//   start marker "StdVector"
//   int32 element count
//   the elements in order: 32-bit integers as 4 raw bytes each, 64-bit integers and doubles as 8
//   raw bytes each (little-endian, the archive's byte order); texts as the CString record; IDs as
//   their 16 bytes (CIDBase::Serialize)
//   end marker "StdVector"
//
// On loading a negative count aborts the archive at once (CArchiveException, no end marker is
// read), and a count the remaining bytes cannot hold is refused before anything is allocated. Any
// failure leaves the vector as it was.
#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "basetypes/CIDBase.h"
#include "basetypes/CString.h"
#include "basetypes/CZentrixArchive.h"
#include "basetypes/DumpText.h"

// Numbers written as their raw bytes.
template <class T>
concept StdVectorRawElement =
    std::is_arithmetic_v<T> && !std::is_same_v<T, bool> && (sizeof(T) == 4 || sizeof(T) == 8);

template <class T>
concept StdVectorElement =
    StdVectorRawElement<T> || std::same_as<T, CString> || std::derived_from<T, CIDBase>;

// The fewest bytes one element's record can take, for refusing impossible counts.
template <StdVectorElement T>
constexpr std::size_t stdVectorMinElementBytes() {
    if constexpr (StdVectorRawElement<T>)
        return sizeof(T);
    else if constexpr (std::same_as<T, CString>)
        return sizeof(std::uint32_t);  // the length of an empty text
    else
        return sizeof(GUID);
}

template <StdVectorElement T>
void serializeStdVector(CZentrixArchive& ar, std::vector<T>& values) {
    constexpr zx::ArchiveMarker kMarker{"StdVector"};
    // Loading fills `loaded` and hands it over only after the end marker, so that any failure
    // leaves `values` as it was.
    std::vector<T> loaded;
    ar.checkMarkerStart(kMarker);
    if (ar.IsStoring()) {
        if (values.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
            ar.fail("expected at most 2^31-1 elements to store");
        ar << static_cast<std::int32_t>(values.size());
        if constexpr (StdVectorRawElement<T>) {
            // An empty vector's data() may be null, which memcpy must never see.
            if (!values.empty()) ar.Write(values.data(), values.size() * sizeof(T));
        } else {
            for (std::size_t i = 0; i < values.size(); ++i) {
                ar.setRecordIndex(static_cast<int>(i));
                if constexpr (std::same_as<T, CString>)
                    ar << values[i];
                else
                    values[i].Serialize(ar);
            }
        }
    } else {
        const int count = ar.readCount(stdVectorMinElementBytes<T>(), "StdVector elements");
        if (count < 0) ar.Abort();
        loaded.resize(static_cast<std::size_t>(count));
        if constexpr (StdVectorRawElement<T>) {
            if (!loaded.empty())
                ar.readExact(loaded.data(), loaded.size() * sizeof(T), "StdVector elements");
        } else {
            for (std::size_t i = 0; i < loaded.size(); ++i) {
                ar.setRecordIndex(static_cast<int>(i));
                if constexpr (std::same_as<T, CString>)
                    ar >> loaded[i];
                else
                    loaded[i].Serialize(ar);
            }
        }
    }
    ar.checkMarkerEnd(kMarker);
    if (ar.IsLoading()) values = std::move(loaded);
}

// A list the import settings keep in the "StdVector" record: a std::vector with a record.
template <StdVectorElement T>
class CStdVector : public std::vector<T> {
public:
    using std::vector<T>::vector;

    void Serialize(CZentrixArchive& ar) { serializeStdVector(ar, *this); }
};

template <StdVectorElement T>
std::string toDumpText(const CStdVector<T>& values) {
    return zx::dumpArray(values.size(), [&](std::size_t i) { return toDumpText(values[i]); });
}
