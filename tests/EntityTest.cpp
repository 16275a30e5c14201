// 3D entities: optional parts that exist only while set, the name kept on import, identity
// transforms, geometry ownership, sub-entities moved by identity, and a hostile file nested
// deeper than the archive allows.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string_view>
#include <type_traits>
#include <vector>

#include "RoundTrip.h"
#include "basetypes/CCompactValue.h"
#include "model3d/CEntity3D.h"

namespace {

template <class ID>
ID fresh() {
    return ID(CIDBase::generate());
}

CEntity3D namedEntity(const wchar_t* name) {
    CEntity3D entity;
    entity.setID(fresh<CEntity3DID>());
    entity.setName(name);
    return entity;
}

CMesh quad() {
    CMesh mesh;
    mesh.positions = {0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0};
    mesh.triangles = {0, 1, 2, 2, 3, 0};
    return mesh;
}

std::unique_ptr<IEntity3D> adopt(const IEntity3DWritableHandle& handle) {
    return std::unique_ptr<IEntity3D>(handle.isNull() ? nullptr : &*handle);
}

}  // namespace

TEST(Entity3D, OptionalPartsExistOnlyWhileSet) {
    CEntity3D entity;
    EXPECT_FALSE(entity.getExposed().getValue());
    EXPECT_EQ(entity.getTransform(), nullptr);
    EXPECT_EQ(entity.getGeometries(), nullptr);
    EXPECT_EQ(entity.getUserFieldValues(), nullptr);
    EXPECT_TRUE(entity.getSubEntities().isNull());
    EXPECT_TRUE(entity.getNotes().isNull());
    EXPECT_EQ(entity.getPhysicalMaterial(), nullptr);

    // User field values: with none yet only 0 and -1 are accepted.
    const CUserFieldValue value(fresh<CUserFieldID>(), CProjectVariant());
    EXPECT_FALSE(entity.addUserFieldValue(value, 3));
    EXPECT_FALSE(entity.addUserFieldValue(value, -2));
    EXPECT_EQ(entity.getUserFieldValues(), nullptr);
    ASSERT_TRUE(entity.addUserFieldValue(value, -1));
    EXPECT_FALSE(entity.addUserFieldValue(value, 0)) << "one value per user field";
    ASSERT_TRUE(entity.removeUserFieldValue(value.getUserFieldID()));
    EXPECT_EQ(entity.getUserFieldValues(), nullptr);

    // Materials.
    CGraphicalMaterial material;
    material.setDiffuse(CProjectColorRGB::fromRGB(200, 10, 10));
    entity.setMaterial(material);
    ASSERT_NE(entity.getMaterial(), nullptr);
    EXPECT_EQ(*entity.getMaterial(), material);
    entity.clearMaterial();
    EXPECT_EQ(entity.getMaterial(), nullptr);
    CIRayMaterialInstance physical;
    physical.addValueAttr(L"roughness", L"0.4");
    entity.setPhysicalMaterial(physical);
    ASSERT_NE(entity.getPhysicalMaterial(), nullptr);
    EXPECT_EQ(*entity.getPhysicalMaterial(), physical);
    entity.removePhysicalMaterial();
    EXPECT_EQ(entity.getPhysicalMaterial(), nullptr);

    // Text and line properties.
    entity.setTextProperties(CTextProperties(L"Arial,12", L"center"));
    ASSERT_NE(entity.getTextProperties(), nullptr);
    EXPECT_EQ(entity.getTextProperties()->getTextAlignmentString(), CString(L"center"));
    entity.clearTextProperties();
    EXPECT_EQ(entity.getTextProperties(), nullptr);
    entity.setLineProperties(CLineProperties());
    EXPECT_NE(entity.getLineProperties(), nullptr);
    entity.clearLineProperties();
    EXPECT_EQ(entity.getLineProperties(), nullptr);

    // Notes and sub-entities: a refused add or the last removal frees the collection.
    CNote note;
    note.generateIDs();
    ASSERT_EQ(entity.addNote(note), 0);
    EXPECT_EQ(entity.addNote(note), -1);
    EXPECT_FALSE(entity.insertNote(note, 5));
    ASSERT_TRUE(entity.removeNote(note.getID()));
    EXPECT_TRUE(entity.getNotes().isNull());
    const CEntity3D child = namedEntity(L"door");
    ASSERT_EQ(entity.addSubEntity(child), 0);
    EXPECT_EQ(entity.addSubEntity(child), -1);
    EXPECT_FALSE(entity.removeSubEntity(fresh<CEntity3DID>()));
    ASSERT_TRUE(entity.removeSubEntity(child.getID()));
    EXPECT_TRUE(entity.getSubEntities().isNull());
    EXPECT_FALSE(entity.removeSubEntity(child.getID()));

    // Document links are always there.
    const CDocumentFileID document = fresh<CDocumentFileID>();
    EXPECT_EQ(entity.addDocumentFileID(document), 0);
    EXPECT_FALSE(entity.insertDocumentFileID(document, 0));
    EXPECT_TRUE(entity.removeDocumentFileID(document));
    EXPECT_EQ(entity.getDocumentFileIDs().GetSize(), 0);

    // Everything optional gone again: the entity equals a new one.
    EXPECT_TRUE(entity == CEntity3D());
}

