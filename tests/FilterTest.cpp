// The filters' own rules: the name sub-filter's prefix index (its examples, random lists against
// a plain reference, and its rebuild after copies and loads), the defaults of new filters, the
// independence of a 3D filter's two display sides, ID renewal of embedded sub-filters, and
// malformed records.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "JsonOutput.h"
#include "JsonTree.h"
#include "JsonValues.h"
#include "RoundTrip.h"
#include "filters/C3DFilter.h"
#include "filters/CPathFilter.h"
#include "filters/CTaskFilter.h"

namespace {

using Entry = CNameSubFilter::ComparisonEntry;

CProjectStringArray texts(const std::vector<std::wstring>& list) {
    CProjectStringArray out;
    for (const auto& text : list) (void)out.Add(CString(text));
    return out;
}

std::vector<Entry> indexOf(const std::vector<std::wstring>& names, bool matchCase) {
    CNameSubFilter filter;
    filter.setNames(texts(names), matchCase);
    return filter.getSortedComparisonNames();
}

// The index by its definition: each entry's prefix is the longest shorter earlier entry that
// starts it, the last of equal ones.
std::vector<Entry> referenceIndex(const std::vector<std::wstring>& names, bool matchCase) {
    std::vector<Entry> entries;
    for (const auto& name : names) {
        if (name.empty()) continue;
        std::wstring text = name;
        if (!matchCase)
            for (auto& c : text) c = CNameSubFilter::toLower(c);
        entries.push_back({text, -1});
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.text < b.text; });
    for (std::size_t j = 0; j < entries.size(); ++j) {
        for (std::size_t i = 0; i < j; ++i) {
            const std::wstring& p = entries[i].text;
            const std::wstring& t = entries[j].text;
            if (p.size() >= t.size() || t.compare(0, p.size(), p) != 0) continue;
            const int best = entries[j].prefixIndex;
            if (best < 0 || p.size() >= entries[static_cast<std::size_t>(best)].text.size())
                entries[j].prefixIndex = static_cast<int>(i);
        }
    }
    return entries;
}

TEST(NameSubFilterIndex, Examples) {
    EXPECT_EQ(indexOf({L"Wall", L"wall", L"Wa"}, false),
              (std::vector<Entry>{{L"wa", -1}, {L"wall", 0}, {L"wall", 0}}));
    EXPECT_EQ(indexOf({L"ab", L"a", L"ac", L"b"}, true),
              (std::vector<Entry>{{L"a", -1}, {L"ab", 0}, {L"ac", 0}, {L"b", -1}}));
    // A prefix is found past longer entries between it and the name.
    EXPECT_EQ(indexOf({L"abcd", L"abcde", L"abd", L"ab"}, true),
              (std::vector<Entry>{{L"ab", -1}, {L"abcd", 0}, {L"abcde", 1}, {L"abd", 0}}));
    // Case kept: capitals sort before small letters and are no prefix of them.
    EXPECT_EQ(indexOf({L"Wa", L"wall"}, true), (std::vector<Entry>{{L"Wa", -1}, {L"wall", -1}}));
    // Lower case is the same everywhere, beyond ASCII too.
    EXPECT_EQ(indexOf({L"\u00C4RA", L"\u0416\u0410"}, false),
              (std::vector<Entry>{{L"\u00E4ra", -1}, {L"\u0436\u0430", -1}}));

    CNameSubFilter onlyEmpty;
    const CProjectStringArray empties = texts({L"", L""});
    onlyEmpty.setNames(empties, false);
    EXPECT_EQ(onlyEmpty.getNames(), empties);
    EXPECT_TRUE(onlyEmpty.getSortedComparisonNames().empty());
}

TEST(NameSubFilterIndex, RandomListsMatchTheReference) {
    std::mt19937 random(20261206);
    const std::wstring alphabet = L"abAB";
    for (int round = 0; round < 400; ++round) {
        std::vector<std::wstring> names(random() % 30);
        for (auto& name : names) {
            name.resize(random() % 5);
            for (auto& c : name) c = alphabet[random() % alphabet.size()];
        }
        const bool matchCase = random() % 2 == 0;
        ASSERT_EQ(indexOf(names, matchCase), referenceIndex(names, matchCase)) << "round " << round;
    }
}

