#include "support/other_user.h"

#include <QFile>

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tornelis::test {

OtherUser::OtherUser()
{
    const passwd *nobody = getpwnam("nobody");
    if (geteuid() != 0 || !nobody || nobody->pw_uid == 0)
        return;
    uid_ = nobody->pw_uid;
    gid_ = nobody->pw_gid;
    available_ = true;
}

bool OtherUser::Run(const std::function<bool()> &action) const
{
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        const bool done = setgroups(0, nullptr) == 0 && setgid(gid_) == 0 && setuid(uid_) == 0 && action();
        _exit(done ? 0 : 1);
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool OtherUser::PlantLink(const QString &target, const QString &link) const
{
    const QByteArray from = QFile::encodeName(target);
    const QByteArray at = QFile::encodeName(link);
    return Run([&] { return symlink(from.constData(), at.constData()) == 0; });
}

bool OtherUser::Give(const QString &path) const
{
    return chown(QFile::encodeName(path).constData(), uid_, gid_) == 0;
}

}  // namespace tornelis::test