TEST(Entity3D, NameOnImportIsKeptUntilTheNameComesBack) {
    CEntity3D entity;
    entity.setName(L"A");
    // Naming a new entity is not a rename.
    EXPECT_EQ(entity.getExactNameOnImport(), nullptr);
    EXPECT_TRUE(entity.getExposed().getValue());

    entity.setName(L"B");
    ASSERT_NE(entity.getExactNameOnImport(), nullptr);
    EXPECT_EQ(entity.getNameOnImport(), CProjectString(L"A"));
    entity.setName(L"C");
    EXPECT_EQ(entity.getNameOnImport(), CProjectString(L"A")) << "the first name stays";
    entity.setName(L"A");
    EXPECT_EQ(entity.getExactNameOnImport(), nullptr);
    EXPECT_EQ(entity.getNameOnImport(), CProjectString(L"A"));
    EXPECT_TRUE(entity.getExposed().getValue());

    // An explicit name on import, and renaming to the same name.
    entity.setExposed(false);
    entity.setNameOnImport(L"imported");
    entity.setName(L"A");
    EXPECT_EQ(entity.getNameOnImport(), CProjectString(L"imported"));
    EXPECT_TRUE(entity.getExposed().getValue());
    entity.setName(L"imported");
    EXPECT_EQ(entity.getExactNameOnImport(), nullptr);
}

TEST(Entity3D, IdentityTransformsAreNotStored) {
    CEntity3D entity;
    CGraphicalTransformDouble moved;
    moved.setAsTranslation({1, 2, 3});
    entity.setTransform(moved);
    entity.setTransformOnImport(moved);
    ASSERT_NE(entity.getTransform(), nullptr);
    EXPECT_EQ(*entity.getTransform(), moved);
    entity.setTransform(CGraphicalTransformDouble());
    EXPECT_EQ(entity.getTransform(), nullptr);
    EXPECT_NE(entity.getTransformOnImport(), nullptr);
    entity.clearTransformOnImport();
    EXPECT_EQ(entity.getTransformOnImport(), nullptr);

    // Only the exact identity: -0.0 differs from 0.0 in its bytes.
    CGraphicalTransform texture;
    texture.setAt(12, -0.0f);
    entity.setTextureMatrix(texture);
    EXPECT_NE(entity.getTextureMatrix(), nullptr);
    entity.setTextureMatrix(CGraphicalTransform());
    EXPECT_EQ(entity.getTextureMatrix(), nullptr);

    // The texture matrix and material come from another entity only where this one has none.
    CEntity3D other;
    CGraphicalTransform scaled;
    scaled.setAsScale({2, 2, 2});
    other.setTextureMatrix(scaled);
    CGraphicalMaterial red;
    red.setDiffuse(CProjectColorRGB::fromRGB(255, 0, 0));
    other.setMaterial(red);
    CGraphicalMaterial own;
    entity.setMaterial(own);
    entity.ReplaceEmptyMaterialFromOtherEntity(other.getHandle());
    ASSERT_NE(entity.getTextureMatrix(), nullptr);
    EXPECT_EQ(*entity.getTextureMatrix(), scaled);
    EXPECT_EQ(*entity.getMaterial(), own);
    entity.ReplaceEmptyMaterialFromOtherEntity(IEntity3DHandle());
}

