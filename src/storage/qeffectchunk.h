#pragma once
// QEffectChunk: one sound-effect preset in the Effect tab's list.

#include "ibasechunk.h"

class QEffectChunk : public IBaseChunk {
public:
    explicit QEffectChunk(bool withMutex = false) : IBaseChunk(withMutex) {}

    // Whether this preset is the one currently applied.
    void setSelected(bool v) { m_selected = v; }
    bool isSelected() const { return m_selected; }

private:
    bool m_selected = false;
};
