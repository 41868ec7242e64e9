#pragma once
// The format catalogue file, read once per process and kept until the process ends.
//
// The first call of instance() reads the file; every later call returns the same object and
// ignores its argument. A read that fails throws to the caller and leaves nothing cached, so a
// later call tries again. instance() is safe to call from any thread; the object is immutable.

#include "plist.h"

#include <string>

class PlistDocument {
public:
    // Throws std::runtime_error from Plist::readFile.
    static const PlistDocument& instance(const std::string& path);

    const std::string& path() const { return m_path; }
    // The root dictionary; empty when the file's root value is not a dictionary.
    const PlistDict& root() const { return m_root; }

private:
    explicit PlistDocument(const std::string& path);

    std::string m_path;
    PlistDict m_root;
};