TEST(NameSubFilterIndex, FollowsTheNamesThroughCopiesAndLoads) {
    CTaskFilter filter;
    filter.getWritableNameFilter().setNames(texts({L"Pour", L"pour slab", L"Rebar"}), false);
    const auto expected = filter.getNameFilter().getSortedComparisonNames();
    ASSERT_EQ(expected.size(), 3u);

    const CTaskFilter copied(filter);
    EXPECT_EQ(copied.getNameFilter().getSortedComparisonNames(), expected);
    EXPECT_TRUE(copied == filter);

    CTaskFilter assigned;
    assigned.getWritableNameFilter().setNames(texts({L"Other"}), true);
    assigned.copyFrom(filter);
    EXPECT_EQ(assigned.getNameFilter().getSortedComparisonNames(), expected);

    CTaskFilter replaced;
    replaced.setNameFilter(filter.getNameFilter());
    EXPECT_EQ(replaced.getNameFilter().getSortedComparisonNames(), expected);

    // The index is not in the record: a loaded filter builds it from the loaded names, whatever
    // the object held before.
    const auto bytes = conformance::save(filter);
    CTaskFilter loaded;
    loaded.getWritableNameFilter().setNames(texts({L"stale", L"st"}), true);
    CZentrixArchive in{std::span<const std::byte>(bytes)};
    loaded.Serialize(in);
    EXPECT_EQ(loaded.getNameFilter().getSortedComparisonNames(), expected);
    EXPECT_TRUE(loaded == filter);

    // Read from JSON, the index is built from the names read.
    zxjson::JsonOutput out(false);
    zxjson::writeJson(out, filter.getNameFilter());
    std::istringstream text{std::string(out.view())};
    zxjson::JsonTree tree;
    tree.parse(text);
    CNameSubFilter fromJson;
    fromJson.setNames(texts({L"stale"}), true);
    zxjson::readJson(tree.root(), fromJson);
    EXPECT_EQ(fromJson.getSortedComparisonNames(), expected);

    // The match-case flag belongs to the index: the same names with another flag differ.
    CTaskFilter caseSensitive(filter);
    caseSensitive.getWritableNameFilter().setNames(filter.getNameFilter().getNames(), true);
    EXPECT_FALSE(caseSensitive == filter);
}

TEST(FilterDefaults, NewFilters) {
    const CTaskFilter task;
    EXPECT_FALSE(task.getID().isValid());
    EXPECT_EQ(task.getFilterMode(), FilterMode::MatchAll);
    const CStatusSubFilter& status = task.getStatusFilter();
    EXPECT_FALSE(status.getInUse().getValue());
    EXPECT_TRUE(status.getPlannedIncluded().getValue());
    EXPECT_TRUE(status.getStartedIncluded().getValue());
    EXPECT_TRUE(status.getFinishedIncluded().getValue());
    EXPECT_EQ(status.getCheckedTaskStateIDs().GetSize(), 0);
    EXPECT_FALSE(task.getNameFilter().getInUse().getValue());
    EXPECT_FALSE(task.getNameFilter().getID().isValid());
    EXPECT_EQ(task.getLookAheadFilter().getLookAheadMinutes().getValue(), 20160);
    EXPECT_TRUE(task.getTaskTypeFilter().getLongHammockIncluded().getValue());
    EXPECT_TRUE(task.getTasksFilter().getIncludeSubTasks().getValue());

    const C3DFilter view;
    EXPECT_TRUE(view.getFilteredVisible().getValue());
    EXPECT_TRUE(view.getFilteredUseOriginalColor().getValue());
    EXPECT_FALSE(view.getUnFilteredVisible().getValue());
    EXPECT_EQ(view.getPolarity(), FilterPolarity::Include);
    EXPECT_TRUE(view.getTaskFilterFilter().getShowUnassigned().getValue());

    const CPathFilter paths;
    EXPECT_FALSE(paths.getPathSubFilter().getInUse().getValue());
    EXPECT_EQ(paths.getPathSubFilter().getIncludedPathIDs().GetSize(), 0);
}

