// Users, roles, companies and permissions: passwords (hashing, verifying, refusals, what reaches
// a saved file), the permission flags, the standard roles, new companies, and the older company
// record with its resources.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "access/CCompany.h"
#include "access/CCompanyLegacy.h"
#include "access/CRole.h"
#include "access/CUser.h"
#include "basetypes/CCryptoUtilities.h"
#include "basetypes/CProjectConstants.h"
#include "project/CProjectDocument.h"
#include "tests/RoundTrip.h"

namespace {

using conformance::filled;
using conformance::load;
using conformance::save;

// Every test of this program hashes passwords at the cheapest cost: the sample project alone
// gives passwords to seven users, at about 0.1 s each in production.
class CheapPasswordHashing : public ::testing::Environment {
public:
    void SetUp() override { CCryptoUtilities::useTestHashCost(); }
};
[[maybe_unused]] const auto* const g_cheapHashing =
    ::testing::AddGlobalTestEnvironment(new CheapPasswordHashing);

std::string text(const CProjectString& value) { return value.getString().toUtf8(); }

CUser userWithPassword(const wchar_t* password) {
    CUser user(L"jsmith", password, L"J. Smith", L"js@site.example", L"+44 1", L"+44 2");
    user.generateIDs();
    return user;
}

// --- Passwords ------------------------------------------------------------------------------

TEST(UserPassword, RightPasswordVerifiesAndOthersAreRefused) {
    const CUser user = userWithPassword(L"s3cret \u00e9t\u00e9 \U0001F511");
    EXPECT_TRUE(user.hasPassword());
    EXPECT_TRUE(user.verifyPassword(L"s3cret \u00e9t\u00e9 \U0001F511"));
    EXPECT_FALSE(user.verifyPassword(L"s3cret \u00e9t\u00e9"));
    EXPECT_FALSE(user.verifyPassword(L"S3cret \u00e9t\u00e9 \U0001F511"));
    EXPECT_FALSE(user.verifyPassword(L""));
    // The text records algorithm, parameters, salt and hash; it holds nothing of the password.
    const std::string hash = text(user.getPassword());
    EXPECT_EQ(hash.rfind("$argon2id$v=19$m=8,t=1,p=1$", 0), 0u) << hash;
    EXPECT_EQ(hash.find("s3cret"), std::string::npos);
    EXPECT_FALSE(user.passwordNeedsRehash());
    EXPECT_EQ(user.getVersion(), IUser::getLatestVersion());
}

TEST(UserPassword, HashDependsOnPasswordAndSaltOnly) {
    CUser a, b;
    ASSERT_NE(text(a.getSalt()), text(b.getSalt()));
    EXPECT_TRUE(CCryptoUtilities::isSalt(a.getSalt()));
    ASSERT_TRUE(a.setPassword(L"same password"));
    ASSERT_TRUE(b.setPassword(L"same password"));
    EXPECT_NE(text(a.getPassword()), text(b.getPassword()));

    // Another login with the same salt and password gives the same hash.
    b.setSalt(a.getSalt());
    b.setLogin(L"someone else");
    ASSERT_TRUE(b.setPassword(L"same password"));
    EXPECT_EQ(text(a.getPassword()), text(b.getPassword()));
    EXPECT_TRUE(b.verifyPassword(L"same password"));
}

TEST(UserPassword, RefusalsLeaveTheHashAsItWas) {
    CUser user = userWithPassword(L"first");
    const std::string before = text(user.getPassword());
    user.setVersion(0);
    // A salt not of the generator's form.
    user.setSalt(L"abc");
    EXPECT_FALSE(user.setPassword(L"second"));
    user.setSalt(L"");
    EXPECT_FALSE(user.setPassword(L"second"));
    user.setSalt(CString(std::wstring(32, L'G')));
    EXPECT_FALSE(user.setPassword(L"second"));
    // A password that is not Unicode text.
    user.setSalt(CCryptoUtilities::generateSalt());
    EXPECT_FALSE(user.setPassword(std::wstring{L'a', static_cast<wchar_t>(0xD800)}));
    EXPECT_EQ(text(user.getPassword()), before);
    EXPECT_EQ(user.getVersion(), 0);
    EXPECT_TRUE(user.verifyPassword(L"first"));

    // An empty password removes the password.
    ASSERT_TRUE(user.setPassword(L""));
    EXPECT_FALSE(user.hasPassword());
    EXPECT_FALSE(user.verifyPassword(L""));
    EXPECT_FALSE(user.verifyPassword(L"first"));
}

TEST(UserPassword, SaltsAreNewOnEveryCall) {
    std::vector<std::string> salts;
    for (int i = 0; i < 64; ++i) {
        const CString salt = CCryptoUtilities::generateSalt();
        ASSERT_TRUE(CCryptoUtilities::isSalt(salt)) << salt.toUtf8();
        salts.push_back(salt.toUtf8());
    }
    std::sort(salts.begin(), salts.end());
    EXPECT_EQ(std::adjacent_find(salts.begin(), salts.end()), salts.end());
}

TEST(UserPassword, VerifiesAfterARoundTripThroughTheArchive) {
    CUser user = userWithPassword(L"round trip");
    const std::vector<std::byte> bytes = save(user);
    const CUser loaded = load<CUser>(bytes);
    EXPECT_EQ(text(loaded.getSalt()), text(user.getSalt()));
    EXPECT_EQ(text(loaded.getPassword()), text(user.getPassword()));
    EXPECT_TRUE(loaded == user);
    EXPECT_TRUE(loaded.verifyPassword(L"round trip"));
    EXPECT_FALSE(loaded.verifyPassword(L"round trap"));
}

TEST(UserPassword, HostileOrMalformedHashesVerifyNothing) {
    const CString salt = CCryptoUtilities::generateSalt();
    const std::string good = CCryptoUtilities::hashPassword(L"pw", salt)->toUtf8();
    const std::string tail = good.substr(good.find("p=1$") + 3);
    const std::string cases[] = {
        "",
        "not a hash",
        // More memory or passes than a login may cost: refused before anything is allocated.
        "$argon2id$v=19$m=4194304,t=1,p=1" + tail,
        "$argon2id$v=19$m=8,t=100000,p=1" + tail,
        "$argon2id$v=19$m=8,t=1,p=4" + tail,
        "$argon2i$v=19$m=8,t=1,p=1" + tail,
        good.substr(0, good.size() - 3),
        good + std::string(200, 'A'),
    };
    for (const std::string& hash : cases)
        EXPECT_FALSE(CCryptoUtilities::verifyPassword(CString::fromUtf8(hash), L"pw")) << hash;
    EXPECT_TRUE(CCryptoUtilities::verifyPassword(CString::fromUtf8(good), L"pw"));
    EXPECT_TRUE(CCryptoUtilities::needsRehash(L"not a hash"));
    EXPECT_FALSE(CCryptoUtilities::needsRehash(CString::fromUtf8(good)));
}

// The bytes of text in one of the encodings a program might have leaked it in.
template <class Unit>
std::vector<std::byte> encoded(const std::u32string& text) {
    std::vector<std::byte> bytes;
    const auto put = [&bytes](auto unit) {
        for (std::size_t i = 0; i < sizeof unit; ++i)
            bytes.push_back(static_cast<std::byte>((unit >> (8 * i)) & 0xFF));
    };
    for (const char32_t c : text) {
        if constexpr (sizeof(Unit) == 1) {
            const std::string utf8 = CString(std::wstring(1, static_cast<wchar_t>(c))).toUtf8();
            for (const char b : utf8) bytes.push_back(static_cast<std::byte>(b));
        } else if constexpr (sizeof(Unit) == 2) {
            if (c >= 0x10000) {
                put(static_cast<std::uint16_t>(0xD800 + ((c - 0x10000) >> 10)));
                put(static_cast<std::uint16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
            } else {
                put(static_cast<std::uint16_t>(c));
            }
        } else {
            put(static_cast<std::uint32_t>(c));
        }
    }
    return bytes;
}

bool contains(std::span<const std::byte> haystack, const std::vector<std::byte>& needle) {
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) !=
           haystack.end();
}

TEST(UserPassword, NoClearPasswordSurvivesInASavedDocument) {
    const std::u32string clear = U"Zebra-\u00e9clair-\U0001F993-7731";
    const std::wstring wide(clear.begin(), clear.end());
    CProjectDocument document;
    CUser user(L"zebra", wide, L"", L"", L"", L"");
    user.generateIDs();
    ASSERT_GE(document.get<CUserRoot>().getArray().Add(user), 0);
    const std::vector<std::byte> bytes = document.saveToBytes();
    // The file does hold the user (and the login, as a check that the search finds text).
    ASSERT_TRUE(contains(bytes, encoded<char16_t>(U"zebra")));
    EXPECT_FALSE(contains(bytes, encoded<char>(clear)));
    EXPECT_FALSE(contains(bytes, encoded<char16_t>(clear)));
    EXPECT_FALSE(contains(bytes, encoded<char32_t>(clear)));
    // Nor does the dump, which redacts hash and salt too.
    const std::string dump = user.dump();
    EXPECT_EQ(dump.find("Zebra"), std::string::npos);
    EXPECT_NE(dump.find("\"Password\":\"<redacted>\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("\"Salt\":\"<redacted>\""), std::string::npos) << dump;
    EXPECT_EQ(dump.find(text(user.getSalt())), std::string::npos);
    // And the saved user still knows its password.
    CProjectDocument opened;
    (void)opened.loadFromBytes(bytes);
    ASSERT_EQ(opened.get<CUserRoot>().getArray().GetSize(), 1);
    EXPECT_TRUE(opened.get<CUserRoot>().getArray().getConstReference(0).verifyPassword(wide));
}

// --- Users ----------------------------------------------------------------------------------

TEST(User, ConstructionDefaults) {
    const CUser user(L"login", L"", L"", L"mail", L"phone", L"mobile");
    EXPECT_EQ(text(user.getName()), "login");
    EXPECT_TRUE(user.getRoleID().isNULL());
    EXPECT_TRUE(user.getCompanyID().isNULL());
    EXPECT_TRUE(user.getIsVisible().getValue());
    EXPECT_FALSE(user.getLdapProperty().getValue());
    EXPECT_EQ(text(user.getMobileTelephoneNumber()), "mobile");

    const CUser plain;
    EXPECT_FALSE(plain.getRoleID().isValid());
    EXPECT_FALSE(plain.getCompanyID().isValid());
    EXPECT_TRUE(plain.getIsVisible().getValue());
    EXPECT_EQ(plain.getVersion(), IUser::getLatestVersion());
    EXPECT_FALSE(plain.hasPassword());
    // A copy keeps the salt; a new user draws its own.
    EXPECT_EQ(text(CUser(plain).getSalt()), text(plain.getSalt()));
    EXPECT_NE(text(CUser().getSalt()), text(plain.getSalt()));
}

TEST(User, PhotoIsCreatedCopiedAndCleared) {
    CUser user;
    user.clearPhoto();
    EXPECT_TRUE(user.getPhoto().isNull());
    CGraphicalImage image = filled<CGraphicalImage>();
    user.setPhoto(image);
    ASSERT_FALSE(user.getPhoto().isNull());
    EXPECT_TRUE(*user.getPhoto() == image);
    // The photo is the user's own copy.
    image.setName(L"changed");
    EXPECT_FALSE(*user.getPhoto() == image);
    const CUser loaded = load<CUser>(save(user));
    EXPECT_TRUE(loaded == user);
    user.clearPhoto();
    EXPECT_TRUE(user.getPhoto().isNull());
    EXPECT_FALSE(loaded == user);
}

// --- Permissions ----------------------------------------------------------------------------

using Flag = bool& (CZentrixPermissions::*)();
using Query = bool (CZentrixPermissions::*)() const;
struct FlagAndQuery {
    Flag flag;
    Query query;
};
const std::array<FlagAndQuery, 21> kFlags = {{
    {&CZentrixPermissions::readSchedule, &CZentrixPermissions::canReadSchedule},
    {&CZentrixPermissions::readActuals, &CZentrixPermissions::canReadActuals},
    {&CZentrixPermissions::readAssignments, &CZentrixPermissions::canReadAssignments},
    {&CZentrixPermissions::readCosts, &CZentrixPermissions::canReadCosts},
    {&CZentrixPermissions::readResourceStatuses, &CZentrixPermissions::canReadResourceStatuses},
    {&CZentrixPermissions::readPresentations, &CZentrixPermissions::canReadPresentations},
    {&CZentrixPermissions::read3D, &CZentrixPermissions::canRead3D},
    {&CZentrixPermissions::readDocuments, &CZentrixPermissions::canReadDocuments},
    {&CZentrixPermissions::readIssues, &CZentrixPermissions::canReadIssues},
    {&CZentrixPermissions::readUserData, &CZentrixPermissions::canReadUserData},
    {&CZentrixPermissions::writeSchedule, &CZentrixPermissions::canWriteSchedule},
    {&CZentrixPermissions::writeActuals, &CZentrixPermissions::canWriteActuals},
    {&CZentrixPermissions::writeAssignments, &CZentrixPermissions::canWriteAssignments},
    {&CZentrixPermissions::writeCosts, &CZentrixPermissions::canWriteCosts},
    {&CZentrixPermissions::writeResourceStatuses, &CZentrixPermissions::canWriteResourceStatuses},
    {&CZentrixPermissions::writePresentations, &CZentrixPermissions::canWritePresentations},
    {&CZentrixPermissions::write3D, &CZentrixPermissions::canWrite3D},
    {&CZentrixPermissions::writeDocuments, &CZentrixPermissions::canWriteDocuments},
    {&CZentrixPermissions::writeIssues, &CZentrixPermissions::canWriteIssues},
    {&CZentrixPermissions::writeUserData, &CZentrixPermissions::canWriteUserData},
    {&CZentrixPermissions::writeProjectSettings, &CZentrixPermissions::canWriteProjectSettings},
}};

// The answers of the 21 queries.
std::array<bool, 21> answers(const CZentrixPermissions& permissions) {
    std::array<bool, 21> result{};
    for (std::size_t i = 0; i < kFlags.size(); ++i) result[i] = (permissions.*kFlags[i].query)();
    return result;
}

TEST(Permissions, EachFlagSetAloneReadsBackAlone) {
    EXPECT_EQ(answers(CZentrixPermissions()), (std::array<bool, 21>{}));
    for (std::size_t i = 0; i < kFlags.size(); ++i) {
        CRole role;
        role.generateIDs();
        CZentrixPermissions permissions;
        (permissions.*kFlags[i].flag)() = true;
        role.setPermissions(permissions);
        // Through the archive, in the place of the record the flag's order gives it.
        const CRole loaded = load<CRole>(save(role));
        std::array<bool, 21> expected{};
        expected[i] = true;
        EXPECT_EQ(answers(loaded.getPermissions()), expected) << "flag " << i;
        EXPECT_FALSE(loaded.getPermissions().isCloudBased());
    }
    // A write flag never implies its read flag (the first ten are read, the next ten write).
    for (std::size_t i = 0; i < 10; ++i) {
        CZentrixPermissions permissions;
        (permissions.*kFlags[10 + i].flag)() = true;
        EXPECT_FALSE((permissions.*kFlags[i].query)()) << i;
    }
}

TEST(Permissions, ContentAndCloudFlag) {
    ExternalPermissionsContent content;
    content.writeSchedule = true;
    content.readIssues = true;
    CZentrixPermissions permissions;
    permissions.setPermissionsContent(content, true);
    EXPECT_TRUE(permissions.isCloudBased());
    EXPECT_TRUE(permissions.getPermissionsContent() == content);
    EXPECT_TRUE(permissions.canWriteSchedule());
    EXPECT_FALSE(permissions.canReadSchedule());
    // The cloud flag changes no answer.
    CZentrixPermissions local;
    local.setPermissionsContent(content, false);
    EXPECT_EQ(answers(local), answers(permissions));
    EXPECT_FALSE(local == permissions);
}

// --- Roles and companies --------------------------------------------------------------------

TEST(Role, NewRolesGrantNothingAndStandardRolesTheirPermissions) {
    const CRole role;
    EXPECT_FALSE(role.getID().isValid());
    EXPECT_EQ(answers(role.getPermissions()), (std::array<bool, 21>{}));

    CRole administrator;
    ASSERT_TRUE(
        administrator.initializeAsStandardRole(CProjectConstants::getNameOfAdministratorRole()));
    EXPECT_EQ(text(administrator.getName()), "Administrator");
    std::array<bool, 21> all;
    all.fill(true);
    EXPECT_EQ(answers(administrator.getPermissions()), all);

    CRole guest;
    ASSERT_TRUE(guest.initializeAsStandardRole(CProjectConstants::getNameOfGuestRole()));
    const std::array<bool, 21> guestAnswers = answers(guest.getPermissions());
    EXPECT_TRUE(guest.getPermissions().canReadSchedule());
    EXPECT_TRUE(
        std::none_of(guestAnswers.begin() + 10, guestAnswers.end(), [](bool b) { return b; }));

    for (const CString& name :
         {CProjectConstants::getNameOfPlannerRole(), CProjectConstants::getNameOfUserRole(),
          CProjectConstants::getNameOfFieldRole(), CProjectConstants::getNameOfViewerRole(),
          CProjectConstants::getNameOfVDCRole()}) {
        CRole standard;
        ASSERT_TRUE(standard.initializeAsStandardRole(name)) << name.toUtf8();
        EXPECT_TRUE(standard.getPermissions().canReadSchedule()) << name.toUtf8();
        EXPECT_FALSE(standard.getPermissions().canWriteProjectSettings()) << name.toUtf8();
    }
    CRole other;
    other.setName(L"Custom");
    EXPECT_FALSE(other.initializeAsStandardRole(L"administrator"));
    EXPECT_EQ(text(other.getName()), "Custom");
    EXPECT_EQ(answers(other.getPermissions()), (std::array<bool, 21>{}));
}

TEST(Company, NewCompanyIsAWhiteContractor) {
    const CCompany company;
    EXPECT_EQ(company.getType().toInt(), 1);
    EXPECT_TRUE(company.getColor() == CProjectColorRGB::white());
    EXPECT_EQ(company.getColor().getPacked(), CProjectConstants::getDefaultCompanyColor());
    EXPECT_FALSE(company.getCalendarID().isValid());
    const CCompanyLegacy legacy;
    EXPECT_EQ(legacy.getType().toInt(), 1);
    EXPECT_TRUE(legacy.getColor() == CProjectColorRGB::white());
    EXPECT_EQ(legacy.getResources().GetSize(), 0);
}

// --- The older company record -----------------------------------------------------------------

// A filled resource without histories (nor sub-resources, which have theirs): files older than the
// keyed histories key each history by its state, which a filled history's random group ID would not
// survive.
CResource resource(int number) {
    CResource made = filled<CResource>(static_cast<std::uint64_t>(100 + number));
    made.removeAllHistories();
    made.removeAllSubResources();
    return made;
}

CResourceID freshResourceID() {
    CResourceID id;
    id.generateInPlace();
    return id;
}

CCompanyLegacy legacyCompany() {
    CCompanyLegacy company;
    company.copyFrom(filled<CCompany>(5));
    company.setState(0x1122334455667788ULL);
    EXPECT_GE(company.addResource(resource(1)), 0);
    EXPECT_GE(company.addResource(resource(2)), 0);
    return company;
}

TEST(CompanyLegacy, RecordIsTheOlderCompanyRecordByteByByte) {
    for (const int version :
         {IResource::s_firstKeyedHistoriesVersion - 1, CZentrixArchive::s_currentFileVersion}) {
        CCompanyLegacy company = legacyCompany();
        const std::vector<std::byte> bytes = save(company, version);

        // The same values written one by one in the record's order.
        CZentrixArchive expected(version);
        CCompanyLegacy copy(company);
        std::uint64_t state = company.getState();
        CCompanyID id = company.getID();
        CCompanyType type = company.getType();
        CCalendarID calendar = company.getCalendarID();
        CProjectString name = company.getName(), address = company.getAddress(),
                       telephone = company.getTelephoneNumber(), fax = company.getFaxNumber(),
                       email = company.getEmailAddress(), url = company.getURL();
        CProjectColorRGB color = company.getColor();
        expected << zx::archiveTag("CCompany") << state;
        id.Serialize(expected);
        type.Serialize(expected);
        calendar.Serialize(expected);
        copy.getResources().Serialize(expected);
        for (CProjectString* value : {&name, &address, &telephone, &fax, &email})
            value->Serialize(expected);
        color.Serialize(expected);
        url.Serialize(expected);
        expected << ~zx::archiveTag("CCompany");
        const std::span<const std::byte> want = expected.storedBytes();
        ASSERT_EQ(bytes.size(), want.size()) << version;
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), want.begin())) << version;

        // It reads back to the same company, state and resources included.
        const CCompanyLegacy loaded = load<CCompanyLegacy>(bytes);
        EXPECT_TRUE(loaded == company) << version;
        EXPECT_EQ(loaded.getState(), company.getState());
        EXPECT_EQ(loaded.getResources().GetSize(), 2);
    }
}

