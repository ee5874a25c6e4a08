#pragma once

#include <QString>

#include <functional>
#include <sys/types.h>

namespace tornelis::test {

// Another user of the machine ("nobody"), to act as someone who shares a
// folder with the user running the tests. Acting as him needs root: without
// it, or without such a user, available() is false and the test should skip.
class OtherUser {
public:
    OtherUser();

    bool available() const { return available_; }
    uid_t uid() const { return uid_; }
    gid_t gid() const { return gid_; }

    // Runs action in a child process that has become the other user; true
    // when the action returned true there.
    bool Run(const std::function<bool()> &action) const;
    // The other user puts a symbolic link at link that points to target.
    bool PlantLink(const QString &target, const QString &link) const;
    // Gives path to the other user.
    bool Give(const QString &path) const;

private:
    bool available_ = false;
    uid_t uid_ = 0;
    gid_t gid_ = 0;
};

}  // namespace tornelis::test
