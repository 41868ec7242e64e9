#pragma once
// QAudioFileTableView: the recordings list's table. On top of the skinned table it starts a
// drag of the selected rows (MIME type "image/audio_file", their paths) when a row is pressed
// and moved, for the playlist panel to take, and asks for the context menu on a right click.
// GUI thread only.

#include "qnxtableview.h"

class QAudioFileTableView : public QNxTableView {
    Q_OBJECT
public:
    explicit QAudioFileTableView(QWidget* parent = nullptr);

    // The paths of the selected rows, in the order they are shown.
    QStringList selectedPaths() const;

protected:
    void startDrag(Qt::DropActions supportedActions) override;
};
