#pragma once
// FileStream: random access to one open audio file for the tag blocks, plus the two ways a
// tag write reaches the disk.
//
// - In place (writeAt, truncate): used only when the audio payload does not move, i.e. the
//   new tag fits its old room (padding) or lives at the end of the file.
// - Rewrite: the new file is described as a list of segments (bytes in memory, or a range of
//   the current file), written to a temporary file in the same folder and renamed over the
//   original. A crash or a full disk before the rename leaves the original untouched; the
//   temporary file is removed on failure. Unchanged ranges are copied by the kernel
//   (copy_file_range: reflinks where the file system shares extents, an in-kernel copy
//   elsewhere). The new file is not fsynced; see rewrite() for what that leaves uncovered.
//
// Not thread-safe; one owner. Reads past the end return short results, never garbage.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tags {

class FileStream {
public:
    struct Segment {
        std::string bytes;   // used when length == 0
        int64_t offset = 0;  // range of the current file
        int64_t length = 0;
        static Segment data(std::string b) { return {std::move(b), 0, 0}; }
        static Segment range(int64_t off, int64_t len) { return {{}, off, len}; }
    };

    FileStream() = default;
    ~FileStream();
    FileStream(const FileStream&) = delete;
    FileStream& operator=(const FileStream&) = delete;

    // Opens an existing file for reading and writing. False when it does not exist, is not a
    // regular file or cannot be opened for writing.
    bool open(const std::string& utf8Path);
    void close();
    bool isOpen() const { return m_fd >= 0; }
    const std::string& path() const { return m_path; }
    int64_t size() const { return m_size; }

    // Up to n bytes from offset (fewer at the end of the file).
    std::string read(int64_t offset, int64_t n) const;
    // Exactly n bytes, or false.
    bool readExact(int64_t offset, int64_t n, std::string& out) const;

    bool writeAt(int64_t offset, const std::string& bytes);
    bool truncate(int64_t newSize);
    bool flush();

    // Replaces the file with the concatenation of the segments (see above). The stream stays
    // open on the new file. False (original untouched) on any failure.
    bool rewrite(const std::vector<Segment>& segments);
    // The same with the new contents produced by a callback that hands its pieces to `write`
    // in order (for rewrites that transform the file while copying it, such as Ogg pages).
    using Writer = std::function<bool(const std::string&)>;
    bool rewrite(const std::function<bool(const Writer& write)>& produce);

private:
    // Copies a range of this file to the end of the rewrite target in the kernel. False when
    // the kernel cannot (nothing was written then).
    bool copyRange(int64_t offset, int64_t length);
    // Closes the descriptor of a file that a rewrite replaced (`size` bytes), on a
    // background thread when freeing it takes long.
    static void releaseReplaced(int fd, int64_t size);
    // Appends bytes to the rewrite target through m_pending; flushPending writes it out.
    bool writePending(const std::string& bytes);
    bool flushPending();

    int m_fd = -1;
    int m_copyTarget = -1;  // the temporary file while a rewrite runs
    bool m_copyFailed = false;
    std::string m_pending;  // bytes for the rewrite target not written yet
    int64_t m_size = 0;
    std::string m_path;
};

}  // namespace tags
