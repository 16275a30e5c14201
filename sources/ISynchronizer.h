// ISynchronizer: a stored link between the project and one external source: what the source is
// and where it lies, when and how it was last and first used, the option values of both
// directions, the document-management (Vaultline) link, and the settings object of its source
// type, which it owns.
//
// Invariant: at most one settings object exists, the one that belongs to ProductType (XML and
// NetPoint share the XML settings); a new synchronizer holds none. Init switches the type. A
// loaded record that holds settings of another type is refused, so the invariant survives any
// file.
//
// Login, password and the Vaultline login are stored as given and are secret to every dump.
//
// Archive record: the fields in description order; each settings slot is a presence byte
// followed, when present, by the settings' record.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

#include "basetypes/CHeapValue.h"
#include "basetypes/CIDBase.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/CSOptionValueGroup.h"
#include "basetypes/CString.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/SourceEnumerations.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "sources/CAstaProject.h"
#include "sources/CEntity3DProject.h"
#include "sources/CExcelProject.h"
#include "sources/CIFCProject.h"
#include "sources/COrbeonProject.h"
#include "sources/COurplanProject.h"
#include "sources/CPrimaveraProject.h"
#include "sources/CSafranProject.h"
#include "sources/CSaprimaProject.h"
#include "sources/CXMLProject.h"
#include "sources/CZentrixProject.h"
#include "store/ArrayHandles.h"

class ZX_API ISynchronizer : public IDescribed<ISynchronizer> {
public:
    static constexpr const char* s_kindName = "Synchronizer";

    struct Fields {
        CSynchronizerID id;
        CProjectString synchronizerName;
        CProjectString fileName;
        CProjectString filePath;
        CProjectString typeOfOperation;
        CProjectTime timeOfOperation;
        CProjectString login;
        CProjectString password;
        CProjectString originalFileName;
        CProjectString originalFilePath;
        CProjectString originalOperation;
        CProjectTime originalTime;
        CSOptionValueGroup synFromOptionValues;
        CSOptionValueGroup synToOptionValues;
        CProjectBool isVaultlineProject = false;
        CProjectString vaultlineDatasource;
        CProjectString vaultlineLogin;
        std::int32_t vaultlineProjectID = 0;
        std::int32_t vaultlineDocumentID = 0;
        // The null ID (all zero), not the unset one.
        CIDBase vaultlineDocumentGUID = CIDBase(CIDBase::getNullGUID());
        CProjectString vaultlineLastUpdated;
        CSynchronizerType productType;
        CHeapValue<CAstaProject> astaProject;
        CHeapValue<CPrimaveraProject> primaveraProject;
        CHeapValue<CXMLProject> xmlProject;
        CHeapValue<CEntity3DProject> entity3DProject;
        CHeapValue<CIFCProject> ifcProject;
        CHeapValue<CSafranProject> safranProject;
        CHeapValue<CZentrixProject> zentrixProject;
        CHeapValue<COrbeonProject> orbeonProject;
        CHeapValue<CExcelProject> excelProject;
        CHeapValue<CSaprimaProject> saprimaProject;
        CHeapValue<COurplanProject> ourplanProject;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("SynchronizerName", &Fields::synchronizerName);
        v.field("FileName", &Fields::fileName);
        v.field("FilePath", &Fields::filePath);
        v.field("TypeOfOperation", &Fields::typeOfOperation);
        v.field("TimeOfOperation", &Fields::timeOfOperation);
        v.field("Login", &Fields::login, {.secret = true});
        v.field("Password", &Fields::password, {.secret = true});
        v.field("OriginalFileName", &Fields::originalFileName);
        v.field("OriginalFilePath", &Fields::originalFilePath);
        v.field("OriginalOperation", &Fields::originalOperation);
        v.field("OriginalTime", &Fields::originalTime);
        v.field("SynFromOptionValues", &Fields::synFromOptionValues);
        v.field("SynToOptionValues", &Fields::synToOptionValues);
        v.field("IsVaultlineProject", &Fields::isVaultlineProject);
        v.field("VaultlineDatasource", &Fields::vaultlineDatasource);
        v.field("VaultlineLogin", &Fields::vaultlineLogin, {.secret = true});
        v.field("VaultlineProjectID", &Fields::vaultlineProjectID);
        v.field("VaultlineDocumentID", &Fields::vaultlineDocumentID);
        v.field("VaultlineDocumentGUID", &Fields::vaultlineDocumentGUID);
        v.field("VaultlineLastUpdated", &Fields::vaultlineLastUpdated);
        v.field("ProductType", &Fields::productType);
        v.field("AstaProject", &Fields::astaProject);
        v.field("PrimaveraProject", &Fields::primaveraProject);
        v.field("XMLProject", &Fields::xmlProject);
        v.field("Entity3DProject", &Fields::entity3DProject);
        v.field("IFCProject", &Fields::ifcProject);
        v.field("SafranProject", &Fields::safranProject);
        v.field("ZentrixProject", &Fields::zentrixProject);
        v.field("OrbeonProject", &Fields::orbeonProject);
        v.field("ExcelProject", &Fields::excelProject);
        v.field("SaprimaProject", &Fields::saprimaProject);
        v.field("OurplanProject", &Fields::ourplanProject);
    }

