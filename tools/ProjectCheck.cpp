#include "ProjectCheck.h"

#include <algorithm>
#include <concepts>
#include <cstdio>
#include <utility>

#include "ProjectIndex.h"
#include "basetypes/CHeapValue.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CZentrixEnumeration.h"
#include "store/CIDPointerArray.h"
#include "store/CNonUniqueValueArray.h"
#include "store/CUniqueValueArray.h"
#include "store/StdVector.h"

namespace zxtool {

// Which of the value templates a field's type is, or derives from (a day type's CDayType is an
// enumeration, its block list a value array). The functions are declared only: overload
// resolution in an unevaluated operand answers the question.
namespace valuekinds {
template <class ID>
std::true_type idSet(const CIDPointerArray<ID>*);
std::false_type idSet(const void*);
template <class E>
std::true_type enumeration(const CZentrixEnumeration<E>*);
std::false_type enumeration(const void*);
template <class U>
std::true_type scalar(const CProjectScalar<U>*);
std::false_type scalar(const void*);
template <class U>
std::true_type heapValue(const CHeapValue<U>*);
std::false_type heapValue(const void*);
template <class U, class Key, class Getter>
std::true_type valueArray(const CUniqueValueArray<U, Key, Getter>*);
template <class U>
std::true_type valueArray(const CNonUniqueValueArray<U>*);
std::false_type valueArray(const void*);
template <class U>
std::true_type stdList(const CStdVector<U>*);
std::false_type stdList(const void*);

template <class T>
constexpr bool isIDSet = decltype(idSet(static_cast<const T*>(nullptr)))::value;
template <class T>
constexpr bool isEnumeration = decltype(enumeration(static_cast<const T*>(nullptr)))::value;
template <class T>
constexpr bool isScalar = decltype(scalar(static_cast<const T*>(nullptr)))::value;
template <class T>
constexpr bool isHeapValue = decltype(heapValue(static_cast<const T*>(nullptr)))::value;
template <class T>
constexpr bool isValueArray = decltype(valueArray(static_cast<const T*>(nullptr)))::value;
template <class T>
constexpr bool isStdList = decltype(stdList(static_cast<const T*>(nullptr)))::value;
}  // namespace valuekinds

namespace {

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

const char* kindName(int kind) { return kinds()[static_cast<std::size_t>(kind)].name; }

// One step of the name of a value nested in a field: a member's name, or an element's position
// (name null).
struct FieldStep {
    const char* name;
    int element;
};

class Checker {
public:
    explicit Checker(const ProjectIndex& index) : m_index(index) {}

    std::vector<Finding> run();

    const ProjectIndex& index() const { return m_index; }

    void report(int object, const std::string& field, std::string problem) {
        const int shown = m_index.reported(object);
        std::string name = m_index[object].embedded ? m_index.fieldPrefix(object) + field : field;
        m_found.push_back(
            {m_index[shown].kind, shown,
             Finding{kindName(m_index[shown].kind), ProjectIndex::idText(m_index[shown].id),
                     std::move(name), std::move(problem)}});
    }
    void parentLink(int object, const char* field, const CIDBase& parent) {
        m_parentLinks.push_back({object, field, parent});
    }
    // The steps to the value being checked inside its entry, kept from object to object.
    std::vector<FieldStep>& path() { return m_path; }

private:
    struct Sorted {
        int kind;
        int object;
        Finding finding;
    };
    struct ParentLink {
        int object;
        const char* field;
        CIDBase parent;
    };

    void checkObject(int i);
    void checkParentLoops();

    const ProjectIndex& m_index;
    std::vector<Sorted> m_found;
    std::vector<ParentLink> m_parentLinks;
    std::vector<FieldStep> m_path;
};

// Checks the values of one object; what the object owns is checked on its own.
class ValueChecker {
public:
    static constexpr bool s_valuesOnly = true;

    ValueChecker(Checker& checker, int self)
        : m_checker(checker), m_index(checker.index()), m_self(self), m_path(checker.path()) {}

    // An entry of the object's description: its ID or a field.
    template <class T>
    void value(const char* name, const T& value, const zx::FieldOptions& options = {}) {
        m_entry = name;
        bool ownID = false;
        if constexpr (std::derived_from<T, CIDBase>) {
            ownID = static_cast<const void*>(&value) == m_index[m_self].values;
            if (ownID) checkOwnID(value);
        }
        if (!ownID && !options.foreign)
            check(value, {options.min, options.max, options.namesOwnChildren});
        if constexpr (std::derived_from<T, CIDBase>)
            if (options.parentLink && value.isValidNotNull())
                m_checker.parentLink(m_self, name, value);
        if constexpr (requires { value < value; })
            if (options.ascending) checkOrder(value);
    }

private:
    struct Context {
        double min;
        double max;
        // The IDs name objects this object owns directly.
        bool ownChildren;
    };
    // The members of a plain described value, each with its own options.
    struct Members {
        ValueChecker& self;
        bool ownChildren;

