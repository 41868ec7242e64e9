#include "plist.h"

#include "plistbinaryreader.h"
#include "plistxmlreader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// Closes the descriptor when the read ends, by return or by exception.
struct FileDescriptor {
    int fd = -1;
    ~FileDescriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

bool readAll(int fd, char* buffer, size_t size)
{
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, buffer + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

template <typename T>
bool sameValue(const boost::any& a, const boost::any& b)
{
    return *boost::any_cast<T>(&a) == *boost::any_cast<T>(&b);
}

}  // namespace

namespace Plist {

void readFile(const std::string& path, boost::any& out)
{
    if (path.empty())
        return;
    FileDescriptor file;
    file.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    // A folder opens for reading on Linux but has no content to read.
    if (file.fd < 0 || ::fstat(file.fd, &info) != 0 || S_ISDIR(info.st_mode))
        throw std::runtime_error("Can't open file: " + path);
    const off_t length = ::lseek(file.fd, 0, SEEK_END);
    if (length < 1)
        throw std::runtime_error("Can't read zero length data");
    if (::lseek(file.fd, 0, SEEK_SET) != 0)
        throw std::runtime_error("Can't open file: " + path);
    std::vector<char> buffer(static_cast<size_t>(length));
    if (!readAll(file.fd, buffer.data(), buffer.size()))
        throw std::runtime_error("Can't open file: " + path);
    readBuffer(vecData(buffer), static_cast<int64_t>(buffer.size()), out);
}

void readBuffer(const char* data, int64_t size, boost::any& out)
{
    if (size <= 0)
        throw std::runtime_error("Plist: Empty plist data");
    const uint64_t length = static_cast<uint64_t>(size);
    if (length >= 8 && std::memcmp(data, "bplist00", 8) == 0) {
        PlistBinaryReader reader(reinterpret_cast<const uint8_t*>(data), length);
        out = reader.readRoot();
    } else {
        out = PlistXmlReader::read(data, length);
    }
}

bool equal(const boost::any& a, const boost::any& b)
{
    if (a.type() != b.type())
        return false;
    if (const PlistDict* da = boost::any_cast<PlistDict>(&a)) {
        const PlistDict& db = *boost::any_cast<PlistDict>(&b);
        if (da->size() != db.size())
            return false;
        for (auto ia = da->begin(), ib = db.begin(); ia != da->end(); ++ia, ++ib) {
            if (ia->first != ib->first || !equal(ia->second, ib->second))
                return false;
        }
        return true;
    }
    if (const PlistArray* aa = boost::any_cast<PlistArray>(&a)) {
        const PlistArray& ab = *boost::any_cast<PlistArray>(&b);
        if (aa->size() != ab.size())
            return false;
        for (size_t i = 0; i < aa->size(); ++i) {
            if (!equal((*aa)[i], ab[i]))
                return false;
        }
        return true;
    }
    if (a.type() == typeid(std::string))
        return sameValue<std::string>(a, b);
    if (a.type() == typeid(int64_t))
        return sameValue<int64_t>(a, b);
    if (a.type() == typeid(double))
        return sameValue<double>(a, b);
    if (a.type() == typeid(bool))
        return sameValue<bool>(a, b);
    if (a.type() == typeid(PlistDate))
        return sameValue<PlistDate>(a, b);
    if (a.type() == typeid(std::vector<char>))
        return sameValue<std::vector<char>>(a, b);
    return a.empty() && b.empty();
}

}  // namespace Plist
