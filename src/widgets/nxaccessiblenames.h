#pragma once
// Accessible names for controls that show only an image: a screen reader, and UI automation
// through the accessibility tree, find such a control by its tool tip. Buttons with a text
// keep the text as their name; a name set explicitly is never replaced.

class QWidget;

namespace NxAccessibleNames {

// Names every widget of the application after its tool tip where it has no name of its own,
// now and whenever a tool tip changes later (an application-wide event filter, installed once).
// Call again after building windows whose widgets got their tool tips before the first call.
void install();
// Names the widgets of one tree the same way.
void apply(QWidget* root);

}  // namespace NxAccessibleNames
