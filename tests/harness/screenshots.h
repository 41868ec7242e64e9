#pragma once
// Shared by the screenshot helpers (programs run by hand under Xvfb, not tests): the built
// skin and fonts as the program uses them, and a picture of the whole display (so pop-ups and
// dialogs are in it).

#include <QApplication>
#include <QScreen>

#include "nxskin.h"
#include "testmedia.h"

namespace screenshots {

inline void useProgramLook()
{
    NxSkin::setResourceDir(testmedia::binDir() + QStringLiteral("/audiorecorder_res"));
    NxSkin::registerFonts();
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Tahoma"));
    font.setPixelSize(12);
    QApplication::setFont(font);
}

inline void shoot(const QString& file)
{
    QApplication::processEvents();
    QGuiApplication::primaryScreen()->grabWindow(0).save(file);
}

}  // namespace screenshots
