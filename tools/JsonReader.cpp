#include "JsonReader.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "JsonTree.h"
#include "JsonValues.h"
#include "project/CProjectRoots.h"

namespace zxjson {

namespace {

// The depth of the top-level objects: the document, "sections", a section, "objects", the object.
constexpr std::size_t kObjectDepth = 5;

// Refuses what an archive would refuse of the object, by saving it and loading it back.
template <class C>
void checkStoreRules(C& object, const JsonValue& in) {
    try {
        CZentrixArchive saved;
        object.Serialize(saved);
        CZentrixArchive loading{saved.storedBytes()};
        C copy;
        copy.Serialize(loading);
    } catch (const std::runtime_error& error) {
        in.fail(std::string("the object breaks a rule of the store: ") + error.what());
    } catch (const std::length_error& error) {
        in.fail(std::string("the object breaks a rule of the store: ") + error.what());
    }
}

// One root's section: what the reader does with its objects.
class SectionLoader {
public:
    virtual ~SectionLoader() = default;
    virtual const char* kind() const = 0;
    // Reads one top-level object and stores it at the end of the root.
    virtual void add(const JsonValue& object) = 0;
    // Gives the root its ID and sorts its index, refusing a repeated ID.
    virtual void finish(const JsonValue& id) = 0;
};

template <class Root>
class RootLoader final : public SectionLoader {
public:
    explicit RootLoader(Root& root) : m_root(root) {}

    const char* kind() const override { return Object::s_kindName; }

    void add(const JsonValue& in) override {
        auto object = std::make_unique<Object>();
        readJson(in, *object);
        checkStoreRules(*object, in);
        auto& objects = m_root.getArray();
        if (objects.AttachNoSort(objects.GetSize(), object.get())) (void)object.release();
        m_positions.push_back(in.position());
    }

    void finish(const JsonValue& id) override {
        auto rootID = m_root.getID();
        readJson(id, rootID);
        m_root.setID(rootID);
        if (const int repeat = repeatedID(m_root.getArray()); repeat >= 0) {
            JsonError error("the object repeats the ID of an earlier one",
                            m_positions[static_cast<std::size_t>(repeat)]);
            error.locate(kind(), repeat);
            throw error;
        }
    }

private:
    using Object = typename Root::Object;

    Root& m_root;
    // Where each object was read, for the refusal of a repeated ID.
    std::vector<TextPosition> m_positions;
};

class ProjectReader {
public:
    explicit ProjectReader(CProjectRoots& project) {
        project.forEachRoot([&](auto& root) {
            root.getArray().RemoveAll();
            using Root = std::remove_cvref_t<decltype(root)>;
            m_loaders.push_back(std::make_unique<RootLoader<Root>>(root));
        });
    }

    // A complete value at the depth of the top-level objects.
    void add(const JsonValue& object) {
        const JsonValue objects = object.parent();
        const JsonValue section = objects.parent();
        const JsonValue sections = section.parent();
        const JsonValue document = sections.parent();
        if (objects.type() != JsonValue::Type::Array || objects.key() != "objects" ||
            section.type() != JsonValue::Type::Object ||
            sections.type() != JsonValue::Type::Array || sections.key() != "sections" ||
            document.type() != JsonValue::Type::Object)
            object.fail("the document nests values this deep only in a section's \"objects\"");
        if (!m_headerChecked) {
            checkHeaderBeforeObjects(document);
            m_headerChecked = true;
        }
        const std::size_t sectionIndex = sections.size() - 1;
        if (sectionIndex >= m_loaders.size())
            section.fail("expected " + std::to_string(m_loaders.size()) +
                         " sections, one per kind");
        SectionLoader& loader = *m_loaders[sectionIndex];
        const int index = static_cast<int>(objects.size()) - 1;
        try {
            const std::optional<JsonValue> kind = section.find("kind");
            if (!kind) section.fail("the section's \"kind\" must come before its objects");
            checkKind(*kind, loader);
            loader.add(object);
        } catch (JsonError& error) {
            error.locate(loader.kind(), index);
            throw;
        }
    }

    // The header and the sections, once the whole text is read.
    void finish(const JsonValue& document) {
        MemberReader header(document);
        checkFormat(header.take("format"));
        checkFormatVersion(header.take("formatVersion"));
        checkFileVersion(header.take("fileVersion"));
        const JsonValue sections = header.take("sections");
        header.finish();
        if (sections.type() != JsonValue::Type::Array ||
            sections.size() != static_cast<std::uint32_t>(m_loaders.size())) {
            sections.expected("an array of " + std::to_string(m_loaders.size()) +
                              " sections, one per kind");
        }
        std::size_t i = 0;
        for (const JsonValue section : sections) {
            SectionLoader& loader = *m_loaders[i++];
            try {
                MemberReader members(section);
                checkKind(members.take("kind"), loader);
                const JsonValue id = members.take("id");
                const JsonValue objects = members.take("objects");
                if (objects.type() != JsonValue::Type::Array) objects.expected("an array");
                members.finish();
                loader.finish(id);
            } catch (JsonError& error) {
                if (error.section().empty()) error.locate(loader.kind(), error.objectIndex());
                throw;
            }
        }
    }

private:
    static void checkKind(const JsonValue& kind, const SectionLoader& loader) {
        if (!kind.isString() || kind.text() != loader.kind())
            kind.expected(std::string("the kind \"") + loader.kind() + '"');
    }
    static void checkFormat(const JsonValue& format) {
        if (!format.isString() || format.text() != kFormatName)
            format.expected('"' + std::string(kFormatName) + '"');
    }
    static void checkFormatVersion(const JsonValue& version) {
        int number = 0;
        readJson(version, number);
        if (number != kFormatVersion)
            version.fail("expected format version " + std::to_string(kFormatVersion) + ", found " +
                         std::to_string(number));
    }
    static void checkFileVersion(const JsonValue& version) {
        int number = 0;
        readJson(version, number);
        if (number < CZentrixArchive::s_oldestFileVersion ||
            number > CZentrixArchive::s_currentFileVersion) {
            version.fail("expected a file version from " +
                         std::to_string(CZentrixArchive::s_oldestFileVersion) + " to " +
                         std::to_string(CZentrixArchive::s_currentFileVersion) + ", found " +
                         std::to_string(number));
        }
    }
    // Objects are only read once the header says what the document is.
    static void checkHeaderBeforeObjects(const JsonValue& document) {
        const char* const names[] = {"format", "formatVersion", "fileVersion"};
        void (*const checks[])(const JsonValue&) = {checkFormat, checkFormatVersion,
                                                    checkFileVersion};
        for (std::size_t i = 0; i < std::size(names); ++i) {
            const std::optional<JsonValue> member = document.find(names[i]);
            if (!member)
                document.fail(std::string("\"") + names[i] + "\" must come before the sections");
            checks[i](*member);
        }
    }

    std::vector<std::unique_ptr<SectionLoader>> m_loaders;
    bool m_headerChecked = false;
};

}  // namespace

void readProject(std::istream& in, CProjectRoots& project) {
    ProjectReader reader(project);
    JsonTree tree;
    tree.parse(in, kObjectDepth, [&](const JsonValue& object) { reader.add(object); });
    reader.finish(tree.root());
}

}  // namespace zxjson
