#pragma once
// Notices that a file being read was removed, replaced or shortened meanwhile, so that a
// player or converter that meets the end of its input early can say why.

#include <string>

namespace brisca {

class FileWatch {
public:
    void remember(const std::string& path);
    // "" when the file is as it was; otherwise what happened to it, with its path.
    std::string change() const;

private:
    std::string m_path;
    long long m_size = -1;
    unsigned long long m_inode = 0;
};

}  // namespace brisca
