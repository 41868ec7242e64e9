#include "filestream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace tags {

FileStream::~FileStream()
{
    close();
}

bool FileStream::open(const std::string& utf8Path)
{
    close();
    const int fd = ::open(utf8Path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_size = st.st_size;
    m_path = utf8Path;
    return true;
}

void FileStream::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_size = 0;
}

std::string FileStream::read(int64_t offset, int64_t n) const
{
    std::string out;
    if (m_fd < 0 || offset < 0 || n <= 0 || offset >= m_size)
        return out;
    if (n > m_size - offset)
        n = m_size - offset;
    out.resize(size_t(n));
    int64_t done = 0;
    while (done < n) {
        const ssize_t r = ::pread(m_fd, &out[size_t(done)], size_t(n - done), offset + done);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            break;
        done += r;
    }
    out.resize(size_t(done));
    return out;
}

bool FileStream::readExact(int64_t offset, int64_t n, std::string& out) const
{
    if (n < 0 || offset < 0 || offset > m_size || n > m_size - offset)
        return false;
    out = read(offset, n);
    return int64_t(out.size()) == n;
}

static bool writeAll(int fd, const char* p, size_t n, int64_t offset)
{
    while (n > 0) {
        const ssize_t w = offset >= 0 ? ::pwrite(fd, p, n, offset) : ::write(fd, p, n);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return false;
        p += w;
        n -= size_t(w);
        if (offset >= 0)
            offset += w;
    }
    return true;
}

bool FileStream::writeAt(int64_t offset, const std::string& bytes)
{
    if (m_fd < 0 || offset < 0)
        return false;
    if (!writeAll(m_fd, bytes.data(), bytes.size(), offset))
        return false;
    if (offset + int64_t(bytes.size()) > m_size)
        m_size = offset + int64_t(bytes.size());
    return true;
}

bool FileStream::truncate(int64_t newSize)
{
    if (m_fd < 0 || ::ftruncate(m_fd, newSize) != 0)
        return false;
    m_size = newSize;
    return true;
}

bool FileStream::flush()
{
    return m_fd >= 0 && ::fdatasync(m_fd) == 0;
}

bool FileStream::rewrite(const std::vector<Segment>& segments)
{
    for (const Segment& seg : segments) {
        if (seg.length != 0 &&
            (seg.offset < 0 || seg.length < 0 || seg.offset + seg.length > m_size))
            return false;
    }
    return rewrite([&](const Writer& write) {
        std::string buffer;
        for (const Segment& seg : segments) {
            if (seg.length == 0) {
                if (!write(seg.bytes))
                    return false;
                continue;
            }
            // Ranges of the old file are copied by the kernel where it can (no trip through
            // user space, and reflinks on file systems that share extents).
            if (m_copyTarget >= 0 && copyRange(seg.offset, seg.length))
                continue;
            constexpr int64_t kChunk = 1 << 20;
            for (int64_t done = 0; done < seg.length; done += kChunk) {
                const int64_t n = std::min(kChunk, seg.length - done);
                if (!readExact(seg.offset + done, n, buffer) || !write(buffer))
                    return false;
            }
        }
        return true;
    });
}

bool FileStream::copyRange(int64_t offset, int64_t length)
{
    loff_t in = offset;
    int64_t left = length;
    while (left > 0) {
        const ssize_t n = ::copy_file_range(m_fd, &in, m_copyTarget, nullptr, size_t(left), 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (left == length)
                return false;     // nothing copied: the caller falls back to read and write
            m_copyFailed = true;  // partly copied: the whole rewrite must fail
            return true;
        }
        left -= n;
    }
    return true;
}

bool FileStream::rewrite(const std::function<bool(const Writer& write)>& produce)
{
    if (m_fd < 0)
        return false;
    std::string tmp = m_path + ".XXXXXX";
    const int out = ::mkstemp(&tmp[0]);
    if (out < 0)
        return false;
    struct stat st {};
    if (fstat(m_fd, &st) == 0)
        (void)::fchmod(out, st.st_mode & 07777);
    const Writer write = [out](const std::string& bytes) {
        return writeAll(out, bytes.data(), bytes.size(), -1);
    };
    m_copyTarget = out;
    m_copyFailed = false;
    bool ok = produce(write) && !m_copyFailed;
    m_copyTarget = -1;
    // Start writing the new file back now without waiting for it: the rename below is what
    // makes the switch atomic for a crashing process, and waiting for 100 MB to reach the
    // disk would make every growing edit slow. Write errors (a full disk) were seen above.
    if (ok)
        (void)::sync_file_range(out, 0, 0, SYNC_FILE_RANGE_WRITE);
    ok = ::close(out) == 0 && ok;
    if (!ok || ::rename(tmp.c_str(), m_path.c_str()) != 0) {
        ::unlink(tmp.c_str());
        return false;
    }
    const std::string path = m_path;
    return open(path);
}

}  // namespace tags
