#include "filestream.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <linux/magic.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/types.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <system_error>
#include <thread>

namespace tags {

namespace {

bool writeAll(int fd, const char* p, size_t n, int64_t offset)
{
    while (n > 0) {
        const ssize_t w = ::pwrite(fd, p, n, offset);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return false;
        p += w;
        n -= size_t(w);
        offset += w;
    }
    return true;
}

std::string resolvedPath(const std::string& path)
{
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return path;
    std::string out(resolved);
    std::free(resolved);
    return out;
}

std::string folderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash ? slash : 1);
}

void syncFolder(const std::string& path)
{
    const int fd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

// File systems whose files can share extents (FICLONERANGE).
bool fileSystemCanClone(int fd)
{
    struct statfs fs {};
    if (::fstatfs(fd, &fs) != 0)
        return false;
    return fs.f_type == BTRFS_SUPER_MAGIC || fs.f_type == XFS_SUPER_MAGIC;
}

// Gives `to` the owner, permissions and extended attributes of `from`. False when one of them
// cannot be carried over (another user's file, attributes only root may set, ...).
bool carryMetadata(int from, int to, const struct stat& st)
{
    struct stat mine {};
    if (::fstat(to, &mine) != 0)
        return false;
    if ((mine.st_uid != st.st_uid || mine.st_gid != st.st_gid) &&
        ::fchown(to, st.st_uid, st.st_gid) != 0)
        return false;
    // After fchown, which may clear set-id bits.
    if (::fchmod(to, st.st_mode & 07777) != 0)
        return false;
    const ssize_t listSize = ::flistxattr(from, nullptr, 0);
    if (listSize < 0)
        return errno == ENOTSUP;
    std::string names(size_t(listSize), '\0');
    const ssize_t got = ::flistxattr(from, &names[0], names.size());
    if (got < 0)
        return false;
    names.resize(size_t(got));
    for (size_t at = 0; at < names.size();) {
        const std::string name = names.c_str() + at;
        at += name.size() + 1;
        const ssize_t valueSize = ::fgetxattr(from, name.c_str(), nullptr, 0);
        if (valueSize < 0)
            return false;
        std::string value(size_t(valueSize), '\0');
        const ssize_t n = ::fgetxattr(from, name.c_str(), &value[0], value.size());
        if (n < 0 || ::fsetxattr(to, name.c_str(), value.data(), size_t(n), 0) != 0)
            return false;
    }
    return true;
}

}  // namespace

FileStream::~FileStream()
{
    close();
}

