#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Where OpenGL is only an emulation on the processor (Mesa's llvmpipe in a virtual
// machine, Windows' fallback renderer), the engine and Qt Quick are faster drawing
// in plain software: no OpenGL set-up before the first frame, and no compositing
// pass through the emulation for each repaint of the window. With a real graphics
// processor nothing changes.
//
// Call once, after the application object exists and before the first web view.
// An explicit QT_QUICK_BACKEND or QSG_RHI_BACKEND in the environment is left to Qt.
void drawInSoftwareWhereOpenGLIsEmulated();

// The OpenGL renderer's name (GL_RENDERER); empty where there is no OpenGL.
QByteArray openGLRenderer();

// Whether an OpenGL renderer's name is one of a software emulation.
bool isEmulatedRenderer(QByteArrayView renderer);
