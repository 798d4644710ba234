#include "platform/files/FileIdentity.h"

#include <cerrno>
#include <set>
#include <string>
#include <vector>

#include <sys/xattr.h>
#include <unistd.h>

namespace platform {

namespace {

// The names of the file's extended attributes; nothing on a file system
// that keeps none.
template <typename List> bool attributeNames(List listxattr, std::set<std::string>& names) {
    std::vector<char> list;
    for (;;) {
        const ssize_t size = listxattr(nullptr, 0);
        if (size < 0)
            return errno == ENOTSUP;
        list.resize(static_cast<size_t>(size));
        const ssize_t got = listxattr(list.data(), list.size());
        if (got >= 0) {
            list.resize(static_cast<size_t>(got));
            break;
        }
        if (errno != ERANGE)
            return false;
    }
    for (size_t pos = 0; pos < list.size();) {
        const std::string name(list.data() + pos);
        names.insert(name);
        pos += name.size() + 1;
    }
    return true;
}

bool copyAttribute(const char* from, int to, const std::string& name) {
    std::vector<char> value;
    for (;;) {
        const ssize_t size = ::getxattr(from, name.c_str(), nullptr, 0);
        if (size < 0)
            return false;
        value.resize(static_cast<size_t>(size));
        const ssize_t got = ::getxattr(from, name.c_str(), value.data(), value.size());
        if (got >= 0) {
            value.resize(static_cast<size_t>(got));
            break;
        }
        if (errno != ERANGE)
            return false;
    }
    return ::fsetxattr(to, name.c_str(), value.data(), value.size(), 0) == 0;
}

} // namespace

bool copyIdentity(const char* from, const struct stat& fromStat, int to) {
    struct stat now {};
    if (::fstat(to, &now) != 0)
        return false;
    // A setgid folder gives a new file the folder's group; the file keeps its own.
    if ((now.st_uid != fromStat.st_uid || now.st_gid != fromStat.st_gid) &&
        ::fchown(to, fromStat.st_uid, fromStat.st_gid) != 0)
        return false;
    // After the owner: changing it clears the set-id bits. Before the
    // attributes: an access ACL sets the group bits to its mask.
    if (::fchmod(to, fromStat.st_mode & 07777) != 0)
        return false;
    std::set<std::string> wanted;
    std::set<std::string> present;
    const auto listFrom = [from](char* list, size_t size) { return ::listxattr(from, list, size); };
    const auto listTo = [to](char* list, size_t size) { return ::flistxattr(to, list, size); };
    if (!attributeNames(listFrom, wanted) || !attributeNames(listTo, present))
        return false;
    for (const std::string& name : present) {
        // A folder's default ACL made one the old file did not have.
        if (!wanted.count(name) && ::fremovexattr(to, name.c_str()) != 0)
            return false;
    }
    for (const std::string& name : wanted) {
        if (!copyAttribute(from, to, name))
            return false;
    }
    return true;
}

} // namespace platform
