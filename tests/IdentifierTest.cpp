// Identifiers: the three states, order, text forms and fresh IDs.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "store/InterpolationSearch.h"
#include "zentrix.h"

namespace {

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

TEST(Identifier, UnsetNullAndReal) {
    CTaskID id;
    EXPECT_FALSE(id.isValid());
    EXPECT_FALSE(id.isNULL());
    EXPECT_EQ(id.getGUID(), CIDBase::s_invalidData);
    id.clear();
    EXPECT_TRUE(id.isValid());
    EXPECT_TRUE(id.isNULL());
    EXPECT_FALSE(id.isValidNotNull());
    id.generateInPlace();
    EXPECT_TRUE(id.isValidNotNull());
    id.unset();
    EXPECT_FALSE(id.isValid());
}

TEST(Identifier, TextFormsRoundTrip) {
    for (const char* text :
         {"8232b9a0-19dc-9549-9ae8-58bff525a438", "1e6717b6-e37a-4046-a86e-d5dc457a2de6",
          "57D73345-586A-41AF-81CE-69043A4454AD"}) {
        CIDBase id;
        ASSERT_TRUE(id.setGUID(CString::fromUtf8(text))) << text;
        EXPECT_EQ(id.toString().toUtf8(), lower(text));
        EXPECT_TRUE(CIDBase(id.toString()) == id);
    }
    CIDBase braced(CString(L"{8232B9A0-19DC-9549-9AE8-58BFF525A438}"));
    EXPECT_EQ(braced.toString(), CString(L"8232b9a0-19dc-9549-9ae8-58bff525a438"));
    EXPECT_EQ(braced.getGUID()[0], 0x82);

    CIDBase untouched = CIDBase::generate();
    const CIDBase before = untouched;
    for (const wchar_t* bad :
         {L"", L"8232b9a0-19dc-9549-9ae8-58bff525a43", L"8232b9a0x19dc-9549-9ae8-58bff525a438",
          L"8232b9a0-19dc-9549-9ae8-58bff525a43g"}) {
        EXPECT_FALSE(untouched.setGUID(CString(bad)));
        EXPECT_TRUE(untouched == before);
    }
    EXPECT_FALSE(CIDBase(CString(L"not an id")).isValid());
}

TEST(Identifier, OrderIsByteOrderAndCompareAgrees) {
    GUID low{}, high{};
    low[15] = 0xFF;  // the last byte counts only when all others are equal
    high[0] = 0x01;
    const CIDBase a(low), b(high);
    EXPECT_TRUE(a < b);
    EXPECT_FALSE(b < a);
    EXPECT_EQ(a.compare(&b), -1);
    EXPECT_EQ(b.compare(&a), 1);
    EXPECT_EQ(a.compare(&a), 0);
}

TEST(Identifier, GeneratedIDsAreDistinctRandomGUIDs) {
    std::set<std::string> seen;
    for (int i = 0; i < 2000; ++i) {
        const CIDBase id = CIDBase::generate();
        EXPECT_EQ(id.getGUID()[6] >> 4, 4);  // version 4
        EXPECT_EQ(id.getGUID()[8] >> 6, 2);  // variant 1
        EXPECT_TRUE(seen.insert(id.toString().toUtf8()).second);
    }
}

// The interpolating search must give std::lower_bound's answer on any ascending array, including
// arrays whose IDs are not spread evenly, where its guesses are poor.
TEST(Identifier, SortedSearchAgreesWithLowerBound) {
    std::mt19937_64 random(5);
    // How the leading eight bytes of an ID are drawn.
    enum Spread { even, narrow, shared, ascending };
    const auto makeID = [&](Spread spread, std::uint64_t i) {
        std::uint64_t lead = random();
        if (spread == narrow) lead >>= 44;      // crowded at the bottom of the range
        if (spread == shared) lead = 0x42;      // only the second word tells IDs apart
        if (spread == ascending) lead = i * i;  // a host's own sequence, far from even
        GUID guid;
        const std::uint64_t low = spread == shared ? random() % 64 : random();
        for (int b = 0; b < 8; ++b) {
            guid[static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(lead >> (56 - 8 * b));
            guid[static_cast<std::size_t>(8 + b)] = static_cast<std::uint8_t>(low >> (56 - 8 * b));
        }
        return CTaskID(guid);
    };
    for (const Spread spread : {even, narrow, shared, ascending}) {
        for (const std::size_t size : {0u, 1u, 17u, 300u, 20'000u}) {
            std::vector<CTaskID> ids;
            for (std::size_t i = 0; i < size; ++i) ids.push_back(makeID(spread, i));
            std::sort(ids.begin(), ids.end());
            const CTaskID* const begin = ids.data();
            const CTaskID* const end = begin + ids.size();
            std::vector<CTaskID> keys{CTaskID(CIDBase::getNullGUID()),
                                      CTaskID(CIDBase::s_invalidData)};
            for (int k = 0; k < 500; ++k) {
                keys.push_back(makeID(spread, random() % (size + 1)));
                if (size > 0) keys.push_back(ids[random() % size]);
            }
            for (const CTaskID& key : keys)
                ASSERT_EQ(static_cast<std::ptrdiff_t>(zx::lowerBoundID<CTaskID>(ids, key)),
                          std::lower_bound(begin, end, key) - begin)
                    << "spread " << spread << ", " << size << " IDs, key "
                    << key.toString().toUtf8();
        }
    }
}

// A forked child starts with a copy of its parent's memory, random bytes drawn ahead included;
// its IDs must still differ from every ID the parent goes on to draw.
TEST(Identifier, ForkedChildDrawsIDsOfItsOwn) {
    constexpr int kCount = 64;
    (void)CIDBase::generate();  // the parent has random bytes in stock
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(fds[0]);
        bool ok = true;
        for (int i = 0; i < kCount && ok; ++i) {
            const GUID guid = CIDBase::generate().getGUID();
            ok = write(fds[1], guid.data(), guid.size()) == static_cast<ssize_t>(guid.size());
        }
        _exit(ok ? 0 : 1);
    }
    close(fds[1]);
    std::set<GUID> parent;
    for (int i = 0; i < kCount; ++i) parent.insert(CIDBase::generate().getGUID());
    std::vector<GUID> fromChild;
    GUID guid;
    std::size_t filled = 0;
    for (;;) {
        const ssize_t n = read(fds[0], guid.data() + filled, guid.size() - filled);
        if (n <= 0) break;
        filled += static_cast<std::size_t>(n);
        if (filled == guid.size()) {
            fromChild.push_back(guid);
            filled = 0;
        }
    }
    close(fds[0]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_EQ(fromChild.size(), static_cast<std::size_t>(kCount));
    int repeated = 0;
    for (const GUID& id : fromChild) repeated += parent.count(id) != 0 ? 1 : 0;
    EXPECT_EQ(repeated, 0) << "of " << kCount << " IDs drawn in the child";
}

}  // namespace
