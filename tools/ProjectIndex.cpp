#include "ProjectIndex.h"

#include <algorithm>

#include "ObjectWalk.h"

namespace zxtool {

namespace {

template <class C>
constexpr KindInfo infoOf() {
    using I = typename C::Interface;
    constexpr int named = kindNamedBy<IDOf<I>>;
    static_assert(named != -2, "two kinds claim one ID type; give all but one the key role");
    static_assert(zx::idRole<I>() != zx::IDRole::key || named >= 0,
                  "a kind whose ID is a key must share its ID type with the kind it describes");
    return {I::s_kindName, zx::idRole<I>(), zx::idRole<I>() == zx::IDRole::key ? named : -1};
}

template <class... C>
constexpr std::array<KindInfo, sizeof...(C)> kindTable(zx::TypeList<C...>) {
    return {infoOf<C>()...};
}

constexpr std::array<KindInfo, kindCount> s_kinds = kindTable(zx::AllKinds{});

// The interface of a concrete class (roots hand out their objects as the class), or the
// interface itself.
template <class J>
struct InterfaceOf {
    using type = J;
};
template <class J>
requires requires { typename J::Interface; }
struct InterfaceOf<J> {
    using type = typename J::Interface;
};

std::uint64_t hashKey(int scope, int kind, const CIDBase& id) {
    const auto [hi, lo] = id.words();
    std::uint64_t h = hi ^ (lo * 0x9E3779B97F4A7C15ull);
    h ^= (static_cast<std::uint64_t>(static_cast<std::uint32_t>(scope)) << 16 |
          static_cast<std::uint64_t>(kind)) *
         0xC2B2AE3D27D4EB4Full;
    h ^= h >> 31;
    h *= 0x94D049BB133111EBull;
    return h ^ (h >> 29);
}

}  // namespace

const std::array<KindInfo, kindCount>& kinds() { return s_kinds; }

ProjectIndex::ProjectIndex(const CProjectRoots& project, Lookups lookups) {
    project.forEachRoot([&](const auto& root) {
        const auto& objects = root.getArray();
        m_rootLast = -1;
        for (int i = 0; i < objects.GetSize(); ++i) {
            zxsample::walkObjects(objects.getConstReference(i),
                                  [&]<class J>(const J& object, const zxsample::WalkStep& step) {
                                      using I = typename InterfaceOf<J>::type;
                                      add(static_cast<const I*>(&object), kindIndex<I>,
                                          &object.getID(), step.depth, step.entry, step.embedded(),
                                          step.via == zxsample::WalkStep::Via::optionalPart);
                                  });
        }
    });
    for (const Open& open : m_open) m_objects[static_cast<std::size_t>(open.object)].end = size();
    m_open.clear();
    if (lookups == Lookups::byID) m_table = ObjectTable(m_objects, nullptr);
}

void ProjectIndex::add(const void* object, int kind, const CIDBase* id, int depth,
                       const char* entry, bool embedded, bool snapshot) {
    const int self = size();
    // Objects at this depth or deeper are complete: this one follows all they own.
    while (static_cast<int>(m_open.size()) > depth) {
        m_objects[static_cast<std::size_t>(m_open.back().object)].end = self;
        m_open.pop_back();
    }
    int owner = -1, previous = -1, scope = -1;
    if (depth > 0) {
        Open& parent = m_open.back();
        owner = parent.object;
        if (parent.last >= 0 && (*this)[parent.last].entry == entry) previous = parent.last;
        parent.last = self;
        if (s_kinds[static_cast<std::size_t>(kind)].role != zx::IDRole::identity || snapshot ||
            (*this)[owner].scope >= 0)
            scope = owner;
    } else {
        previous = m_rootLast;
        m_rootLast = self;
    }
    m_objects.push_back({object, reinterpret_cast<const char*>(id), *id, owner, scope, self + 1,
                         previous, entry, static_cast<std::uint16_t>(kind), embedded});
    m_open.push_back({self, -1});
}

ObjectTable::ObjectTable(const std::vector<IndexedObject>& objects, const std::vector<int>* entered)
    : m_objects(&objects) {
    const std::size_t count = entered ? entered->size() : objects.size();
    std::size_t slots = 16;
    while (slots < count * 2) slots *= 2;
    m_slots.assign(slots, -1);
    m_mask = slots - 1;
    const auto object = [&](std::size_t k) {
        return entered ? (*entered)[k] : static_cast<int>(k);
    };
    const auto hashOf = [&](std::size_t k) {
        const IndexedObject& o = objects[static_cast<std::size_t>(object(k))];
        return hashKey(o.scope, o.kind, o.id) & m_mask;
    };
    // The slots are far apart in memory: the slot of an object some places ahead is fetched
    // while this one is entered.
    constexpr std::size_t ahead = 8;
    std::uint64_t upcoming[ahead] = {};
    for (std::size_t k = 0; k < std::min(ahead, count); ++k) {
        upcoming[k] = hashOf(k);
        __builtin_prefetch(&m_slots[upcoming[k]]);
    }
    for (std::size_t k = 0; k < count; ++k) {
        std::uint64_t slot = upcoming[k % ahead];
        if (k + ahead < count) {
            upcoming[k % ahead] = hashOf(k + ahead);
            __builtin_prefetch(&m_slots[upcoming[k % ahead]]);
        }
        const int i = object(k);
        const IndexedObject& o = objects[static_cast<std::size_t>(i)];
        for (;; slot = (slot + 1) & m_mask) {
            const int held = m_slots[slot];
            if (held < 0) {
                m_slots[slot] = i;
                break;
            }
            const IndexedObject& other = objects[static_cast<std::size_t>(held)];
            if (other.id == o.id && other.kind == o.kind && other.scope == o.scope) {
                m_repeats.emplace_back(held, i);
                break;
            }
        }
    }
}

int ObjectTable::find(int scope, int kind, const CIDBase& id) const {
    if (m_slots.empty()) return -1;
    for (std::uint64_t slot = hashKey(scope, kind, id) & m_mask;; slot = (slot + 1) & m_mask) {
        const int held = m_slots[slot];
        if (held < 0) return -1;
        const IndexedObject& o = (*m_objects)[static_cast<std::size_t>(held)];
        if (o.id == id && o.kind == kind && o.scope == scope) return held;
    }
}

int ProjectIndex::reported(int i) const {
    while ((*this)[i].embedded) i = (*this)[i].owner;
    return i;
}

std::string ProjectIndex::fieldPrefix(int i) const {
    std::string prefix;
    for (; (*this)[i].embedded; i = (*this)[i].owner)
        prefix.insert(0, std::string((*this)[i].entry) + '.');
    return prefix;
}

std::string ProjectIndex::idText(const CIDBase& id) { return id.toString().toUtf8(); }

std::string ProjectIndex::describe(int i) const {
    const IndexedObject& o = (*this)[i];
    return std::string(s_kinds[o.kind].name) + ' ' + idText(o.id);
}

}  // namespace zxtool
