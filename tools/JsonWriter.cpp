#include "JsonWriter.h"

#include <string_view>
#include <vector>

#include "JsonValues.h"
#include "ObjectWalk.h"
#include "project/CProjectRoots.h"

namespace zxjson {

namespace {

// Text gathers up to this size before it goes to the stream.
constexpr std::size_t kFlushSize = 1 << 20;

class ProjectWriter {
public:
    ProjectWriter(std::ostream& stream, const WriteOptions& options)
        : m_stream(stream), m_out(options.showSecrets) {}

    void header(int fileVersion) {
        m_out.put("{\"format\":");
        m_out.string(kFormatName);
        m_out.put(",\"formatVersion\":");
        m_out.integer(kFormatVersion);
        m_out.put(",\"fileVersion\":");
        m_out.integer(fileVersion);
    }

    void sections(const CProjectRoots& project) {
        m_out.put(",\"sections\":[\n");
        bool firstSection = true;
        project.forEachRoot([&](const auto& root) {
            if (!firstSection) m_out.put(",\n");
            firstSection = false;
            using Object = typename std::remove_cvref_t<decltype(root)>::Object;
            m_out.put("{\"kind\":");
            m_out.string(std::string_view(Object::s_kindName));
            m_out.put(",\"id\":");
            writeJson(m_out, root.getID());
            m_out.put(",\"objects\":[");
            const auto& objects = root.getArray();
            for (int i = 0; i < objects.GetSize(); ++i) {
                m_out.put(i ? ",\n" : "\n");
                writeJson(m_out, objects.getConstReference(i));
                flushIfFull();
            }
            m_out.put("\n]}");
        });
        m_out.put("\n]}\n");
    }

    // The objects at any depth that match the filter, each whole (matches inside it are not
    // repeated).
    void matching(const CProjectRoots& project, const WriteOptions& options) {
        const std::optional<CIDBase> id = filterID(options);
        if (options.kind) checkKindName(*options.kind);
        m_out.put(",\"objects\":[");
        bool first = true;
        const auto visit = [&](const auto& object, bool) {
            using I = std::remove_cvref_t<decltype(object)>;
            if ((options.kind && *options.kind != I::s_kindName) ||
                (id && !(static_cast<const CIDBase&>(object.getID()) == *id)))
                return true;
            m_out.put(first ? "\n" : ",\n");
            first = false;
            writeJson(m_out, object);
            flushIfFull();
            return false;
        };
        project.forEachRoot([&](const auto& root) {
            const auto& objects = root.getArray();
            for (int i = 0; i < objects.GetSize(); ++i)
                zxsample::walkObjects(objects.getConstReference(i), visit);
        });
        m_out.put("\n]}\n");
    }

    void flush() {
        m_stream.write(m_out.view().data(), static_cast<std::streamsize>(m_out.size()));
        m_out.clear();
    }

private:
    void flushIfFull() {
        if (m_out.size() >= kFlushSize) flush();
    }

    static std::optional<CIDBase> filterID(const WriteOptions& options) {
        if (!options.id) return std::nullopt;
        CIDBase id;
        if (!parseID(*options.id, id)) throw JsonError("\"" + *options.id + "\" is not an ID");
        return id;
    }

    static void checkKindName(const std::string& kind) {
        std::vector<std::string_view> names;
        bool known = false;
        zx::forEachType(zx::AllKinds{}, [&]<class C>() {
            names.push_back(C::s_kindName);
            known = known || kind == C::s_kindName;
        });
        if (known) return;
        std::string list;
        for (const std::string_view name : names)
            list += (list.empty() ? "" : ", ") + std::string(name);
        throw JsonError("unknown kind \"" + kind + "\"; the kinds are " + list);
    }

    std::ostream& m_stream;
    JsonOutput m_out;
};

}  // namespace

void writeProject(std::ostream& out, const CProjectRoots& project, int fileVersion,
                  const WriteOptions& options) {
    ProjectWriter writer(out, options);
    writer.header(fileVersion);
    if (options.kind || options.id)
        writer.matching(project, options);
    else
        writer.sections(project);
    writer.flush();
}

}  // namespace zxjson
