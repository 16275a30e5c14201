// The archive: scalar and text records, markers, sections, counts and the errors of bad input.
#include <gtest/gtest.h>

#include "zentrix.h"

namespace {

CZentrixArchive reopen(CZentrixArchive& stored) {
    return CZentrixArchive(stored.takeStoredBytes());
}

TEST(Archive, ScalarsAndTextRoundTrip) {
    CZentrixArchive out;
    out << 42 << 7u << 1.5f << -2.25 << std::uint64_t{1} << true << false;
    out << CString(L"Größe \U0001F3D7 site");
    CZentrixArchive in = reopen(out);
    EXPECT_TRUE(in.IsLoading());
    EXPECT_EQ(in.fileVersion(), CZentrixArchive::s_currentFileVersion);
    int i = 0;
    unsigned u = 0;
    float f = 0;
    double d = 0;
    std::uint64_t q = 0;
    bool t = false, n = true;
    CString s;
    in >> i >> u >> f >> d >> q >> t >> n >> s;
    EXPECT_EQ(i, 42);
    EXPECT_EQ(u, 7u);
    EXPECT_EQ(f, 1.5f);
    EXPECT_EQ(d, -2.25);
    EXPECT_EQ(q, 1u);
    EXPECT_TRUE(t);
    EXPECT_FALSE(n);
    EXPECT_EQ(s, CString(L"Größe \U0001F3D7 site"));
    EXPECT_EQ(in.remaining(), 0u);
}

TEST(Archive, TruncatedScalarNamesOffsetAndRecord) {
    CZentrixArchive out;
    out << 1;
    auto bytes = out.takeStoredBytes();
    bytes.resize(bytes.size() - 1);
    CZentrixArchive in(std::move(bytes));
    in.checkMarkerStart("Outer");  // fails: only three bytes remain
    FAIL() << "expected an exception";
}

}  // namespace
