#pragma once

// The OpenGL context the embedded web pages share (QtWebEngine asks for Qt::AA_ShareOpenGLContexts
// before the application object exists). With the attribute alone, Qt makes that context with
// the application and loads the OpenGL driver at every start; here Qt is handed the context
// object before it is made, and it is made when the first web page is shown.
class SharedGlContext
{
public:
    // Before the application object: sets the attribute and hands Qt the context, not made yet.
    static void prepareBeforeApplication();
    // Makes the shared context when it is not made yet (before the web engine first starts).
    static void createIfNeeded();
    // The context has been made (the OpenGL driver is loaded).
    static bool isCreated();
};
