#pragma once
// QEffectChunk: one sound-effect preset in the Effect tab's list: its name, its thumbnail
// (imagePath), the index of its preset in the effect manager (indexValue), and whether it is
// the custom slot that moving an equalizer slider switches to.

#include "ibasechunk.h"

class QEffectChunk : public IBaseChunk {
public:
    explicit QEffectChunk(bool withMutex = false) : IBaseChunk(withMutex) {}

    void setCustomSlot(bool v) { m_customSlot = v; }
    bool isCustomSlot() const { return m_customSlot; }

private:
    bool m_customSlot = false;
};
