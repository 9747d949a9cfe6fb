#include "platform/web/ModuleLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibrary>
#include <QOpenGLContext>

// Qt's setter of the context every OpenGL context of the application can share with; exported by
// Qt GUI for the web engine, which declares it the same way.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
QT_END_NAMESPACE

namespace web {

namespace {

QString& folderOverride()
{
    static QString folder;
    return folder;
}

QOpenGLContext* shareContext = nullptr;

void dropShareContext()
{
    if (QOpenGLContext::globalShareContext() == shareContext)
        qt_gl_set_global_share_context(nullptr);
    delete shareContext;
    shareContext = nullptr;
}

// What the engine sets when it makes the context itself, so the window that shows a page shares with
// it. Qt warns that the attribute belongs before the application is built: true of the context Qt
// would then make at start, meaningless here, where it is made by hand; that one warning is dropped.
void setSharingAttribute()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (!text.contains(QLatin1String("AA_ShareOpenGLContexts")))
            previous(type, context, text);
    });
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qInstallMessageHandler(previous);
}

// The web engine hands its pages to the window through an OpenGL context that shares with the
// application's. Linked into the program, the engine has that context made as the application
// starts, which loads the OpenGL driver into every session; loaded later, it finds none, warns and
// draws without OpenGL. So it is made here, as the engine would make it, just before the engine
// loads. Where OpenGL cannot be had the context stays invalid and the engine draws without it.
void prepareEngineSharing()
{
    if (QOpenGLContext::globalShareContext() || !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    shareContext = new QOpenGLContext;
    shareContext->setFormat(QSurfaceFormat::defaultFormat());
    shareContext->create();
    qt_gl_set_global_share_context(shareContext);
    qAddPostRoutine(dropShareContext);
    setSharingAttribute();
}

} // namespace

QString moduleFolder()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    return QDir::cleanPath(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(ZV_MODULES_FROM_BIN)));
}

void setModuleFolder(const QString& folder) { folderOverride() = folder; }

EntryPoint loadModule(const QString& name, const char* entryPoint, QString& error)
{
    prepareEngineSharing();
    QLibrary module(QDir(moduleFolder()).filePath(name + QStringLiteral(".so")));
    module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    // Never unloaded: its windows, and the engine's threads, live on until the program ends.
    if (!module.load()) {
        error = module.errorString();
        return nullptr;
    }
    auto entry = reinterpret_cast<EntryPoint>(module.resolve(entryPoint));
    if (!entry)
        error = QStringLiteral("%1 içinde %2 bulunamadı.").arg(module.fileName(), QLatin1String(entryPoint));
    return entry;
}

} // namespace web
