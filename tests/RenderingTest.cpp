// The rendering values and the 3D kinds beyond the conformance suite: material records byte by
// byte and across file versions, hostile material and image records, parameter iteration and
// defaults, renderer settings, sky boxes and their images, cutting planes, lights and notations.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "basetypes/CArchive.h"
#include "model3d/C3DNotation.h"
#include "model3d/CCuttingPlane.h"
#include "model3d/CGraphicalImage.h"
#include "model3d/CIRayMaterialDefinition.h"
#include "model3d/CIraySettings.h"
#include "model3d/CPhysicalLight.h"
#include "model3d/CSkyBox.h"
#include "tests/RoundTrip.h"

namespace {

using conformance::load;
using conformance::save;

// A value read from bytes written at any version (the version is in the archive's header).
template <class T>
void loadInto(T& value, const std::vector<std::byte>& bytes) {
    CZentrixArchive in{std::span<const std::byte>(bytes)};
    value.Serialize(in);
    EXPECT_EQ(in.remaining(), 0u);
}

CIRayMaterialDefinition plasterDefinition() {
    CIRayMaterialDefinition definition;
    definition.setMdlName(L"::materials::plaster");
    definition.setDisplayName(L"Plaster \u00e9");
    definition.addAttr(L"tint", L"color");
    definition.addAttr(L"roughness", L"float");
    definition.setVecElementType(L"tint", IrayElementTypeValue::Color);
    return definition;
}

// The definition's record as the archive items it is made of, written by hand.
void writeDefinitionItems(CZentrixArchive& ar, const CIRayMaterialDefinition& definition,
                          const CIRayMaterialInstance* defaults) {
    ar << definition.getMdlName().getString();
    ar << definition.getDisplayName().getString();
    ar << static_cast<std::uint32_t>(definition.getAttrCount());
    for (const auto& [name, type] : definition.getAttributes().entries()) ar << name << type;
    ar << (defaults != nullptr);
    if (defaults) {
        writeDefinitionItems(ar, defaults->getMaterialDefinition(), nullptr);
        ar << static_cast<std::uint32_t>(defaults->getAttrValueCount());
        for (const auto& [name, value] : defaults->getValues().entries()) ar << name << value;
    }
    ar << static_cast<std::uint64_t>(definition.getElementTypes().count());
    for (const auto& [name, type] : definition.getElementTypes().entries())
        ar << name << static_cast<std::int32_t>(type.toInt());
}

TEST(IRayMaterial, RecordsAreTheDocumentedItemsInNameOrder) {
    CIRayMaterialDefinition definition = plasterDefinition();
    CIRayMaterialInstance defaults(CIRayMaterialDefinition{});
    defaults.addValueAttr(L"roughness", L"0.5");
    defaults.addValueAttr(L"tint", L"1 1 1");
    definition.setMaterialDefaults(defaults);

    CZentrixArchive expected;
    writeDefinitionItems(expected, definition, &defaults);
    EXPECT_EQ(save(definition), expected.takeStoredBytes());

    CIRayMaterialInstance instance(definition);
    instance.addValueAttr(L"tint", L"0.9 0.8 0.7");
    CZentrixArchive expectedInstance;
    writeDefinitionItems(expectedInstance, definition, &defaults);
    expectedInstance << std::uint32_t{1} << CString(L"tint") << CString(L"0.9 0.8 0.7");
    const auto bytes = save(instance);
    EXPECT_EQ(bytes, expectedInstance.takeStoredBytes());
    const CIRayMaterialInstance loaded = load<CIRayMaterialInstance>(bytes);
    EXPECT_TRUE(loaded == instance);
    ASSERT_NE(loaded.getMaterialDefinition().getMaterialDefaults(), nullptr);
    EXPECT_TRUE(*loaded.getMaterialDefinition().getMaterialDefaults() == defaults);
}

TEST(IRayMaterial, OlderVersionsHoldFewerItemsAndLoadingKeepsTheRest) {
    CIRayMaterialDefinition saved = plasterDefinition();
    saved.setMaterialDefaults(CIRayMaterialInstance(CIRayMaterialDefinition{}));

    // 369: the MDL name and the attributes only.
    CZentrixArchive expected369(369);
    expected369 << saved.getMdlName().getString() << std::uint32_t{2} << CString(L"roughness")
                << CString(L"float") << CString(L"tint") << CString(L"color");
    const auto bytes369 = save(saved, 369);
    EXPECT_EQ(bytes369, expected369.takeStoredBytes());

    CIRayMaterialDefinition target;
    target.setMdlName(L"old");
    target.setDisplayName(L"kept");
    target.addAttr(L"gone", L"int");
    target.setVecElementType(L"gone", IrayElementTypeValue::Int);
    CIRayMaterialInstance keptDefaults;
    keptDefaults.addValueAttr(L"gone", L"3");
    target.setMaterialDefaults(keptDefaults);
    loadInto(target, bytes369);
    EXPECT_EQ(target.getMdlName(), saved.getMdlName());
    EXPECT_TRUE(target.getAttributes() == saved.getAttributes());
    EXPECT_EQ(target.getDisplayName().getString(), CString(L"kept"));
    ASSERT_NE(target.getMaterialDefaults(), nullptr);
    EXPECT_TRUE(*target.getMaterialDefaults() == keptDefaults);
    EXPECT_EQ(target.getVecElementType(L"gone"), IrayElementTypeValue::Int);

    // 370: display name and defaults too, the element types not yet.
    const auto bytes370 = save(saved, 370);
    CIRayMaterialDefinition target370 = target;
    loadInto(target370, bytes370);
    EXPECT_EQ(target370.getDisplayName(), saved.getDisplayName());
    EXPECT_TRUE(*target370.getMaterialDefaults() == *saved.getMaterialDefaults());
    EXPECT_TRUE(target370.hasVecElementType(L"gone"));
    EXPECT_FALSE(target370.hasVecElementType(L"tint"));

    // 371 holds everything; a definition without defaults says so in one byte.
    saved.clearMaterialDefaults();
    const auto bytes371 = save(saved, 371);
    CIRayMaterialDefinition target371 = target;
    loadInto(target371, bytes371);
    EXPECT_TRUE(target371 == saved);
    EXPECT_EQ(target371.getMaterialDefaults(), nullptr);
}

TEST(IRayMaterial, HostileRecordsEndInTheArchivesException) {
    // Defaults holding defaults without end: the record depth limit stops the load.
    CZentrixArchive nested;
    for (int i = 0; i < 5000; ++i) nested << CString() << CString() << std::uint32_t{0} << true;
    const auto deep = nested.takeStoredBytes();
    EXPECT_THROW(load<CIRayMaterialDefinition>(deep), CArchiveException);

    // A count no remaining bytes can hold is refused before anything is allocated.
    CZentrixArchive huge;
    huge << CString(L"m") << CString() << std::uint32_t{0xFFFFFFFF} << CString(L"a");
    EXPECT_THROW(load<CIRayMaterialDefinition>(huge.takeStoredBytes()), CArchiveException);
    CZentrixArchive hugeTypes;
    hugeTypes << CString(L"m") << CString() << std::uint32_t{0} << false
              << std::uint64_t{0xFFFFFFFFFFFFFFFF};
    EXPECT_THROW(load<CIRayMaterialDefinition>(hugeTypes.takeStoredBytes()), CArchiveException);

    // A name listed twice would not come back as written.
    CZentrixArchive repeated;
    repeated << CString(L"m") << CString() << std::uint32_t{2} << CString(L"a") << CString(L"x")
             << CString(L"a") << CString(L"y") << false << std::uint64_t{0};
    EXPECT_THROW(load<CIRayMaterialDefinition>(repeated.takeStoredBytes()), CArchiveException);

    // An element type outside the enumeration.
    CZentrixArchive badType;
    badType << CString(L"m") << CString() << std::uint32_t{0} << false << std::uint64_t{1}
            << CString(L"a") << std::int32_t{99};
    EXPECT_THROW(load<CIRayMaterialDefinition>(badType.takeStoredBytes()), CArchiveException);

    // Every proper prefix of a full instance record.
    CIRayMaterialInstance instance(plasterDefinition());
    instance.addValueAttr(L"tint", L"1 0 0");
    const auto bytes = save(instance);
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        const std::vector<std::byte> prefix(bytes.begin(),
                                            bytes.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_THROW(load<CIRayMaterialInstance>(prefix), CArchiveException) << n;
    }
}

TEST(IRayMaterial, ParametersIterateInNameOrderAndLookupsReportAbsence) {
    CIRayMaterialDefinition definition = plasterDefinition();
    definition.addAttr(L"albedo", L"texture");
    definition.addAttr(L"roughness", L"double");  // replaces
    EXPECT_EQ(definition.getAttrCount(), 3);
    CString name, type;
    EXPECT_FALSE(definition.getNextAttr(name, type));  // no iteration begun
    definition.beginAttrIterator();
    std::vector<std::wstring> names;
    while (definition.getNextAttr(name, type)) names.push_back(name.str());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"albedo", L"roughness", L"tint"}));
    EXPECT_FALSE(definition.getNextAttr(name, type));
    EXPECT_TRUE(definition.findType(type, L"roughness"));
    EXPECT_EQ(type, CString(L"double"));
    type = L"unchanged";
    EXPECT_FALSE(definition.findType(type, L"missing"));
    EXPECT_EQ(type, CString(L"unchanged"));
    EXPECT_FALSE(definition.hasVecElementType(L"albedo"));
    EXPECT_EQ(definition.getVecElementType(L"albedo"), IrayElementType());

    // The cursor is not part of the value: a copy starts at the end, equality ignores it.
    definition.beginAttrIterator();
    CIRayMaterialDefinition copy = definition;
    EXPECT_TRUE(copy == definition);
    EXPECT_FALSE(copy.getNextAttr(name, type));
    EXPECT_TRUE(definition.getNextAttr(name, type));
}