bool FileStream::open(const std::string& utf8Path, bool writable)
{
    close();
    const int fd = ::open(utf8Path.c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_size = st.st_size;
    m_path = resolvedPath(utf8Path);
    m_writable = writable;
    m_blockSize = st.st_blksize > 0 ? st.st_blksize : 4096;
    m_canClone = fileSystemCanClone(fd);
    return true;
}

void FileStream::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_size = 0;
    m_saving = false;
    m_journal.clear();
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

void FileStream::journal(int64_t offset, int64_t end)
{
    end = std::min(end, m_sizeBeforeSave);
    if (m_saving && offset < end)
        m_journal.push_back({offset, read(offset, end - offset)});
}

bool FileStream::writeAt(int64_t offset, const std::string& bytes)
{
    if (m_fd < 0 || !m_writable || offset < 0)
        return false;
    journal(offset, offset + int64_t(bytes.size()));
    if (!writeAll(m_fd, bytes.data(), bytes.size(), offset))
        return false;
    if (offset + int64_t(bytes.size()) > m_size)
        m_size = offset + int64_t(bytes.size());
    return true;
}

bool FileStream::truncate(int64_t newSize)
{
    if (m_fd < 0 || !m_writable || newSize < 0)
        return false;
    journal(newSize, m_size);
    if (::ftruncate(m_fd, newSize) != 0)
        return false;
    m_size = newSize;
    return true;
}

void FileStream::beginSave()
{
    m_saving = true;
    m_sizeBeforeSave = m_size;
    m_journal.clear();
}

void FileStream::commitSave()
{
    m_saving = false;
    m_journal.clear();
}

bool FileStream::rollbackSave()
{
    const bool wasSaving = m_saving;
    m_saving = false;
    bool ok = true;
    if (wasSaving && m_fd >= 0) {
        // Newest first: an older entry holds the bytes from before every later write.
        for (auto it = m_journal.rbegin(); it != m_journal.rend(); ++it)
            ok = writeAll(m_fd, it->bytes.data(), it->bytes.size(), it->offset) && ok;
        // Always: a write that failed half-way may have grown the file without telling.
        ok = ::ftruncate(m_fd, m_sizeBeforeSave) == 0 && ok;
        m_size = m_sizeBeforeSave;
    }
    m_journal.clear();
    return ok;
}

int64_t FileStream::clonePadding(int64_t newOffsetBeforePadding, int64_t oldOffset,
                                 int64_t minimum) const
{
    if (!m_canClone)
        return minimum;
    const int64_t misalignment = (newOffsetBeforePadding + minimum - oldOffset) % m_blockSize;
    const int64_t extra = (m_blockSize - (misalignment + m_blockSize) % m_blockSize) % m_blockSize;
    return minimum + extra;
}

bool FileStream::rewrite(const std::vector<Segment>& segments)
{
    for (const Segment& seg : segments) {
        if (seg.length != 0 &&
            (seg.offset < 0 || seg.length < 0 || seg.offset + seg.length > m_size))
            return false;
    }
    return rewrite([&](const Writer& write) {
        for (const Segment& seg : segments) {
            if (seg.length == 0 ? !write(seg.bytes) : !copyRange(seg.offset, seg.length))
                return false;
        }
        return true;
    });
}

bool FileStream::cloneRange(int64_t offset, int64_t length)
{
    if (!m_canClone || (offset - m_targetSize) % m_blockSize != 0)
        return false;
    struct file_clone_range range {};
    range.src_fd = m_fd;
    range.src_offset = uint64_t(offset);
    range.src_length = uint64_t(length);
    range.dest_offset = uint64_t(m_targetSize);
    return ::ioctl(m_copyTarget, FICLONERANGE, &range) == 0;
}

bool FileStream::copyRange(int64_t offset, int64_t length)
{
    if (!flushPending())
        return false;
    // The middle of the range, where source and target line up with the file system's blocks
    // (the end may be the end of the file), is cloned when the file system can; the rest is
    // copied in the kernel, or through memory where the kernel cannot.
    const int64_t end = offset + length;
    int64_t cloneStart = offset + (m_blockSize - offset % m_blockSize) % m_blockSize;
    int64_t cloneEnd = end == m_size ? end : end - end % m_blockSize;
    if (m_canClone && cloneStart < cloneEnd && (offset - m_targetSize) % m_blockSize == 0) {
        if (!copyRange(offset, cloneStart - offset))
            return false;
        if (cloneRange(cloneStart, cloneEnd - cloneStart)) {
            m_targetSize += cloneEnd - cloneStart;
            return copyRange(cloneEnd, end - cloneEnd);
        }
        offset = cloneStart;  // the clone was refused: copy it all
    }
    loff_t in = offset;
    while (in < end) {
        loff_t out = m_targetSize;
        const ssize_t n = ::copy_file_range(m_fd, &in, m_copyTarget, &out, size_t(end - in), 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        m_targetSize = out;
    }
    constexpr int64_t kChunk = 1 << 20;
    std::string buffer;
    while (in < end) {
        const int64_t n = std::min(kChunk, end - in);
        if (!readExact(in, n, buffer) ||
            !writeAll(m_copyTarget, buffer.data(), buffer.size(), m_targetSize))
            return false;
        in += n;
        m_targetSize += n;
    }
    return true;
}

bool FileStream::rewrite(const std::function<bool(const Writer& write)>& produce)
{
    if (m_fd < 0 || !m_writable)
        return false;
    std::string tmp = m_path + ".tagsave-XXXXXX";
    const int out = ::mkostemp(&tmp[0], O_CLOEXEC);
    if (out < 0)
        return false;
    m_copyTarget = out;
    m_targetSize = 0;
    m_keepCandidate = false;
    m_pending.clear();
    const Writer write = [this](const std::string& bytes) { return writePending(bytes); };
    // The new file reaches the disk before it can replace the old one: without that, a power
    // cut soon after the rename could leave an empty or partial file under the name on file
    // systems that do not order the two (and the recording with it).
    bool ok = produce(write) && flushPending() && ::fdatasync(out) == 0;
    m_copyTarget = -1;
    m_pending = std::string();
    if (ok && m_candidateCheck) {
        FileStream candidate;
        ok = candidate.open(tmp, false) && m_candidateCheck(candidate);
    }
    if (!ok || !replaceWith(out, tmp)) {
        ::close(out);
        if (!m_keepCandidate)
            ::unlink(tmp.c_str());
        return false;
    }
    return true;
}

bool FileStream::replaceWith(int tmpFd, const std::string& tmpPath)
{
    struct stat st {};
    if (::fstat(m_fd, &st) != 0)
        return false;
    // Renaming would detach the other names of a hard-linked file, or lose its owner or
    // attributes; such a file keeps its inode and gets the new contents written back.
    if (st.st_nlink > 1 || !carryMetadata(m_fd, tmpFd, st))
        return writeBack(tmpFd, tmpPath);
    if (::rename(tmpPath.c_str(), m_path.c_str()) != 0)
        return false;
    syncFolder(m_path);
    const int old = m_fd;
    const int64_t oldSize = m_size;
    m_fd = tmpFd;
    m_size = m_targetSize;
    m_journal.clear();
    releaseReplaced(old, oldSize);
    return true;
}

bool FileStream::writeBack(int tmpFd, const std::string& tmpPath)
{
    const int64_t oldSize = m_size;
    const int64_t newSize = m_targetSize;
    // Claim the room first: when the disk is full the original is still untouched.
    if (newSize > oldSize && ::posix_fallocate(m_fd, oldSize, newSize - oldSize) != 0) {
        (void)::ftruncate(m_fd, oldSize);
        return false;
    }
    loff_t in = 0;
    loff_t out = 0;
    while (in < newSize) {
        const ssize_t n = ::copy_file_range(tmpFd, &in, m_fd, &out, size_t(newSize - in), 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
    }
    std::string buffer(1 << 20, '\0');
    while (in < newSize) {
        const ssize_t n = ::pread(
            tmpFd, &buffer[0], size_t(std::min<int64_t>(int64_t(buffer.size()), newSize - in)), in);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0 || !writeAll(m_fd, buffer.data(), size_t(n), in)) {
            m_keepCandidate = true;  // the complete new file stays beside the original
            return false;
        }
        in += n;
    }
    if (::ftruncate(m_fd, newSize) != 0 || ::fdatasync(m_fd) != 0) {
        m_keepCandidate = true;
        return false;
    }
    ::close(tmpFd);
    ::unlink(tmpPath.c_str());
    m_size = newSize;
    m_journal.clear();
    return true;
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
    if (bytes.size() >= kBatch) {
        if (!flushPending() || !writeAll(m_copyTarget, bytes.data(), bytes.size(), m_targetSize))
            return false;
        m_targetSize += int64_t(bytes.size());
        return true;
    }
    m_pending += bytes;
    return flushPending();
}

bool FileStream::flushPending()
{
    const bool ok = writeAll(m_copyTarget, m_pending.data(), m_pending.size(), m_targetSize);
    if (ok)
        m_targetSize += int64_t(m_pending.size());
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