TEST(Entity3D, GeometryArrayIsFreedWhenEmptyAndMovesWhole) {
    CEntity3D entity;
    CMesh broken = quad();
    broken.triangles.back() = 9;
    EXPECT_LT(entity.addGeometry(broken), 0);
    EXPECT_EQ(entity.getGeometries(), nullptr) << "a refused first item frees the array";
    EXPECT_EQ(entity.addGeometry(quad()), 0);
    const CCircleDouble circle;
    EXPECT_EQ(entity.addGeometry(circle), 1);
    CInclude include;
    include.fileName = L"pump.ifc";
    EXPECT_EQ(entity.addGeometry(include), 2);
    ASSERT_NE(entity.getGeometries(), nullptr);
    const CGeometry* firstItem = &entity.getGeometries()->GetAt(0);

    std::unique_ptr<CGeometryArray> taken = entity.detachGeometries();
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(entity.getGeometries(), nullptr);
    EXPECT_EQ(&taken->GetAt(0), firstItem) << "items are not copied";
    EXPECT_EQ(entity.detachGeometries(), nullptr);

    CEntity3D other;
    EXPECT_FALSE(other.attachGeometries(nullptr));
    EXPECT_FALSE(other.attachGeometries(std::make_unique<CGeometryArray>()));
    EXPECT_EQ(other.getGeometries(), nullptr);
    ASSERT_TRUE(other.attachGeometries(std::move(taken)));
    EXPECT_EQ(&other.getGeometries()->GetAt(0), firstItem);
    other.setGeometries(CGeometryArray());
    EXPECT_EQ(other.getGeometries(), nullptr);
}

TEST(Entity3D, AttachAndDetachMoveEntitiesByIdentity) {
    CEntity3D parent = namedEntity(L"storey");
    auto loose = std::make_unique<CEntity3D>(namedEntity(L"wall"));
    (void)loose->addSubEntity(namedEntity(L"window"));
    CEntity3D* wall = loose.get();
    const IEntity3D* window = &*wall->getSubEntities().getConstReference(0);
    ASSERT_TRUE(parent.attachSubEntity(wall->getWritableHandle()));
    (void)loose.release();
    ASSERT_EQ(parent.addSubEntity(namedEntity(L"slab")), 1);
    auto extra = std::make_unique<CEntity3D>(namedEntity(L"column"));
    ASSERT_TRUE(parent.attachSubEntity(extra->getWritableHandle()));
    EXPECT_EQ(&*parent.getSubEntities().getConstReference(2), extra.get()) << "appended";
    (void)extra.release();
    // The same entity twice, and a null handle, are refused; the caller keeps what it has.
    EXPECT_FALSE(parent.attachSubEntity(wall->getWritableHandle()));
    EXPECT_FALSE(parent.attachSubEntity(IEntity3DWritableHandle()));
    auto twin = std::make_unique<CEntity3D>(namedEntity(L"twin"));
    twin->setID(wall->getID());
    EXPECT_FALSE(parent.attachSubEntity(twin->getWritableHandle()));
    EXPECT_EQ(twin->getName(), CProjectString(L"twin"));

    std::unique_ptr<IEntity3D> detached = adopt(parent.detachSubEntity(wall->getID()));
    EXPECT_EQ(detached.get(), wall);
    EXPECT_EQ(&*detached->getSubEntities().getConstReference(0), window);
    EXPECT_EQ(parent.getSubEntities().findByID(wall->getID()), -1);
    EXPECT_TRUE(parent.detachSubEntity(wall->getID()).isNull());

    CEntity3D other;
    ASSERT_TRUE(other.attachSubEntity(detached->getWritableHandle()));
    (void)detached.release();
    std::unique_ptr<IEntity3D> back = adopt(other.detachSubEntity(wall->getID()));
    EXPECT_TRUE(other.getSubEntities().isNull()) << "the last detach frees the collection";
}

