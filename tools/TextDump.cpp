#include "TextDump.h"

#include <string>

#include "basetypes/DumpText.h"
#include "project/ObjectWalk.h"

namespace zxtool {

namespace {

class TextWriter {
public:
    TextWriter(std::ostream& out, bool showSecrets) : m_out(out), m_showSecrets(showSecrets) {}

    template <class I>
    void object(const I& object) {
        line(I::s_kindName, " ", object.getID().toString().toUtf8());
        ++m_depth;
        object.visitValues(*this);
        --m_depth;
    }

    template <class T>
    void value(const char* name, const T& value, zx::FieldOptions options = {}) {
        if (options.secret && !m_showSecrets)
            line(name, ": \"<redacted>\"");
        else
            line(name, ": ", toDumpText(value));
    }
    template <class H>
    void children(const char* name, const H& handle) {
        if (handle.GetSize() == 0) {
            line(name, ": []");
            return;
        }
        line(name, ":");
        ++m_depth;
        for (int i = 0; i < handle.GetSize(); ++i) object(*handle.getConstReference(i));
        --m_depth;
    }
    template <class Slot>
    void optionalChildren(const char* name, const Slot& slot) {
        children(name, slot.get());
    }
    template <class P>
    void part(const char* name, const P& part) {
        line(name, ":");
        ++m_depth;
        part.visitValues(*this);
        --m_depth;
    }
    template <class Slot>
    void optionalPart(const char* name, const Slot& slot) {
        const auto handle = slot.get();
        if (handle.isNull()) {
            line(name, ": null");
            return;
        }
        part(name, *handle);
    }

private:
    // One line of the dump, indented by depth; the pieces are streamed, not joined first.
    template <class... Pieces>
    void line(const Pieces&... pieces) {
        for (int i = 0; i < m_depth; ++i) m_out << "  ";
        (m_out << ... << pieces) << '\n';
    }

    std::ostream& m_out;
    bool m_showSecrets;
    int m_depth = 0;
};

}  // namespace

void writeText(std::ostream& out, const CProjectRoots& project,
               const zxjson::WriteOptions& options) {
    TextWriter writer(out, options.showSecrets);
    const bool filtered = options.kind || options.id;
    project.forEachRoot([&](const auto& root) {
        const auto objects = root.get();
        for (int i = 0; i < objects.GetSize(); ++i) {
            const auto& top = *objects.getConstReference(i);
            if (!filtered) {
                writer.object(top);
                continue;
            }
            zx::walkObjects(top, [&]<class I>(const I& object, bool embedded) {
                if (embedded) return;
                if (options.kind && *options.kind != I::s_kindName) return;
                if (options.id && *options.id != object.getID().toString().toUtf8()) return;
                writer.object(object);
            });
        }
    });
}

}  // namespace zxtool