TEST(IRayMaterial, AddDefaultsKeepsOrOverwritesValues) {
    CIRayMaterialInstance defaults;
    defaults.addValueAttr(L"a", L"1");
    defaults.addValueAttr(L"b", L"2");
    CIRayMaterialInstance kept;
    kept.addValueAttr(L"a", L"own");
    kept.addDefaults(defaults, false);
    CString value;
    EXPECT_TRUE(kept.findValue(value, L"a"));
    EXPECT_EQ(value, CString(L"own"));
    EXPECT_TRUE(kept.findValue(value, L"b"));
    EXPECT_EQ(value, CString(L"2"));

    CIRayMaterialInstance overwritten;
    overwritten.addValueAttr(L"a", L"own");
    overwritten.addValueAttr(L"c", L"3");
    overwritten.addDefaults(defaults, true);
    EXPECT_TRUE(overwritten.findValue(value, L"a"));
    EXPECT_EQ(value, CString(L"1"));
    EXPECT_EQ(overwritten.getAttrValueCount(), 3);

    // Defaults taken from the definition's own defaults stay intact.
    CIRayMaterialDefinition definition;
    definition.setMaterialDefaults(defaults);
    definition.setMaterialDefaults(*definition.getMaterialDefaults());
    EXPECT_TRUE(*definition.getMaterialDefaults() == defaults);
}

