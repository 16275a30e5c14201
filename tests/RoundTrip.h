// RoundTrip: what kind tests share: archive round trips and filled objects.
//
// It includes no kind of its own, so a test file that includes only its kind's headers and this
// one is rebuilt only when those change.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <span>
#include <vector>

#include "FilledObject.h"
#include "basetypes/CZentrixArchive.h"

namespace conformance {

using zxsample::filled;
using zxsample::Filler;
using zxsample::HandleParts;

// The object's record, written at the given file version.
template <class C>
std::vector<std::byte> save(C& object, int version = CZentrixArchive::s_currentFileVersion) {
    CZentrixArchive out(version);
    object.Serialize(out);
    return out.takeStoredBytes();
}

// A new object read from a record, which must be read to its end.
template <class C>
C load(const std::vector<std::byte>& bytes) {
    CZentrixArchive in{std::span<const std::byte>(bytes)};
    C object;
    object.Serialize(in);
    EXPECT_EQ(in.remaining(), 0u);
    return object;
}

}  // namespace conformance
