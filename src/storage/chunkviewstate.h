#pragma once
// Per-view drawing state of one list item, kept by the item for each view that shows it (the
// view pointer is only a key). The skinned delegates read and write it while painting.

#include <QString>

struct ChunkViewState {
    bool hovered = false;         // the pointer is over the item's row in that view
    double progress = 0.0;        // progress shown in the row, 0..1
    bool pressed = false;         // a row button is held down
    bool enabled = true;          // the row's buttons are enabled
    QString text;                 // a text the delegate shows (e.g. a tool tip)
    const void* owner = nullptr;  // tag of the object that registered the entry
};