TEST(IraySettings, DefaultsAndRoundTrip) {
    CIraySettings settings;
    EXPECT_TRUE(settings.getInstancing());
    EXPECT_TRUE(settings.isDeepLearningDenoiserEnabled());
    EXPECT_EQ(settings.getDeepLearningDenoiserStartIter(), 8);
    EXPECT_EQ(settings.getMaxIterations(), 30);
    EXPECT_EQ(settings.getMaxSeconds(), 300);
    EXPECT_EQ(settings.getTimeOfDay(), 2);
    EXPECT_EQ(settings.getCameraShutter(), 64.0);
    EXPECT_EQ(settings.getCapsRGB(), CProjectColorRGB(0x00FF00));
    EXPECT_FALSE(settings.isCapsEnabled());
    settings.setUseCachedResults(true);
    settings.setSunAltitude(0.5);
    const auto bytes = save(settings);
    CIraySettings defaults;
    EXPECT_EQ(bytes.size(), save(defaults).size());
    const CIraySettings loaded = load<CIraySettings>(bytes);
    EXPECT_TRUE(loaded == settings);
    EXPECT_FALSE(loaded == CIraySettings());
}

CGraphicalImage image(const wchar_t* name) {
    CGraphicalImage result;
    result.generateIDs();
    result.setName(name);
    return result;
}

