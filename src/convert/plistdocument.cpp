#include "plistdocument.h"

#include <memory>
#include <mutex>

PlistDocument::PlistDocument(const std::string& path) : m_path(path)
{
    boost::any root;
    Plist::readFile(path, root);
    if (PlistDict* dict = boost::any_cast<PlistDict>(&root))
        m_root = std::move(*dict);
}

const PlistDocument& PlistDocument::instance(const std::string& path)
{
    static std::mutex mutex;
    static std::unique_ptr<const PlistDocument> document;
    const std::lock_guard<std::mutex> lock(mutex);
    if (!document)
        document.reset(new PlistDocument(path));
    return *document;
}
