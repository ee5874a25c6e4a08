#include "shell/platform/settings_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <windows.h>
#include <aclapi.h>
#include <shlobj.h>

#include <vector>

namespace tornelis {
namespace {

// Rights that let their holder put a file into a folder or take one out of
// it, or to give themselves those rights.
constexpr ACCESS_MASK kFolderWriteRights = FILE_ADD_FILE | FILE_ADD_SUBDIRECTORY | FILE_DELETE_CHILD | WRITE_DAC |
                                           WRITE_OWNER | GENERIC_WRITE | GENERIC_ALL;

// The user this process runs as: a TOKEN_USER, empty when it is not known.
std::vector<BYTE> CurrentUser()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> user(size);
    const bool known = size > 0 && GetTokenInformation(token, TokenUser, user.data(), size, &size);
    CloseHandle(token);
    return known ? user : std::vector<BYTE>();
}

// The user himself, the system and the administrators, who may write anywhere.
bool IsTrusted(PSID sid, PSID user)
{
    return EqualSid(sid, user) || IsWellKnownSid(sid, WinLocalSystemSid) ||
           IsWellKnownSid(sid, WinBuiltinAdministratorsSid);
}

// Does the access list let anyone else put a file into the folder?
bool LetsOthersWrite(PACL dacl, PSID user)
{
    if (!dacl)
        return true;  // no access list: everyone may do everything
    ACL_SIZE_INFORMATION size{};
    if (!GetAclInformation(dacl, &size, sizeof size, AclSizeInformation))
        return true;
    for (DWORD i = 0; i < size.AceCount; ++i) {
        void *entry = nullptr;
        if (!GetAce(dacl, i, &entry))
            return true;
        const auto *header = static_cast<const ACE_HEADER *>(entry);
        if (header->AceFlags & INHERIT_ONLY_ACE)
            continue;  // for what is created inside, not for the folder
        if (header->AceType == ACCESS_DENIED_ACE_TYPE || header->AceType == ACCESS_DENIED_CALLBACK_ACE_TYPE)
            continue;
        if (header->AceType != ACCESS_ALLOWED_ACE_TYPE && header->AceType != ACCESS_ALLOWED_CALLBACK_ACE_TYPE)
            return true;  // a kind of grant not judged here is taken as one to others
        const auto *allowed = static_cast<const ACCESS_ALLOWED_ACE *>(entry);
        PSID sid = const_cast<DWORD *>(&allowed->SidStart);
        if ((allowed->Mask & kFolderWriteRights) != 0 && !IsTrusted(sid, user))
            return true;
    }
    return false;
}

bool IsOwnedByTheUserAlone(const QString &folder)
{
    std::vector<BYTE> user = CurrentUser();
    if (user.empty())
        return false;
    PSID userSid = reinterpret_cast<TOKEN_USER *>(user.data())->User.Sid;
    const QString native = QDir::toNativeSeparators(folder);
    PSID owner = nullptr;
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoW(reinterpret_cast<const wchar_t *>(native.utf16()), SE_FILE_OBJECT,
                              OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner, nullptr, &dacl,
                              nullptr, &descriptor) != ERROR_SUCCESS)
        return false;
    const bool own = owner && EqualSid(owner, userSid) && !LetsOthersWrite(dacl, userSid);
    LocalFree(descriptor);
    return own;
}

}  // namespace

QString SettingsFolder(const QString &programDirectory, bool programDirectoryOwn)
{
    if (programDirectoryOwn)
        return programDirectory;
    QString roaming;
    wchar_t *path = nullptr;
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &path) == S_OK)
        roaming = QDir::fromNativeSeparators(QString::fromWCharArray(path));
    CoTaskMemFree(path);
    return QDir(roaming).filePath(QStringLiteral("Tornelis"));
}

bool IsOwnFolder(const QString &folder)
{
    if (!QFileInfo(folder).isDir() || !IsOwnedByTheUserAlone(folder))
        return false;
    // The access list's grants to the user himself are many ways spelt (his
    // groups, inheritance): only a try tells whether he may write there (a
    // copy under Program Files may be read but not written by its user).
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("Tornelis-XXXXXX.tmp")));
    return probe.open();
}

}  // namespace tornelis
