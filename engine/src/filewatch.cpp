#include "filewatch.h"

#include <sys/stat.h>

namespace brisca {

void FileWatch::remember(const std::string& path)
{
    m_path = path;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        m_size = st.st_size;
        m_inode = st.st_ino;
    } else {
        m_size = -1;
    }
}

std::string FileWatch::change() const
{
    struct stat st {};
    if (::stat(m_path.c_str(), &st) != 0)
        return "'" + m_path + "' was removed while it was read";
    if (m_size >= 0 && (st.st_ino != m_inode || st.st_size != m_size))
        return "'" + m_path + "' was changed while it was read";
    return {};
}

}  // namespace brisca