TEST(Entity3D, CopiesAreDeepAndMovesTakeEverything) {
    CEntity3D entity = namedEntity(L"building");
    (void)entity.addGeometry(quad());
    CGraphicalTransformDouble moved;
    moved.setAsTranslation({5, 0, 0});
    entity.setTransform(moved);
    CEntity3D storey = namedEntity(L"storey");
    (void)storey.addGeometry(quad());
    (void)entity.addSubEntity(storey);
    CSubPartIndex index;
    index.set(1, 2, 3);
    entity.setSubPartIndex(index);

    CEntity3D copy(entity);
    EXPECT_TRUE(copy == entity);
    EXPECT_NE(copy.getGeometries(), entity.getGeometries());
    EXPECT_NE(&*copy.getSubEntities().getConstReference(0),
              &*entity.getSubEntities().getConstReference(0));

    const CGeometryArray* geometries = entity.getGeometries();
    CEntity3D moved_to(std::move(entity));
    EXPECT_EQ(moved_to.getGeometries(), geometries);
    EXPECT_TRUE(moved_to == copy);
    EXPECT_EQ(entity.getGeometries(), nullptr);
    EXPECT_EQ(entity.getTransform(), nullptr);
    EXPECT_TRUE(entity.getSubEntities().isNull());
    EXPECT_EQ(entity.getSubPartIndex(), nullptr);

    // A round trip through the archive.
    CZentrixArchive out;
    moved_to.Serialize(out);
    CZentrixArchive in(out.takeStoredBytes());
    CEntity3D loaded;
    loaded.Serialize(in);
    EXPECT_TRUE(loaded == copy);
}

TEST(Entity3D, AFileNestedTooDeepIsRefusedByTheArchive) {
    // Thousands of levels of sub-entities written by hand: presence bytes and records, as the
    // record of an entity with sub-entities and nothing else holds them.
    CEntity3D leaf;
    CZentrixArchive shape;
    CEntity3D one;
    (void)one.addSubEntity(leaf);
    one.Serialize(shape);
    const std::vector<std::byte> oneLevel = shape.takeStoredBytes();
    CZentrixArchive leafOut;
    leaf.Serialize(leafOut);
    const std::vector<std::byte> leafBytes = leafOut.takeStoredBytes();
    // The bytes of "one" are: header, the head of the entity up to its child, the child's record,
    // the tail. Nest the head 5,000 times around the leaf, then the tails.
    const std::size_t header = 8;
    const std::size_t childBody = leafBytes.size() - header;
    const std::size_t tail = 0;
    std::size_t childAt = 0;
    for (std::size_t at = header; at + childBody <= oneLevel.size(); ++at) {
        if (std::equal(leafBytes.begin() + header, leafBytes.end(), oneLevel.begin() + at)) {
            childAt = at;
        }
    }
    ASSERT_GT(childAt, header);
    const std::vector<std::byte> head(oneLevel.begin() + header, oneLevel.begin() + childAt);
    const std::vector<std::byte> rest(oneLevel.begin() + childAt + childBody, oneLevel.end());
    std::vector<std::byte> nested(oneLevel.begin(), oneLevel.begin() + header);
    constexpr int kLevels = 5000;
    for (int i = 0; i < kLevels; ++i) nested.insert(nested.end(), head.begin(), head.end());
    nested.insert(nested.end(), leafBytes.begin() + header, leafBytes.end());
    for (int i = 0; i < kLevels; ++i) nested.insert(nested.end(), rest.begin(), rest.end());
    (void)tail;

    CZentrixArchive in(std::move(nested));
    CEntity3D loaded;
    try {
        loaded.Serialize(in);
        ADD_FAILURE() << "loaded";
    } catch (const CArchiveException& e) {
        EXPECT_NE(std::string(e.what()).find("nested"), std::string::npos) << e.what();
    }
}