    // Loads or stores the record; a loaded record holding settings of another source type than
    // its own is refused.
    void Serialize(CZentrixArchive& ar) override;

    const CSynchronizerID& getID() const { return fields().id; }
    void setID(const CSynchronizerID& id) { fields().id = id; }

    // Texts stored as given, or as "empty" when given an empty text.
    const CProjectString& getSynchronizerName() const { return fields().synchronizerName; }
    void setSynchronizerName(const CString& name) { setOrEmpty(fields().synchronizerName, name); }
    const CProjectString& getFileName() const { return fields().fileName; }
    void setFileName(const CString& name) { setOrEmpty(fields().fileName, name); }
    const CProjectString& getFilePath() const { return fields().filePath; }
    void setFilePath(const CString& path) { setOrEmpty(fields().filePath, path); }
    const CProjectString& getTypeOfOperation() const { return fields().typeOfOperation; }
    void setTypeOfOperation(const CString& text) { setOrEmpty(fields().typeOfOperation, text); }
    const CProjectString& getOriginalFileName() const { return fields().originalFileName; }
    void setOriginalFileName(const CString& name) { setOrEmpty(fields().originalFileName, name); }
    const CProjectString& getOriginalFilePath() const { return fields().originalFilePath; }
    void setOriginalFilePath(const CString& path) { setOrEmpty(fields().originalFilePath, path); }
    const CProjectString& getOriginalOperation() const { return fields().originalOperation; }
    void setOriginalOperation(const CString& text) { setOrEmpty(fields().originalOperation, text); }

    // Times stored as given when valid, as the default time otherwise.
    const CProjectTime& getTimeOfOperation() const { return fields().timeOfOperation; }
    void setTimeOfOperation(const CProjectTime& time) {
        setValidOrDefault(fields().timeOfOperation, time);
    }
    const CProjectTime& getOriginalTime() const { return fields().originalTime; }
    void setOriginalTime(const CProjectTime& time) {
        setValidOrDefault(fields().originalTime, time);
    }

    // Texts stored as given, an empty one included.
    const CProjectString& getLogin() const { return fields().login; }
    void setLogin(const CString& login) { fields().login = login; }
    const CProjectString& getPassword() const { return fields().password; }
    void setPassword(const CString& password) { fields().password = password; }
    const CProjectString& getVaultlineDatasource() const { return fields().vaultlineDatasource; }
    void setVaultlineDatasource(const CString& text) { fields().vaultlineDatasource = text; }
    const CProjectString& getVaultlineLogin() const { return fields().vaultlineLogin; }
    void setVaultlineLogin(const CString& login) { fields().vaultlineLogin = login; }
    const CProjectString& getVaultlineLastUpdated() const { return fields().vaultlineLastUpdated; }
    void setVaultlineLastUpdated(const CString& text) { fields().vaultlineLastUpdated = text; }

    const CSOptionValueGroup& getSynFromOptionValues() const {
        return fields().synFromOptionValues;
    }
    void setSynFromOptionValues(const CSOptionValueGroup& values) {
        fields().synFromOptionValues = values;
    }
    const CSOptionValueGroup& getSynToOptionValues() const { return fields().synToOptionValues; }
    void setSynToOptionValues(const CSOptionValueGroup& values) {
        fields().synToOptionValues = values;
    }

    bool isVaultlineProject() const { return fields().isVaultlineProject.getValue(); }
    void setVaultlineProject(bool value) { fields().isVaultlineProject = value; }
    int getVaultlineProjectID() const { return fields().vaultlineProjectID; }
    void setVaultlineProjectID(int id) { fields().vaultlineProjectID = id; }
    int getVaultlineDocumentID() const { return fields().vaultlineDocumentID; }
    void setVaultlineDocumentID(int id) { fields().vaultlineDocumentID = id; }
    CIDBase getVaultlineDocumentGUID() const { return fields().vaultlineDocumentGUID; }
    void setVaultlineDocumentGUID(const CIDBase& id) { fields().vaultlineDocumentGUID = id; }