        template <class T>
        void value(const char* name, const T& value, const zx::FieldOptions& options = {}) {
            if (options.foreign) return;
            self.m_path.push_back({name, -1});
            self.check(value, {options.min, options.max, ownChildren || options.namesOwnChildren});
            self.m_path.pop_back();
        }
    };

    template <class T>
    void check(const T& value, const Context& context) {
        using namespace valuekinds;
        if constexpr (std::derived_from<T, CIDBase>) {
            reference(value, kindNamedBy<T>, context, false);
        } else if constexpr (isIDSet<T>) {
            checkIDSet(value, context);
        } else if constexpr (isEnumeration<T>) {
            checkEnumeration(value);
        } else if constexpr (isScalar<T>) {
            checkScalar(value, context);
        } else if constexpr (std::is_arithmetic_v<T> && !std::is_same_v<T, bool>) {
            checkRange(static_cast<double>(value), context);
        } else if constexpr (isHeapValue<T>) {
            if (value) check(*value.get(), context);
        } else if constexpr (isValueArray<T>) {
            for (int i = 0; i < value.GetSize(); ++i) {
                m_path.push_back({nullptr, i});
                check(value.getConstReference(i), context);
                m_path.pop_back();
            }
        } else if constexpr (isStdList<T>) {
            if constexpr (std::derived_from<typename T::value_type, CIDBase>)
                for (const auto& id : value)
                    reference(id, kindNamedBy<typename T::value_type>, context, true);
        } else if constexpr (std::is_base_of_v<CDescribedValue<T>, T>) {
            Members members{*this, context.ownChildren};
            zx::fields::ValueAdapter<const T, const T, Members> adapter{value, value, members};
            T::describeFields(adapter);
        }
    }

    template <class ID>
    void checkIDSet(const CIDPointerArray<ID>& ids, const Context& context) {
        for (const ID& id : ids) reference(id, kindNamedBy<ID>, context, true);
    }
    template <class E>
    void checkEnumeration(const CZentrixEnumeration<E>& value) {
        if (CZentrixEnumeration<E>::isValidValue(value.toInt())) return;
        m_checker.report(m_self, fieldName(),
                         std::to_string(value.toInt()) + " is not a " +
                             EnumerationTraits<E>::typeName + " (0 to " +
                             std::to_string(CZentrixEnumeration<E>::s_count - 1) + ")");
    }
    template <class U>
    void checkScalar(const CProjectScalar<U>& value, const Context& context) {
        if constexpr (!std::is_same_v<U, bool>)
            if (value.isValid()) checkRange(static_cast<double>(value.getValue()), context);
    }
    void checkRange(double value, const Context& context) {
        if (value >= context.min && value <= context.max) return;
        m_checker.report(
            m_self, fieldName(),
            number(value) + " is outside " + number(context.min) + " to " + number(context.max));
    }

    // kind: the kind the ID names, or -1 for an ID type that no listed kind owns.
    void reference(const CIDBase& id, int kind, const Context& context, bool inSet) {
        if (kind < 0 || !id.isValidNotNull()) return;
        int found;
        if (context.ownChildren) {
            found = m_index.find(m_self, kind, id);
            // Objects of an identity kind stay in the project's scope even where a field looks
            // among the holder's own.
            if (found < 0) {
                found = m_index.find(-1, kind, id);
                if (found >= 0 && m_index[found].owner != m_self) found = -1;
            }
        } else {
            found = m_index.find(-1, kind, id);
        }
        if (found >= 0) return;
        std::string problem = inSet ? ProjectIndex::idText(id) + " names no " : "names no ";
        problem += kindName(kind);
        if (context.ownChildren)
            problem += std::string(" of this ") + kindName(m_index[m_self].kind);
        m_checker.report(m_self, fieldName(), std::move(problem));
    }

    void checkOwnID(const CIDBase& id) {
        const int keyOf = kinds()[m_index[m_self].kind].keyOf;
        if (keyOf < 0 || !id.isValidNotNull() || m_index.find(-1, keyOf, id) >= 0) return;
        m_checker.report(m_self, fieldName(), std::string("names no ") + kindName(keyOf));
    }

