#include "filestream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <system_error>
#include <thread>

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
    if (!flushPending()) {
        m_copyFailed = true;
        return true;
    }
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
    m_copyTarget = out;
    m_copyFailed = false;
    m_pending.clear();
    const Writer write = [this](const std::string& bytes) { return writePending(bytes); };
    bool ok = produce(write) && flushPending() && !m_copyFailed;
    m_copyTarget = -1;
    m_pending = std::string();
    // What the rename covers: a crash of this process, a kill or a full disk at any point
    // leaves either the untouched original or the complete new file under the name (write
    // errors, ENOSPC included, are seen above and the temporary file is removed). What it
    // does not cover on its own is a power loss or kernel crash shortly after the rename:
    // the new data may still be only in memory. ext4 (auto_da_alloc, its default) and btrfs
    // start writing back a file that is renamed over another one and commit the rename after
    // its data, so there the old or the new file survives; file systems without that
    // ordering may keep an empty or partial file. We deliberately do not fsync (nor
    // sync_file_range) the whole file before the rename: waiting for 100 MB to reach the
    // disk would make every growing edit take seconds, and starting the writeback ourselves
    // only repeats what ext4 does at the rename.
    ok = ::close(out) == 0 && ok;
    if (!ok || ::rename(tmp.c_str(), m_path.c_str()) != 0) {
        ::unlink(tmp.c_str());
        return false;
    }
    const int old = m_fd;
    const int64_t oldSize = m_size;
    m_fd = -1;
    const std::string path = m_path;
    const bool reopened = open(path);
    releaseReplaced(old, oldSize);
    return reopened;
}

// Small pieces (Ogg pages, tag blocks) are gathered into large writes; a piece of a
// megabyte or more goes straight to the file once what came before it is written.
bool FileStream::writePending(const std::string& bytes)
{
    constexpr size_t kBatch = 1 << 20;
    if (m_pending.size() + bytes.size() < kBatch) {
        m_pending += bytes;
        return true;
    }
    if (bytes.size() >= kBatch)
        return flushPending() && writeAll(m_copyTarget, bytes.data(), bytes.size(), -1);
    m_pending += bytes;
    return flushPending();
}

bool FileStream::flushPending()
{
    const bool ok = writeAll(m_copyTarget, m_pending.data(), m_pending.size(), -1);
    m_pending.clear();
    return ok;
}

void FileStream::releaseReplaced(int fd, int64_t size)
{
    // The last close of a replaced file frees it: its pages leave the page cache and its
    // blocks return to the file system, tens of milliseconds for a 100 MB recording. Nothing
    // depends on that finishing (the name already points at the new file), so large files
    // are released on a short-lived thread and the save returns as soon as the new file is
    // in place. A process that exits first leaves the same work to the kernel.
    constexpr int64_t kBackground = 8 << 20;
    if (size >= kBackground) {
        try {
            std::thread([fd] { ::close(fd); }).detach();
            return;
        } catch (const std::system_error&) {
        }
    }
    ::close(fd);
}

}  // namespace tags