    const CSynchronizerType& getProductType() const { return fields().productType; }
    // Makes type the source type: keeps the settings object of that type (emptied, the same
    // object) or creates it, and deletes every other one. A type without settings deletes all.
    void Init(const CSynchronizerType& type);

    // The settings of a type: a handle on the held object, or a null handle when the synchronizer
    // holds none of that type. A setter copies into the held object and refuses (false) when
    // there is none: Init with the matching type comes first.
    CAstaProjectHandle getAstaProject() const { return handleOn(fields().astaProject); }
    [[nodiscard]] bool setAstaProject(const IAstaProject& s) {
        return copyInto(fields().astaProject, s);
    }
    CPrimaveraProjectHandle getPrimaveraProject() const {
        return handleOn(fields().primaveraProject);
    }
    [[nodiscard]] bool setPrimaveraProject(const IPrimaveraProject& s) {
        return copyInto(fields().primaveraProject, s);
    }
    CXMLProjectHandle getXMLProject() const { return handleOn(fields().xmlProject); }
    [[nodiscard]] bool setXMLProject(const IXMLProject& s) {
        return copyInto(fields().xmlProject, s);
    }
    CXMLProjectHandle getNetPointProject() const { return handleOn(fields().xmlProject); }
    [[nodiscard]] bool setNetPointProject(const IXMLProject& s) {
        return copyInto(fields().xmlProject, s);
    }
    CEntity3DProjectHandle getEntity3DProject() const { return handleOn(fields().entity3DProject); }
    [[nodiscard]] bool setEntity3DProject(const IEntity3DProject& s) {
        return copyInto(fields().entity3DProject, s);
    }
    CIFCProjectHandle getIFCProject() const { return handleOn(fields().ifcProject); }
    [[nodiscard]] bool setIFCProject(const IIFCProject& s) {
        return copyInto(fields().ifcProject, s);
    }
    CSafranProjectHandle getSafranProject() const { return handleOn(fields().safranProject); }
    [[nodiscard]] bool setSafranProject(const ISafranProject& s) {
        return copyInto(fields().safranProject, s);
    }
    CZentrixProjectHandle getZentrixProject() const { return handleOn(fields().zentrixProject); }
    [[nodiscard]] bool setZentrixProject(const IZentrixProject& s) {
        return copyInto(fields().zentrixProject, s);
    }
    COrbeonProjectHandle getOrbeonProject() const { return handleOn(fields().orbeonProject); }
    [[nodiscard]] bool setOrbeonProject(const IOrbeonProject& s) {
        return copyInto(fields().orbeonProject, s);
    }
    CExcelProjectHandle getExcelProject() const { return handleOn(fields().excelProject); }
    [[nodiscard]] bool setExcelProject(const IExcelProject& s) {
        return copyInto(fields().excelProject, s);
    }

    // Calls f(settings) with the held settings object, if there is one.
    template <class F>
    void visitSettings(F&& f) const {
        forEachSettings(fields(), [&](const auto& slot, std::initializer_list<SynchronizerType>) {
            if (slot) f(*slot.get());
        });
    }
    template <class F>
    void visitWritableSettings(F&& f) {
        forEachSettings(fields(), [&](auto& slot, std::initializer_list<SynchronizerType>) {
            if (slot) f(*slot.getWritable());
        });
    }

    // Drops every settings object that does not belong to the source type (for whatever sets the
    // fields without Init: readers of text formats, generators of sample data).
    void rebuildDerived();

protected:
    friend IDescribed<ISynchronizer>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;