TEST(ThreeDFilter, DisplaySidesAndCopies) {
    C3DFilter filter;
    filter.setID(CFilterID(CIDBase::generate()));
    filter.setUserID(CUserID(CIDBase::generate()));
    filter.setFilteredTransparency(-5);
    EXPECT_EQ(filter.getFilteredTransparency().getValue(), -5);
    filter.setFilteredColor(CProjectColorRGB(0x112233));
    filter.setUnFilteredColor(CProjectColorRGB(0x445566));
    EXPECT_EQ(filter.getFilteredColor(), CProjectColorRGB(0x112233));
    filter.setUnFilteredVisible(true);
    EXPECT_TRUE(filter.getFilteredVisible().getValue());

    EXPECT_EQ(std::memcmp(&filter.getObjectStateGUID(), &filter.getID().getGUID(), 16), 0);

    const C3DFilter copy(filter);
    EXPECT_TRUE(copy == filter);
    EXPECT_EQ(copy.getUserID(), filter.getUserID());
    EXPECT_EQ(copy.getUnFilteredDisplay(), filter.getUnFilteredDisplay());
    EXPECT_EQ(copy.getFilteredDisplay(), filter.getFilteredDisplay());
}

TEST(FilterIDs, RenewalReachesEverySubFilter) {
    CTaskFilter filter;
    filter.generateIDs();
    const CTaskFilter before(filter);
    filter.generateIDs();
    EXPECT_NE(filter.getID(), before.getID());
    EXPECT_TRUE(filter.getNameFilter().getID().isValidNotNull());
    EXPECT_NE(filter.getNameFilter().getID(), before.getNameFilter().getID());
    EXPECT_NE(filter.getDateRangeFilter().getID(), before.getDateRangeFilter().getID());
    EXPECT_NE(filter.getTasksFilter().getID(), before.getTasksFilter().getID());
    EXPECT_NE(filter.getNameFilter().getID(), filter.getTasksFilter().getID());

    C3DFilter view;
    view.generateIDs();
    EXPECT_TRUE(view.get3DFilter().getID().isValidNotNull());
    EXPECT_TRUE(view.getTaskFilterFilter().getID().isValidNotNull());
    CPathFilter paths;
    paths.generateIDs();
    EXPECT_TRUE(paths.getPathSubFilter().getID().isValidNotNull());
}

// A lone name sub-filter with no names ends in its polarity (int32) and the names' count (int32).
TEST(FilterMalformedInput, HostileCountAndBadEnumeration) {
    CNameSubFilter names;
    const auto bytes = conformance::save(names);
    ASSERT_GE(bytes.size(), 8u);
    const auto patched = [&](std::size_t fromEnd, std::int32_t value) {
        auto copy = bytes;
        std::memcpy(copy.data() + copy.size() - fromEnd, &value, sizeof value);
        return copy;
    };
    const auto load = [](const std::vector<std::byte>& bad) {
        CZentrixArchive in{std::span<const std::byte>(bad)};
        CNameSubFilter target;
        target.Serialize(in);
    };
    EXPECT_THROW(load(patched(4, 0x7FFFFFFF)), CArchiveException);
    EXPECT_THROW(load(patched(8, 2)), CArchiveException);
    EXPECT_THROW(load(patched(8, -1)), CArchiveException);
    // A negative count is refused as the archive refuses every negative count.
    EXPECT_THROW(load(patched(4, -3)), CArchiveLengthError);

    CTaskFilter filter = conformance::filled<CTaskFilter>(7);
    const auto record = conformance::save(filter);
    for (std::size_t n = 0; n < record.size(); n += 7) {
        const auto loadPrefix = [&] {
            CZentrixArchive in{std::span<const std::byte>(record.data(), n)};
            CTaskFilter target;
            target.Serialize(in);
        };
        EXPECT_THROW(loadPrefix(), CArchiveException) << "prefix of " << n << " bytes";
    }
}

}  // namespace
