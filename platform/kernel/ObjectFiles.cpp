#include "platform/kernel/ObjectFiles.h"

#include <cerrno>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFileInfo>
#include <QString>

#include "platform/Win32Errors.h"

namespace platform {
namespace {

LONG ErrorFromErrno(int err) {
    switch (err) {
        case ENOENT:
            return ERROR_PATH_NOT_FOUND;
        case EACCES:
        case EPERM:
        case ELOOP:
        case ENOTDIR:
        case EROFS:
            return ERROR_ACCESS_DENIED;
        case ENAMETOOLONG:
            return ERROR_FILENAME_EXCED_RANGE;
        default:
            return ERROR_GEN_FAILURE;
    }
}

// tidewell-<uid> in the temporary folder ($TMPDIR when that is a folder, else /tmp).
std::string TemporaryFolderPath() {
    QString temp = QDir::tempPath();
    if (!QFileInfo(temp).isDir()) {
        temp = QStringLiteral("/tmp");
    }
    return temp.toStdString() + "/tidewell-" + std::to_string(geteuid());
}

// The folder is opened without following a link in its place and then checked through the
// open descriptor, so nobody can swap it between the check and the use.
int OpenPrivateFolder(const std::string& path, LONG* error) {
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
        *error = ErrorFromErrno(errno);
        return -1;
    }
    const int folder = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0) {
        *error = ErrorFromErrno(errno);
        return -1;
    }
    struct stat info {};
    if (fstat(folder, &info) != 0 || info.st_uid != geteuid() || (info.st_mode & 077) != 0) {
        close(folder);
        *error = ERROR_ACCESS_DENIED;
        return -1;
    }
    return folder;
}

// $XDG_RUNTIME_DIR/tidewell when the variable names an absolute folder that is safe to use,
// else the temporary folder's (looked up only then); the reason of the last refusal when
// neither is.
int OpenRuntimeFolder(LONG* error) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/') {
        const int folder = OpenPrivateFolder(std::string(runtime) + "/tidewell", error);
        if (folder >= 0) {
            return folder;
        }
    }
    return OpenPrivateFolder(TemporaryFolderPath(), error);
}

}  // namespace

int OpenObjectFile(const wchar_t* name, LONG* error) {
    if (name == nullptr) {
        *error = ERROR_INVALID_PARAMETER;
        return -1;
    }
    const std::string fileName = QString::fromWCharArray(name).toStdString();
    if (fileName.empty() || fileName == "." || fileName == ".." ||
        fileName.find('/') != std::string::npos) {
        *error = ERROR_INVALID_NAME;
        return -1;
    }
    const int folder = OpenRuntimeFolder(error);
    if (folder < 0) {
        return -1;
    }
    const int file =
        openat(folder, fileName.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    const int openError = errno;
    close(folder);
    if (file < 0) {
        *error = ErrorFromErrno(openError);
        return -1;
    }
    struct stat info {};
    if (fstat(file, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(file);
        *error = ERROR_ACCESS_DENIED;
        return -1;
    }
    return file;
}

}  // namespace platform