    CSynchronizerID& getWritableID() { return fields().id; }
    CProjectString& getWritalbeSynchronizerName() { return fields().synchronizerName; }
    CProjectString& getWritableFileName() { return fields().fileName; }
    CProjectString& getWritableFilePath() { return fields().filePath; }
    CProjectString& getWritableTypeOfOperation() { return fields().typeOfOperation; }
    CProjectTime& getWritableTimeOfOperation() { return fields().timeOfOperation; }
    CProjectString& getWritableLogin() { return fields().login; }
    CProjectString& getWritablePassword() { return fields().password; }
    CProjectString& getWritableOriginalFileName() { return fields().originalFileName; }
    CProjectString& getWritableOriginalFilePath() { return fields().originalFilePath; }
    CProjectString& getWritableOriginalOperation() { return fields().originalOperation; }
    CProjectTime& getWritableFirstSynchronization() { return fields().originalTime; }
    CSOptionValueGroup& getWritableSynFromOptionValues() { return fields().synFromOptionValues; }
    CSOptionValueGroup& getWritableSynToOptionValues() { return fields().synToOptionValues; }
    CSynchronizerType& getWritableProductType() { return fields().productType; }
    CAstaProjectWritableHandle getWritableAstaProject() {
        return writableHandleOn(fields().astaProject);
    }
    CPrimaveraProjectWritableHandle getWritablePrimaveraProject() {
        return writableHandleOn(fields().primaveraProject);
    }
    CXMLProjectWritableHandle getWritableXMLProject() {
        return writableHandleOn(fields().xmlProject);
    }
    CXMLProjectWritableHandle getWritableNetPointProject() {
        return writableHandleOn(fields().xmlProject);
    }
    CEntity3DProjectWritableHandle getWritableEntity3DProject() {
        return writableHandleOn(fields().entity3DProject);
    }
    CIFCProjectWritableHandle getWritableIFCProject() {
        return writableHandleOn(fields().ifcProject);
    }
    CSafranProjectWritableHandle getWritableSafranProject() {
        return writableHandleOn(fields().safranProject);
    }
    CZentrixProjectWritableHandle getWritableZentrixProject() {
        return writableHandleOn(fields().zentrixProject);
    }
    COrbeonProjectWritableHandle getWritableOrbeonProject() {
        return writableHandleOn(fields().orbeonProject);
    }
    CExcelProjectWritableHandle getWritableExcelProject() {
        return writableHandleOn(fields().excelProject);
    }
    CSaprimaProjectWritableHandle getWritableSaprimaProject() {
        return writableHandleOn(fields().saprimaProject);
    }
    COurplanProjectWritableHandle getWritableOurplanProject() {
        return writableHandleOn(fields().ourplanProject);
    }
    CProjectBool& getWritableIsVaultlineProject() { return fields().isVaultlineProject; }
    CProjectString& getWritableVaultlineDatasource() { return fields().vaultlineDatasource; }
    CProjectString& getWritableVaultlineLogin() { return fields().vaultlineLogin; }
    CProjectString& getWritableVaultlineLastUpdated() { return fields().vaultlineLastUpdated; }

private:
    static void setOrEmpty(CProjectString& field, const CString& text) {
        field = text.IsEmpty() ? CString(L"empty") : text;
    }
    static void setValidOrDefault(CProjectTime& field, const CProjectTime& time) {
        field = time.isValid() ? time : CProjectTime();
    }
    template <class T>
    static CWrapperHandle<T> handleOn(const CHeapValue<T>& slot) {
        return slot ? slot.get()->getHandle() : CWrapperHandle<T>();
    }
    template <class T>
    static CWritableWrapperHandle<T> writableHandleOn(CHeapValue<T>& slot) {
        return slot ? slot.getWritable()->getWritableHandle() : CWritableWrapperHandle<T>();
    }
    template <class T>
    static bool copyInto(CHeapValue<T>& slot, const T& settings) {
        if (!slot) return false;
        if (slot.get() != &settings) *slot.getWritable() = settings;
        return true;
    }
    // Calls fn(slot, types) for each settings slot of f (Fields, const or not) with the source
    // types it belongs to.
    template <class AnyFields, class F>
    static void forEachSettings(AnyFields& f, F&& fn) {
        using T = SynchronizerType;
        fn(f.astaProject, {T::Asta});
        fn(f.primaveraProject, {T::Primavera});
        fn(f.xmlProject, {T::XML, T::NetPoint});
        fn(f.entity3DProject, {T::Entity3D});
        fn(f.ifcProject, {T::IFC});
        fn(f.safranProject, {T::Safran});
        fn(f.zentrixProject, {T::Zentrix});
        fn(f.orbeonProject, {T::Orbeon});
        fn(f.excelProject, {T::Excel});
        fn(f.saprimaProject, {T::Saprima});
        fn(f.ourplanProject, {T::Ourplan});
    }
    // Whether every held settings object belongs to the source type.
    bool settingsMatchType() const;
};

using ISynchronizerHandle = CWrapperHandle<ISynchronizer>;
using ISynchronizerWritableHandle = CWritableWrapperHandle<ISynchronizer>;
using ISynchronizerArrayHandle = CWrapperArrayHandle<ISynchronizer, CSynchronizerID, 0>;
using ISynchronizerConstArrayHandle = CConstWrapperArrayHandle<ISynchronizer, CSynchronizerID, 0>;
ZX_DECLARE_INTERFACE(ISynchronizer, CSynchronizerID, 0);
