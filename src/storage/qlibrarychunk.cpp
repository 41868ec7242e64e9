#include "qlibrarychunk.h"

QLibraryChunk::~QLibraryChunk()
{
    clearChildren();
}

void QLibraryChunk::appendChild(IBaseChunk* item)
{
    if (item)
        m_children.push_back(item);
}

void QLibraryChunk::removeChild(int index)
{
    delete takeChild(index);
}

IBaseChunk* QLibraryChunk::takeChild(int index)
{
    if (index < 0 || index >= childCount())
        return nullptr;
    IBaseChunk* item = m_children[static_cast<size_t>(index)];
    m_children.erase(m_children.begin() + index);
    return item;
}

void QLibraryChunk::clearChildren()
{
    std::vector<IBaseChunk*> children;
    children.swap(m_children);
    for (IBaseChunk* item : children)
        delete item;
}
