#include "platform/SoftwareDrawing.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>
#include <memory>

namespace {

// GL_RENDERER of the emulations we know: Mesa's, Google's, and the ones Windows and macOS fall back to.
constexpr QByteArrayView emulatedRenderers[] = {"llvmpipe", "softpipe", "swrast", "SwiftShader", "GDI Generic",
                                                "Microsoft Basic Render", "Apple Software Renderer"};

} // namespace

QByteArray openGLRenderer()
{
    // Qt has made the context the engine will share when the engine asked for one; a
    // context of our own is the fallback.
    QOpenGLContext *context = QOpenGLContext::globalShareContext();
    std::unique_ptr<QOpenGLContext> ownContext;
    if (!context) {
        ownContext = std::make_unique<QOpenGLContext>();
        if (!ownContext->create())
            return {};
        context = ownContext.get();
    }
    QOffscreenSurface surface;
    surface.setFormat(context->format());
    surface.create();
    if (!context->makeCurrent(&surface))
        return {};
    const auto *name = reinterpret_cast<const char *>(context->functions()->glGetString(GL_RENDERER));
    const QByteArray renderer(name ? name : "");
    context->doneCurrent();
    return renderer;
}

bool isEmulatedRenderer(QByteArrayView renderer)
{
    for (QByteArrayView emulated : emulatedRenderers) {
        if (renderer.contains(emulated))
            return true;
    }
    return false;
}

void drawInSoftwareWhereOpenGLIsEmulated()
{
    if (qEnvironmentVariableIsSet("QT_QUICK_BACKEND") || qEnvironmentVariableIsSet("QSG_RHI_BACKEND"))
        return;
    const QByteArray renderer = openGLRenderer();
    if (renderer.isEmpty() || isEmulatedRenderer(renderer))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}