TEST(CompanyLegacy, TruncatedOrForeignRecordsAreRefused) {
    CCompanyLegacy company = legacyCompany();
    const std::vector<std::byte> bytes = save(company);
    // Every cut through the record (past the archive's 8-byte header).
    for (std::size_t size = 8; size < bytes.size(); size += 7) {
        const std::vector<std::byte> cut(bytes.begin(), bytes.begin() + static_cast<long>(size));
        CZentrixArchive in{std::span<const std::byte>(cut)};
        CCompanyLegacy loaded;
        EXPECT_THROW(loaded.Serialize(in), CArchiveException) << size;
    }
    // The record of CCompany is not the older record.
    CCompany current = filled<CCompany>();
    const std::vector<std::byte> other = save(current);
    CZentrixArchive in{std::span<const std::byte>(other)};
    CCompanyLegacy loaded;
    EXPECT_THROW(loaded.Serialize(in), CArchiveException);
}

TEST(CompanyLegacy, ResourcesMoveInAndOut) {
    CCompanyLegacy company = legacyCompany();
    const CResourceID first = company.getResources().getConstReference(0)->getID();
    const CCompanyLegacy before(company);

    // Unknown IDs change nothing.
    EXPECT_TRUE(company.detachResource(freshResourceID()).isNull());
    EXPECT_FALSE(company.removeResource(freshResourceID()));
    EXPECT_FALSE(company.attachResource(IResourceWritableHandle()));
    EXPECT_TRUE(company == before);

    // A detached resource is the caller's until attached again, at the end.
    IResourceWritableHandle detached = company.detachResource(first);
    ASSERT_FALSE(detached.isNull());
    EXPECT_EQ(company.getResources().GetSize(), 1);
    EXPECT_TRUE(company.getResources().find(first).isNull());
    ASSERT_TRUE(company.attachResource(detached));
    EXPECT_EQ(company.getResources().GetSize(), 2);
    EXPECT_TRUE(company.getResources().getConstReference(1)->getID() == first);
    // A second resource with that ID is refused.
    EXPECT_EQ(company.addResource(*company.getResources().getConstReference(1)), -1);

    EXPECT_TRUE(company.removeResource(first));
    EXPECT_FALSE(company.removeResource(first));
    EXPECT_EQ(company.getResources().GetSize(), 1);
    EXPECT_FALSE(company == before);
}

TEST(CompanyLegacy, CopiesTakeResourcesAndCopyFromTakesValuesOnly) {
    const CCompanyLegacy company = legacyCompany();
    CCompanyLegacy assigned;
    assigned = company;
    EXPECT_TRUE(assigned == company);
    CCompanyLegacy constructed(company);
    EXPECT_TRUE(constructed == company);
    // Deep: changing the copy's resource leaves the original's.
    constructed.getResources().getWritableReference(0)->setName(L"changed");
    EXPECT_FALSE(constructed == company);

    CCompanyLegacy valuesOnly;
    valuesOnly.copyFrom(company);
    EXPECT_TRUE(static_cast<const ICompany&>(valuesOnly) == company);
    EXPECT_EQ(valuesOnly.getResources().GetSize(), 0);

    CCompanyLegacy renewed(company);
    renewed.generateIDs();
    EXPECT_FALSE(renewed.getID() == company.getID());
    for (int i = 0; i < 2; ++i)
        EXPECT_TRUE(company.getResources()
                        .find(renewed.getResources().getConstReference(i)->getID())
                        .isNull());
}

}  // namespace
