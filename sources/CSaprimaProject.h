// CSaprimaProject: the connection of a Saprima schedule used as a source: server, port (a text),
// report, user, password and client. The password is stored as given and is secret to dumps.
//
// Its own interface: handles come from CHandledValue and ISaprimaProject names the same class.
//
// Archive record: the fields in the order of describeFields.
#pragma once

#include "basetypes/CProjectString.h"
#include "basetypes/CString.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"
#include "sources/SourceAccessors.h"
#include "store/ValueHandles.h"

class ZX_API CSaprimaProject : public CDescribedValue<CSaprimaProject>,
                               public CHandledValue<CSaprimaProject> {
public:
    static constexpr const char* s_kindName = "SaprimaProject";

    template <class V>
    static void describeFields(V& v) {
        v.field("Server", &CSaprimaProject::m_server);
        v.field("Port", &CSaprimaProject::m_port);
        v.field("Report", &CSaprimaProject::m_report);
        v.field("User", &CSaprimaProject::m_user);
        v.field("Password", &CSaprimaProject::m_password, {.secret = true});
        v.field("Client", &CSaprimaProject::m_client);
    }

    ZX_MEMBER_ACCESSORS(getServer, getServer, m_server)
    void setServer(const CString& server) { m_server = server; }
    ZX_MEMBER_ACCESSORS(getPort, getPort, m_port)
    void setPort(const CString& port) { m_port = port; }
    ZX_MEMBER_ACCESSORS(getReport, getReport, m_report)
    void setReport(const CString& report) { m_report = report; }
    ZX_MEMBER_ACCESSORS(getUser, getUser, m_user)
    void setUser(const CString& user) { m_user = user; }
    ZX_MEMBER_ACCESSORS(getPassword, getPassword, m_password)
    void setPassword(const CString& password) { m_password = password; }
    ZX_MEMBER_ACCESSORS(getClient, getClient, m_client)
    void setClient(const CString& client) { m_client = client; }

    void RemoveAll() { *this = CSaprimaProject(); }

private:
    CProjectString m_server;
    CProjectString m_port;
    CProjectString m_report;
    CProjectString m_user;
    CProjectString m_password;
    CProjectString m_client;
};

using ISaprimaProject = CSaprimaProject;
ZX_DECLARE_VALUE_HANDLES(CSaprimaProject);