TEST(SkyBox, StartsEmptyAndOwnsItsImages) {
    CSkyBox sky;
    EXPECT_EQ(sky.getName().getString(), CString(L"New SkyBox"));
    EXPECT_TRUE(sky.getCubeMap().isNull());
    EXPECT_EQ(sky.getImageArray().GetSize(), 0);

    const CGraphicalImage a = image(L"a"), b = image(L"b"), c = image(L"c");
    ASSERT_GE(sky.addImage(c), 0);
    ASSERT_GE(sky.addImage(a), 0);
    ASSERT_GE(sky.addImage(b), 0);
    EXPECT_EQ(sky.addImage(a), -1);
    EXPECT_FALSE(sky.removeImage(image(L"absent").getID()));
    EXPECT_EQ(sky.getImageArray().GetSize(), 3);
    EXPECT_TRUE(sky.removeImage(a.getID()));
    const IGraphicalImageConstArrayHandle images = std::as_const(sky).getImageArray();
    ASSERT_EQ(images.GetSize(), 2);
    EXPECT_TRUE(images.find(a.getID()).isNull());
    // The images after the removed one keep their order.
    EXPECT_EQ(images.getConstReference(0)->getID(), c.getID());
    EXPECT_EQ(images.getConstReference(1)->getID(), b.getID());
    EXPECT_FALSE(images.find(b.getID()).isNull());
    EXPECT_FALSE(images.find(c.getID()).isNull());

    sky.allocateCubeMap();
    sky.getWritableCubeMap()->setTopImageID(b.getID());
    sky.allocateCubeMap();  // keeps the one there is
    EXPECT_EQ(sky.getCubeMap()->getTopImageID(), b.getID());
    const CSkyBox loaded = load<CSkyBox>(save(sky));
    EXPECT_TRUE(loaded == sky);
    sky.clearCubeMap();
    EXPECT_TRUE(sky.getCubeMap().isNull());
    EXPECT_FALSE(loaded == sky);
}

TEST(SkyBox, RenewedIDsKeepTheCubeMapOnItsImages) {
    CSkyBox sky;
    const CGraphicalImage front = image(L"front"), top = image(L"top");
    ASSERT_GE(sky.addImage(front), 0);
    ASSERT_GE(sky.addImage(top), 0);
    CCubeMap map;
    map.setFrontImageID(front.getID());
    map.setTopImageID(top.getID());
    CGraphicalImageID elsewhere;
    elsewhere.generateInPlace();
    map.setBottomImageID(elsewhere);
    sky.setCubeMap(map);
    sky.generateIDs();
    const IGraphicalImageConstArrayHandle images = std::as_const(sky).getImageArray();
    const CWrapperHandle<CCubeMap> renewed = sky.getCubeMap();
    EXPECT_FALSE(renewed->getFrontImageID() == front.getID());
    EXPECT_EQ(images.find(renewed->getFrontImageID())->getName().getString(), CString(L"front"));
    EXPECT_EQ(images.find(renewed->getTopImageID())->getName().getString(), CString(L"top"));
    // IDs of no image of the sky box are left alone.
    EXPECT_EQ(renewed->getBottomImageID(), elsewhere);
    EXPECT_FALSE(renewed->getLeftImageID().isValid());
}

