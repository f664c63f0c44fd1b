#include "app/CourseApplication.h"

#include "app/ErrorText.h"
#include "app/FontSubstitutes.h"
#include "platform/SoftwareDrawing.h"

#include <QLoggingCategory>
#include <QMessageBox>
#include <exception>

namespace {

// Attributes that only take effect before the application object exists.
int &prepareProcess(int &argc)
{
    // The program writes no files, and Qt's shader cache would be one.
    QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
    // Nor does it print: the engine reports its start-up settings unless told not to.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    return argc;
}

void showErrorBox(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, CourseApplication::title(), errorBoxText(message), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

} // namespace

CourseApplication::CourseApplication(int &argc, char **argv)
    : QApplication(prepareProcess(argc), argv)
{
    // Only the name: a display name would be appended to every window title.
    setApplicationName(title());
    installFontSubstitutes();
    drawInSoftwareWhereOpenGLIsEmulated();
}

QString CourseApplication::title()
{
    return QStringLiteral("Kelvaro考试Torvinel");
}

bool CourseApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportCurrentException();
    }
    return false;
}

void CourseApplication::reportCurrentException()
{
    try {
        throw;
    } catch (const std::exception &error) {
        showErrorBox(QString::fromUtf8(error.what()));
    } catch (...) {
        showErrorBox(QStringLiteral("发生了未知错误。"));
    }
}
