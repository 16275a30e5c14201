#include "ProjectDiff.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "ProjectIndex.h"

namespace zxtool {

namespace {

bool sameEntry(const char* a, const char* b) {
    return a == b || (a && b && std::strcmp(a, b) == 0);
}

class Differ {
public:
    Differ(const CProjectRoots& a, const CProjectRoots& b)
        : m_a(a, ProjectIndex::Lookups::none),
          m_b(b, ProjectIndex::Lookups::none),
          m_aOf(static_cast<std::size_t>(m_b.size()), -1),
          m_bOf(static_cast<std::size_t>(m_a.size()), -1) {}

    std::vector<Change> run();

    // Whether changed secret values (password hashes, salts) show their old and new values.
    bool showSecrets = false;

    // A field of b's object i differs from its counterpart's.
    void changed(int i, const char* field, std::string oldValue, std::string newValue) {
        const int shown = m_b.reported(i);
        add(m_b[shown].kind, shown,
            {Change::Type::changed, kinds()[m_b[shown].kind].name,
             ProjectIndex::idText(m_b[shown].id), m_b.fieldPrefix(i) + field, std::move(oldValue),
             std::move(newValue)});
    }

private:
    struct Sorted {
        int kind;
        // 0 for removed objects (a's record order), 1 for the others (b's).
        int phase;
        int position;
        Change change;
    };

    int aOf(int i) const { return m_aOf[static_cast<std::size_t>(i)]; }
    int bOf(int j) const { return m_bOf[static_cast<std::size_t>(j)]; }
    void match();
    bool sameObject(int j, int i) const;
    int matchPart(int i) const;
    void pair(int i, int j) {
        m_aOf[static_cast<std::size_t>(i)] = j;
        m_bOf[static_cast<std::size_t>(j)] = i;
    }
    bool moved(int i) const;
    void compareValues(int i);
    void reportOrder(int owner, int kind, const char* entry);
    void add(int kind, int position, Change change, int phase = 1) {
        m_changes.push_back({kind, phase, position, std::move(change)});
    }

    static std::string dump(const ProjectIndex& index, int i);
    // "Task 3f2a... SubTasks": the owner and entry that hold object i; empty in a root.
    static std::string place(const ProjectIndex& index, int i);
    static std::string placeValue(const ProjectIndex& index, int i);
    // The IDs of the objects of an entry of an owner (or of a kind's root, owner -1) as a JSON
    // array, in their order.
    static std::string order(const ProjectIndex& index, int owner, int kind, const char* entry);

    const ProjectIndex m_a;
    const ProjectIndex m_b;
    // The counterparts: in a of each object of b, in b of each object of a; -1 for none.
    std::vector<int> m_aOf;
    std::vector<int> m_bOf;
    std::vector<Sorted> m_changes;
};

// Compares the values of b's object with those of its counterpart.
struct ValueComparer {
    Differ& differ;
    int self;

