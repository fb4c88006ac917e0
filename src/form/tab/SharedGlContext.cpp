#include "form/tab/SharedGlContext.h"

#include "logging/QsLog.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QSurfaceFormat>

// Qt's own hook for the global share context, the one QtWebEngine uses as well.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
QT_END_NAMESPACE

void SharedGlContext::prepareBeforeApplication()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // A context already there is not made by the application object; it lives as long as the
    // process, as the one Qt makes would.
    if (!qt_gl_global_share_context())
        qt_gl_set_global_share_context(new QOpenGLContext);
}

void SharedGlContext::createIfNeeded()
{
    QOpenGLContext *shared = qt_gl_global_share_context();
    if (!shared || shared->isValid() || !QGuiApplication::primaryScreen())
        return;
    shared->setFormat(QSurfaceFormat::defaultFormat());
    shared->setScreen(QGuiApplication::primaryScreen()); // there was none when it was handed over
    if (!shared->create())
        QLOG_WARN() << "the shared OpenGL context could not be made; web pages draw without it";
}

bool SharedGlContext::isCreated()
{
    const QOpenGLContext *shared = qt_gl_global_share_context();
    return shared && shared->isValid();
}