// Document links are held through CCompactValue: heap memory only while there are any, while
// every reader, the record and the visitors see an ID set as before.
TEST(CompactValue, HeldExactlyWhileNotEmpty) {
    using Links = CCompactValue<CDocumentFileIDArray>;
    const CDocumentFileID a = fresh<CDocumentFileID>(), b = fresh<CDocumentFileID>();
    Links links;
    EXPECT_FALSE(links.isHeld());
    EXPECT_EQ(links.get().GetSize(), 0);
    EXPECT_EQ(links.modify([&](CDocumentFileIDArray& ids) { return ids.Add(a); }), 0);
    EXPECT_TRUE(links.isHeld());
    // A refused change of a held value keeps it; one that empties it gives the memory back.
    EXPECT_FALSE(links.modify([&](CDocumentFileIDArray& ids) { return ids.removeByID(b); }));
    EXPECT_TRUE(links.isHeld());
    EXPECT_TRUE(links.modify([&](CDocumentFileIDArray& ids) { return ids.removeByID(a); }));
    EXPECT_FALSE(links.isHeld());
    // A change that throws leaves nothing held behind.
    EXPECT_THROW(links.modify([](CDocumentFileIDArray&) -> int { throw std::runtime_error("x"); }),
                 std::runtime_error);
    EXPECT_FALSE(links.isHeld());
    // A refused first change holds nothing either.
    EXPECT_FALSE(links.modify([&](CDocumentFileIDArray& ids) { return ids.removeByID(a); }));
    EXPECT_FALSE(links.isHeld());

    // Setting: an empty set is no value; copies are deep; absent equals empty.
    CDocumentFileIDArray two;
    (void)two.Add(a);
    (void)two.Add(b);
    links.set(two);
    Links copy = links;
    EXPECT_TRUE(copy == links);
    (void)copy.modify([&](CDocumentFileIDArray& ids) { return ids.removeByID(a); });
    EXPECT_EQ(links.get().GetSize(), 2);
    EXPECT_FALSE(copy == links);
    links.set(CDocumentFileIDArray());
    EXPECT_FALSE(links.isHeld());
    EXPECT_TRUE(links == Links());
    copy = links;
    EXPECT_FALSE(copy.isHeld());

    // A value of another type is converted: text for a string field.
    CCompactValue<CProjectString> code;
    code.set(CString(L"A-100"));
    EXPECT_TRUE(code.isHeld());
    EXPECT_EQ(code.get().getString(), CString(L"A-100"));
    code.set(CString());
    EXPECT_FALSE(code.isHeld());
}

TEST(CompactValue, RecordIsTheValuesOwnAndAFailedLoadKeepsTheOld) {
    using Links = CCompactValue<CDocumentFileIDArray>;
    CDocumentFileIDArray ids;
    (void)ids.Add(fresh<CDocumentFileID>());
    Links links;
    CDocumentFileIDArray none;
    EXPECT_EQ(conformance::save(links), conformance::save(none));
    links.set(ids);
    const std::vector<std::byte> bytes = conformance::save(links);
    EXPECT_EQ(bytes, conformance::save(ids));
    EXPECT_TRUE(conformance::load<Links>(bytes) == links);
    EXPECT_FALSE(conformance::load<Links>(conformance::save(none)).isHeld());

    // Cut short: the load throws and the value held before is still there, whole.
    const std::vector<std::byte> cut(bytes.begin(), bytes.end() - 1);
    CZentrixArchive in{std::span<const std::byte>(cut)};
    Links target = links;
    EXPECT_THROW(target.Serialize(in), CArchiveException);
    EXPECT_TRUE(target == links);
}

namespace {

// Visitors of an entity's values: one finds its document links, one adds a link.
struct LinksFinder {
    static constexpr bool s_valuesOnly = true;
    CDocumentFileIDArray* links = nullptr;
    template <class T>
    void value(const char* name, T& value) {
        if constexpr (std::is_same_v<T, CDocumentFileIDArray>)
            if (std::string_view(name) == "DocumentFileIDs") links = &value;
    }
};

struct LinkAdder {
    static constexpr bool s_valuesOnly = true;
    CDocumentFileID id = fresh<CDocumentFileID>();
    void value(const char* name, CDocumentFileIDArray& links) {
        if (std::string_view(name) == "DocumentFileIDs") (void)links.Add(id);
    }
    template <class T>
    void value(const char*, T&) {}
};

}  // namespace

TEST(CompactValue, VisitorsReachTheEntitysOwnIDSet) {
    // A visitor given the writable set that only looks (the JSON reader of an empty list) changes
    // nothing.
    CEntity3D entity = namedEntity(L"linked");
    const CEntity3D before = entity;
    LinksFinder look;
    entity.visitValues(look);
    ASSERT_NE(look.links, nullptr);
    EXPECT_TRUE(entity == before);

    // A visitor that writes reaches the entity's own links.
    LinkAdder write;
    entity.visitValues(write);
    ASSERT_EQ(entity.getDocumentFileIDs().GetSize(), 1);
    EXPECT_EQ(entity.getDocumentFileIDs().findByID(write.id), 0);
    const CEntity3D back = conformance::load<CEntity3D>(conformance::save(entity));
    EXPECT_TRUE(back == entity);
}