    template <class T>
    void value(const char* name, const T& before, const T& value,
               const zx::FieldOptions& options = {}) {
        if (before == value) return;
        if (options.secret && !differ.showSecrets) {
            differ.changed(self, name, "\"<redacted>\"", "\"<redacted>\"");
            return;
        }
        // Values that compare unequal to themselves (a NaN) are the same when they read alike.
        std::string oldText = toDumpText(before), newText = toDumpText(value);
        if (oldText != newText) differ.changed(self, name, std::move(oldText), std::move(newText));
    }
};

std::vector<Change> Differ::run() {
    match();

    // What a removed or added object owns goes with it: only the outermost one is reported.
    for (int j = 0; j < m_a.size(); ++j) {
        const IndexedObject& o = m_a[j];
        if (bOf(j) >= 0 || (o.owner >= 0 && bOf(o.owner) < 0)) continue;
        add(o.kind, j,
            {Change::Type::removed,
             kinds()[o.kind].name,
             ProjectIndex::idText(o.id),
             place(m_a, j),
             dump(m_a, j),
             {}},
            0);
    }

    // The last counterpart seen among the objects each b object owns (the slots past the objects'
    // are the roots'): a counterpart before it means the common entries changed order.
    const auto slots = static_cast<std::size_t>(m_b.size() + kindCount);
    std::vector<int> last(slots, -1);
    // The entry of each slot whose order was reported already.
    std::vector<const char*> reordered(slots, nullptr);
    for (int i = 0; i < m_b.size(); ++i) {
        const IndexedObject& o = m_b[i];
        const int j = aOf(i);
        if (j < 0) {
            if (o.owner < 0 || aOf(o.owner) >= 0)
                add(o.kind, i,
                    {Change::Type::added,
                     kinds()[o.kind].name,
                     ProjectIndex::idText(o.id),
                     place(m_b, i),
                     {},
                     dump(m_b, i)});
            continue;
        }
        if (moved(i)) {
            add(o.kind, i,
                {Change::Type::changed, kinds()[o.kind].name, ProjectIndex::idText(o.id), "Owner",
                 placeValue(m_a, j), placeValue(m_b, i)});
        } else {
            const auto slot =
                static_cast<std::size_t>(o.owner >= 0 ? o.owner : m_b.size() + o.kind);
            // The objects of one entry are consecutive siblings, so one mark per slot reports
            // each entry once.
            const char* entry = o.entry ? o.entry : kinds()[o.kind].name;
            if (j < last[slot] && !sameEntry(reordered[slot], entry)) {
                reordered[slot] = entry;
                reportOrder(o.owner, o.kind, o.entry);
            }
            last[slot] = j;
        }
        compareValues(i);
    }

    std::stable_sort(m_changes.begin(), m_changes.end(), [](const Sorted& x, const Sorted& y) {
        if (x.kind != y.kind) return x.kind < y.kind;
        if (x.phase != y.phase) return x.phase < y.phase;
        return x.position < y.position;
    });
    std::vector<Change> changes;
    changes.reserve(m_changes.size());
    for (Sorted& sorted : m_changes) changes.push_back(std::move(sorted.change));
    return changes;
}

// Two passes in b's record order, so that an object's owner is matched before it. Most objects
// sit where they sat, so the first pass looks for each where the objects matched so far put it:
// after the last match among its owner's counterpart's objects. The second looks the rest up
// among a's objects left over, wherever they sit.
void Differ::match() {
    // The last object of each of a's objects matched among what it owns, and in the roots.
    std::vector<int> lastMatched(static_cast<std::size_t>(m_a.size()), -1);
    int lastTop = -1;
    bool missed = false;
    for (int i = 0; i < m_b.size(); ++i) {
        const IndexedObject& o = m_b[i];
        const int owner = o.owner >= 0 ? aOf(o.owner) : -1;
        if (o.owner >= 0 && owner < 0) {
            missed = true;
            continue;
        }
        int& last = owner >= 0 ? lastMatched[static_cast<std::size_t>(owner)] : lastTop;
        const int end = owner >= 0 ? m_a[owner].end : m_a.size();
        int j = last >= 0 ? m_a[last].end : owner + 1;
        // The object itself, or, when one of a's objects went, the one after it.
        for (int tries = 0; tries < 2 && j < end && !sameObject(j, i); ++tries) j = m_a[j].end;
        if (j < end && sameObject(j, i)) {
            pair(i, j);
            last = j;
        } else {
            missed = true;
        }
    }
    if (!missed) return;

    std::vector<int> left;
    for (int j = 0; j < m_a.size(); ++j)
        if (bOf(j) < 0 && !m_a[j].embedded) left.push_back(j);
    const ObjectTable leftOver(m_a.objects(), &left);
    for (int i = 0; i < m_b.size(); ++i) {
        const IndexedObject& o = m_b[i];
        if (aOf(i) >= 0) continue;
        int j = -1;
        if (o.embedded) {
            j = matchPart(i);
        } else {
            const int scope = o.scope >= 0 ? aOf(o.scope) : -1;
            if (o.scope < 0 || scope >= 0) j = leftOver.find(scope, o.kind, o.id);
            if (j >= 0 && bOf(j) >= 0) j = -1;
        }
        if (j >= 0) pair(i, j);
    }
}

// Whether a's object j can be b's object i where it stands: its owner's counterpart holds it in
// the same entry, and kind and ID agree (a part, with its entry, needs no ID).
bool Differ::sameObject(int j, int i) const {
    const IndexedObject &x = m_a[j], &y = m_b[i];
    if (x.kind != y.kind || x.embedded != y.embedded || !sameEntry(x.entry, y.entry) || bOf(j) >= 0)
        return false;
    return y.embedded || x.id == y.id;
}

// An embedded part is its owner's: it matches the part of the same entry of the counterpart.
int Differ::matchPart(int i) const {
    const IndexedObject& o = m_b[i];
    const int owner = aOf(o.owner);
    if (owner < 0) return -1;
    for (int c = owner + 1; c < m_a[owner].end; c = m_a[c].end)
        if (m_a[c].embedded && sameEntry(m_a[c].entry, o.entry)) return c;
    return -1;
}

bool Differ::moved(int i) const {
    const IndexedObject& o = m_b[i];
    const IndexedObject& before = m_a[aOf(i)];
    if (o.owner < 0 || before.owner < 0) return o.owner != before.owner;
    return aOf(o.owner) != before.owner || !sameEntry(o.entry, before.entry);
}

void Differ::compareValues(int i) {
    ValueComparer comparer{*this, i};
    m_b.visitValuePairs(m_a, aOf(i), i, comparer);
}

void Differ::reportOrder(int owner, int kind, const char* entry) {
    if (owner < 0) {
        add(kind, -1,
            {Change::Type::changed,
             kinds()[kind].name,
             {},
             "order",
             order(m_a, -1, kind, nullptr),
             order(m_b, -1, kind, nullptr)});
        return;
    }
    const int shown = m_b.reported(owner);
    add(m_b[shown].kind, shown,
        {Change::Type::changed, kinds()[m_b[shown].kind].name, ProjectIndex::idText(m_b[shown].id),
         m_b.fieldPrefix(owner) + entry + " order", order(m_a, aOf(owner), kind, entry),
         order(m_b, owner, kind, entry)});
}

std::string Differ::dump(const ProjectIndex& index, int i) {
    std::string text;
    index.visit(i, [&](const auto& object) { text = object.dump(); });
    return text;
}

std::string Differ::place(const ProjectIndex& index, int i) {
    const int owner = index[i].owner;
    if (owner < 0) return {};
    return index.describe(index.reported(owner)) + ' ' + index.fieldPrefix(owner) + index[i].entry;
}

std::string Differ::placeValue(const ProjectIndex& index, int i) {
    return index[i].owner < 0 ? "null" : zx::jsonQuote(place(index, i));
}

std::string Differ::order(const ProjectIndex& index, int owner, int kind, const char* entry) {
    std::string text = "[";
    const auto item = [&](int c) {
        if (text.size() > 1) text += ',';
        text += zx::jsonQuote(ProjectIndex::idText(index[c].id));
    };
    if (owner < 0) {
        for (int c = 0; c < index.size(); c = index[c].end)
            if (index[c].kind == kind) item(c);
    } else {
        for (int c = owner + 1; c < index[owner].end; c = index[c].end)
            if (sameEntry(index[c].entry, entry)) item(c);
    }
    return text + ']';
}

const char* typeName(Change::Type type) {
    switch (type) {
        case Change::Type::added:
            return "added";
        case Change::Type::removed:
            return "removed";
        case Change::Type::changed:
            break;
    }
    return "changed";
}

}  // namespace

std::vector<Change> diffProjects(const CProjectRoots& a, const CProjectRoots& b, bool showSecrets) {
    Differ differ(a, b);
    differ.showSecrets = showSecrets;
    return differ.run();
}

void printChanges(std::ostream& out, const std::vector<Change>& changes, bool json) {
    if (json) {
        const auto value = [](const std::string& text) {
            return text.empty() ? std::string("null") : text;
        };
        out << '[';
        for (std::size_t k = 0; k < changes.size(); ++k) {
            const Change& c = changes[k];
            out << (k ? ",\n  " : "\n  ") << "{\"type\":\"" << typeName(c.type)
                << "\",\"kind\":" << zx::jsonQuote(c.kind)
                << ",\"objectID\":" << zx::jsonQuote(c.objectID)
                << ",\"field\":" << zx::jsonQuote(c.field) << ",\"oldValue\":" << value(c.oldValue)
                << ",\"newValue\":" << value(c.newValue) << '}';
        }
        out << (changes.empty() ? "]\n" : "\n]\n");
        return;
    }
    for (const Change& c : changes) {
        out << typeName(c.type) << ' ' << c.kind;
        if (!c.objectID.empty()) out << ' ' << c.objectID;
        if (c.type == Change::Type::changed)
            out << ' ' << c.field << ": " << c.oldValue << " -> " << c.newValue << '\n';
        else
            out << (c.field.empty() ? "" : " in ") << c.field << '\n';
    }
}

}  // namespace zxtool
