#pragma once
// How a cover picture is scaled to a thumbnail whose shorter side is maxSide (aspect kept):
// a picture whose shorter side is at most maxSide stays as it is; one whose shorter side is
// more than four times maxSide is first scaled fast to four times the target size, then
// smoothly to the target; the rest in one smooth step. QtCore only, so the rule is testable
// without a GUI library; NxCoverImage applies it to QImages.

#include <QSize>

struct CoverScaleSteps {
    bool unchanged = true;
    QSize intermediate;  // invalid when there is no fast first step
    QSize target;
};

CoverScaleSteps coverScaleSteps(const QSize& source, int maxSide);
