// CNameSubFilter: the part of a filter that selects by name (or by task ID text): the names to
// match, how to match them, and an index of the names sorted for lookups by prefix.
//
// The index (getSortedComparisonNames) is derived from the names and the match-case flag and is
// never stored: setNames builds it, and loading (rebuildDerived) builds it again from the loaded
// names, so it always belongs to the current names. setNames is the only setter of both.
//
// Defaults: not in use, case-insensitive, no whole-word, wildcard or task-ID matching, polarity
// Include, no names.
//
// Archive record (written to disk; must never change): ID, InUse, MatchCase, MatchWholeWordOnly,
// FilterByTaskID, WildcardMatching (CProjectBool each), Polarity (int32), Names (count, texts),
// in that order (from describeFields), no framing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectStringArray.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/FilterEnumerations.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"

class ZX_API CNameSubFilter : public CDescribedValue<CNameSubFilter> {
public:
    static constexpr const char* s_kindName = "NameSubFilter";

    // One non-empty name of the index (lower-cased unless matching case) and the position of the
    // longest earlier entry that is a prefix of it (-1 for none).
    struct ComparisonEntry {
        std::wstring text;
        std::int32_t prefixIndex = -1;

        friend bool operator==(const ComparisonEntry&, const ComparisonEntry&) = default;
    };

    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &CNameSubFilter::m_id);
        v.field("InUse", &CNameSubFilter::m_inUse);
        v.field("MatchCase", &CNameSubFilter::m_matchCase);
        v.field("MatchWholeWordOnly", &CNameSubFilter::m_matchWholeWordOnly);
        v.field("FilterByTaskID", &CNameSubFilter::m_filterByTaskID);
        v.field("WildcardMatching", &CNameSubFilter::m_wildcardMatching);
        v.field("Polarity", &CNameSubFilter::m_polarity);
        v.field("Names", &CNameSubFilter::m_names);
    }

    const CFilterID& getID() const { return m_id; }
    void setID(const CFilterID& id) { m_id = id; }
    const CProjectBool& getInUse() const { return m_inUse; }
    void setInUse(bool inUse) { m_inUse = inUse; }
    const CFilterPolarity& getPolarity() const { return m_polarity; }
    void setPolarity(const CFilterPolarity& polarity) { m_polarity = polarity; }
    const CProjectBool& getMatchCase() const { return m_matchCase; }
    const CProjectBool& getMatchWholeWordOnly() const { return m_matchWholeWordOnly; }
    void setMatchWholeWordOnly(bool whole) { m_matchWholeWordOnly = whole; }
    const CProjectBool& getWildcardMatching() const { return m_wildcardMatching; }
    void setWildcardMatching(bool wildcards) { m_wildcardMatching = wildcards; }
    const CProjectBool& getFilterByTaskID() const { return m_filterByTaskID; }
    void setFilterByTaskID(bool byTaskID) { m_filterByTaskID = byTaskID; }

    const CProjectStringArray& getNames() const { return m_names; }
    const std::vector<ComparisonEntry>& getSortedComparisonNames() const { return m_sorted; }
    // Replaces the names and the match-case flag and builds the index: the non-empty names
    // (lower-cased unless matchCase), sorted by code unit, equal texts kept apart, each with the
    // position of the longest earlier entry that is a prefix of it.
    void setNames(const CProjectStringArray& names, bool matchCase);

    // Builds the index again from the names and flag (after loading); changes no field.
    void rebuildDerived();

    // The lower case used by the index: the same on every host and in every locale. Covers
    // ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic capitals; other characters stay.
    static wchar_t toLower(wchar_t c);

private:
    void buildIndex(bool matchCase);

    CFilterID m_id;
    CProjectBool m_inUse = false;
    CProjectBool m_matchCase = false;
    CProjectBool m_matchWholeWordOnly = false;
    CProjectBool m_filterByTaskID = false;
    CProjectBool m_wildcardMatching = false;
    CFilterPolarity m_polarity;
    CProjectStringArray m_names;
    std::vector<ComparisonEntry> m_sorted;
};