TEST(GraphicalImage, DataIsResizedCopiedOrEmptied) {
    CGraphicalImage picture;
    EXPECT_EQ(picture.getWidth().getValue(), 0);
    EXPECT_EQ(picture.getSize(), 0);
    const std::uint8_t pixels[] = {1, 2, 3, 4};
    picture.setData(pixels, 4);
    EXPECT_EQ(picture.getSize(), 4);
    EXPECT_EQ(picture.getData()[3], 4);
    picture.setData(nullptr, 6);
    EXPECT_EQ(picture.getSize(), 6);
    EXPECT_EQ(picture.getData()[0], 1);
    EXPECT_EQ(picture.getData()[5], 0);
    picture.setData(pixels, -3);
    EXPECT_EQ(picture.getSize(), 0);
    picture.setData(pixels, 2);
    picture.setData(pixels, 0);
    EXPECT_EQ(picture.getSize(), 0);
}

TEST(GraphicalImage, ALengthLongerThanTheRecordIsRefused) {
    CGraphicalImage picture = image(L"p");
    const std::uint8_t pixels[] = {9, 8, 7};
    picture.setData(pixels, 3);
    auto bytes = save(picture);
    EXPECT_TRUE(load<CGraphicalImage>(bytes) == picture);
    // The byte count sits after the ID, name, width, height and format.
    CZentrixArchive head;
    head << std::int32_t{0};
    const std::size_t header = head.takeStoredBytes().size() - 4;
    const std::size_t countAt = header + 16 + (4 + 2 * 1) + 2 * 5 + 4;
    // 23 bytes follow the count: the three pixels, the empty import name and the entity ID.
    for (const std::uint32_t hostile : {24u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        auto bad = bytes;
        std::memcpy(&bad[countAt], &hostile, 4);
        CZentrixArchive in{std::span<const std::byte>(bad)};
        CGraphicalImage target;
        try {
            target.Serialize(in);
            ADD_FAILURE() << hostile << " was accepted";
        } catch (const CArchiveException& error) {
            EXPECT_EQ(error.offset(), countAt) << hostile;
        }
    }
}

TEST(CuttingPlane, NullSourcesZeroAndNamesAreGiven) {
    CCuttingPlane plane(L"Level 2 section");
    EXPECT_EQ(plane.getName().getString(), CString(L"Level 2 section"));
    EXPECT_TRUE(plane.getTransform().isIdentityTransform());
    const double box[] = {2.0, 3.0, 4.0};
    plane.setBoxSize(box);
    EXPECT_EQ(plane.getBoxSize()[2], 4.0);
    plane.setTransform(nullptr);
    for (int i = 0; i < CGraphicalTransformDouble::s_elementCount; ++i)
        EXPECT_EQ(plane.getTransform().getMatrix()[i], 0.0);
    plane.setBoxSize(nullptr);
    EXPECT_EQ(plane.getBoxSize()[0], 0.0);
    plane.setShowManipulator(true);
    EXPECT_TRUE(load<CCuttingPlane>(save(plane)) == plane);
}

TEST(PhysicalLightAndNotation, InitialValuesAndFlags) {
    const CPhysicalLight light;
    EXPECT_TRUE(light.getID().isNULL());
    EXPECT_TRUE(light.getEntityID().isNULL());
    EXPECT_EQ(light.getIntensity(), CGraphicalPoint3D());
    EXPECT_EQ(light.getSphereRadius(), 0.0f);

    C3DNotation notation;
    EXPECT_FALSE(notation.getID().isValid());
    notation.setAlwaysOnTop(true);
    EXPECT_TRUE(notation.getAlwaysOnTop().isValid());
    EXPECT_TRUE(notation.getAlwaysOnTop().getValue());
    notation.setAlwaysVisible(false);
    EXPECT_TRUE(notation.getAlwaysVisible().isValid());
    EXPECT_FALSE(notation.getAlwaysVisible().getValue());
    notation.setFontSize(9.5);
    EXPECT_EQ(notation.getFontSize().getValue(), 9.5);
    EXPECT_TRUE(load<C3DNotation>(save(notation)) == notation);
}

}  // namespace