    template <class T>
    void checkOrder(const T& value) {
        const int previous = m_index[m_self].previous;
        if (previous < 0) return;
        const T& before = m_index.sameValue(previous, m_self, value);
        if constexpr (requires { value.isValid(); })
            if (!value.isValid() || !before.isValid()) return;
        if (!(value < before)) return;
        m_checker.report(m_self, fieldName(),
                         toDumpText(value) + " comes before the previous " +
                             kindName(m_index[m_self].kind) + "'s " + toDumpText(before));
    }

    std::string fieldName() const {
        std::string name = m_entry;
        for (const FieldStep& step : m_path) {
            if (step.name) {
                name += '.';
                name += step.name;
            } else {
                name += '[' + std::to_string(step.element) + ']';
            }
        }
        return name;
    }

    Checker& m_checker;
    const ProjectIndex& m_index;
    const int m_self;
    // The entry being checked, and the steps from it to the value inside it being checked.
    const char* m_entry = "";
    std::vector<FieldStep>& m_path;
};

std::vector<Finding> Checker::run() {
    const auto& repeats = m_index.repeats();
    auto repeat = repeats.begin();
    for (int i = 0; i < m_index.size(); ++i) {
        for (; repeat != repeats.end() && repeat->second == i; ++repeat) {
            if (!m_index[i].id.isValidNotNull()) continue;
            const char* kind = kindName(m_index[i].kind);
            report(i, "ID",
                   m_index.owns(repeat->first, i)
                       ? std::string("repeats the ID of the ") + kind + " that holds it"
                       : std::string("repeats the ID of another ") + kind);
        }
        checkObject(i);
    }
    checkParentLoops();

    std::stable_sort(m_found.begin(), m_found.end(), [](const Sorted& a, const Sorted& b) {
        return a.kind != b.kind ? a.kind < b.kind : a.object < b.object;
    });
    std::vector<Finding> findings;
    findings.reserve(m_found.size());
    for (Sorted& sorted : m_found) findings.push_back(std::move(sorted.finding));
    return findings;
}

void Checker::checkObject(int i) {
    ValueChecker checker(*this, i);
    m_index.visitValues(i, checker);
}

// A parent link leads to the object of the holder's kind with that ID in the holder's scope;
// each object has one, so following links either ends or runs into a loop.
void Checker::checkParentLoops() {
    if (m_parentLinks.empty()) return;
    // The link of each object that has one, by object.
    std::vector<int> linkOf(static_cast<std::size_t>(m_index.size()), -1);
    for (std::size_t k = 0; k < m_parentLinks.size(); ++k)
        linkOf[static_cast<std::size_t>(m_parentLinks[k].object)] = static_cast<int>(k);
    const auto parentOf = [&](int object) {
        const int link = linkOf[static_cast<std::size_t>(object)];
        if (link < 0) return -1;
        const IndexedObject& o = m_index[object];
        return m_index.find(o.scope, o.kind, m_parentLinks[static_cast<std::size_t>(link)].parent);
    };
    enum : std::uint8_t { unseen, onPath, done };
    std::vector<std::uint8_t> state(static_cast<std::size_t>(m_index.size()), unseen);
    std::vector<int> path;
    for (const ParentLink& start : m_parentLinks) {
        path.clear();
        int at = start.object;
        while (at >= 0 && state[static_cast<std::size_t>(at)] == unseen) {
            state[static_cast<std::size_t>(at)] = onPath;
            path.push_back(at);
            at = parentOf(at);
        }
        if (at >= 0 && state[static_cast<std::size_t>(at)] == onPath) {
            // The loop is the end of the path from `at` on; it is reported once, on its member
            // that comes first in record order.
            const auto loop = std::find(path.begin(), path.end(), at);
            const int first = *std::min_element(loop, path.end());
            const int members = static_cast<int>(path.end() - loop);
            report(first,
                   m_parentLinks[static_cast<std::size_t>(linkOf[static_cast<std::size_t>(first)])]
                       .field,
                   "parents loop back to this " + std::string(kindName(m_index[first].kind)) +
                       " (" + std::to_string(members) + " in the loop)");
        }
        for (const int object : path) state[static_cast<std::size_t>(object)] = done;
    }
}

}  // namespace

std::vector<Finding> checkProject(const CProjectRoots& project) {
    const ProjectIndex index(project);
    return Checker(index).run();
}

std::string toText(const Finding& finding) {
    return finding.kind + ' ' + finding.objectID + ' ' + finding.field + ": " + finding.problem;
}

}  // namespace zxtool
