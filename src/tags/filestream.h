#pragma once
// FileStream: random access to one open audio file for the tag blocks, plus the two ways a
// tag write reaches the disk.
//
// - In place (writeAt, truncate): used only when the audio payload does not move, i.e. the
//   new tag fits its old room (padding) or lives at the end of the file. Between beginSave()
//   and commitSave() every byte these overwrite or cut off is kept, and rollbackSave() puts
//   the file back exactly as it was (content and size), so a save that fails half-way or
//   writes something that does not read back leaves no trace.
// - Rewrite: the new file is described as a list of segments (bytes in memory, or a range of
//   the current file) and written to a temporary file in the folder of the file the path
//   resolves to (a symbolic link stays a link to the edited file). Unchanged ranges are copied
//   by the kernel: block clones (FICLONERANGE) where the file system shares extents and the
//   range lines up with its blocks, copy_file_range elsewhere. The temporary file is flushed
//   to disk and handed to the candidate check (see setCandidateCheck); only then does it
//   replace the original: renamed over it, with the original's owner, permissions and
//   extended attributes, and the folder synced, so that a crash, a kill, a full disk or a
//   power cut leaves either the old or the new file under the name. A file with other hard
//   links (or whose owner or attributes cannot be carried over) keeps its inode instead: the
//   checked copy is written back over it, and the temporary file is removed only afterwards,
//   so a crash in that window leaves the complete new file beside the original.
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
    // Judges a rewrite's finished temporary file (opened read-only) before it replaces the
    // original; the rewrite fails when it returns false.
    using CandidateCheck = std::function<bool(const FileStream& candidate)>;

    FileStream() = default;
    ~FileStream();
    FileStream(const FileStream&) = delete;
    FileStream& operator=(const FileStream&) = delete;

    // Opens an existing file for reading and writing (or only reading). False when it does
    // not exist, is not a regular file or cannot be opened that way.
    bool open(const std::string& utf8Path, bool writable = true);
    void close();
    bool isOpen() const { return m_fd >= 0; }
    // The path the file was opened under, with symbolic links resolved.
    const std::string& path() const { return m_path; }
    int64_t size() const { return m_size; }

    // Up to n bytes from offset (fewer at the end of the file).
    std::string read(int64_t offset, int64_t n) const;
    // Exactly n bytes, or false.
    bool readExact(int64_t offset, int64_t n, std::string& out) const;

    bool writeAt(int64_t offset, const std::string& bytes);
    bool truncate(int64_t newSize);

    // A save transaction around in-place writes (see above). Rewrites need none: they replace
    // the file only when complete and checked.
    void beginSave();
    void commitSave();
    // Restores what the in-place writes since beginSave() changed. False when even that
    // failed (the disk went away); the journal is dropped either way.
    bool rollbackSave();
    void setCandidateCheck(CandidateCheck check) { m_candidateCheck = std::move(check); }

    // The smallest padding >= minimum that puts data now at oldOffset to a new offset
    // (newOffsetBeforePadding + padding) in the same position within a file-system block, so
    // that a rewrite can clone that data instead of copying it. Just minimum where the file
    // system cannot clone.
    int64_t clonePadding(int64_t newOffsetBeforePadding, int64_t oldOffset, int64_t minimum) const;

    // Replaces the file with the concatenation of the segments (see above). The stream stays
    // open on the new file. False (original untouched) on any failure.
    bool rewrite(const std::vector<Segment>& segments);
    // The same with the new contents produced by a callback that hands its pieces to `write`
    // in order (for rewrites that transform the file while copying it, such as Ogg pages).
    using Writer = std::function<bool(const std::string&)>;
    bool rewrite(const std::function<bool(const Writer& write)>& produce);

private:
    struct Saved {
        int64_t offset;
        std::string bytes;
    };
    // Keeps the current bytes of [offset, end) that existed before beginSave().
    void journal(int64_t offset, int64_t end);
    // Appends a range of this file to the rewrite target: cloned, copied in the kernel or
    // through memory, whichever the file system allows.
    bool copyRange(int64_t offset, int64_t length);
    bool cloneRange(int64_t offset, int64_t length);
    // Appends bytes to the rewrite target through m_pending; flushPending writes it out.
    bool writePending(const std::string& bytes);
    bool flushPending();
    // Puts the finished temporary file in place of the original (rename or write-back).
    bool replaceWith(int tmpFd, const std::string& tmpPath);
    bool writeBack(int tmpFd, const std::string& tmpPath);
    // Closes the descriptor of a file that a rewrite replaced (`size` bytes), on a
    // background thread when freeing it takes long.
    static void releaseReplaced(int fd, int64_t size);

    int m_fd = -1;
    int64_t m_size = 0;
    std::string m_path;
    bool m_writable = false;
    bool m_canClone = false;  // the file system has shared extents (probed once per file)
    int64_t m_blockSize = 4096;

    bool m_saving = false;
    int64_t m_sizeBeforeSave = 0;
    std::vector<Saved> m_journal;
    CandidateCheck m_candidateCheck;

    int m_copyTarget = -1;  // the temporary file while a rewrite runs
    int64_t m_targetSize = 0;
    bool m_keepCandidate = false;  // a failed write-back left the original half-written
    std::string m_pending;         // bytes for the rewrite target not written yet
};

}  // namespace tags
